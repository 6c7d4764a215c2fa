#include "engine/DateCode.h"

#include <gtest/gtest.h>

#include "platform/testing/FixedClock.h"
#include "support/CalendarTime.h"

namespace varnoke {
namespace {

// Every "|" is the file's time as listed (UTC), or the clock's local time, in the date
// format; characters a name cannot hold become underscores.
TEST(DateCodes, EveryCodeReplacedAndMadeSafe) {
  const FormatSettings settings = EnglishFormatSettings();
  // Local time is two hours ahead of UTC; the clock stands at 2020-06-07 08:09:10 UTC and
  // moves on a second with every read.
  FixedClock clock{Calendar(2020, 6, 7, 8, 9, 10), 7200};
  clock.SetTick(kTicksPerSecond);
  const DateCodeContext context{settings, clock};
  // clang-format off
  const struct { std::string Format, Text; std::optional<std::string> Expected; bool FromClock = false;
                 FileTime Written = Calendar(2001, 2, 3, 4, 5, 6) + 7'890'000; } cases[] = {
      {"hh:nn:ss", "|+|", "10_09_10+10_09_11", true},  // read anew for every code
      {"yymmdd", "|_x", "010203_x"},
      {"", "|", "2_3_2001 4_05_06 AM"},  // the short date and the long time
      {"d", "a|b|c", "a3b3c"},
      {"d", "no code", "no code"},
      {"'a/b\\c:d*e?f<g>h|i\"j'", "|", "a_b_c_d_e_f_g_h_i_j"},
      {"yyyy-mm-dd", "|", "1899-12-30", false, 0x8000000000000000ULL},  // beyond the calendar
      {std::string(200, 'x'), std::string(20, '|'), std::string(4000, 'x')},
      {std::string(200, 'x'), std::string(21, '|'), std::nullopt}};  // past the limit
  // clang-format on
  for (const auto& c : cases) {
    TFiles options;
    options.DateString = c.Format;
    options.Set(DateFromClock, c.FromClock);
    EXPECT_EQ(ReplaceDateCodes(c.Text, FileDates{c.Written, {}}, options, context), c.Expected)
        << c.Format;
  }
}

}  // namespace
}  // namespace varnoke
