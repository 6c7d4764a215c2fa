// The Linux file system where no engine test on real files shows it (those rename, copy,
// move across file systems, trash, list, search and hold files locked end to end), and what
// the in-memory one stages for the engine's tests that their outcome would not show.
#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <algorithm>
#include <map>
#include <set>

#include "model/Attributes.h"
#include "platform/PosixTestFiles.h"
#include "platform/posix/DosAttrib.h"
#include "platform/posix/PosixTime.h"
#include "platform/posix/UserDirectories.h"
#include "support/TmpfsMount.h"

namespace varnoke {
namespace {

using namespace std::string_literals;
using testing::FileExists;
using testing::ReadFile;
using testing::TempDir;

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st;
}

class PosixFileSystemTest : public ::testing::Test {
 protected:
  TempDir dir_;
  PosixFileSystem fs_;
};

// Never onto a directory, a link, a hard link of the file itself or into a missing
// directory, nor from a missing file, and nothing left under a side name; a copy of no
// regular file makes nothing. A copy, and a move to another file system, carry the mode and
// the times (and the stored attributes), a link moves as a link, and a move never replaces a
// file there either.
TEST_F(PosixFileSystemTest, MovesAndCopiesNeverReplaceAndCarryModeAndTimes) {
  const std::string from = dir_.Write("a.txt", std::string(100'000, 'q'));
  dir_.MakeDir("sub");
  ASSERT_EQ(::symlink("/nonexistent", (dir_ / "dangling").c_str()), 0);
  ASSERT_EQ(::link(from.c_str(), (dir_ / "hard.txt").c_str()), 0);
  for (const char* to : {"sub", "dangling", "hard.txt", "no/such/dir.txt"})
    EXPECT_FALSE(fs_.MoveNoReplace(from, dir_ / to)) << to;
  EXPECT_FALSE(fs_.MoveNoReplace(dir_ / "missing", dir_ / "b"));
  EXPECT_FALSE(fs_.CopyNoReplace(dir_ / "missing", dir_ / "c") ||
               fs_.CopyNoReplace(dir_ / "sub", dir_ / "d") ||
               fs_.CopyNoReplace(from, dir_ / "sub"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 4);

  const testing::TmpfsMount other("1m");
  const bool xattrs =
      testing::HasUserXattrs(dir_.Path()) && other.Ready() && testing::HasUserXattrs(other.Path());
  ASSERT_EQ(::chmod(from.c_str(), 0604), 0);
  ASSERT_TRUE(!xattrs || fs_.SetAttributes(from, kAttrHidden | kAttrArchive));
  for (const bool move : {false, true}) {
    if (move && !other.Ready()) GTEST_SKIP() << other.Why();
    const std::string to = move ? other / "a.txt" : dir_ / "copy.txt";
    ASSERT_TRUE(testing::SetUnixTimes(from, 1'000'000'000, 1'100'000'000));
    ASSERT_TRUE(move ? fs_.MoveNoReplace(from, to) : fs_.CopyNoReplace(from, to)) << to;
    const struct stat st = StatOf(to);  // before reading moves the access time
    EXPECT_EQ(ReadFile(to), std::string(100'000, 'q'));
    EXPECT_EQ(FileExists(from), !move);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1'100'000'000);
    EXPECT_TRUE(!move || st.st_atim.tv_sec == 1'000'000'000);
    EXPECT_TRUE(!move || !xattrs || fs_.GetAttributes(to) == (kAttrHidden | kAttrArchive));
  }
  // A link is moved as a link: the file it names stays where it is, untouched.
  const std::string link = dir_ / "link";
  ASSERT_EQ(::symlink(dir_.Write("named.txt", "named").c_str(), link.c_str()), 0);
  ASSERT_TRUE(fs_.MoveNoReplace(link, other / "link"));
  EXPECT_TRUE(S_ISLNK(StatOf(other / "link").st_mode));
  EXPECT_EQ(ReadFile(other / "link"), "named");
  EXPECT_FALSE(std::filesystem::is_symlink(link));
  const std::string taken = other / "b.txt";
  testing::WriteFile(taken, "there");
  EXPECT_FALSE(fs_.MoveNoReplace(dir_.Write("b.txt", "beta"), taken));
  EXPECT_EQ(ReadFile(taken) + ReadFile(dir_ / "b.txt"), "therebeta");
}

// Nothing to delete fails (the settings' resets delete for good). The trash is the desktop's (GLib
// reads XDG_DATA_HOME once per process, so it is pointed here once); where no trash can be made,
// nothing is deleted.
TEST_F(PosixFileSystemTest, DeleteAndTheDesktopTrash) {
  static const TempDir home;
  ASSERT_EQ(::setenv("XDG_DATA_HOME", home.Path().c_str(), 1), 0);
  EXPECT_FALSE(fs_.Delete(dir_ / "missing") || fs_.DeleteToTrash(dir_ / "missing"));
  ASSERT_TRUE(fs_.DeleteToTrash(dir_.Write("report.txt", "keep me")));
  EXPECT_TRUE(FileExists(home / "Trash/info/report.txt.trashinfo"));
  struct stat dev {};
  if (::stat("/dev/shm", &dev) || dev.st_dev == StatOf(dir_.Path()).st_dev)
    GTEST_SKIP() << "no /dev/shm";
  TempDir shm("/dev/shm");
  const std::string path = shm.Write("a.txt", "x");
  if (fs_.DeleteToTrash(path)) {
    EXPECT_FALSE(FileExists(path));  // GLib found a trash there: the file is in it, not lost
    GTEST_SKIP() << "GLib keeps a trash on /dev/shm here";
  }
  EXPECT_EQ(ReadFile(path), "x");
}

// Held by this program (other processes: the engine's tests on real files), not a regular
// file, not writable (even by root) or a running program: refused without hanging, and busy. Times
// to the 100 ns, each set alone; a handle opened for reading sets none. The birth time is when the
// file was made (moments ago), or the write time where none is kept.
TEST_F(PosixFileSystemTest, ExclusiveOpenIsRefusedWhileAnyoneHoldsTheFileAndSetsTimes) {
  const std::string path = dir_.Write("a.txt", "1");
  {
    auto held = fs_.OpenExclusive(path, Access::Read);
    EXPECT_TRUE(held && !fs_.OpenExclusive(path, Access::Read));
  }
  const FileTime made = FileTimeFromUnix(std::time(nullptr), 0);
  const FileTime accessed = FileTimeFromUnix(1'200'000'000, 123'456'700);
  const FileTime written = FileTimeFromUnix(1'300'000'000, 0);
  EXPECT_FALSE(fs_.OpenExclusive(path, Access::Read)->SetTimes(nullptr, nullptr, &written));
  auto file = fs_.OpenExclusive(path, Access::ReadWrite);
  ASSERT_TRUE(file);
  const FileTimes before = file->Query()->Times;
  EXPECT_TRUE(before.Created == before.Written || (before.Created <= made + kTicksPerSecond &&
                                                   before.Created + 60 * kTicksPerSecond >= made));
  EXPECT_TRUE(file->SetTimes(nullptr, nullptr, &written));
  EXPECT_EQ(file->Query()->Times.Accessed, before.Accessed);
  EXPECT_TRUE(file->SetTimes(&written, &accessed, nullptr));
  EXPECT_EQ(file->Query()->Times.Accessed, accessed);
  EXPECT_EQ(file->Query()->Times.Written, written);
  const std::string fifo = dir_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string ro = dir_.Write("ro.txt", "x");
  ASSERT_EQ(::chmod(ro.c_str(), 0444), 0);
  // The fresh busy look agrees: what is no regular file, or is gone, is busy; for a change
  // a read-only file is too.
  for (const std::string& path : {dir_.MakeDir("sub"), dir_ / "missing", fifo}) {
    EXPECT_FALSE(fs_.OpenExclusive(path, Access::Read)) << path;
    EXPECT_TRUE(fs_.IsBusy(path, Access::Read) && fs_.IsBusy(path, Access::ReadWrite)) << path;
  }
  EXPECT_FALSE(fs_.OpenExclusive(ro, Access::ReadWrite));
  EXPECT_TRUE(fs_.IsBusy(ro, Access::ReadWrite));
  EXPECT_FALSE(fs_.IsBusy(ro, Access::Read) || fs_.IsBusy(dir_.Write("b.txt"), Access::ReadWrite));

  // This very program runs from its file, which its builder may write.
  const std::string self = std::filesystem::read_symlink("/proc/self/exe");
  EXPECT_FALSE(fs_.OpenExclusive(self, Access::ReadWrite));
  EXPECT_TRUE(fs_.OpenExclusive(self, Access::Read));
}

// Without user.DOSATTRIB: archive for files, hidden for dot names, read-only from the
// owner's write bit. With it, as Samba and Wine store it (hex text with or without its NUL,
// or a record; written as hex text with its NUL): each value replaces the one before and
// overrides the dot rule; read-only clears every write bit and clearing it gives the
// owner's back.
TEST_F(PosixFileSystemTest, AttributesFollowWinesRules) {
  // clang-format off
  const struct { const char* Name; bool Directory; mode_t Mode; std::uint32_t Attr; } plain[] = {
      {".profile", false, 0644, kAttrArchive | kAttrHidden},
      {"group-writable", false, 0464, kAttrArchive | kAttrReadOnly},
      {".git", true, 0755, kAttrDirectory | kAttrHidden},
      {"locked-dir", true, 0555, kAttrDirectory | kAttrReadOnly},
  };
  // clang-format on
  for (const auto& [name, directory, mode, expected] : plain) {
    const std::string path = directory ? dir_.MakeDir(name) : dir_.Write(name, "x");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    EXPECT_EQ(fs_.GetAttributes(path), expected) << name;
  }
  EXPECT_FALSE(fs_.GetAttributes(dir_ / "missing") || fs_.SetAttributes(dir_ / "missing", 0));
  // clang-format off
  const struct { std::string Value; std::optional<std::uint32_t> Expected; } cases[] = {
      {"0x2", 0x2},
      {"0X2A\0"s, 0x2A},
      {"0x100000000\0"s, std::nullopt},
      {"", std::nullopt},
      {"0xZZ\0"s, std::nullopt},
      {"22\0"s, std::nullopt},
      // Samba 4: empty text, version, level, valid flags 0x11, attributes, birth time.
      {"\0\0\x04\0\x04\0\0\0\x11\0\0\0\x22\0\0\0\x01\x02\x03\x04\x05\x06\x07\x08"
       "\x01\x02\x03\x04\x05\x06\x07\x08"s, 0x22},
      {"0x21\0\0\x03\0\x03\0\0\0\x01\0\0\0\x20\0\0\0"s, 0x21},  // Samba 3 keeps its text
      {"\0\0\x05\0\x05\0\0\0\x01\0\0\0\x06\0\0\0\0\0\0\0\0\0\0\0"s, 0x06},
      {"\0\0\x04\0\x04\0\0\0\x10\0\0\0\x22\0\0\0"s, std::nullopt},  // no valid attributes
      {"\0\0\x04\0\x04\0\0\0\x11\0\0"s, std::nullopt},              // cut short
      {"\0\0\x04\0\x03\0\0\0\x11\0\0\0\x22\0\0\0"s, std::nullopt},  // level is not version
      {"\0\0\x09\0\x09\0\0\0\x11\0\0\0\x22\0\0\0"s, std::nullopt},  // unknown version
  };
  // clang-format on
  for (const auto& [value, expected] : cases)
    EXPECT_EQ(ParseDosAttrib(value), expected) << ::testing::PrintToString(value);
  EXPECT_EQ(FormatDosAttrib(0xDEADBEEF), "0xdeadbeef\0"s);
  if (!testing::HasUserXattrs(dir_.Path())) GTEST_SKIP() << "no user extended attributes here";
  // clang-format off
  const struct {
    const char* Name;
    std::uint32_t Set, Got;
    std::string Value;
    mode_t Mode;
  } stored[] = {
      {".profile", kAttrHidden | kAttrSystem, kAttrHidden | kAttrSystem, "0x6\0"s, 0666},
      {".profile", kAttrReadOnly | kAttrHidden, kAttrReadOnly | kAttrHidden, "0x2\0"s, 0444},
      {".profile", kAttrArchive, kAttrArchive, "0x20\0"s, 0644},
      {".profile", 0, kAttrNormal, "0x0\0"s, 0644},
      {".git", kAttrHidden, kAttrDirectory | kAttrHidden, "0x2\0"s, 0755},
  };
  // clang-format on
  ASSERT_EQ(::chmod((dir_ / ".profile").c_str(), 0666), 0);
  ASSERT_EQ(::chmod((dir_ / ".git").c_str(), 0755), 0);
  for (const auto& [name, set, got, value, mode] : stored) {
    const std::string path = dir_ / name;
    ASSERT_TRUE(fs_.SetAttributes(path, set));
    EXPECT_EQ(fs_.GetAttributes(path), got) << set;
    char text[64];
    const ssize_t n = ::getxattr(path.c_str(), "user.DOSATTRIB", text, sizeof text);
    EXPECT_EQ(std::string(text, std::max<ssize_t>(n, 0)), value) << set;
    EXPECT_EQ(StatOf(path).st_mode & 0777, mode) << set;
  }
  EXPECT_EQ(fs_.OpenExclusive(dir_ / ".profile", Access::Read)->Query()->Attr, kAttrNormal);
}

// A listing gives every entry with its attributes, "." and ".." too, and a link to a
// directory not as one; it stops when asked and fails on a missing directory, and the root
// is the empty path. Every entry but a directory exists, a dangling link too; one file is
// the same under another name or spelling, a missing name only as itself. The volumes start
// with the root, leave out the system's own and hold the home directory.
TEST_F(PosixFileSystemTest, EnumerateExistsSameFileSameContentAndVolumes) {
  const std::string a = dir_.Write("a.txt", "x");
  dir_.Write(".b", "x");
  dir_.MakeDir("sub");
  ASSERT_EQ(::symlink("/nonexistent/target", (dir_ / "dangling").c_str()), 0);
  ASSERT_EQ(::symlink((dir_ / "sub").c_str(), (dir_ / "dirlink").c_str()), 0);
  ASSERT_EQ(::link(a.c_str(), (dir_ / "hard.txt").c_str()), 0);
  using Entry = std::tuple<bool, bool, std::uint32_t>;  // exists, a directory, attributes
  // clang-format off
  const std::map<std::string, Entry> entries = {
      {"a.txt", {true, false, kAttrArchive}}, {"hard.txt", {true, false, kAttrArchive}},
      {".b", {true, false, kAttrArchive | kAttrHidden}}, {"dangling", {true, false, kAttrArchive}},
      {"sub", {false, true, kAttrDirectory}}, {"dirlink", {false, false, kAttrDirectory}},
      {".", {false, true, kAttrDirectory}}, {"..", {false, true, kAttrDirectory}}};
  // clang-format on
  std::map<std::string, Entry> got;
  EXPECT_TRUE(fs_.Enumerate(dir_.Path(), [&](const DirEntry& e) {
    // ".." lies outside: only its directory bit is known.
    got[e.Name] = {fs_.Exists(dir_ / e.Name), e.IsDirectory,
                   e.Name == ".." ? e.Attr & kAttrDirectory : e.Attr};
    return true;
  }));
  EXPECT_EQ(got, entries);
  std::map<std::string, bool> names;  // names alone: attributes may be left out
  EXPECT_TRUE(fs_.EnumerateNames(
      dir_.Path(), [&](const DirEntry& e) { return names.emplace(e.Name, e.IsDirectory).second; }));
  EXPECT_EQ(names.size(), entries.size());
  EXPECT_TRUE(names.at("..") && !names.at("dirlink"));
  int seen = 0;
  EXPECT_TRUE(fs_.Enumerate(dir_.Path(), [&](const DirEntry&) { return ++seen < 2; }));
  EXPECT_EQ(seen, 2);
  EXPECT_FALSE(fs_.Enumerate(dir_ / "missing", [](const DirEntry&) { return true; }));
  std::set<std::string> root;
  EXPECT_TRUE(
      fs_.EnumerateNames("", [&](const DirEntry& e) { return root.insert(e.Name).second; }));
  EXPECT_TRUE(root.count("tmp"));
  EXPECT_FALSE(fs_.Exists(dir_ / "missing"));
  EXPECT_TRUE(fs_.SameFile(a, dir_ / "hard.txt") && fs_.SameFile(a, dir_.Path() + "/./a.txt"));
  EXPECT_FALSE(fs_.SameFile(a, dir_ / ".b") || fs_.SameFile(a, dir_ / "missing"));
  EXPECT_TRUE(fs_.SameFile(dir_ / "missing", dir_ / "missing"));
  // The very bytes, read to the end: a duplicate is removed for good on this word.
  std::string big(200'000, 'q');
  const std::string same = dir_.Write("same", big);
  big.back() = 'r';
  const std::string last = dir_.Write("last", big);
  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0600), 0);
  EXPECT_TRUE(fs_.SameContent(same, dir_.Write("same2", std::string(200'000, 'q'))));
  EXPECT_TRUE(fs_.SameContent(a, dir_ / "hard.txt"));
  for (const auto& [one, other] : {std::pair(same, last),
                                   {a, dir_.Write("y", "y")},
                                   {a, dir_.Write("xx", "xx")},
                                   {a, dir_ / "missing"},
                                   {dir_ / "fifo", dir_ / "fifo"},
                                   {dir_ / "sub", dir_ / "sub"}})
    EXPECT_FALSE(fs_.SameContent(one, other)) << one << " " << other;
  const auto volumes = fs_.Volumes();
  EXPECT_EQ(volumes.at(0), "/");
  for (const char* system : {"/proc", "/sys", "/dev/pts", "/dev/shm", "/sys/fs/cgroup", "/run"})
    EXPECT_EQ(std::count(volumes.begin(), volumes.end(), system), 0) << system;
  std::string home = HomeDirectory();
  home.pop_back();
  if (!home.empty()) {
    EXPECT_EQ(std::count(volumes.begin(), volumes.end(), home), 1);
  }
  EXPECT_EQ(std::set<std::string>(volumes.begin(), volumes.end()).size(), volumes.size());
}

// What the in-memory file system stages whose absence the engine's tests would not notice:
// a run ends the same whether a busy file blocked a change or a store folded a name, so
// only these tests show that the fake did what those tests ask of it.
using Paths = std::vector<std::string>;

// A busy file cannot be opened, and refuses moves, copies and the trash where
// BusyBlocksChanges says so (the Windows style's default; Linux renames a held file). A
// store that ignores case under the Linux rules takes a change of case alone.
TEST(FakeFileSystem, StagesBusyFilesAndFoldingStores) {
  FakeFileSystem fs;
  fs.AddFile("/d/a", "A");
  fs.AddFile("/d/b", "B");
  fs.SetBusy("/d/a", true);
  EXPECT_FALSE(fs.OpenExclusive("/d/a", Access::Read));
  EXPECT_TRUE(fs.MoveNoReplace("/d/a", "/d/c"));
  fs.BusyBlocksChanges = true;
  EXPECT_FALSE(fs.MoveNoReplace("/d/c", "/d/a") || fs.CopyNoReplace("/d/c", "/d/a"));
  EXPECT_FALSE(fs.DeleteToTrash("/d/c"));
  FakeFileSystem windows(FakeFileSystem::Style::Windows);
  windows.AddFile("c:\\Data\\a", "x");
  EXPECT_TRUE(windows.Exists("c:\\data\\A."));  // case folded, the trailing dot dropped
  windows.SetBusy("c:\\data\\a", true);
  EXPECT_FALSE(windows.MoveNoReplace("c:\\data\\a", "c:\\data\\b"));
  FakeFileSystem vfat(FakeFileSystem::Style::Posix, true);
  vfat.AddFile("/d/a.txt", "1");
  EXPECT_TRUE(vfat.SameFile("/d/a.txt", "/d/A.TXT"));
  EXPECT_TRUE(vfat.MoveNoReplace("/d/a.txt", "/d/A.TXT"));
  EXPECT_EQ(vfat.FilePaths(), Paths{"/d/A.TXT"});
  EXPECT_FALSE(vfat.Rules().FoldsCase());
}

}  // namespace
}  // namespace varnoke
