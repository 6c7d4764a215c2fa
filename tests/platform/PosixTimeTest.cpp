#include "platform/posix/PosixTime.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

TEST(PosixTimeTest, UnixTimeBecomesFileTime) {
  EXPECT_EQ(FileTimeFromUnix(0, 0), kUnixEpoch);
  EXPECT_EQ(FileTimeFromUnix(1, 500), kUnixEpoch + kTicksPerSecond + 5);
  EXPECT_EQ(FileTimeFromUnix(-1, 0), kUnixEpoch - kTicksPerSecond);
  // 1601-01-01 is FILETIME 0; anything earlier has no FILETIME.
  EXPECT_EQ(FileTimeFromUnix(-11'644'473'600LL, 0), 0u);
  EXPECT_EQ(FileTimeFromUnix(-11'644'473'601LL, 0), 0u);
  EXPECT_EQ(FileTimeFromUnix(-99'999'999'999LL, 0), 0u);
}

TEST(PosixTimeTest, FileTimeBecomesTimespecRoundedTowardsThePast) {
  timespec ts = TimespecFromFileTime(kUnixEpoch + kTicksPerSecond + 5);
  EXPECT_EQ(ts.tv_sec, 1);
  EXPECT_EQ(ts.tv_nsec, 500);
  ts = TimespecFromFileTime(kUnixEpoch - 5);  // half a microsecond before 1970
  EXPECT_EQ(ts.tv_sec, -1);
  EXPECT_EQ(ts.tv_nsec, 999'999'500);
}

TEST(PosixTimeTest, RoundTripsAcrossTheEpoch) {
  for (FileTime ft : {FileTime{0}, kUnixEpoch - 1, kUnixEpoch, kUnixEpoch + 1,
                      FileTime{0x01D9'0000'0000'1234ULL}}) {
    const timespec ts = TimespecFromFileTime(ft);
    EXPECT_EQ(FileTimeFromUnix(ts.tv_sec, ts.tv_nsec), ft);
  }
}

}  // namespace
}  // namespace varnoke
