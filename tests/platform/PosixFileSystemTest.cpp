#include "platform/posix/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

#include "model/Attributes.h"
#include "platform/LockHolder.h"
#include "platform/PosixTestFiles.h"
#include "platform/posix/PosixTime.h"

namespace varnoke {
namespace {

using testing::LockHolder;
using testing::TempDir;

class PosixFileSystemTest : public ::testing::Test {
 protected:
  TempDir dir_;
  PosixFileSystem fs_;
};

TEST_F(PosixFileSystemTest, QueryGivesSizeAttributesAndTimes) {
  const std::string path = dir_.Write("a.txt", "hello");
  ASSERT_TRUE(testing::SetUnixTimes(path, 1'000'000'000, 1'500'000'000));
  auto file = fs_.OpenExclusive(path, Access::Read);
  ASSERT_TRUE(file);
  const auto info = file->Query();
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Size, 5u);
  EXPECT_EQ(info->Attr, kAttrArchive);
  EXPECT_EQ(info->Times.Accessed, FileTimeFromUnix(1'000'000'000, 0));
  EXPECT_EQ(info->Times.Written, FileTimeFromUnix(1'500'000'000, 0));
  // The birth time is when the file was made (here: moments ago), or the write time.
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const FileTime nowFt =
      FileTimeFromUnix(std::chrono::duration_cast<std::chrono::seconds>(now).count(), 0);
  EXPECT_TRUE(info->Times.Created == info->Times.Written ||
              (info->Times.Created <= nowFt + kTicksPerSecond &&
               info->Times.Created + 60 * kTicksPerSecond >= nowFt));
  // A second query reads afresh.
  const auto again = file->Query();
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Times, info->Times);
}

TEST_F(PosixFileSystemTest, ExclusiveOpenExcludesASecondOpen) {
  const std::string path = dir_.Write("a.txt", "x");
  auto first = fs_.OpenExclusive(path, Access::Read);
  ASSERT_TRUE(first);
  EXPECT_FALSE(fs_.OpenExclusive(path, Access::Read));
  first.reset();
  EXPECT_TRUE(fs_.OpenExclusive(path, Access::Read));
}

TEST_F(PosixFileSystemTest, FileLockedByAnotherProcessCannotBeOpened) {
  const std::string path = dir_.Write("busy.txt", "x");
  LockHolder holder(path);
  EXPECT_FALSE(fs_.OpenExclusive(path, Access::Read));
  EXPECT_FALSE(fs_.OpenExclusive(path, Access::ReadWrite));
  EXPECT_TRUE(fs_.Exists(path));
  holder.Release();
  EXPECT_TRUE(fs_.OpenExclusive(path, Access::Read));
}

TEST_F(PosixFileSystemTest, LocksOfSeveralProcessesEndInAnyOrder) {
  const std::string first = dir_.Write("first.txt", "1");
  const std::string second = dir_.Write("second.txt", "2");
  LockHolder a(first), b(second);
  a.Release();  // the older holder first: its child must not be kept alive by the newer one
  EXPECT_TRUE(fs_.OpenExclusive(first, Access::Read));
  EXPECT_FALSE(fs_.OpenExclusive(second, Access::Read));
  b.Release();
  EXPECT_TRUE(fs_.OpenExclusive(second, Access::Read));
}

TEST_F(PosixFileSystemTest, DirectoriesMissingFilesAndFifosDoNotOpen) {
  const std::string sub = dir_.MakeDir("sub");
  EXPECT_FALSE(fs_.OpenExclusive(sub, Access::Read));
  EXPECT_FALSE(fs_.OpenExclusive(sub, Access::ReadWrite));
  EXPECT_FALSE(fs_.OpenExclusive(dir_ / "missing", Access::Read));
  const std::string fifo = dir_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(fs_.OpenExclusive(fifo, Access::Read));  // and does not hang
  EXPECT_TRUE(fs_.Exists(fifo));
}

TEST_F(PosixFileSystemTest, ReadOnlyFileRefusesWritingEvenToRoot) {
  const std::string path = dir_.Write("ro.txt", "x");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  EXPECT_FALSE(fs_.OpenExclusive(path, Access::ReadWrite));
  EXPECT_TRUE(fs_.OpenExclusive(path, Access::Read));
}

TEST_F(PosixFileSystemTest, RunningProgramRefusesWriting) {
  const std::string program = dir_ / "sleeper";
  {
    std::ifstream in("/bin/sleep", std::ios::binary);
    std::ofstream out(program, std::ios::binary);
    out << in.rdbuf();
  }
  ASSERT_EQ(::chmod(program.c_str(), 0755), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::execl(program.c_str(), program.c_str(), "30", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  // Wait until the child runs the copy (its executable is then the file).
  const std::string exe = "/proc/" + std::to_string(child) + "/exe";
  for (int i = 0; i < 200; ++i) {
    char target[4096];
    const ssize_t n = ::readlink(exe.c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, static_cast<std::size_t>(n)) == program) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_FALSE(fs_.OpenExclusive(program, Access::ReadWrite));
  EXPECT_TRUE(fs_.OpenExclusive(program, Access::Read));
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
}

TEST_F(PosixFileSystemTest, SetTimesChangesAccessAndWriteTimesOnly) {
  const std::string path = dir_.Write("t.txt", "x");
  ASSERT_TRUE(testing::SetUnixTimes(path, 1'000'000'000, 1'100'000'000));
  const FileTime accessed = FileTimeFromUnix(1'200'000'000, 123'456'700);
  const FileTime written = FileTimeFromUnix(1'300'000'000, 0);
  {
    auto readOnly = fs_.OpenExclusive(path, Access::Read);
    ASSERT_TRUE(readOnly);
    EXPECT_FALSE(readOnly->SetTimes(nullptr, &accessed, &written));  // needs ReadWrite
  }
  auto file = fs_.OpenExclusive(path, Access::ReadWrite);
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->SetTimes(nullptr, nullptr, &written));
  auto info = file->Query();
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Times.Written, written);
  EXPECT_EQ(info->Times.Accessed, FileTimeFromUnix(1'000'000'000, 0));
  EXPECT_TRUE(file->SetTimes(&written, &accessed, nullptr));
  info = file->Query();
  EXPECT_EQ(info->Times.Accessed, accessed);
  EXPECT_EQ(info->Times.Written, written);
}

struct AttrCase {
  const char* Name;
  bool Directory;
  mode_t Mode;
  std::uint32_t Expected;
};

class DefaultAttributesTest : public ::testing::TestWithParam<AttrCase> {};

// Without user.DOSATTRIB: archive for files, hidden for dot names, read-only from the mode.
TEST_P(DefaultAttributesTest, FollowWinesRules) {
  TempDir dir;
  PosixFileSystem fs;
  const AttrCase& c = GetParam();
  const std::string path = c.Directory ? dir.MakeDir(c.Name) : dir.Write(c.Name, "x");
  ASSERT_EQ(::chmod(path.c_str(), c.Mode), 0);
  EXPECT_EQ(fs.GetAttributes(path), c.Expected);
  if (!c.Directory) {
    auto file = fs.OpenExclusive(path, Access::Read);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Query()->Attr, c.Expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, DefaultAttributesTest,
    ::testing::Values(AttrCase{"plain.txt", false, 0644, kAttrArchive},
                      AttrCase{".profile", false, 0644, kAttrArchive | kAttrHidden},
                      AttrCase{"ro.txt", false, 0444, kAttrArchive | kAttrReadOnly},
                      AttrCase{"group-writable", false, 0464, kAttrArchive | kAttrReadOnly},
                      AttrCase{"ending.", false, 0644, kAttrArchive},
                      AttrCase{"sub", true, 0755, kAttrDirectory},
                      AttrCase{".git", true, 0755, kAttrDirectory | kAttrHidden},
                      AttrCase{"locked-dir", true, 0555, kAttrDirectory | kAttrReadOnly}));

TEST_F(PosixFileSystemTest, AttributesOfAMissingEntryAreNothingAndCannotBeSet) {
  EXPECT_FALSE(fs_.GetAttributes(dir_ / "missing"));
  EXPECT_FALSE(fs_.SetAttributes(dir_ / "missing", kAttrArchive));
}

class XattrTest : public PosixFileSystemTest {
 protected:
  void SetUp() override {
    if (!testing::HasUserXattrs(dir_.Path()))
      GTEST_SKIP() << "the file system of " << dir_.Path() << " keeps no user extended attributes";
  }
  std::string Stored(const std::string& path) {
    char value[64];
    const ssize_t n = ::getxattr(path.c_str(), "user.DOSATTRIB", value, sizeof value);
    return n < 0 ? std::string("<none>") : std::string(value, static_cast<std::size_t>(n));
  }
};

// The bits round-trip through user.DOSATTRIB, each value replacing the one before (the
// rewritten a.txt keeps its inode), for directories too; stored bits override the dot rule.
TEST_F(XattrTest, BitsRoundTripThroughTheExtendedAttribute) {
  const struct {
    const char* Name;
    bool Directory;
    std::uint32_t Set, Got;
    std::string Stored;
  } cases[] = {
      {"a.txt", false, kAttrHidden | kAttrSystem, kAttrHidden | kAttrSystem, {"0x6\0", 4}},
      {"a.txt", false, kAttrArchive | kAttrHidden, kAttrArchive | kAttrHidden, {"0x22\0", 5}},
      {"a.txt", false, 0, kAttrNormal, {"0x0\0", 4}},
      {".hidden-no-more", false, kAttrArchive, kAttrArchive, {"0x20\0", 5}},
      {"sub",
       true,
       kAttrHidden | kAttrSystem,
       kAttrDirectory | kAttrHidden | kAttrSystem,
       {"0x6\0", 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string path = c.Directory ? dir_.MakeDir(c.Name) : dir_.Write(c.Name, "x");
    ASSERT_TRUE(fs_.SetAttributes(path, c.Set));
    EXPECT_EQ(fs_.GetAttributes(path), c.Got);
    if (!c.Directory) {
      EXPECT_EQ(fs_.OpenExclusive(path, Access::Read)->Query()->Attr, c.Got);
    }
    EXPECT_EQ(Stored(path), c.Stored);
  }
}

TEST_F(XattrTest, ReadOnlyClearsEveryWriteBitAndComesBackForTheOwner) {
  const std::string path = dir_.Write("a.txt", "x");
  ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
  ASSERT_TRUE(fs_.SetAttributes(path, kAttrReadOnly | kAttrHidden));
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
  EXPECT_EQ(fs_.GetAttributes(path), kAttrReadOnly | kAttrHidden);
  ASSERT_TRUE(fs_.SetAttributes(path, kAttrArchive));
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
  EXPECT_EQ(fs_.GetAttributes(path), kAttrArchive);
}

TEST_F(XattrTest, ReadsWineTextWithoutNulAndSambaRecords) {
  const std::string wine = dir_.Write("wine.txt", "x");
  ASSERT_EQ(::setxattr(wine.c_str(), "user.DOSATTRIB", "0x6", 3, 0), 0);
  EXPECT_EQ(fs_.GetAttributes(wine), kAttrHidden | kAttrSystem);
  const std::string samba = dir_.Write("samba.txt", "x");
  const char record[] = "\0\0\x04\0\x04\0\0\0\x11\0\0\0\x22\0\0\0\0\0\0\0\0\0\0\0";
  ASSERT_EQ(::setxattr(samba.c_str(), "user.DOSATTRIB", record, sizeof record - 1, 0), 0);
  EXPECT_EQ(fs_.GetAttributes(samba), kAttrArchive | kAttrHidden);
}

TEST_F(PosixFileSystemTest, ExistsCountsEveryEntryButDirectories) {
  EXPECT_TRUE(fs_.Exists(dir_.Write("a.txt")));
  EXPECT_FALSE(fs_.Exists(dir_.MakeDir("sub")));
  EXPECT_FALSE(fs_.Exists(dir_ / "missing"));
  const std::string dangling = dir_ / "dangling";
  ASSERT_EQ(::symlink("/nonexistent/target", dangling.c_str()), 0);
  EXPECT_TRUE(fs_.Exists(dangling));
  const std::string dirLink = dir_ / "dirlink";
  ASSERT_EQ(::symlink((dir_ / "sub").c_str(), dirLink.c_str()), 0);
  EXPECT_FALSE(fs_.Exists(dirLink));  // counts as the directory it names
  const std::string fileLink = dir_ / "filelink";
  ASSERT_EQ(::symlink((dir_ / "a.txt").c_str(), fileLink.c_str()), 0);
  EXPECT_TRUE(fs_.Exists(fileLink));
  // Whatever the time stamp: 1970 and even before.
  const std::string old = dir_.Write("old.txt");
  ASSERT_TRUE(testing::SetUnixTimes(old, 0, 0));
  EXPECT_TRUE(fs_.Exists(old));
  ASSERT_TRUE(testing::SetUnixTimes(old, -86400 * 365, -86400 * 365));
  EXPECT_TRUE(fs_.Exists(old));
}

TEST_F(PosixFileSystemTest, SameFileByNameOrByInode) {
  const std::string a = dir_.Write("a.txt", "x");
  const std::string b = dir_.Write("b.txt", "x");
  const std::string hard = dir_ / "hard.txt";
  ASSERT_EQ(::link(a.c_str(), hard.c_str()), 0);
  EXPECT_TRUE(fs_.SameFile(a, a));
  EXPECT_TRUE(fs_.SameFile(a, hard));
  EXPECT_TRUE(fs_.SameFile(a, dir_.Path() + "/./a.txt"));
  EXPECT_FALSE(fs_.SameFile(a, b));
  EXPECT_FALSE(fs_.SameFile(a, dir_ / "missing"));
  EXPECT_TRUE(fs_.SameFile(dir_ / "missing", dir_ / "missing"));  // equal names
}

std::map<std::string, DirEntry> Collect(FileSystem& fs, const std::string& dir, bool names) {
  std::map<std::string, DirEntry> out;
  auto visit = [&](const DirEntry& e) {
    out[e.Name] = e;
    return true;
  };
  const bool ok = names ? fs.EnumerateNames(dir, visit) : fs.Enumerate(dir, visit);
  EXPECT_TRUE(ok);
  return out;
}

TEST_F(PosixFileSystemTest, EnumerateGivesEveryEntryWithAttributes) {
  dir_.Write("a.txt", "x");
  dir_.Write(".b", "x");
  dir_.MakeDir("sub");
  const std::string link = dir_ / "dirlink";
  ASSERT_EQ(::symlink((dir_ / "sub").c_str(), link.c_str()), 0);
  const auto entries = Collect(fs_, dir_.Path(), false);
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_TRUE(entries.at(".").IsDirectory);
  EXPECT_EQ(entries.at(".").Attr, kAttrDirectory);
  EXPECT_EQ(entries.at("..").Attr & kAttrDirectory, kAttrDirectory);
  EXPECT_FALSE(entries.at("a.txt").IsDirectory);
  EXPECT_EQ(entries.at("a.txt").Attr, kAttrArchive);
  EXPECT_EQ(entries.at(".b").Attr, kAttrArchive | kAttrHidden);
  EXPECT_TRUE(entries.at("sub").IsDirectory);
  EXPECT_EQ(entries.at("sub").Attr, kAttrDirectory);
  EXPECT_FALSE(entries.at("dirlink").IsDirectory);  // never walked into
  EXPECT_EQ(entries.at("dirlink").Attr, kAttrDirectory);

  const auto names = Collect(fs_, dir_.Path(), true);
  ASSERT_EQ(names.size(), 6u);
  EXPECT_TRUE(names.at("sub").IsDirectory);
  EXPECT_FALSE(names.at("dirlink").IsDirectory);
  EXPECT_FALSE(names.at("a.txt").IsDirectory);
}

TEST_F(PosixFileSystemTest, EnumerateStopsWhenAskedAndFailsOnMissingDirectory) {
  dir_.Write("a");
  dir_.Write("b");
  int seen = 0;
  EXPECT_TRUE(fs_.Enumerate(dir_.Path(), [&](const DirEntry&) { return ++seen < 2; }));
  EXPECT_EQ(seen, 2);
  EXPECT_FALSE(fs_.Enumerate(dir_ / "missing", [](const DirEntry&) { return true; }));
}

TEST_F(PosixFileSystemTest, TheRootDirectoryIsTheEmptyPath) {
  bool sawTmp = false;
  EXPECT_TRUE(fs_.EnumerateNames("", [&](const DirEntry& e) {
    if (e.Name == "tmp") sawTmp = e.IsDirectory;
    return true;
  }));
  EXPECT_TRUE(sawTmp);
}

TEST_F(PosixFileSystemTest, VolumesStartWithTheRootAndSkipPseudoFileSystems) {
  const auto volumes = fs_.Volumes();
  ASSERT_FALSE(volumes.empty());
  EXPECT_EQ(volumes.front(), "/");
  for (const char* pseudo : {"/proc", "/sys", "/dev/pts"})
    EXPECT_EQ(std::count(volumes.begin(), volumes.end(), pseudo), 0) << pseudo;
  EXPECT_EQ(std::set<std::string>(volumes.begin(), volumes.end()).size(), volumes.size());
}

}  // namespace
}  // namespace varnoke
