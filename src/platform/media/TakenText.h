#pragma once
// The texts in which files write when they were taken, read into a TakenStamp:
// photo metadata's "2021:07:04 15:30:45" with its separate fraction ("123") and offset
// ("+02:00"), the ISO 8601 form of XMP ("2021-07-04T15:30:45.5+02:00"), and the video
// containers' UTC time as the media library writes it ("2021-07-04 15:30:45 UTC").
#include <optional>
#include <string_view>

#include "platform/CaptureTimes.h"

namespace varnoke {

// A metadata date and time with its fraction-of-second digits and offset texts (each may
// be empty). An all-zero or blank date, a calendar date that does not exist, or a year
// before 1900 gives none; an offset that cannot be read is left out.
std::optional<TakenStamp> ExifTaken(std::string_view dateTime, std::string_view fraction,
                                    std::string_view offset);

// "YYYY-MM-DDTHH:MM[:SS[.f]][Z|+HH:MM|-HH:MM]" (a blank for the T taken too).
std::optional<TakenStamp> IsoTaken(std::string_view text);

// A container time in UTC, "2021-07-04 15:30:45 UTC" or "UTC 2021-07-04 15:30:45"; the
// containers' zero (1904 or 1970 and before) gives none.
std::optional<TakenStamp> UtcTaken(std::string_view text);

// "+02:00", "-0530", "Z": minutes east of UTC.
std::optional<std::int32_t> OffsetMinutes(std::string_view text);

}  // namespace varnoke
