#include "engine/DateFormat.h"

#include <cstdio>

#include "model/PathRules.h"

namespace varnoke {
namespace {

// Nested formats (the locale's date and time formats) are read two levels deep at most.
constexpr int kMaxFormatLevels = 2;

bool StartsWithIgnoreCase(std::string_view text, std::size_t at, std::string_view code) {
  return text.size() - at >= code.size() &&
         EqualsIgnoreAsciiCase(text.substr(at, code.size()), code);
}

int DayOfWeek(const SystemTime& v) {
  // 0 = Sunday. Zeller-style count on the proleptic Gregorian calendar.
  static constexpr int kMonthOffset[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int y = v.Year;
  const int m = (v.Month >= 1 && v.Month <= 12) ? v.Month : 1;
  if (m < 3) --y;
  return (y + y / 4 - y / 100 + y / 400 + kMonthOffset[m - 1] + v.Day) % 7;
}

class Formatter {
 public:
  Formatter(const SystemTime& v, const FormatSettings& s) : v_(v), s_(s) {}

  void Append(std::string_view format) {
    if (level_ >= kMaxFormatLevels) return;
    ++level_;
    AppendLevel(format);
    --level_;
  }

  std::string Result() && { return std::move(out_); }

 private:
  void Text(std::string_view t) {
    const std::size_t room = kMaxDateTextLength - out_.size();
    out_.append(t.substr(0, std::min(room, t.size())));
  }
  void Number(int value, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", digits, value);
    Text(buf);
  }

  // Whether the hour code ending at `from` is on the 12-hour clock: an AM/PM code came
  // earlier, or the first "a" after it (outside quotes, before the next "h") begins one.
  bool TwelveHourAfter(std::string_view f, std::size_t from) {
    char quote = 0;
    for (std::size_t p = from; p < f.size(); ++p) {
      const char c = f[p];
      if (quote) {
        if (c == quote) quote = 0;
        continue;
      }
      if (c == '\'' || c == '"') {
        quote = c;
      } else if (c == 'h' || c == 'H') {
        break;
      } else if (c == 'a' || c == 'A') {
        if (StartsWithIgnoreCase(f, p, "AM/PM") || StartsWithIgnoreCase(f, p, "A/P") ||
            StartsWithIgnoreCase(f, p, "AMPM"))
          twelveHour_ = true;
        break;
      }
    }
    return twelveHour_;
  }

  const CalendarEra* EraOf() const {
    const CalendarEra* found = nullptr;
    for (const CalendarEra& e : s_.Eras) {
      const bool started =
          v_.Year != e.StartYear
              ? v_.Year > e.StartYear
              : (v_.Month != e.StartMonth ? v_.Month > e.StartMonth : v_.Day >= e.StartDay);
      if (started) found = &e;
    }
    return found;
  }

  void AppendLevel(std::string_view f) {
    char lastLetter = ' ';
    std::size_t i = 0;
    while (i < f.size() && out_.size() < kMaxDateTextLength) {
      const char starter = f[i++];
      char token = AsciiUpper(starter);
      const bool letter = token >= 'A' && token <= 'Z';
      if (letter) {
        if (token == 'M' && lastLetter == 'H') token = 'N';
        lastLetter = token;
      }
      // The run of the same letter, in either case, is one code.
      int count = 1;
      if (letter && token != 'A') {
        while (i < f.size() && AsciiUpper(f[i]) == AsciiUpper(starter)) {
          ++i;
          ++count;
        }
      }
      switch (token) {
        case 'Y':
          if (count <= 2)
            Number(v_.Year % 100, 2);
          else
            Number(v_.Year, 4);
          break;
        case 'G': {
          const CalendarEra* era = EraOf();
          if (era) Text(era->Name);
          break;
        }
        case 'E': {
          const CalendarEra* era = EraOf();
          const int year = era ? v_.Year - era->StartYear + era->Offset : v_.Year;
          Number(year, count >= 2 ? 2 : 1);
          break;
        }
        case 'M':
          if (count <= 2)
            Number(v_.Month, count);
          else if (v_.Month >= 1 && v_.Month <= 12)
            Text(count == 3 ? s_.ShortMonthNames[v_.Month - 1] : s_.LongMonthNames[v_.Month - 1]);
          break;
        case 'D':
          if (count <= 2)
            Number(v_.Day, count);
          else if (count == 3)
            Text(s_.ShortDayNames[DayOfWeek(v_)]);
          else if (count == 4)
            Text(s_.LongDayNames[DayOfWeek(v_)]);
          else if (count == 5)
            Append(s_.ShortDateFormat);
          else
            Append(s_.LongDateFormat);
          break;
        case 'H': {
          int h = v_.Hour;
          if (TwelveHourAfter(f, i)) h = h == 0 ? 12 : (h > 12 ? h - 12 : h);
          Number(h, count >= 2 ? 2 : 1);
          break;
        }
        case 'N':
          Number(v_.Minute, count >= 2 ? 2 : 1);
          break;
        case 'S':
          Number(v_.Second, count >= 2 ? 2 : 1);
          break;
        case 'T':
          Append(count == 1 ? s_.ShortTimeFormat : s_.LongTimeFormat);
          break;
        case 'C':
          Append(s_.ShortDateFormat);
          if (v_.Hour != 0 || v_.Minute != 0 || v_.Second != 0) {
            Text(" ");
            Append(s_.LongTimeFormat);
          }
          break;
        case 'A':
          i = AppendAmPm(f, i - 1);
          break;
        case '\'':
        case '"': {
          const std::size_t close = f.find(starter, i);
          const std::size_t end = close == std::string_view::npos ? f.size() : close;
          Text(f.substr(i, end - i));
          i = close == std::string_view::npos ? f.size() : close + 1;
          break;
        }
        case '/':
          Text(s_.DateSeparator);
          break;
        case ':':
          Text(s_.TimeSeparator);
          break;
        default:
          // Letters without a meaning ("z", "x", ...) are copied, the whole run.
          for (int k = 0; k < count; ++k) Text(std::string_view(&starter, 1));
          break;
      }
    }
  }

  // The codes that begin with "a" at `at`; returns where the scan goes on.
  std::size_t AppendAmPm(std::string_view f, std::size_t at) {
    const bool pm = v_.Hour >= 12;
    if (StartsWithIgnoreCase(f, at, "AM/PM")) {
      Text(f.substr(at + (pm ? 3 : 0), 2));
      twelveHour_ = true;
      return at + 5;
    }
    if (StartsWithIgnoreCase(f, at, "A/P")) {
      Text(f.substr(at + (pm ? 2 : 0), 1));
      twelveHour_ = true;
      return at + 3;
    }
    if (StartsWithIgnoreCase(f, at, "AMPM")) {
      Text(pm ? s_.TimePMString : s_.TimeAMString);
      twelveHour_ = true;
      return at + 4;
    }
    if (StartsWithIgnoreCase(f, at, "AAAA")) {
      Text(s_.LongDayNames[DayOfWeek(v_)]);
      return at + 4;
    }
    if (StartsWithIgnoreCase(f, at, "AAA")) {
      Text(s_.ShortDayNames[DayOfWeek(v_)]);
      return at + 3;
    }
    Text(f.substr(at, 1));
    return at + 1;
  }

  const SystemTime& v_;
  const FormatSettings& s_;
  std::string out_;
  int level_ = 0;
  bool twelveHour_ = false;
};

}  // namespace

std::string FormatDateTime(std::string_view format, const SystemTime& value,
                           const FormatSettings& settings) {
  Formatter f(value, settings);
  f.Append(format.empty() ? std::string_view("c") : format);
  return std::move(f).Result();
}

}  // namespace varnoke
