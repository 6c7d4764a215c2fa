#include "platform/posix/PosixLocale.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace varnoke {
namespace {

LocaleTexts UnitedStates() {
  LocaleTexts t;
  t.DateFormat = "%m/%d/%Y";
  t.TimeFormat = "%r";
  t.TimeFormatAmPm = "%I:%M:%S %p";
  t.DateTimeFormat = "%a %d %b %Y %r %Z";
  t.Am = "AM";
  t.Pm = "PM";
  t.Radix = ".";
  return t;
}

LocaleTexts Germany() {
  LocaleTexts t;
  t.DateFormat = "%d.%m.%Y";
  t.TimeFormat = "%T";
  t.DateTimeFormat = "%a %d %b %Y %T %Z";
  t.Radix = ",";
  return t;
}

// The twelve-hour clock of the United States; the separators of the locale (German
// dots) become the placeholders.
TEST(PosixLocale, TranslatesTheLocalesFormats) {
  const struct {
    LocaleTexts Texts;
    const char *DateSep, *ShortDate, *LongTime, *ShortTime;
  } cases[] = {
      {UnitedStates(), "/", "mm/dd/yyyy", "hh:nn:ss AMPM", "hh:nn AMPM"},
      {Germany(), ".", "dd/mm/yyyy", "hh:nn:ss", "hh:nn"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ShortDate);
    const FormatSettings s = TranslateLocale(c.Texts);
    EXPECT_EQ(s.DateSeparator, c.DateSep);
    EXPECT_EQ(s.TimeSeparator, ":");
    EXPECT_EQ(s.ShortDateFormat, c.ShortDate);
    EXPECT_EQ(s.LongDateFormat, "ddd dd mmm yyyy");
    EXPECT_EQ(s.LongTimeFormat, c.LongTime);
    EXPECT_EQ(s.ShortTimeFormat, c.ShortTime);
    EXPECT_EQ(s.DecimalSeparator, c.Texts.Radix);
    EXPECT_EQ(s.TimeAMString, c.Texts.Am);
  }
}

// strftime codes become format codes; other text is quoted, the locale's separators become
// the placeholders, and what has no counterpart is left out.
TEST(PosixLocale, TranslatesStrftimeFormats) {
  // clang-format off
  const struct {
    const char *Format, *DateSep, *TimeSep, *Expected;
  } cases[] = {
      {"%Y-%m-%d", "-", "", "yyyy/mm/dd"}, {"%F", "", "", "yyyy-mm-dd"},
      {"%D", "/", "", "mm/dd/yy"}, {"%e %B %Y", "", "", "d mmmm yyyy"},
      {"%-d.%-m.%Y", ".", "", "d/m/yyyy"}, {"%A, %d de %B", "", "", "dddd, dd \"d\"\"e\" mmmm"},
      {"%H h %M", "", "", "hh \"h\" nn"}, {"%k:%M", "", ":", "h:nn"},
      {"%r", "", ":", "hh:nn:ss AMPM"}, {"%Ey %Od %5Y %Z%%", "", "", "yy dd yyyy %"},
      {"a/b:c'd\"", "", "", "\"a\"\"/\"\"b\"\":\"\"c\"\"'\"\"d\"'\"'"}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(TranslateStrftime(c.Format, "%I:%M:%S %p", c.DateSep, c.TimeSep), c.Expected)
        << c.Format;
}

TEST(PosixLocale, ErasComeInOrderOfTheirStart) {
  LocaleTexts t = Germany();
  t.Eras = "+:1:2019/05/01:+*:Reiwa:%EC%Ey;+:1:1989/01/08:2019/04/30:Heisei:%EC%Ey;bad";
  const FormatSettings s = TranslateLocale(t);
  ASSERT_EQ(s.Eras.size(), 2u);
  EXPECT_EQ(s.Eras[0].Name, "Heisei");
  EXPECT_EQ(s.Eras[0].StartYear, 1989);
  EXPECT_EQ(s.Eras[1].Name, "Reiwa");
  EXPECT_EQ(s.Eras[1].StartMonth, 5);
}

TEST(PosixLocale, TheCLocaleGivesEnglishNames) {
  const char* saved = std::getenv("LC_ALL");
  const std::string keep = saved ? saved : "";
  setenv("LC_ALL", "C", 1);
  const FormatSettings s = PosixLocaleFormatSettings();
  if (saved)
    setenv("LC_ALL", keep.c_str(), 1);
  else
    unsetenv("LC_ALL");
  EXPECT_EQ(s.LongMonthNames[0], "January");
  EXPECT_EQ(s.ShortDayNames[0], "Sun");
  EXPECT_EQ(s.ShortDateFormat, "mm/dd/yy");
  EXPECT_EQ(s.LongTimeFormat, "hh:nn:ss");
  EXPECT_EQ(s.LongDateFormat, "ddd mmm d yyyy");
}

}  // namespace
}  // namespace varnoke
