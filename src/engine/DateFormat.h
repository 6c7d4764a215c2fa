#pragma once
// The date-format language of the date codes: letter codes for the parts of a date and
// time (d, m, y, h, n, s, t, c, AM/PM, ...), "/" and ":" for the locale's separators,
// quoted text copied as it is. Every format text is accepted; the result is at most
// kMaxDateTextLength characters.
#include <cstddef>
#include <string>
#include <string_view>

#include "model/FileTime.h"
#include "model/FormatSettings.h"

namespace varnoke {

inline constexpr std::size_t kMaxDateTextLength = 256;

// Formats the date and time of `value` (Year, Month, Day, Hour, Minute, Second; the
// weekday is worked out from the date, milliseconds are not shown). An empty format
// stands for "c".
std::string FormatDateTime(std::string_view format, const SystemTime& value,
                           const FormatSettings& settings);

}  // namespace varnoke
