// The regional settings: the time zone and the locale.
#include "platform/posix/PosixClock.h"
#include "platform/posix/PosixLocale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/posix/PosixTime.h"
#include "support/CalendarTime.h"

namespace varnoke {
namespace {

// Each way with the offset of that date, before 1970 too, keeping the fraction of a second;
// times above the signed range fail. Now is the system's time, and local now the local time
// with its weekday.
TEST(PosixClock, ConvertsWithTheOffsetOfThatDateAndReadsTheSystemTime) {
  // Central European time with its summer rule, written out so no zone files are needed.
  const char* zone = std::getenv("TZ");
  const std::string keep = zone ? zone : "";
  ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
  ::tzset();
  PosixClock clock;
  // clang-format off
  const struct { FileTime Local, Utc; } cases[] = {
      {Calendar(2024, 7, 1, 12, 0), Calendar(2024, 7, 1, 10, 0)},    // summer: +2
      {Calendar(2024, 1, 15, 12, 0), Calendar(2024, 1, 15, 11, 0)},  // winter: +1
      {Calendar(1965, 1, 15, 12, 0), Calendar(1965, 1, 15, 11, 0)},
      {Calendar(2024, 7, 1, 12, 0) + 1234567, Calendar(2024, 7, 1, 10, 0) + 1234567},
  };
  // clang-format on
  for (const auto& [local, utc] : cases) {
    EXPECT_EQ(clock.LocalToUtc(local), utc);
    EXPECT_EQ(clock.UtcToLocal(utc), local);
  }
  EXPECT_FALSE(clock.LocalToUtc(0x8000000000000000ULL) || clock.UtcToLocal(0x8000000000000000ULL));
  const FileTime before = FileTimeFromUnix(std::time(nullptr), 0);
  const FileTime now = clock.NowUtc();
  EXPECT_TRUE(before <= now && now <= FileTimeFromUnix(std::time(nullptr) + 1, 0));
  const FileTime expected = *clock.UtcToLocal(clock.NowUtc());
  const SystemTime st = clock.LocalNow();
  const FileTime got = *SystemTimeToFileTime(st);
  EXPECT_LT(got > expected ? got - expected : expected - got, 5 * kTicksPerSecond);
  EXPECT_EQ(st.DayOfWeek, (got / kTicksPerDay + 1) % 7);  // 1601-01-01 was a Monday
  zone ? ::setenv("TZ", keep.c_str(), 1) : ::unsetenv("TZ");
  ::tzset();
}

// Unix times to FILETIME (nothing before 1601) and back, rounded towards the past.
TEST(PosixTime, ConvertsBothWaysAcrossTheEpoch) {
  // clang-format off
  const struct { std::int64_t Seconds, Nanoseconds; FileTime Ticks; bool Back; } cases[] = {
      {1, 500, kUnixEpoch + kTicksPerSecond + 5, true},
      {-1, 999'999'500, kUnixEpoch - 5, true},  // half a microsecond before 1970
      {-11'644'473'600LL, 0, 0, true},
      {-11'644'473'601LL, 0, 0, false},
  };
  // clang-format on
  for (const auto& [seconds, nanoseconds, ticks, back] : cases) {
    EXPECT_EQ(FileTimeFromUnix(seconds, nanoseconds), ticks) << seconds;
    if (!back) continue;
    const timespec ts = TimespecFromFileTime(ticks);
    EXPECT_EQ(ts.tv_sec, seconds);
    EXPECT_EQ(ts.tv_nsec, nanoseconds);
  }
}

// The twelve-hour clock of the United States; the separators of the locale (German dots)
// become the placeholders. Eras come in the order of their start, a damaged one left out.
TEST(PosixLocale, TranslatesTheLocalesFormatsStrftimeCodesAndNames) {
  LocaleTexts us, germany;
  std::tie(us.DateFormat, us.TimeFormat, us.TimeFormatAmPm, us.DateTimeFormat, us.Am, us.Pm,
           us.Radix, us.Thousands) =
      std::tuple("%m/%d/%Y", "%r", "%I:%M:%S %p", "%a %d %b %Y %r %Z", "AM", "PM", ".", ",");
  std::tie(germany.DateFormat, germany.TimeFormat, germany.DateTimeFormat, germany.Radix,
           germany.Thousands) = std::tuple("%d.%m.%Y", "%T", "%a %d %b %Y %T %Z", ",", ".");
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
                       s.LongTimeFormat, s.ShortTimeFormat, s.DecimalSeparator, s.TimeAMString,
                       s.ThousandSeparator),
              std::tuple(sep, ":", shortDate, "ddd dd mmm yyyy", longTime, shortTime, texts.Radix,
                         texts.Am, texts.Thousands));
  }
  const std::vector<CalendarEra> eras = TranslateLocale(germany).Eras;
  ASSERT_EQ(eras.size(), 2u);
  EXPECT_EQ(std::tie(eras[0].Name, eras[0].StartYear, eras[1].Name, eras[1].StartMonth),
            std::tuple("Heisei", 1989, "Reiwa", 5));

  // strftime codes become format codes; other text is quoted, the locale's separators become
  // the placeholders, and what has no counterpart is left out.
  // clang-format off
  const struct { const char *Format, *DateSep, *TimeSep, *Expected; } codes[] = {
      {"%Y-%m-%d", "-", "", "yyyy/mm/dd"}, {"%F", "", "", "yyyy-mm-dd"},
      {"%D", "/", "", "mm/dd/yy"}, {"%e %B %Y", "", "", "d mmmm yyyy"},
      {"%-d.%-m.%Y", ".", "", "d/m/yyyy"}, {"%A, %d de %B", "", "", "dddd, dd \"d\"\"e\" mmmm"},
      {"%H h %M", "", "", "hh \"h\" nn"}, {"%k:%M", "", ":", "h:nn"},
      {"%r", "", ":", "hh:nn:ss AMPM"}, {"%Ey %Od %5Y %Z%%", "", "", "yy dd yyyy %"},
      {"a/b:c'd\"", "", "", "\"a\"\"/\"\"b\"\":\"\"c\"\"'\"\"d\"'\"'"}};
  // clang-format on
  for (const auto& [format, dateSep, timeSep, expected] : codes)
    EXPECT_EQ(TranslateStrftime(format, "%I:%M:%S %p", dateSep, timeSep), expected) << format;

  // The C locale gives English names and does not group digits.
  const char* saved = std::getenv("LC_ALL");
  const std::string keep = saved ? saved : "";
  ::setenv("LC_ALL", "C", 1);
  const FormatSettings c = PosixLocaleFormatSettings();
  saved ? ::setenv("LC_ALL", keep.c_str(), 1) : ::unsetenv("LC_ALL");
  EXPECT_EQ(std::tie(c.LongMonthNames[0], c.ShortDayNames[0], c.ShortDateFormat, c.LongTimeFormat,
                     c.LongDateFormat, c.ThousandSeparator),
            std::tuple("January", "Sun", "mm/dd/yy", "hh:nn:ss", "ddd mmm d yyyy", ""));
}

}  // namespace
}  // namespace varnoke
