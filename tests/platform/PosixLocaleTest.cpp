#include "platform/posix/PosixLocale.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace varnoke {
namespace {

LocaleTexts Texts(const char* date, const char* time, const char* dateTime, const char* radix) {
  LocaleTexts t;
  t.DateFormat = date;
  t.TimeFormat = time;
  t.DateTimeFormat = dateTime;
  t.Radix = radix;
  return t;
}

// The twelve-hour clock of the United States; the separators of the locale (German dots)
// become the placeholders. Eras come in the order of their start, a damaged one left out.
TEST(PosixLocale, TranslatesTheLocalesFormats) {
  LocaleTexts us = Texts("%m/%d/%Y", "%r", "%a %d %b %Y %r %Z", ".");
  std::tie(us.TimeFormatAmPm, us.Am, us.Pm) = std::tuple("%I:%M:%S %p", "AM", "PM");
  LocaleTexts germany = Texts("%d.%m.%Y", "%T", "%a %d %b %Y %T %Z", ",");
  germany.Eras = "+:1:2019/05/01:+*:Reiwa:%EC%Ey;+:1:1989/01/08:2019/04/30:Heisei:%EC%Ey;bad";
  // clang-format off
  const struct { LocaleTexts In; const char *Sep, *ShortDate, *LongTime, *ShortTime; } cases[] = {
      {us, "/", "mm/dd/yyyy", "hh:nn:ss AMPM", "hh:nn AMPM"},
      {germany, ".", "dd/mm/yyyy", "hh:nn:ss", "hh:nn"},
  };
  // clang-format on
  for (const auto& [texts, sep, shortDate, longTime, shortTime] : cases) {
    const FormatSettings s = TranslateLocale(texts);
    EXPECT_EQ(std::tie(s.DateSeparator, s.TimeSeparator, s.ShortDateFormat, s.LongDateFormat,
                       s.LongTimeFormat, s.ShortTimeFormat, s.DecimalSeparator, s.TimeAMString),
              std::tuple(sep, ":", shortDate, "ddd dd mmm yyyy", longTime, shortTime, texts.Radix,
                         texts.Am));
  }
  const FormatSettings s = TranslateLocale(germany);
  ASSERT_EQ(s.Eras.size(), 2u);
  EXPECT_EQ(std::tie(s.Eras[0].Name, s.Eras[0].StartYear, s.Eras[1].Name, s.Eras[1].StartMonth),
            std::tuple("Heisei", 1989, "Reiwa", 5));
}

// strftime codes become format codes; other text is quoted, the locale's separators become
// the placeholders, and what has no counterpart is left out.
TEST(PosixLocale, TranslatesStrftimeFormats) {
  // clang-format off
  const struct { const char *Format, *DateSep, *TimeSep, *Expected; } cases[] = {
      {"%Y-%m-%d", "-", "", "yyyy/mm/dd"}, {"%F", "", "", "yyyy-mm-dd"},
      {"%D", "/", "", "mm/dd/yy"}, {"%e %B %Y", "", "", "d mmmm yyyy"},
      {"%-d.%-m.%Y", ".", "", "d/m/yyyy"}, {"%A, %d de %B", "", "", "dddd, dd \"d\"\"e\" mmmm"},
      {"%H h %M", "", "", "hh \"h\" nn"}, {"%k:%M", "", ":", "h:nn"},
      {"%r", "", ":", "hh:nn:ss AMPM"}, {"%Ey %Od %5Y %Z%%", "", "", "yy dd yyyy %"},
      {"a/b:c'd\"", "", "", "\"a\"\"/\"\"b\"\":\"\"c\"\"'\"\"d\"'\"'"}};
  // clang-format on
  for (const auto& [format, dateSep, timeSep, expected] : cases)
    EXPECT_EQ(TranslateStrftime(format, "%I:%M:%S %p", dateSep, timeSep), expected) << format;
}

TEST(PosixLocale, TheCLocaleGivesEnglishNames) {
  const char* saved = std::getenv("LC_ALL");
  const std::string keep = saved ? saved : "";
  ::setenv("LC_ALL", "C", 1);
  const FormatSettings s = PosixLocaleFormatSettings();
  saved ? ::setenv("LC_ALL", keep.c_str(), 1) : ::unsetenv("LC_ALL");
  EXPECT_EQ(std::tie(s.LongMonthNames[0], s.ShortDayNames[0], s.ShortDateFormat, s.LongTimeFormat,
                     s.LongDateFormat),
            std::tuple("January", "Sun", "mm/dd/yy", "hh:nn:ss", "ddd mmm d yyyy"));
}

}  // namespace
}  // namespace varnoke
