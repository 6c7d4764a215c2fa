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
#include "platform/posix/DosAttrib.h"
#include "platform/posix/PosixTime.h"

namespace varnoke {
namespace {

using namespace std::string_literals;
using testing::LockHolder;
using testing::TempDir;

class PosixFileSystemTest : public ::testing::Test {
 protected:
  TempDir dir_;
  PosixFileSystem fs_;
};

TEST_F(PosixFileSystemTest, QueryGivesSizeAttributesAndTimesAndSetTimesChangesOnlyThoseGiven) {
  const std::string path = dir_.Write("a.txt", "hello");
  ASSERT_TRUE(testing::SetUnixTimes(path, 1'000'000'000, 1'500'000'000));
  const FileTime made = FileTimeFromUnix(std::chrono::duration_cast<std::chrono::seconds>(
                                             std::chrono::system_clock::now().time_since_epoch())
                                             .count(),
                                         0);
  const FileTime accessed = FileTimeFromUnix(1'200'000'000, 123'456'700);
  const FileTime written = FileTimeFromUnix(1'300'000'000, 0);
  EXPECT_FALSE(fs_.OpenExclusive(path, Access::Read)->SetTimes(nullptr, nullptr, &written));
  auto file = fs_.OpenExclusive(path, Access::ReadWrite);
  ASSERT_TRUE(file);
  auto info = file->Query();
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Size, 5u);
  EXPECT_EQ(info->Attr, kAttrArchive);
  EXPECT_EQ(info->Times.Accessed, FileTimeFromUnix(1'000'000'000, 0));
  EXPECT_EQ(info->Times.Written, FileTimeFromUnix(1'500'000'000, 0));
  // The birth time is when the file was made (moments ago), or the write time.
  EXPECT_TRUE(info->Times.Created == info->Times.Written ||
              (info->Times.Created <= made + kTicksPerSecond &&
               info->Times.Created + 60 * kTicksPerSecond >= made));
  EXPECT_TRUE(file->SetTimes(nullptr, nullptr, &written));
  EXPECT_EQ(file->Query()->Times.Accessed, FileTimeFromUnix(1'000'000'000, 0));
  EXPECT_TRUE(file->SetTimes(&written, &accessed, nullptr));
  info = file->Query();  // read afresh
  EXPECT_EQ(info->Times.Accessed, accessed);
  EXPECT_EQ(info->Times.Written, written);
}

// Held by this program, by other processes (released in any order), not a regular file, or
// not writable (even by root): refused without hanging.
TEST_F(PosixFileSystemTest, ExclusiveOpenIsRefusedWhileAnyoneHoldsTheFile) {
  const std::string first = dir_.Write("first.txt", "1");
  const std::string second = dir_.Write("second.txt", "2");
  {
    auto held = fs_.OpenExclusive(first, Access::Read);
    ASSERT_TRUE(held);
    EXPECT_FALSE(fs_.OpenExclusive(first, Access::Read));
  }
  LockHolder a(first), b(second);
  EXPECT_FALSE(fs_.OpenExclusive(first, Access::Read));
  EXPECT_FALSE(fs_.OpenExclusive(first, Access::ReadWrite));
  EXPECT_TRUE(fs_.Exists(first));
  a.Release();  // the older holder first: the newer one must not keep its child alive
  EXPECT_TRUE(fs_.OpenExclusive(first, Access::Read));
  EXPECT_FALSE(fs_.OpenExclusive(second, Access::Read));
  b.Release();
  EXPECT_TRUE(fs_.OpenExclusive(second, Access::Read));

  const std::string fifo = dir_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string ro = dir_.Write("ro.txt", "x");
  ASSERT_EQ(::chmod(ro.c_str(), 0444), 0);
  for (const std::string& path : {dir_.MakeDir("sub"), dir_ / "missing", fifo, ro})
    EXPECT_FALSE(fs_.OpenExclusive(path, Access::ReadWrite)) << path;
  for (const std::string& path : {dir_ / "sub", dir_ / "missing", fifo})
    EXPECT_FALSE(fs_.OpenExclusive(path, Access::Read)) << path;
  EXPECT_TRUE(fs_.OpenExclusive(ro, Access::Read));
  EXPECT_TRUE(fs_.Exists(fifo));
}

TEST_F(PosixFileSystemTest, RunningProgramRefusesWriting) {
  const std::string program = dir_ / "sleeper";
  std::filesystem::copy_file("/bin/sleep", program);
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
    std::error_code ignored;
    if (std::filesystem::read_symlink(exe, ignored) == program) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_FALSE(fs_.OpenExclusive(program, Access::ReadWrite));
  EXPECT_TRUE(fs_.OpenExclusive(program, Access::Read));
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
}

// Without user.DOSATTRIB: archive for files, hidden for dot names, read-only from the mode.
TEST_F(PosixFileSystemTest, AttributesFollowWinesRulesWithoutTheExtendedAttribute) {
  const struct {
    const char* Name;
    bool Directory;
    mode_t Mode;
    std::uint32_t Expected;
  } cases[] = {{"plain.txt", false, 0644, kAttrArchive},
               {".profile", false, 0644, kAttrArchive | kAttrHidden},
               {"ro.txt", false, 0444, kAttrArchive | kAttrReadOnly},
               {"group-writable", false, 0464, kAttrArchive | kAttrReadOnly},
               {"ending.", false, 0644, kAttrArchive},
               {"sub", true, 0755, kAttrDirectory},
               {".git", true, 0755, kAttrDirectory | kAttrHidden},
               {"locked-dir", true, 0555, kAttrDirectory | kAttrReadOnly}};
  for (const auto& c : cases) {
    const std::string path = c.Directory ? dir_.MakeDir(c.Name) : dir_.Write(c.Name, "x");
    ASSERT_EQ(::chmod(path.c_str(), c.Mode), 0);
    EXPECT_EQ(fs_.GetAttributes(path), c.Expected) << c.Name;
    if (!c.Directory) {
      EXPECT_EQ(fs_.OpenExclusive(path, Access::Read)->Query()->Attr, c.Expected);
    }
  }
  EXPECT_FALSE(fs_.GetAttributes(dir_ / "missing"));
  EXPECT_FALSE(fs_.SetAttributes(dir_ / "missing", kAttrArchive));
}

// user.DOSATTRIB as Samba and Wine store it: hex text (with or without its NUL) or a record.
TEST(DosAttrib, ReadsEveryStoredFormAndWritesHexTextWithNul) {
  const struct {
    std::string Value;
    std::optional<std::uint32_t> Expected;
  } cases[] = {
      {"0x22\0"s, 0x22},
      {"0x2", 0x2},
      {"0X2A\0"s, 0x2A},
      {"0x00000027\0"s, 0x27},
      {"0x100000000\0"s, std::nullopt},
      {"", std::nullopt},
      {"0x\0"s, std::nullopt},
      {"0xZZ\0"s, std::nullopt},
      {"22\0"s, std::nullopt},
      // Samba 4: empty text, version, level, valid flags 0x11, attributes, birth time.
      {"\0\0\x04\0\x04\0\0\0\x11\0\0\0\x22\0\0\0\x01\x02\x03\x04\x05\x06\x07\x08"
       "\x01\x02\x03\x04\x05\x06\x07\x08"s,
       0x22},
      {"0x21\0\0\x03\0\x03\0\0\0\x01\0\0\0\x20\0\0\0"s, 0x21},  // Samba 3 keeps its text
      {"\0\0\x05\0\x05\0\0\0\x01\0\0\0\x06\0\0\0\0\0\0\0\0\0\0\0"s, 0x06},
      {"\0\0\x04\0\x04\0\0\0\x10\0\0\0\x22\0\0\0"s, std::nullopt},  // no valid attributes
      {"\0\0\x04\0\x04\0\0\0\x11\0\0"s, std::nullopt},              // cut short
      {"\0\0\x04\0\x03\0\0\0\x11\0\0\0\x22\0\0\0"s, std::nullopt},  // level is not version
      {"\0\0\x09\0\x09\0\0\0\x11\0\0\0\x22\0\0\0"s, std::nullopt},  // unknown version
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseDosAttrib(c.Value), c.Expected) << ::testing::PrintToString(c.Value);
  EXPECT_EQ(FormatDosAttrib(0x22), "0x22\0"s);
  EXPECT_EQ(FormatDosAttrib(0), "0x0\0"s);
  EXPECT_EQ(FormatDosAttrib(0xDEADBEEF), "0xdeadbeef\0"s);
}

// The bits round-trip through user.DOSATTRIB, each value replacing the one before, for
// directories too; stored bits override the dot rule. Read-only clears every write bit and
// clearing it gives the owner's back. Wine's text without NUL reads too.
TEST_F(PosixFileSystemTest, AttributeBitsRoundTripThroughTheExtendedAttribute) {
  if (!testing::HasUserXattrs(dir_.Path()))
    GTEST_SKIP() << "the file system of " << dir_.Path() << " keeps no user extended attributes";
  auto stored = [](const std::string& path) {
    char value[64];
    const ssize_t n = ::getxattr(path.c_str(), "user.DOSATTRIB", value, sizeof value);
    return std::string(value, n < 0 ? 0 : static_cast<std::size_t>(n));
  };
  const struct {
    const char* Name;
    bool Directory;
    std::uint32_t Set, Got;
    std::string Stored;
    mode_t Mode;
  } cases[] = {
      {"a.txt", false, kAttrHidden | kAttrSystem, kAttrHidden | kAttrSystem, "0x6\0"s, 0666},
      {"a.txt", false, kAttrReadOnly | kAttrHidden, kAttrReadOnly | kAttrHidden, "0x2\0"s, 0444},
      {"a.txt", false, kAttrArchive | kAttrHidden, kAttrArchive | kAttrHidden, "0x22\0"s, 0644},
      {"a.txt", false, 0, kAttrNormal, "0x0\0"s, 0644},
      {".hidden-no-more", false, kAttrArchive, kAttrArchive, "0x20\0"s, 0644},
      {"sub", true, kAttrHidden | kAttrSystem, kAttrDirectory | kAttrHidden | kAttrSystem, "0x6\0"s,
       0755},
  };
  ASSERT_EQ(::chmod(dir_.Write("a.txt", "x").c_str(), 0666), 0);
  dir_.Write(".hidden-no-more", "x");
  dir_.MakeDir("sub");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Set);
    const std::string path = dir_ / c.Name;
    ASSERT_TRUE(fs_.SetAttributes(path, c.Set));
    EXPECT_EQ(fs_.GetAttributes(path), c.Got);
    if (!c.Directory) {
      EXPECT_EQ(fs_.OpenExclusive(path, Access::Read)->Query()->Attr, c.Got);
    }
    EXPECT_EQ(stored(path), c.Stored);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, c.Mode);
  }
  const std::string wine = dir_.Write("wine.txt", "x");
  ASSERT_EQ(::setxattr(wine.c_str(), "user.DOSATTRIB", "0x6", 3, 0), 0);
  EXPECT_EQ(fs_.GetAttributes(wine), kAttrHidden | kAttrSystem);
}

TEST_F(PosixFileSystemTest, ExistsCountsEveryEntryButDirectoriesAndSameFileFollowsInodes) {
  const std::string a = dir_.Write("a.txt", "x");
  dir_.MakeDir("sub");
  const std::string old = dir_.Write("old.txt");
  ASSERT_TRUE(testing::SetUnixTimes(old, -86400 * 365, -86400 * 365));  // before 1970
  const struct {
    const char *Link, *Target;
  } links[] = {{"dangling", "/nonexistent/target"}, {"dirlink", "sub"}, {"filelink", "a.txt"}};
  for (const auto& l : links) ASSERT_EQ(::symlink(l.Target, (dir_ / l.Link).c_str()), 0);
  for (const char* name : {"a.txt", "old.txt", "dangling", "filelink"})
    EXPECT_TRUE(fs_.Exists(dir_ / name)) << name;
  for (const char* name : {"sub", "missing", "dirlink"}) EXPECT_FALSE(fs_.Exists(dir_ / name));

  const std::string hard = dir_ / "hard.txt";
  ASSERT_EQ(::link(a.c_str(), hard.c_str()), 0);
  EXPECT_TRUE(fs_.SameFile(a, hard));
  EXPECT_TRUE(fs_.SameFile(a, dir_.Path() + "/./a.txt"));
  EXPECT_FALSE(fs_.SameFile(a, old));
  EXPECT_FALSE(fs_.SameFile(a, dir_ / "missing"));
  EXPECT_TRUE(fs_.SameFile(dir_ / "missing", dir_ / "missing"));  // equal names
}

// Every entry with its attributes; a link to a directory is never walked into. The walk
// stops when asked, fails on a missing directory, and the root is the empty path.
TEST_F(PosixFileSystemTest, EnumerateGivesEveryEntryWithAttributes) {
  dir_.Write("a.txt", "x");
  dir_.Write(".b", "x");
  dir_.MakeDir("sub");
  ASSERT_EQ(::symlink((dir_ / "sub").c_str(), (dir_ / "dirlink").c_str()), 0);
  const std::map<std::string, std::pair<bool, std::uint32_t>> expected = {
      {".", {true, kAttrDirectory}},    {"..", {true, kAttrDirectory}},
      {"a.txt", {false, kAttrArchive}}, {".b", {false, kAttrArchive | kAttrHidden}},
      {"sub", {true, kAttrDirectory}},  {"dirlink", {false, kAttrDirectory}}};
  for (bool namesOnly : {false, true}) {
    std::map<std::string, std::pair<bool, std::uint32_t>> got;
    auto visit = [&](const DirEntry& e) {
      // ".." lies outside: only its directory bit is known. Names alone may leave Attr at 0.
      std::uint32_t attr = e.Name == ".." ? e.Attr & kAttrDirectory : e.Attr;
      if (namesOnly) attr = expected.count(e.Name) ? expected.at(e.Name).second : 0;
      got[e.Name] = {e.IsDirectory, attr};
      return true;
    };
    EXPECT_TRUE(namesOnly ? fs_.EnumerateNames(dir_.Path(), visit)
                          : fs_.Enumerate(dir_.Path(), visit));
    EXPECT_EQ(got, expected) << namesOnly;
  }
  int seen = 0;
  EXPECT_TRUE(fs_.Enumerate(dir_.Path(), [&](const DirEntry&) { return ++seen < 2; }));
  EXPECT_EQ(seen, 2);
  EXPECT_FALSE(fs_.Enumerate(dir_ / "missing", [](const DirEntry&) { return true; }));
  bool sawTmp = false;
  EXPECT_TRUE(fs_.EnumerateNames("", [&](const DirEntry& e) {
    sawTmp |= e.Name == "tmp" && e.IsDirectory;
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
