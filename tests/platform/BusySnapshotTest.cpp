#include "platform/posix/BusySnapshot.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"

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

// The fresh look at one file: what is no regular file, or is gone, is busy; for a
// change a read-only file is too.
TEST(BusySnapshot, OneFileLookedAtAgain) {
  testing::TempDir dir;
  PosixFileSystem fs;
  const std::string file = dir.Write("a.txt", "x"), readOnly = dir.Write("ro.txt", "x");
  ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  const struct {
    std::string Path;
    bool Read, Write;
  } cases[] = {
      {file, false, false},          {readOnly, false, true},          {dir / "fifo", true, true},
      {dir / "missing", true, true}, {dir.MakeDir("sub"), true, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fs.IsBusy(c.Path, Access::Read), c.Read) << c.Path;
    EXPECT_EQ(fs.IsBusy(c.Path, Access::ReadWrite), c.Write) << c.Path;
  }
}

}  // namespace
}  // namespace varnoke
