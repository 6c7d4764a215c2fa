#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>

#include <cstdlib>

#include "model/Attributes.h"
#include "platform/PosixTestFiles.h"
#include "platform/posix/PosixFileSystem.h"

namespace varnoke {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::TempDir;

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st;
}

class PosixFileMovesTest : public ::testing::Test {
 protected:
  TempDir dir_;
  PosixFileSystem fs_;
};

// Within a directory or into another; never onto a file, a directory, a link or a hard link
// of the file itself; not from a missing file nor into a missing directory.
TEST_F(PosixFileMovesTest, MoveRenamesButNeverReplaces) {
  dir_.MakeDir("sub");
  const std::string from = dir_.Write("a.txt", "alpha");
  ASSERT_TRUE(fs_.MoveNoReplace(from, dir_ / "b.txt"));
  ASSERT_TRUE(fs_.MoveNoReplace(dir_ / "b.txt", from));
  ASSERT_EQ(::symlink("/nonexistent", (dir_ / "dangling").c_str()), 0);
  ASSERT_EQ(::link(from.c_str(), (dir_ / "hard.txt").c_str()), 0);
  dir_.Write("taken.txt", "beta");
  for (const char* to : {"taken.txt", "sub", "dangling", "hard.txt", "no/such/dir.txt"})
    EXPECT_FALSE(fs_.MoveNoReplace(from, dir_ / to)) << to;
  EXPECT_FALSE(fs_.MoveNoReplace(dir_ / "missing", dir_ / "b"));
  EXPECT_EQ(ReadFile(from), "alpha");
  EXPECT_EQ(ReadFile(dir_ / "taken.txt"), "beta");
  EXPECT_EQ(StatOf(from).st_nlink, 2u);
  ASSERT_TRUE(fs_.MoveNoReplace(from, dir_ / "sub/a.txt"));
  EXPECT_EQ(ReadFile(dir_ / "sub/a.txt"), "alpha");
  // The attempts through a side name left nothing behind.
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.Path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"dangling", "hard.txt", "sub", "taken.txt"}));
}

// Another file system for the copy path of a move, if the machine has one.
std::string OtherFileSystemBase(const std::string& here) {
  for (const char* base : {"/dev/shm", "/run", "/var/tmp"}) {
    struct stat a, b;
    if (::stat(base, &b) != 0 || ::stat(here.c_str(), &a) != 0) continue;
    if (a.st_dev != b.st_dev && ::access(base, W_OK) == 0) return base;
  }
  return {};
}

