#include "model/FileTime.h"

#include <gtest/gtest.h>

#include "support/CalendarTime.h"

namespace varnoke {
namespace {

// Known instants both ways with their weekday (ignored when joining), then every day of
// four centuries; sub-millisecond ticks drop when split, times above the signed range fail.
TEST(FileTime, ConvertsBothWaysAndRefusesWhatWin32Refuses) {
  const struct {
    SystemTime Calendar;
    FileTime Ticks;
    int DayOfWeek;
  } cases[] = {
      {Fields(1601, 1, 1), 0, 1},
      {Fields(1970, 1, 1), kUnixEpoch, 4},
      {Fields(1980, 1, 1), IncreaseBase, 2},
      {Fields(1979, 12, 31, 23, 58, 6, 471), 0x01A8E79F9E2A7FFFULL - 9871, 1},
      {Fields(2000, 2, 29, 12, 0, 0), 125962992000000000ULL, 2},
      {Fields(2024, 12, 31, 23, 59, 59, 999), 133801631999990000ULL, 2},
      {Fields(1700, 3, 1), 31292352000000000ULL, 1},
      {Fields(30827, 12, 31, 23, 59, 59, 999), 0x7FFF35F4F06C58F0ULL, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Ticks);
    SystemTime split = c.Calendar;
    split.DayOfWeek = 9;
    EXPECT_EQ(SystemTimeToFileTime(split), c.Ticks);
    split.DayOfWeek = static_cast<std::uint16_t>(c.DayOfWeek);
    EXPECT_EQ(FileTimeToSystemTime(c.Ticks), split);
  }
  EXPECT_EQ(FileTimeToSystemTime(0x01A8E79F9E2A7FFFULL),
            FileTimeToSystemTime(0x01A8E79F9E2A7FFFULL - 9871));
  EXPECT_TRUE(FileTimeToSystemTime(0x7FFFFFFFFFFFFFFFULL));
  EXPECT_FALSE(FileTimeToSystemTime(0x8000000000000000ULL));
  EXPECT_FALSE(FileTimeToSystemTime(~0ULL));
  for (FileTime day = 0; day < 146097 + 400; day += 1) {
    const FileTime t = day * kTicksPerDay + 12345678;
    auto st = FileTimeToSystemTime(t);
    ASSERT_TRUE(st) << day;
    ASSERT_EQ(SystemTimeToFileTime(*st), t - 12345678 % 10'000) << day;
  }
}

TEST(FileTime, InvalidCalendarFieldsFailWithoutCarry) {
  // clang-format off
  const SystemTime invalid[] = {
      Fields(1600, 12, 31), Fields(30828, 1, 1), Fields(2001, 2, 29), Fields(2000, 2, 30),
      Fields(1900, 2, 29), Fields(2000, 13, 1), Fields(2000, 0, 1), Fields(2000, 1, 0),
      Fields(2000, 4, 31), Fields(2000, 1, 1, 24), Fields(2000, 1, 1, 0, 60),
      Fields(2000, 1, 1, 0, 0, 60), Fields(2000, 1, 1, 0, 0, 0, 1000)};
  // clang-format on
  for (const auto& st : invalid) {
    SCOPED_TRACE(testing::Message() << st.Year << "-" << st.Month << "-" << st.Day << " " << st.Hour
                                    << ":" << st.Minute << ":" << st.Second);
    EXPECT_FALSE(SystemTimeToFileTime(st));
  }
}

// Increases are calendar times from 1980 that must be dates themselves; decoding gives the
// fields back (a fresh record's zero shows as a negative year).
TEST(Increase, EncodesAsCalendarTimeFrom1980AndDecodesFieldByField) {
  const struct {
    Increase By;
    std::optional<FileTime> Stored;
  } cases[] = {
      {{}, IncreaseBase},
      {{0, 0, 1, 0, 0, 0}, IncreaseBase + kTicksPerDay},
      {{0, 0, 0, 1, 2, 3}, IncreaseBase + 3723 * kTicksPerSecond},
      {{1, 0, 0, 0, 0, 0}, IncreaseBase + 366 * kTicksPerDay},
      {{10, 11, 30, 23, 59, 59}, SystemTimeToFileTime(Fields(1990, 12, 31, 23, 59, 59))},
      {{0, 1, 27, 0, 0, 0}, SystemTimeToFileTime(Fields(1980, 2, 28))},
      {{0, 1, 30, 0, 0, 0}, std::nullopt},  // February 31st
      {{0, 0, 0, 0, 0, 60}, std::nullopt},
      {{0, 0, -1, 0, 0, 0}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeIncrease(c.By), c.Stored);
    if (c.Stored) {
      EXPECT_EQ(DecodeIncrease(*c.Stored), c.By);
    }
  }
  EXPECT_EQ(DecodeIncrease(0), (Increase{-379, 0, 0, 0, 0, 0}));
}

// Field by field without carry, keeping the milliseconds; no such date: no result (the
// planning tests add 10:00:60 and February 31st).
TEST(Increase, AdvancesFieldsWithoutCarry) {
  const struct {
    SystemTime From;
    Increase By;
    std::optional<SystemTime> To;
  } cases[] = {
      {Fields(2000, 1, 1, 10, 0, 30), {0, 0, 0, 0, 0, 20}, Fields(2000, 1, 1, 10, 0, 50)},
      {Fields(2000, 1, 29), {0, 1, 0, 0, 0, 0}, Fields(2000, 2, 29)},
      {Fields(2000, 2, 28), {0, 0, 3, 0, 0, 0}, std::nullopt},
      {Fields(1999, 12, 1), {1, 0, 0, 23, 59, 59}, Fields(2000, 12, 1, 23, 59, 59)},
      {Fields(2000, 12, 1), {0, 1, 0, 0, 0, 0}, std::nullopt},
      {Fields(2000, 1, 1, 0, 0, 0, 250), {0, 0, 0, 0, 1, 0}, Fields(2000, 1, 1, 0, 1, 0, 250)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.From.Year << "-" << c.From.Month << "-" << c.From.Day);
    const auto got = AdvanceByIncrease(*SystemTimeToFileTime(c.From), *EncodeIncrease(c.By));
    EXPECT_EQ(got, c.To ? SystemTimeToFileTime(*c.To) : std::nullopt);
  }
}

}  // namespace
}  // namespace varnoke
