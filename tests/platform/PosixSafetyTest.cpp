// What the Linux file system must never do: leave a partial file under a target name,
// or change anything through a symbolic link.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "model/Attributes.h"
#include "platform/PosixTestFiles.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixTime.h"
#include "support/TempDir.h"
#include "support/TmpfsMount.h"

namespace varnoke::testing {
namespace {

// A move or copy onto a full disk fails with the system's reason and leaves the target
// directory as it was and the source whole.
TEST(PosixSafety, FullDiskLeavesNothingBehind) {
  TmpfsMount disk("1m");
  if (!disk.Ready()) GTEST_SKIP() << disk.Why();
  TempDir dir;
  const std::string source = dir.Write("big.bin", std::string(3 << 20, 'x'));
  PosixFileSystem fs;
  for (const bool copy : {true, false}) {
    const FsStatus status = copy ? fs.CopyNoReplace(source, disk / "big.bin")
                                 : fs.MoveNoReplace(source, disk / "big.bin");
    EXPECT_TRUE(status.Is(std::errc::no_space_on_device)) << status.Reason();
    EXPECT_TRUE(std::filesystem::is_empty(disk.Path()));
    EXPECT_EQ(std::filesystem::file_size(source), 3u << 20);
  }
}

// A move to another file system killed half way leaves no partial file under the
// target name, and the source stays whole.
TEST(PosixSafety, KilledMoveAcrossFileSystemsLeavesNoPartialTarget) {
  TmpfsMount disk("700m");
  if (!disk.Ready()) GTEST_SKIP() << disk.Why();
  TempDir dir;
  const std::string source = dir.Write("video.bin", "start");
  constexpr off_t kSize = 512LL << 20;
  ASSERT_EQ(::truncate(source.c_str(), kSize), 0);  // sparse: quick to make, slow to copy
  const std::string target = disk / "video.bin";
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    PosixFileSystem fs;
    ::_exit(fs.MoveNoReplace(source, target) ? 0 : 1);
  }
  // Kill it once some of the data has been written.
  bool killed = false;
  for (int polls = 0; polls < 2'000'000 && !killed; ++polls) {
    if (disk.Used() > (16u << 20)) killed = ::kill(child, SIGKILL) == 0;
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!killed || !WIFSIGNALED(status)) GTEST_SKIP() << "the move ended before it could be killed";
  EXPECT_FALSE(FileExists(target));
  EXPECT_TRUE(std::filesystem::is_empty(disk.Path()));
  EXPECT_EQ(std::filesystem::file_size(source), static_cast<std::uintmax_t>(kSize));
}

// A link in the list is an entry of its own: its times are set on the link, and
// neither permissions nor stored attributes ever reach the file it points to.
TEST(PosixSafety, NothingReachesThroughALink) {
  TempDir dir;
  const std::string outside = dir.Write("outside.txt", "private");
  ASSERT_EQ(::chmod(outside.c_str(), 0644), 0);
  ASSERT_TRUE(SetUnixTimes(outside, 1'000'000, 1'000'000));
  dir.MakeDir("sy");
  const std::string link = dir / "sy/link.txt";
  ASSERT_EQ(::symlink("../outside.txt", link.c_str()), 0);
  PosixFileSystem fs;

  auto open = fs.OpenExclusive(link, Access::ReadWrite);
  ASSERT_TRUE(open);
  EXPECT_EQ(open->Query()->Size, 7u);  // the list shows the data it points to
  const FileTime written = FileTimeFromUnix(2'000'000'000, 0);
  EXPECT_TRUE(open->SetTimes(nullptr, &written, &written));
  EXPECT_FALSE(fs.SetAttributes(link, kAttrReadOnly | kAttrHidden));

  struct stat own, target;
  ASSERT_EQ(::lstat(link.c_str(), &own), 0);
  ASSERT_EQ(::stat(outside.c_str(), &target), 0);
  EXPECT_EQ(own.st_mtime, 2'000'000'000);
  EXPECT_EQ(target.st_mtime, 1'000'000);
  EXPECT_EQ(target.st_mode & 07777, 0644u);
  char value[64];
  EXPECT_LT(::getxattr(outside.c_str(), "user.DOSATTRIB", value, sizeof value), 0);

  // A link to a directory is no file; a dangling link is a file of its own.
  ASSERT_EQ(::symlink(dir.Path().c_str(), (dir / "up").c_str()), 0);
  EXPECT_FALSE(fs.OpenExclusive(dir / "up", Access::Read));
  ASSERT_EQ(::symlink("nowhere", (dir / "dangling").c_str()), 0);
  EXPECT_TRUE(fs.OpenExclusive(dir / "dangling", Access::Read));
}

}  // namespace
}  // namespace varnoke::testing
