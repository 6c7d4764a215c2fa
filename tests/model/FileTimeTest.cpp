#include "model/FileTime.h"

#include <gtest/gtest.h>

#include "support/CalendarTime.h"

namespace varnoke {
namespace {

struct KnownTime {
  SystemTime Calendar;
  FileTime Ticks;
  int DayOfWeek;
};

TEST(FileTime, KnownInstantsConvertBothWays) {
  const KnownTime cases[] = {
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
      Fields(1600, 12, 31),
      Fields(30828, 1, 1),
      Fields(2001, 2, 29),
      Fields(2000, 2, 30),
      Fields(1900, 2, 29),
      Fields(2000, 13, 1),
      Fields(2000, 0, 1),
      Fields(2000, 1, 0),
      Fields(2000, 4, 31),
      Fields(2000, 1, 1, 24),
      Fields(2000, 1, 1, 0, 60),
      Fields(2000, 1, 1, 0, 0, 60),
      Fields(2000, 1, 1, 0, 0, 0, 1000),
  };
  for (const auto& st : invalid) {
    SCOPED_TRACE(testing::Message() << st.Year << "-" << st.Month << "-" << st.Day << " " << st.Hour
                                    << ":" << st.Minute << ":" << st.Second);
    EXPECT_FALSE(SystemTimeToFileTime(st));
  }
  EXPECT_TRUE(SystemTimeToFileTime(Fields(2000, 2, 29)));
  EXPECT_TRUE(SystemTimeToFileTime(Fields(1600 + 1, 1, 1)));
}

TEST(FileTime, DayOfWeekIsIgnoredWhenJoining) {
  SystemTime st = Fields(2000, 1, 1);
  st.DayOfWeek = 9;
  EXPECT_EQ(SystemTimeToFileTime(st), SystemTimeToFileTime(Fields(2000, 1, 1)));
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
      {Fields(2000, 1, 1, 10, 0, 30), {0, 0, 0, 0, 0, 20}, Fields(2000, 1, 1, 10, 0, 50)},
      // 10:00:50 + 10 s would be 10:00:60: no carry, so the date cannot advance.
      {Fields(2000, 1, 1, 10, 0, 50), {0, 0, 0, 0, 0, 10}, std::nullopt},
      {Fields(2000, 1, 29), {0, 1, 0, 0, 0, 0}, Fields(2000, 2, 29)},
      // 2000-01-31 + 1 month is 2000-02-31: no such day.
      {Fields(2000, 1, 31), {0, 1, 0, 0, 0, 0}, std::nullopt},
      {Fields(2000, 2, 28), {0, 0, 3, 0, 0, 0}, std::nullopt},
      {Fields(1999, 12, 1), {1, 0, 0, 23, 59, 59}, Fields(2000, 12, 1, 23, 59, 59)},
      {Fields(2000, 12, 1), {0, 1, 0, 0, 0, 0}, std::nullopt},
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
  auto from = SystemTimeToFileTime(Fields(2000, 1, 1, 0, 0, 0, 250));
  auto got = AdvanceByIncrease(*from, *EncodeIncrease({0, 0, 0, 0, 1, 0}));
  EXPECT_EQ(got, SystemTimeToFileTime(Fields(2000, 1, 1, 0, 1, 0, 250)));
}

}  // namespace
}  // namespace varnoke