TEST_F(PosixFileMovesTest, MoveAcrossFileSystemsCopiesThenRemoves) {
  const std::string base = OtherFileSystemBase(dir_.Path());
  if (base.empty()) GTEST_SKIP() << "no second writable file system next to " << dir_.Path();
  TempDir other(base.c_str());
  const std::string from = dir_.Write("a.txt", std::string(200'000, 'q'));
  ASSERT_EQ(::chmod(from.c_str(), 0640), 0);
  ASSERT_TRUE(testing::SetUnixTimes(from, 1'000'000'000, 1'200'000'000));
  const bool xattrs = testing::HasUserXattrs(dir_.Path()) && testing::HasUserXattrs(other.Path());
  if (xattrs) {
    ASSERT_TRUE(fs_.SetAttributes(from, kAttrHidden | kAttrArchive));
  }

  const std::string to = other / "a.txt";
  ASSERT_TRUE(fs_.MoveNoReplace(from, to));
  EXPECT_FALSE(FileExists(from));
  const struct stat st = StatOf(to);  // before reading it moves the access time
  EXPECT_EQ(ReadFile(to), std::string(200'000, 'q'));
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_mtim.tv_sec, 1'200'000'000);
  EXPECT_EQ(st.st_atim.tv_sec, 1'000'000'000);
  if (xattrs) {
    EXPECT_EQ(fs_.GetAttributes(to), kAttrHidden | kAttrArchive);
  }

  // Never over a file there, and the source stays.
  const std::string again = dir_.Write("b.txt", "beta");
  const std::string taken = other.Write("b.txt", "there");
  EXPECT_FALSE(fs_.MoveNoReplace(again, taken));
  EXPECT_EQ(ReadFile(again), "beta");
  EXPECT_EQ(ReadFile(taken), "there");
}

TEST_F(PosixFileMovesTest, CopyCarriesDataModeAndWriteTimeButNeverReplaces) {
  const std::string from = dir_.Write("a.txt", std::string(100'000, 'z'));
  ASSERT_EQ(::chmod(from.c_str(), 0604), 0);
  ASSERT_TRUE(testing::SetUnixTimes(from, 1'000'000'000, 1'100'000'000));
  ASSERT_TRUE(fs_.CopyNoReplace(from, dir_ / "copy.txt"));
  EXPECT_EQ(ReadFile(dir_ / "copy.txt"), std::string(100'000, 'z'));
  EXPECT_EQ(ReadFile(from), std::string(100'000, 'z'));
  EXPECT_EQ(StatOf(dir_ / "copy.txt").st_mode & 07777, 0604u);
  EXPECT_EQ(StatOf(dir_ / "copy.txt").st_mtim.tv_sec, 1'100'000'000);
  const std::string taken = dir_.Write("b.txt", "beta");
  EXPECT_FALSE(fs_.CopyNoReplace(from, taken));
  EXPECT_EQ(ReadFile(taken), "beta");
  EXPECT_FALSE(fs_.CopyNoReplace(dir_ / "missing", dir_ / "c.txt"));
  EXPECT_FALSE(fs_.CopyNoReplace(dir_.MakeDir("sub"), dir_ / "d"));
  EXPECT_FALSE(FileExists(dir_ / "c.txt") || FileExists(dir_ / "d"));
}

// A copy that runs out of room (here: a file-size limit) leaves no partial target.
TEST_F(PosixFileMovesTest, FailedCopyLeavesNoPartialTarget) {
  const std::string from = dir_.Write("big.bin", std::string(1 << 20, 'b'));
  const std::string to = dir_ / "partial.bin";
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64 * 1024, 64 * 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    PosixFileSystem fs;
    ::_exit(fs.CopyNoReplace(from, to) ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the copy claimed success";
  EXPECT_FALSE(FileExists(to));
}

// GLib reads XDG_DATA_HOME once per process: one trash directory serves every test.
const TempDir& TrashHome() {
  static const TempDir home;
  static const bool pointed = ::setenv("XDG_DATA_HOME", home.Path().c_str(), 1) == 0;
  EXPECT_TRUE(pointed);
  return home;
}

TEST_F(PosixFileMovesTest, DeleteRemovesForGoodAndDeleteToTrashMovesIntoTheDesktopTrash) {
  const std::string gone = dir_.Write("gone.txt", "x");
  EXPECT_TRUE(fs_.Delete(gone));
  EXPECT_FALSE(FileExists(gone));
  EXPECT_FALSE(fs_.Delete(gone));
  const TempDir& home = TrashHome();
  const std::string path = dir_.Write("old-report.txt", "keep me");
  ASSERT_TRUE(fs_.DeleteToTrash(path));
  EXPECT_FALSE(FileExists(path));
  EXPECT_EQ(ReadFile(home / "Trash/files/old-report.txt"), "keep me");
  EXPECT_TRUE(FileExists(home / "Trash/info/old-report.txt.trashinfo"));
  EXPECT_FALSE(fs_.DeleteToTrash(dir_ / "missing.txt"));
}

TEST_F(PosixFileMovesTest, TrashRefusedWhereNoneCanBeDeletesNothing) {
  TrashHome();
  struct stat shm;
  if (::stat("/dev/shm", &shm) != 0 || OtherFileSystemBase(dir_.Path()) != "/dev/shm")
    GTEST_SKIP() << "/dev/shm is no separate file system here";
  TempDir other("/dev/shm");
  const std::string path = other.Write("a.txt", "x");
  if (fs_.DeleteToTrash(path)) {
    // Where GLib does find a trash there, the file must be in it, not gone.
    EXPECT_FALSE(FileExists(path));
    GTEST_SKIP() << "GLib keeps a trash on /dev/shm here";
  }
  EXPECT_EQ(ReadFile(path), "x");
}

}  // namespace
}  // namespace varnoke
