#pragma once
// The wall clock and the time zone.
#include <optional>

#include "model/FileTime.h"

namespace varnoke {

class Clock {
 public:
  virtual ~Clock() = default;
  // The current time as UTC.
  virtual FileTime NowUtc() = 0;
  // The current local time as calendar fields (GetLocalTime).
  virtual SystemTime LocalNow() = 0;
  // Local wall-clock time to UTC with the offset in force at that date.
  virtual std::optional<FileTime> LocalToUtc(FileTime local) = 0;
  // UTC to local wall-clock time with the offset in force at that date.
  virtual std::optional<FileTime> UtcToLocal(FileTime utc) = 0;
};

}  // namespace varnoke
