#pragma once
// Date codes: every "|" of a planned name or extension becomes a date text, the
// file's last-write time (UTC, as listed), the local clock read anew for each code, or
// the time the file was taken (local; the last-write time for a file without one),
// formatted with the options' date format and made safe for a file name.
#include <optional>
#include <string>
#include <string_view>

#include "model/FileTime.h"
#include "model/FormatSettings.h"
#include "model/TFiles.h"
#include "platform/Clock.h"

namespace varnoke {

// What a date code needs besides the options: the regional settings and the clock.
struct DateCodeContext {
  const FormatSettings& Settings;
  Clock& clock;
};

// The dates of one file that its codes may show.
struct FileDates {
  FileTime Written = 0;           // as listed, UTC
  std::optional<FileTime> Taken;  // local wall-clock time, where the file records one
};

// The text that replaces one "|".
std::string DateCode(const FileDates& dates, const TFiles& options, const DateCodeContext& context);

// Replaces every "|" of `text`, from the left, each by its own DateCode; nullopt when
// the result would pass kMaxExpandedLength.
std::optional<std::string> ReplaceDateCodes(std::string_view text, const FileDates& dates,
                                            const TFiles& options, const DateCodeContext& context);

// The characters Windows forbids in a file name ("/", "\", ":", "*", "?", double
// quote, "<", ">", "|") turned into "_".
std::string FileNameSafe(std::string text);

}  // namespace varnoke
