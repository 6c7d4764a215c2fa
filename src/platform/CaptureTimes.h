#pragma once
// When a photo or video was taken, as the file itself records it: for photos the
// metadata's original date (with its fraction and offset where given), else the
// digitised date; for videos the container's creation time. File times change each
// time a card is copied; this one does not.
#include <cstdint>
#include <optional>
#include <string>

#include "model/FileTime.h"

namespace varnoke {

struct TakenStamp {
  // The calendar fields as the file writes them, as a FILETIME without a time-zone step.
  FileTime WallClock = 0;
  // Minutes east of UTC where the file gives its offset (video containers keep UTC: 0);
  // none: the time is the camera's local wall-clock time.
  std::optional<std::int32_t> OffsetMinutes;
  bool operator==(const TakenStamp&) const = default;
};

// What one read found, with the size and last-write time of the file it was read from,
// so that a read of a file changed since it was listed is not kept as the listed file's.
struct TakenRead {
  std::optional<TakenStamp> Stamp;  // none: the file records no time or cannot be read
  std::uint64_t Size = 0;
  FileTime Written = 0;
};

class CaptureTimes {
 public:
  virtual ~CaptureTimes() = default;
  // Reads the file at `path` (a link is not followed). Called from several threads at
  // once. Never throws: a damaged or unreadable file has no time taken. Each read is
  // bounded in the bytes it looks at and in time.
  virtual TakenRead Read(const std::string& path) = 0;
};

}  // namespace varnoke
