#include "platform/posix/PosixClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "support/CalendarTime.h"

namespace varnoke {
namespace {

// Central European time with its summer rule, written out so no zone files are needed.
class PosixClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* tz = std::getenv("TZ")) saved_ = tz;
    ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    ::tzset();
  }
  void TearDown() override {
    if (saved_) {
      ::setenv("TZ", saved_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }

  PosixClock clock_;
  std::optional<std::string> saved_;
};

// Each way with the offset of that date, before 1970 too, keeping the fraction of a second.
TEST_F(PosixClockTest, ConvertsWithTheOffsetOfThatDate) {
  const struct {
    FileTime Local, Utc;
  } cases[] = {
      {Calendar(2024, 7, 1, 12, 0), Calendar(2024, 7, 1, 10, 0)},    // summer: +2
      {Calendar(2024, 1, 15, 12, 0), Calendar(2024, 1, 15, 11, 0)},  // winter: +1
      {Calendar(1965, 1, 15, 12, 0), Calendar(1965, 1, 15, 11, 0)},
      {Calendar(2024, 7, 1, 12, 0) + 1234567, Calendar(2024, 7, 1, 10, 0) + 1234567},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Utc);
    EXPECT_EQ(clock_.LocalToUtc(c.Local), c.Utc);
    EXPECT_EQ(clock_.UtcToLocal(c.Utc), c.Local);
  }
}

TEST_F(PosixClockTest, InvalidFileTimesFail) {
  EXPECT_FALSE(clock_.LocalToUtc(0x8000000000000000ULL));
  EXPECT_FALSE(clock_.UtcToLocal(0x8000000000000000ULL));
}

TEST_F(PosixClockTest, NowIsTheSystemTime) {
  const auto before = std::chrono::system_clock::now();
  const FileTime now = clock_.NowUtc();
  const auto after = std::chrono::system_clock::now();
  auto ticks = [](auto tp) {
    return kUnixEpoch + static_cast<FileTime>(std::chrono::duration_cast<std::chrono::microseconds>(
                                                  tp.time_since_epoch())
                                                  .count() *
                                              10);
  };
  EXPECT_GE(now + 10, ticks(before));
  EXPECT_LE(now, ticks(after) + 10);
}

TEST_F(PosixClockTest, LocalNowIsNowInLocalTime) {
  const FileTime expected = *clock_.UtcToLocal(clock_.NowUtc());
  const SystemTime st = clock_.LocalNow();
  const FileTime got = *SystemTimeToFileTime(st);
  // Both readings lie within a few seconds of each other.
  EXPECT_LT(got > expected ? got - expected : expected - got, 5 * kTicksPerSecond);
  const std::time_t t = static_cast<std::time_t>((got - kUnixEpoch) / kTicksPerSecond);
  std::tm fields{};
  ::gmtime_r(&t, &fields);
  EXPECT_EQ(st.DayOfWeek, fields.tm_wday);
}

}  // namespace
}  // namespace varnoke
