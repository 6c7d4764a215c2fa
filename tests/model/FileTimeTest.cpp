#include "model/FileTime.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

SystemTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  SystemTime st;
  st.Year = static_cast<std::uint16_t>(y);
  st.Month = static_cast<std::uint16_t>(mo);
  st.Day = static_cast<std::uint16_t>(d);
  st.Hour = static_cast<std::uint16_t>(h);
  st.Minute = static_cast<std::uint16_t>(mi);
  st.Second = static_cast<std::uint16_t>(s);
  st.Milliseconds = static_cast<std::uint16_t>(ms);
  return st;
}

struct KnownTime {
  SystemTime Calendar;
  FileTime Ticks;
  int DayOfWeek;
};

TEST(FileTime, KnownInstantsConvertBothWays) {
  const KnownTime cases[] = {
      {At(1601, 1, 1), 0, 1},
      {At(1970, 1, 1), kUnixEpoch, 4},
      {At(1980, 1, 1), IncreaseBase, 2},
      {At(1979, 12, 31, 23, 58, 6, 471), 0x01A8E79F9E2A7FFFULL - 9871, 1},
      {At(2000, 2, 29, 12, 0, 0), 125962992000000000ULL, 2},
      {At(2024, 12, 31, 23, 59, 59, 999), 133801631999990000ULL, 2},
      {At(1700, 3, 1), 31292352000000000ULL, 1},
      {At(30827, 12, 31, 23, 59, 59, 999), 0x7FFF35F4F06C58F0ULL, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Ticks);
    EXPECT_EQ(SystemTimeToFileTime(c.Calendar), c.Ticks);
    auto back = FileTimeToSystemTime(c.Ticks);
    ASSERT_TRUE(back);
    SystemTime expected = c.Calendar;
    expected.DayOfWeek = static_cast<std::uint16_t>(c.DayOfWeek);
    EXPECT_EQ(*back, expected);
  }
  // Ticks below a millisecond are dropped when split (the reset value of the date fields).
  EXPECT_EQ(FileTimeToSystemTime(0x01A8E79F9E2A7FFFULL),
            FileTimeToSystemTime(0x01A8E79F9E2A7FFFULL - 9871));
}

TEST(FileTime, InvalidCalendarFieldsFailWithoutCarry) {
  const SystemTime invalid[] = {
      At(1600, 12, 31),
      At(30828, 1, 1),
      At(2001, 2, 29),
      At(2000, 2, 30),
      At(1900, 2, 29),
      At(2000, 13, 1),
      At(2000, 0, 1),
      At(2000, 1, 0),
      At(2000, 4, 31),
      At(2000, 1, 1, 24),
      At(2000, 1, 1, 0, 60),
      At(2000, 1, 1, 0, 0, 60),
      At(2000, 1, 1, 0, 0, 0, 1000),
  };
  for (const auto& st : invalid) {
    SCOPED_TRACE(testing::Message() << st.Year << "-" << st.Month << "-" << st.Day << " " << st.Hour
                                    << ":" << st.Minute << ":" << st.Second);
    EXPECT_FALSE(SystemTimeToFileTime(st));
  }
  EXPECT_TRUE(SystemTimeToFileTime(At(2000, 2, 29)));
  EXPECT_TRUE(SystemTimeToFileTime(At(1600 + 1, 1, 1)));
}

TEST(FileTime, DayOfWeekIsIgnoredWhenJoining) {
  SystemTime st = At(2000, 1, 1);
  st.DayOfWeek = 9;
  EXPECT_EQ(SystemTimeToFileTime(st), SystemTimeToFileTime(At(2000, 1, 1)));
}

TEST(FileTime, TimesAboveTheSignedRangeFail) {
  EXPECT_TRUE(FileTimeToSystemTime(0x7FFFFFFFFFFFFFFFULL));
  EXPECT_FALSE(FileTimeToSystemTime(0x8000000000000000ULL));
  EXPECT_FALSE(FileTimeToSystemTime(~0ULL));
}

