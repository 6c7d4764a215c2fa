#include "platform/posix/BusySnapshot.h"

#include <gtest/gtest.h>
#include <sys/sysmacros.h>

namespace varnoke {
namespace {

// Every kind of lock counts, also a waiter's and one of a description (process -1);
// this process's own locks and lines without a file do not.
TEST(BusySnapshot, LockedFilesOfTheSystemsLockTable) {
  const char* table =
      "1: POSIX  ADVISORY  WRITE 1234 08:01:1311 0 EOF\n"
      "1: -> POSIX  ADVISORY  WRITE 1240 08:01:1311 0 EOF\n"
      "2: FLOCK  ADVISORY  WRITE 77 00:2f:90 0 EOF\n"
      "3: OFDLCK ADVISORY  READ  -1 fd:03:12 0 EOF\n"
      "4: LEASE  ACTIVE    READ  55 103:02:7 0 EOF\n"
      "5: FLOCK  ADVISORY  WRITE 999 08:01:5 0 EOF\n"
      "6: POSIX  ADVISORY  WRITE 56 <none>:0 0 EOF\n"
      "garbage\n";
  std::vector<FileKey> keys;
  BusySnapshot::AddLocked(table, 999, keys);
  const std::vector<FileKey> expected = {{makedev(8, 1), 1311},
                                         {makedev(8, 1), 1311},
                                         {makedev(0, 0x2f), 90},
                                         {makedev(0xfd, 3), 12},
                                         {makedev(0x103, 2), 7}};
  EXPECT_EQ(keys, expected);
}

}  // namespace
}  // namespace varnoke
