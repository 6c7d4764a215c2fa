#include "engine/DateCode.h"

#include <gtest/gtest.h>

#include "engine/Messages.h"
#include "platform/testing/FixedClock.h"
#include "support/CalendarTime.h"

namespace varnoke {
namespace {

class DateCodes : public testing::Test {
 protected:
  FormatSettings settings = EnglishFormatSettings();
  // Local time is two hours ahead of UTC; the clock stands at 2020-06-07 08:09:10 UTC.
  FixedClock clock{Calendar(2020, 6, 7, 8, 9, 10), 7200};
  DateCodeContext context{settings, clock};
  TFiles options;
  // The file was last written 2001-02-03 04:05:06.789 UTC.
  FileTime written = Calendar(2001, 2, 3, 4, 5, 6) + 7'890'000;

  std::string Replace(const char* format, const char* text) {
    options.DateString = format;
    return ReplaceDateCodes(text, written, options, context).value();
  }
};

// The file's time as listed (UTC), each code its own text; the empty format is the short date
// and the long time; characters a name cannot hold become underscores.
TEST_F(DateCodes, FileTimeReplacesEveryCodeMadeSafe) {
  const struct {
    const char *Format, *Text, *Expected;
  } cases[] = {
      {"yymmdd", "|_x", "010203_x"},
      {"hh:nn", "|", "04_05"},
      {"hh:mm", "|", "04_05"},
      {"dd/mm/yyyy", "|", "03_02_2001"},
      {"'Day' d", "|", "Day 3"},
      {"", "|", "2_3_2001 4_05_06 AM"},
      {"d", "a|b|c", "a3b3c"},
      {"d", "no code", "no code"},
      {"'a/b\\c:d*e?f<g>h|i'", "|", "a_b_c_d_e_f_g_h_i"},
      {"\"'\"", "|", "'"},
  };
  for (const auto& c : cases) EXPECT_EQ(Replace(c.Format, c.Text), c.Expected) << c.Format;
  EXPECT_EQ(FileNameSafe("x\"y"), "x_y");
  written = Calendar(2001, 2, 3, 0, 0, 0);
  EXPECT_EQ(Replace("", "|"), "2_3_2001");
  written = 0x8000000000000000ULL;  // beyond the calendar: the zero date
  EXPECT_EQ(Replace("yyyy-mm-dd", "|"), "1899-12-30");
}

TEST_F(DateCodes, ClockIsLocalTimeReadAnewForEveryCode) {
  options.Set(DateFromClock, true);
  clock.SetTick(kTicksPerSecond);
  EXPECT_EQ(Replace("hh:nn:ss", "|+|"), "10_09_10+10_09_11");
}

TEST_F(DateCodes, TextPastTheLimitIsRefused) {
  options.DateString = std::string(200, 'x');
  EXPECT_FALSE(ReplaceDateCodes(std::string(21, '|'), written, options, context).has_value());
  EXPECT_EQ(ReplaceDateCodes(std::string(20, '|'), written, options, context)->size(), 4000u);
}

}  // namespace
}  // namespace varnoke
