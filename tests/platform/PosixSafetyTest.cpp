// What the Linux file system must never do: leave a partial file under a target name,
// or change anything through a symbolic link.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "model/Attributes.h"
#include "platform/LockHolder.h"
#include "platform/PosixTestFiles.h"
#include "platform/posix/PartialFile.h"
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
  for (int polls = 0; polls < 2'000'000 && disk.Used() <= (16u << 20); ++polls) {
  }
  const bool killed = ::kill(child, SIGKILL) == 0;
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!killed || !WIFSIGNALED(status)) GTEST_SKIP() << "the move ended before it could be killed";
  EXPECT_TRUE(std::filesystem::is_empty(disk.Path()));  // nothing under the target name
  EXPECT_EQ(std::filesystem::file_size(source), static_cast<std::uintmax_t>(kSize));
}

// A link in the list is an entry of its own: its times are set on the link, stored
// attributes never reach the file it points to.
TEST(PosixSafety, NothingReachesThroughALink) {
  TempDir dir;
  const std::string outside = dir.Write("outside.txt", "private"), link = dir / "link.txt";
  ASSERT_TRUE(SetUnixTimes(outside, 1'000'000, 1'000'000));
  ASSERT_EQ(::symlink("outside.txt", link.c_str()), 0);
  PosixFileSystem fs;

  auto open = fs.OpenExclusive(link, Access::ReadWrite);
  ASSERT_TRUE(open);
  EXPECT_EQ(open->Query()->Size, 7u);  // the list shows the data it points to
  const FileTime written = FileTimeFromUnix(2'000'000'000, 0);
  EXPECT_TRUE(open->SetTimes(nullptr, &written, &written));
  // (A run's read-only and hidden bits over a link: the renaming tests on real files.)
  EXPECT_FALSE(fs.SetAttributes(link, kAttrReadOnly | kAttrHidden));
  struct stat own, target;
  ASSERT_TRUE(::lstat(link.c_str(), &own) == 0 && ::stat(outside.c_str(), &target) == 0);
  EXPECT_EQ(std::pair(own.st_mtime, target.st_mtime), std::pair(2'000'000'000L, 1'000'000L));
  EXPECT_LT(::getxattr(outside.c_str(), "user.DOSATTRIB", nullptr, 0), 0);

  // A link to a directory is no file; a dangling link is a file of its own.
  ASSERT_EQ(::symlink(dir.Path().c_str(), (dir / "up").c_str()), 0);
  EXPECT_FALSE(fs.OpenExclusive(dir / "up", Access::Read));
  ASSERT_EQ(::symlink("nowhere", (dir / "dangling").c_str()), 0);
  EXPECT_TRUE(fs.OpenExclusive(dir / "dangling", Access::Read));
}

// Where a file system has no unnamed files, a copy is written under a hidden name held
// locked; it takes the target name only whole and never replaces, an unpublished one
// goes, and the first copy into a directory removes what killed copies left there: our
// own temporaries over a minute old that nobody holds, never one a copy still writes.
TEST(PosixSafety, NamedPartialsNeverReplaceAndStaleOnesGo) {
  TempDir dir;
  for (const char* old : {".varnoke-part-1-1", ".varnoke-part-1-2", ".varnoke-partial"})
    ASSERT_TRUE(SetUnixTimes(dir.Write(old), 1000, 1000));
  dir.Write(".varnoke-part-1-3");  // a copy that is just starting
  LockHolder holder(dir / ".varnoke-part-1-2");
  for (const char* target : {"a.txt", "b.txt"}) {
    PartialFile copy;
    ASSERT_EQ(copy.Open(dir / target, false), 0);
    ASSERT_EQ(::write(copy.Fd(), "data", 4), 4);
    if (target[0] == 'a') dir.Write(target, "taken");
    EXPECT_EQ(copy.Publish(dir / target), target[0] == 'a' ? EEXIST : 0);
  }
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
    names.insert(e.path().filename());
  EXPECT_EQ(names, (std::set<std::string>{".varnoke-part-1-2", ".varnoke-part-1-3",
                                          ".varnoke-partial", "a.txt", "b.txt"}));
  EXPECT_EQ(ReadFile(dir / "a.txt") + ReadFile(dir / "b.txt"), "takendata");
}

}  // namespace
}  // namespace varnoke::testing
