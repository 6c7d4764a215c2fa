#include "platform/posix/PosixClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/posix/PosixTime.h"
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

// The clock reads the system time; local now is now in local time, with its weekday.
TEST_F(PosixClockTest, NowIsTheSystemTimeAndInvalidTimesFail) {
  auto ticks = [](std::chrono::system_clock::time_point tp) {
    return kUnixEpoch +
           10 * static_cast<FileTime>(
                    std::chrono::duration_cast<std::chrono::microseconds>(tp.time_since_epoch())
                        .count());
  };
  const FileTime before = ticks(std::chrono::system_clock::now());
  const FileTime now = clock_.NowUtc();
  EXPECT_GE(now + 10, before);
  EXPECT_LE(now, ticks(std::chrono::system_clock::now()) + 10);
  const FileTime expected = *clock_.UtcToLocal(clock_.NowUtc());
  const SystemTime st = clock_.LocalNow();
  const FileTime got = *SystemTimeToFileTime(st);
  EXPECT_LT(got > expected ? got - expected : expected - got, 5 * kTicksPerSecond);
  const std::time_t t = static_cast<std::time_t>((got - kUnixEpoch) / kTicksPerSecond);
  std::tm fields{};
  ::gmtime_r(&t, &fields);
  EXPECT_EQ(st.DayOfWeek, fields.tm_wday);
  EXPECT_FALSE(clock_.LocalToUtc(0x8000000000000000ULL));
  EXPECT_FALSE(clock_.UtcToLocal(0x8000000000000000ULL));
}

// Unix times to FILETIME (nothing before 1601) and back, rounded towards the past.
TEST(PosixTime, ConvertsBothWaysAcrossTheEpoch) {
  EXPECT_EQ(FileTimeFromUnix(1, 500), kUnixEpoch + kTicksPerSecond + 5);
  EXPECT_EQ(FileTimeFromUnix(-1, 0), kUnixEpoch - kTicksPerSecond);
  EXPECT_EQ(FileTimeFromUnix(-11'644'473'600LL, 0), 0u);
  EXPECT_EQ(FileTimeFromUnix(-11'644'473'601LL, 0), 0u);
  EXPECT_EQ(FileTimeFromUnix(-99'999'999'999LL, 0), 0u);
  const timespec half = TimespecFromFileTime(kUnixEpoch - 5);  // half a microsecond before 1970
  EXPECT_EQ(half.tv_sec, -1);
  EXPECT_EQ(half.tv_nsec, 999'999'500);
  for (FileTime ft : {FileTime{0}, kUnixEpoch - 1, kUnixEpoch, kUnixEpoch + kTicksPerSecond + 5,
                      FileTime{0x01D9'0000'0000'1234ULL}}) {
    const timespec ts = TimespecFromFileTime(ft);
    EXPECT_EQ(FileTimeFromUnix(ts.tv_sec, ts.tv_nsec), ft);
  }
}

}  // namespace
}  // namespace varnoke
