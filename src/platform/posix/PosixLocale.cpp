#include "platform/posix/PosixLocale.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

namespace varnoke {
namespace {

// Spells out the composite conversions so that only single fields remain.
std::string Expand(std::string_view f, std::string_view ampm, int depth = 0) {
  std::string out;
  for (std::size_t i = 0; i < f.size(); ++i) {
    if (f[i] != '%' || i + 1 >= f.size()) {
      out.push_back(f[i]);
      continue;
    }
    std::size_t j = i + 1;
    std::string flags;
    while (j < f.size() && std::string_view("-_0^#EO").find(f[j]) != std::string_view::npos)
      flags.push_back(f[j++]);
    while (j < f.size() && f[j] >= '0' && f[j] <= '9') ++j;
    if (j >= f.size()) break;
    const char c = f[j];
    i = j;
    switch (c) {
      case 'D':
        out += "%m/%d/%y";
        break;
      case 'F':
        out += "%Y-%m-%d";
        break;
      case 'T':
        out += "%H:%M:%S";
        break;
      case 'R':
        out += "%H:%M";
        break;
      case 'r':
        out += depth == 0 && !ampm.empty() ? Expand(ampm, ampm, 1) : "%I:%M:%S %p";
        break;
      default:
        // "-" asks for no padding: keep it, the translation reads it.
        out.push_back('%');
        if (flags.find('-') != std::string::npos) out.push_back('-');
        out.push_back(c);
        break;
    }
  }
  return out;
}

bool IsTimeConversion(char c) {
  return std::string_view("HIklMSpPZz").find(c) != std::string_view::npos;
}

bool IsDateConversion(char c) {
  return std::string_view("demyYbhBaACjuwxUVWGg").find(c) != std::string_view::npos;
}

// The conversion letter of "%c" or "%-c" at i, or 0.
char ConversionAt(std::string_view f, std::size_t i, std::size_t* length) {
  if (i >= f.size() || f[i] != '%' || i + 1 >= f.size()) return 0;
  if (f[i + 1] == '-' && i + 2 < f.size()) {
    *length = 3;
    return f[i + 2];
  }
  *length = 2;
  return f[i + 1];
}

// The expanded format without the conversions `drop` names, each together with the
// literal text before it (or after it, when it opens the format).
std::string DropConversions(std::string_view f, bool (*drop)(char)) {
  std::string out;
  std::size_t literalStart = 0;  // where the literal text before the next conversion began
  bool pendingSkip = false;      // skip the literal after a dropped opening conversion
  for (std::size_t i = 0; i < f.size();) {
    std::size_t len = 0;
    const char c = ConversionAt(f, i, &len);
    if (!c) {
      if (!pendingSkip) out.push_back(f[i]);
      ++i;
      continue;
    }
    if (drop(c)) {
      if (out.empty() || literalStart == 0) {
        pendingSkip = true;
      } else {
        out.resize(literalStart);
      }
    } else {
      pendingSkip = false;
      out.append(f.substr(i, len));
    }
    i += len;
    literalStart = out.size();
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// The literal text between the first two conversions, when it is one punctuation
// character; else the default.
std::string FirstSeparator(std::string_view f, std::string_view fallback) {
  std::size_t len = 0;
  std::size_t i = 0;
  while (i < f.size() && !ConversionAt(f, i, &len)) ++i;
  if (i >= f.size()) return std::string(fallback);
  i += len;
  const std::size_t start = i;
  while (i < f.size() && !ConversionAt(f, i, &len)) ++i;
  const std::string_view sep = f.substr(start, i - start);
  if (i < f.size() && sep.size() == 1 && std::ispunct(static_cast<unsigned char>(sep[0])))
    return std::string(sep);
  return std::string(fallback);
}

void AppendLiteral(std::string& out, char c) {
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  if (letter || c == '/' || c == ':') {
    out.push_back('"');
    out.push_back(c);
    out.push_back('"');
  } else if (c == '"') {
    out += "'\"'";
  } else if (c == '\'') {
    out += "\"'\"";
  } else {
    out.push_back(c);
  }
}

CalendarEra ParseEra(std::string_view segment, bool* ok) {
  // direction:offset:start_date:end_date:era_name:era_format
  std::array<std::string, 6> parts;
  std::size_t k = 0;
  for (char c : segment) {
    if (c == ':' && k < 5)
      ++k;
    else
      parts[k].push_back(c);
  }
  CalendarEra era;
  int y = 0, m = 0, d = 0;
  *ok = k == 5 && parts[0] == "+" && std::sscanf(parts[2].c_str(), "%d/%d/%d", &y, &m, &d) == 3;
  if (*ok) {
    era.StartYear = y;
    era.StartMonth = m;
    era.StartDay = d;
    era.Offset = std::atoi(parts[1].c_str());
    era.Name = parts[4];
  }
  return era;
}

}  // namespace

std::string TranslateStrftime(std::string_view format, std::string_view timeFormatAmPm,
                              std::string_view dateSeparator, std::string_view timeSeparator) {
  const std::string f = Expand(format, timeFormatAmPm);
  std::string out;
  for (std::size_t i = 0; i < f.size();) {
    std::size_t len = 0;
    const char c = ConversionAt(f, i, &len);
    if (!c) {
      if (!dateSeparator.empty() && f.compare(i, dateSeparator.size(), dateSeparator) == 0) {
        out.push_back('/');
        i += dateSeparator.size();
      } else if (!timeSeparator.empty() && f.compare(i, timeSeparator.size(), timeSeparator) == 0) {
        out.push_back(':');
        i += timeSeparator.size();
      } else {
        AppendLiteral(out, f[i++]);
      }
      continue;
    }
    const bool unpadded = len == 3;
    i += len;
    switch (c) {
      case 'd':
        out += unpadded ? "d" : "dd";
        break;
      case 'e':
        out += "d";
        break;
      case 'm':
        out += unpadded ? "m" : "mm";
        break;
      case 'y':
        out += "yy";
        break;
      case 'Y':
        out += "yyyy";
        break;
      case 'b':
      case 'h':
        out += "mmm";
        break;
      case 'B':
        out += "mmmm";
        break;
      case 'a':
        out += "ddd";
        break;
      case 'A':
        out += "dddd";
        break;
      case 'H':
      case 'I':
        out += unpadded ? "h" : "hh";
        break;
      case 'k':
      case 'l':
        out += "h";
        break;
      case 'M':
        out += unpadded ? "n" : "nn";
        break;
      case 'S':
        out += unpadded ? "s" : "ss";
        break;
      case 'p':
      case 'P':
        out += "AMPM";
        break;
      case 'n':
      case 't':
        out += " ";
        break;
      case '%':
        out += "%";
        break;
      default:
        break;  // time zone, week numbers and the like have no code
    }
  }
  return out;
}

FormatSettings TranslateLocale(const LocaleTexts& t) {
  FormatSettings s;
  const std::string dateFmt = Expand(t.DateFormat.empty() ? "%m/%d/%y" : t.DateFormat, "");
  std::string timeFmt = Expand(t.TimeFormat.empty() ? "%H:%M:%S" : t.TimeFormat, t.TimeFormatAmPm);
  s.DateSeparator = FirstSeparator(dateFmt, "/");
  s.TimeSeparator = FirstSeparator(timeFmt, ":");
  s.DecimalSeparator = t.Radix.empty() ? "." : t.Radix;
  s.ThousandSeparator = t.Thousands;

  s.ShortDateFormat = TranslateStrftime(dateFmt, "", s.DateSeparator, "");
  std::string longDate = DropConversions(Expand(t.DateTimeFormat, t.TimeFormatAmPm),
                                         [](char c) { return IsTimeConversion(c); });
  // %x inside the date-and-time format stands for the short date.
  const std::size_t x = longDate.find("%x");
  if (x != std::string::npos) longDate.replace(x, 2, dateFmt);
  bool hasDate = false;
  for (std::size_t i = 0, len = 0; i < longDate.size(); ++i)
    if (const char c = ConversionAt(longDate, i, &len); c && IsDateConversion(c)) hasDate = true;
  s.LongDateFormat =
      TranslateStrftime(hasDate ? longDate : dateFmt, "", hasDate ? "" : s.DateSeparator, "");

  s.LongTimeFormat = TranslateStrftime(timeFmt, t.TimeFormatAmPm, "", s.TimeSeparator);
  s.ShortTimeFormat = TranslateStrftime(DropConversions(timeFmt, [](char c) { return c == 'S'; }),
                                        t.TimeFormatAmPm, "", s.TimeSeparator);
  s.TimeAMString = t.Am;
  s.TimePMString = t.Pm;
  s.ShortMonthNames = t.ShortMonths;
  s.LongMonthNames = t.LongMonths;
  s.ShortDayNames = t.ShortDays;
  s.LongDayNames = t.LongDays;

  std::size_t begin = 0;
  while (begin < t.Eras.size()) {
    std::size_t end = t.Eras.find(';', begin);
    if (end == std::string::npos) end = t.Eras.size();
    bool ok = false;
    const CalendarEra era = ParseEra(std::string_view(t.Eras).substr(begin, end - begin), &ok);
    if (ok) s.Eras.push_back(era);
    begin = end + 1;
  }
  std::sort(s.Eras.begin(), s.Eras.end(), [](const CalendarEra& a, const CalendarEra& b) {
    return std::tie(a.StartYear, a.StartMonth, a.StartDay) <
           std::tie(b.StartYear, b.StartMonth, b.StartDay);
  });
  return s;
}

FormatSettings PosixLocaleFormatSettings() {
  locale_t loc = newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0))
    loc = newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return TranslateLocale(LocaleTexts{});
  const auto get = [loc](nl_item item) { return std::string(nl_langinfo_l(item, loc)); };
  LocaleTexts t;
  t.DateFormat = get(D_FMT);
  t.TimeFormat = get(T_FMT);
  t.TimeFormatAmPm = get(T_FMT_AMPM);
  t.DateTimeFormat = get(D_T_FMT);
  t.Am = get(AM_STR);
  t.Pm = get(PM_STR);
  t.Radix = get(RADIXCHAR);
  t.Thousands = get(THOUSEP);
  t.Eras = get(ERA);
  static constexpr nl_item kAbMon[12] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                         ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
  static constexpr nl_item kMon[12] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                       MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
  static constexpr nl_item kAbDay[7] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4,
                                        ABDAY_5, ABDAY_6, ABDAY_7};
  static constexpr nl_item kDay[7] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
  for (int i = 0; i < 12; ++i) {
    t.ShortMonths[i] = get(kAbMon[i]);
    t.LongMonths[i] = get(kMon[i]);
  }
  for (int i = 0; i < 7; ++i) {
    t.ShortDays[i] = get(kAbDay[i]);
    t.LongDays[i] = get(kDay[i]);
  }
  freelocale(loc);
  return TranslateLocale(t);
}

}  // namespace varnoke
