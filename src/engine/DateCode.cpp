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

std::string DateCode(FileTime written, const TFiles& options, const DateCodeContext& context) {
  SystemTime value;
  if (options.Has(DateFromClock)) {
    value = context.clock.LocalNow();
  } else if (const auto st = FileTimeToSystemTime(written)) {
    // The time as listed, without a time-zone step: its fields are UTC.
    value = *st;
  } else {
    // A time beyond what the calendar conversion takes: the zero date-time value.
    value = SystemTime{1899, 12, 6, 30, 0, 0, 0, 0};
  }
  value.Milliseconds = 0;
  return FileNameSafe(FormatDateTime(options.DateString, value, context.Settings));
}

std::optional<std::string> ReplaceDateCodes(std::string_view text, FileTime written,
                                            const TFiles& options, const DateCodeContext& context) {
  if (text.find('|') == std::string_view::npos) return std::string(text);
  std::string out;
  for (char c : text) {
    if (c == '|')
      out.append(DateCode(written, options, context));
    else
      out.push_back(c);
    if (out.size() > kMaxExpandedLength) return std::nullopt;
  }
  return out;
}

}  // namespace varnoke
