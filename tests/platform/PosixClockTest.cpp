#include "platform/posix/PosixClock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/posix/PosixTime.h"
#include "support/CalendarTime.h"

namespace varnoke {
namespace {

// Central European time with its summer rule, written out so no zone files are needed; the
// zone of the process is put back afterwards.
class PosixClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* tz = std::getenv("TZ")) saved_ = tz;
    Zone("CET-1CEST,M3.5.0,M10.5.0/3");
  }
  void TearDown() override { Zone(saved_ ? saved_->c_str() : nullptr); }
  static void Zone(const char* tz) {
    tz ? ::setenv("TZ", tz, 1) : ::unsetenv("TZ");
    ::tzset();
  }

  PosixClock clock_;
  std::optional<std::string> saved_;
};

// Each way with the offset of that date, before 1970 too, keeping the fraction of a second;
// times above the signed range fail. Now is the system's time, and local now the local time
// with its weekday.
TEST_F(PosixClockTest, ConvertsWithTheOffsetOfThatDateAndReadsTheSystemTime) {
  // clang-format off
  const struct { FileTime Local, Utc; } cases[] = {
      {Calendar(2024, 7, 1, 12, 0), Calendar(2024, 7, 1, 10, 0)},    // summer: +2
      {Calendar(2024, 1, 15, 12, 0), Calendar(2024, 1, 15, 11, 0)},  // winter: +1
      {Calendar(1965, 1, 15, 12, 0), Calendar(1965, 1, 15, 11, 0)},
      {Calendar(2024, 7, 1, 12, 0) + 1234567, Calendar(2024, 7, 1, 10, 0) + 1234567},
  };
  // clang-format on
  for (const auto& [local, utc] : cases) {
    EXPECT_EQ(clock_.LocalToUtc(local), utc);
    EXPECT_EQ(clock_.UtcToLocal(utc), local);
  }
  EXPECT_FALSE(clock_.LocalToUtc(0x8000000000000000ULL));
  EXPECT_FALSE(clock_.UtcToLocal(0x8000000000000000ULL));
  const FileTime before = FileTimeFromUnix(std::time(nullptr), 0);
  const FileTime now = clock_.NowUtc();
  EXPECT_GE(now, before);
  EXPECT_LE(now, FileTimeFromUnix(std::time(nullptr) + 1, 0));
  const FileTime expected = *clock_.UtcToLocal(clock_.NowUtc());
  const SystemTime st = clock_.LocalNow();
  const FileTime got = *SystemTimeToFileTime(st);
  EXPECT_LT(got > expected ? got - expected : expected - got, 5 * kTicksPerSecond);
  EXPECT_EQ(st.DayOfWeek, (got / kTicksPerDay + 1) % 7);  // 1601-01-01 was a Monday
}

// Unix times to FILETIME (nothing before 1601) and back, rounded towards the past.
TEST(PosixTime, ConvertsBothWaysAcrossTheEpoch) {
  // clang-format off
  const struct { std::int64_t Seconds, Nanoseconds; FileTime Ticks; bool Back; } cases[] = {
      {1, 500, kUnixEpoch + kTicksPerSecond + 5, true},
      {-1, 0, kUnixEpoch - kTicksPerSecond, true},
      {-1, 999'999'500, kUnixEpoch - 5, true},  // half a microsecond before 1970
      {-11'644'473'600LL, 0, 0, true},
      {-11'644'473'601LL, 0, 0, false},
      {1'669'292'798, 414'494'800, 0x01D9'0000'0000'1234ULL, true},
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

}  // namespace
}  // namespace varnoke