TEST(FileTime, EveryDayRoundTripsAcrossFourCenturies) {
  for (FileTime day = 0; day < 146097 + 400; day += 1) {
    const FileTime t = day * kTicksPerDay + 12345678;
    auto st = FileTimeToSystemTime(t);
    ASSERT_TRUE(st) << day;
    ASSERT_EQ(SystemTimeToFileTime(*st), t - 12345678 % 10'000) << day;
  }
}

TEST(Increase, EncodesAsCalendarTimeFrom1980) {
  EXPECT_EQ(EncodeIncrease({}), IncreaseBase);
  EXPECT_EQ(EncodeIncrease({0, 0, 1, 0, 0, 0}), IncreaseBase + kTicksPerDay);
  EXPECT_EQ(EncodeIncrease({0, 0, 0, 1, 2, 3}), IncreaseBase + 3723 * kTicksPerSecond);
  EXPECT_EQ(EncodeIncrease({1, 0, 0, 0, 0, 0}), IncreaseBase + 366 * kTicksPerDay);
  // February 31st is no calendar date.
  EXPECT_FALSE(EncodeIncrease({0, 1, 30, 0, 0, 0}));
  EXPECT_FALSE(EncodeIncrease({0, 0, 0, 0, 0, 60}));
  EXPECT_FALSE(EncodeIncrease({0, 0, -1, 0, 0, 0}));
}

TEST(Increase, DecodesFieldByField) {
  const Increase cases[] = {{}, {10, 11, 30, 23, 59, 59}, {0, 1, 27, 0, 0, 0}, {3, 0, 0, 5, 0, 1}};
  for (const auto& inc : cases) {
    auto ft = EncodeIncrease(inc);
    ASSERT_TRUE(ft);
    EXPECT_EQ(DecodeIncrease(*ft), inc);
  }
  // The zero FILETIME of a fresh record shows as a negative year.
  EXPECT_EQ(DecodeIncrease(0), (Increase{-379, 0, 0, 0, 0, 0}));
}

TEST(Increase, AdvancesFieldsWithoutCarry) {
  struct Case {
    SystemTime From;
    Increase By;
    std::optional<SystemTime> To;
  };
  const Case cases[] = {
      {At(2000, 1, 1, 10, 0, 30), {0, 0, 0, 0, 0, 20}, At(2000, 1, 1, 10, 0, 50)},
      // 10:00:50 + 10 s would be 10:00:60: no carry, so the date cannot advance.
      {At(2000, 1, 1, 10, 0, 50), {0, 0, 0, 0, 0, 10}, std::nullopt},
      {At(2000, 1, 29), {0, 1, 0, 0, 0, 0}, At(2000, 2, 29)},
      // 2000-01-31 + 1 month is 2000-02-31: no such day.
      {At(2000, 1, 31), {0, 1, 0, 0, 0, 0}, std::nullopt},
      {At(2000, 2, 28), {0, 0, 3, 0, 0, 0}, std::nullopt},
      {At(1999, 12, 1), {1, 0, 0, 23, 59, 59}, At(2000, 12, 1, 23, 59, 59)},
      {At(2000, 12, 1), {0, 1, 0, 0, 0, 0}, std::nullopt},
  };
  for (const auto& c : cases) {
    auto from = SystemTimeToFileTime(c.From);
    auto by = EncodeIncrease(c.By);
    ASSERT_TRUE(from && by);
    auto got = AdvanceByIncrease(*from, *by);
    if (!c.To) {
      EXPECT_FALSE(got) << c.From.Year << "-" << c.From.Month << "-" << c.From.Day;
    } else {
      EXPECT_EQ(got, SystemTimeToFileTime(*c.To));
    }
  }
}

TEST(Increase, KeepsMillisecondsOfTheDate) {
  auto from = SystemTimeToFileTime(At(2000, 1, 1, 0, 0, 0, 250));
  auto got = AdvanceByIncrease(*from, *EncodeIncrease({0, 0, 0, 0, 1, 0}));
  EXPECT_EQ(got, SystemTimeToFileTime(At(2000, 1, 1, 0, 1, 0, 250)));
}

}  // namespace
}  // namespace varnoke
