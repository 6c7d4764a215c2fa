#include "engine/DateFormat.h"

#include <gtest/gtest.h>

#include <string>

#include "support/CalendarTime.h"

namespace varnoke {
namespace {

// Saturday, 2001-02-03.
SystemTime At(int hour, int minute, int second) {
  return Fields(2001, 2, 3, hour, minute, second);
}

// Every code in English on Saturday 2001-02-03 at the given time.
TEST(DateFormat, EveryCodeInEnglish) {
  // clang-format off
  const struct {
    const char* Format;
    int Hour, Minute, Second;
    const char* Expected;
  } cases[] = {
      {"yymmdd", 4, 5, 6, "010203"}, {"y yy yyy yyyy", 4, 5, 6, "01 01 2001 2001"},
      {"d dd ddd dddd", 4, 5, 6, "3 03 Sat Saturday"}, {"ddddd", 4, 5, 6, "2/3/2001"},
      {"dddddd", 4, 5, 6, "Saturday, February 3, 2001"},
      {"m mm mmm mmmm mmmmm", 4, 5, 6, "2 02 Feb February February"},
      {"h hh n nn s ss", 4, 5, 6, "4 04 5 05 6 06"},
      // "m" right after an hour code is the minute, whatever stands between but letters.
      {"hh:mm", 4, 5, 6, "04:05"}, {"hhmm", 4, 5, 6, "0405"}, {"h x mm", 4, 5, 6, "4 x 02"},
      {"hh:nn", 4, 5, 6, "04:05"}, {"dd/mm/yyyy", 4, 5, 6, "03/02/2001"},
      {"t", 16, 5, 6, "4:05 PM"}, {"tt", 16, 5, 6, "4:05:06 PM"},
      {"", 4, 5, 6, "2/3/2001 4:05:06 AM"}, {"c", 0, 0, 0, "2/3/2001"},
      {"C", 0, 0, 1, "2/3/2001 12:00:01 AM"},
      // The 12-hour clock and the AM/PM codes as written.
      {"h:nn am/pm", 16, 5, 0, "4:05 pm"}, {"h:nn Am/Pm", 9, 5, 0, "9:05 Am"},
      {"hh A/P", 16, 0, 0, "04 P"}, {"hh a/p", 11, 0, 0, "11 a"}, {"hh AMPM", 12, 0, 0, "12 PM"},
      {"h am/pm", 0, 30, 0, "12 am"}, {"hh", 16, 0, 0, "16"}, {"hh 'am/pm'", 16, 0, 0, "16 am/pm"},
      // The look-ahead stops at the next hour code and at the first other "a".
      {"hh h a/p", 16, 0, 0, "16 4 p"}, {"hh ax am/pm", 16, 0, 0, "16 ax pm"},
      // Once an AM/PM code came, later hours are on the 12-hour clock too.
      {"am/pm hh", 16, 0, 0, "pm 04"}, {"AAAA aaa", 4, 5, 6, "Saturday Sat"},
      {"a", 4, 5, 6, "a"}, {"g e ee", 4, 5, 6, "A.D. 2001 2001"},
      // Quotes copy their text; "z" is no code.
      {"'Day' d", 4, 5, 6, "Day 3"}, {"\"dd\"dd", 4, 5, 6, "dd03"}, {"'open", 4, 5, 6, "open"},
      {"zz.x", 4, 5, 6, "zz.x"}, {"-_+ 1", 4, 5, 6, "-_+ 1"}};
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDateTime(c.Format, At(c.Hour, c.Minute, c.Second), EnglishFormatSettings()),
              c.Expected)
        << "format " << c.Format;
  }
}

// Separators come from the settings; nested formats are read two levels deep at most.
TEST(DateFormat, SeparatorsAndNestedFormatsComeFromTheSettings) {
  FormatSettings s = EnglishFormatSettings();
  s.DateSeparator = ".";
  s.TimeSeparator = "h";
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", At(4, 5, 6), s), "03.02.2001 04h05");
  s.DateSeparator = "";
  EXPECT_EQ(FormatDateTime("dd/mm", At(4, 5, 6), s), "0302");
  s.ShortDateFormat = "[ddddd]";  // refers to itself
  s.LongDateFormat = "<t>";
  s.ShortTimeFormat = "hh";
  EXPECT_EQ(FormatDateTime("ddddd", At(4, 5, 6), s), "[]");
  EXPECT_EQ(FormatDateTime("dddddd", At(4, 5, 6), s), "<>");
  EXPECT_EQ(FormatDateTime("t", At(4, 5, 6), s), "04");
}

TEST(DateFormat, ResultIsCutAt256Characters) {
  EXPECT_EQ(FormatDateTime(std::string(300, 'x'), At(4, 5, 6), EnglishFormatSettings()),
            std::string(256, 'x'));
  std::string many;
  for (int i = 0; i < 40; ++i) many += "dddd ";
  const std::string out = FormatDateTime(many, At(4, 5, 6), EnglishFormatSettings());
  EXPECT_EQ(out.size(), 256u);
  EXPECT_EQ(out.substr(0, 18), "Saturday Saturday ");
}

// Weekdays follow the calendar; the era is the one the date falls in.
TEST(DateFormat, WeekdaysAndErasFollowTheCalendar) {
  const char* expected[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                            "Thursday", "Friday", "Saturday"};
  SystemTime t = At(0, 0, 0);
  for (int day = 4; day <= 10; ++day) {  // 2001-02-04 was a Sunday
    t.Day = static_cast<std::uint16_t>(day);
    EXPECT_EQ(FormatDateTime("dddd", t, EnglishFormatSettings()), expected[day - 4]);
  }
  EXPECT_EQ(FormatDateTime("ddd", Fields(2000, 2, 29), EnglishFormatSettings()), "Tue");
  EXPECT_EQ(FormatDateTime("ddd", Fields(1601, 1, 1), EnglishFormatSettings()), "Mon");
  FormatSettings s = EnglishFormatSettings();
  s.Eras = {CalendarEra{1989, 1, 8, 1, "Heisei"}, CalendarEra{2019, 5, 1, 1, "Reiwa"}};
  t = Fields(2019, 4, 30);
  EXPECT_EQ(FormatDateTime("gg e", t, s), "Heisei 31");
  t.Month = 5;
  t.Day = 1;
  EXPECT_EQ(FormatDateTime("gg ee", t, s), "Reiwa 01");
  t.Year = 1900;
  EXPECT_EQ(FormatDateTime("g[e]", t, s), "[1900]");
}

}  // namespace
}  // namespace varnoke
