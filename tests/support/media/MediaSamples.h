#pragma once
// Photos and videos made by the tests themselves: a JPEG drawn by Qt with metadata
// tags written through Exiv2, and the smallest MP4 and Matroska files that carry a
// creation time, built byte by byte.
#include <cstddef>
#include <optional>
#include <string>

#include "model/FileTime.h"

namespace varnoke::testing {

// Photo metadata texts as cameras write them; an empty text is left out.
struct PhotoTags {
  std::string DateTimeOriginal;    // "2021:07:04 15:30:45"
  std::string SubSecTimeOriginal;  // "25"
  std::string OffsetTimeOriginal;  // "+02:00"
  std::string DateTimeDigitized;
  std::string Description;  // to make the metadata as long as a test needs
};

// A small JPEG with these tags (none at all when every text is empty).
std::string JpegWithTags(const PhotoTags& tags);

// An MP4 whose movie header gives `utc` as its creation time (none: zero, as written by
// tools that set no time); `mediaBytes` of media data lie before the header, as in a
// file written without moving its header to the front.
std::string Mp4WithCreationTime(std::optional<SystemTime> utc, std::size_t mediaBytes = 0);

// A Matroska file whose segment information gives `utc` as its date.
std::string MkvWithDate(const SystemTime& utc);

}  // namespace varnoke::testing
