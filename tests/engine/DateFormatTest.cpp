#include "engine/DateFormat.h"

#include <gtest/gtest.h>

#include <string>

#include "support/CalendarTime.h"

namespace varnoke {
namespace {

// Saturday, 2001-02-03.
SystemTime At(int hour, int minute = 5, int second = 6) {
  return Fields(2001, 2, 3, hour, minute, second);
}

// In English, or with settings of their own: no date separator, "h" between hour and
// minute, short and long formats that nest, and two eras.
TEST(DateFormat, EachRuleInEnglishOrOwnSettings) {
  FormatSettings own = EnglishFormatSettings();
  own.DateSeparator = "";
  own.TimeSeparator = "h";
  own.ShortDateFormat = "[ddddd]";  // refers to itself
  own.LongDateFormat = "<t>";
  own.ShortTimeFormat = "hh";
  own.Eras = {CalendarEra{1989, 1, 8, 1, "Heisei"}, CalendarEra{2019, 5, 1, 1, "Reiwa"}};
  std::string many, cut;
  for (int i = 0; i < 40; ++i) many += "dddd ", cut += "Saturday ";
  // clang-format off
  const struct { std::string Format; SystemTime Time; bool Own; std::string Expected; } cases[] = {
      {"y yy yyy yyyy", At(4), false, "01 01 2001 2001"},
      {"d dd ddd dddd", At(4), false, "3 03 Sat Saturday"},
      {"ddddd dddddd", At(4), false, "2/3/2001 Saturday, February 3, 2001"},
      {"m mm mmm mmmm mmmmm", At(4), false, "2 02 Feb February February"},
      {"h hh n nn s ss", At(4), false, "4 04 5 05 6 06"},
      // "m" right after an hour code is the minute, whatever stands between but letters.
      {"hh:mm hhmm h x mm", At(4), false, "04:05 0405 4 x 02"},
      {"t tt", At(16), false, "4:05 PM 4:05:06 PM"},
      {"", At(4), false, "2/3/2001 4:05:06 AM"},
      {"c", At(0, 0, 0), false, "2/3/2001"},
      {"C", At(0, 0, 1), false, "2/3/2001 12:00:01 AM"},
      // The 12-hour clock and the AM/PM codes as written.
      {"h:nn Am/Pm", At(16), false, "4:05 Pm"},
      {"hh a/p A/P", At(11), false, "11 a A"},
      {"hh AMPM", At(12), false, "12 PM"},
      {"h am/pm", At(0, 30), false, "12 am"},
      {"hh 'am/pm'", At(16), false, "16 am/pm"},
      // The look-ahead stops at the next hour code and at the first other "a".
      {"hh h a/p", At(16), false, "16 4 p"},
      {"hh ax am/pm", At(16), false, "16 ax pm"},
      // Once an AM/PM code came, later hours are on the 12-hour clock too.
      {"am/pm hh", At(16), false, "pm 04"},
      {"AAAA aaa a", At(4), false, "Saturday Sat a"},
      {"g e ee", At(4), false, "A.D. 2001 2001"},
      // Quotes copy their text, also when not closed; "z" is no code.
      {"'Day' \"dd\"dd zz.x -_+ 1 'open", At(4), false, "Day dd03 zz.x -_+ 1 open"},
      // Weekdays follow the calendar.
      {"dddd", Fields(2001, 2, 4), false, "Sunday"},
      {"ddd", Fields(2000, 2, 29), false, "Tue"},
      {"ddd", Fields(1601, 1, 1), false, "Mon"},
      // Separators from the settings; nested formats are read two levels deep at most.
      {"dd/mm/yyyy hh:nn", At(4), true, "03022001 04h05"},
      {"ddddd", At(4), true, "[]"},
      {"dddddd", At(4), true, "<>"},
      {"t", At(4), true, "04"},
      // The era is the one the date falls in.
      {"gg e", Fields(2019, 4, 30), true, "Heisei 31"},
      {"gg ee", Fields(2019, 5, 1), true, "Reiwa 01"},
      {"g[e]", Fields(1900, 1, 1), true, "[1900]"},
      // The result is cut at 256 characters.
      {std::string(300, 'x'), At(4), false, std::string(256, 'x')},
      {many, At(4), false, cut.substr(0, 256)}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(FormatDateTime(c.Format, c.Time, c.Own ? own : EnglishFormatSettings()), c.Expected)
        << "format " << c.Format;
}

}  // namespace
}  // namespace varnoke
