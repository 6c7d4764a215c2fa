#include "engine/DateCode.h"

#include "engine/DateFormat.h"
#include "engine/Messages.h"

namespace varnoke {

std::string FileNameSafe(std::string text) {
  for (char& c : text) {
    switch (c) {
      case '/':
      case '\\':
      case ':':
      case '*':
      case '?':
      case '"':
      case '<':
      case '>':
      case '|':
        c = '_';
        break;
      default:
        break;
    }
  }
  return text;
}

std::string DateCode(const FileDates& dates, const TFiles& options,
                     const DateCodeContext& context) {
  SystemTime value;
  const DateSource source = options.DateCodes();
  const bool taken = source == DateSource::Taken && dates.Taken;
  if (source == DateSource::Clock) {
    value = context.clock.LocalNow();
  } else if (const auto st = FileTimeToSystemTime(taken ? *dates.Taken : dates.Written)) {
    // Without a time-zone step: the last-write time as listed shows its UTC fields, the
    // time taken is local already.
    value = *st;
  } else {
    // A time beyond what the calendar conversion takes: the zero date-time value.
    value = SystemTime{1899, 12, 6, 30, 0, 0, 0, 0};
  }
  value.Milliseconds = 0;
  return FileNameSafe(FormatDateTime(options.DateString, value, context.Settings));
}

std::optional<std::string> ReplaceDateCodes(std::string_view text, const FileDates& dates,
                                            const TFiles& options, const DateCodeContext& context) {
  if (text.find('|') == std::string_view::npos) return std::string(text);
  std::string out;
  for (char c : text) {
    if (c == '|')
      out.append(DateCode(dates, options, context));
    else
      out.push_back(c);
    if (out.size() > kMaxExpandedLength) return std::nullopt;
  }
  return out;
}

}  // namespace varnoke
