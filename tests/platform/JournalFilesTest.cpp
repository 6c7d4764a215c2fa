#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/posix/PosixJournalFiles.h"
#include "support/TempDir.h"
#include "support/TmpfsMount.h"

namespace varnoke {
namespace {

// Records stored through the mapping and blocks written directly, mixed, across the
// chunks the file grows by and across a second hold: read back byte for byte, with no
// zero bytes of reserved space in the journal's size.
TEST(JournalFiles, SmallRecordsAndLargeBlocksReadBackInOrder) {
  testing::TempDir dir;
  PosixJournalDirectory journals(dir.Path());
  IoError error{};
  std::string expected;
  auto append = [&](AppendFile& file, std::size_t size, char fill) {
    const std::string bytes(size, fill);
    ASSERT_TRUE(file.Append(bytes));
    expected += bytes;
  };
  {
    std::unique_ptr<AppendFile> file = journals.Create("run.vnj", error);
    ASSERT_TRUE(file);
    append(*file, 100, 'a');
    append(*file, 3 << 20, 'b');  // a block, then records that cross into the next chunk
    for (int i = 0; i < 20000; ++i) append(*file, 61, static_cast<char>('c' + i % 20));
    append(*file, 1 << 20, 'x');
    append(*file, 7, 'y');
    ASSERT_TRUE(file->Flush());
  }
  ASSERT_EQ(journals.SizeOf("run.vnj"), expected.size());
  {
    std::unique_ptr<AppendFile> file = journals.Hold("run.vnj");
    ASSERT_TRUE(file);
    append(*file, 5 << 20, 'z');
    append(*file, 3, 'w');
  }
  const FileBytes read = journals.Read("run.vnj");
  ASSERT_FALSE(read.Error);
  EXPECT_EQ(read.Bytes.size(), expected.size());
  EXPECT_TRUE(read.Bytes == expected);
}

constexpr char kRecords[] = "varnoke-journal\t1\nrun\trun\t1\t1\t0\tt\t\t\n";

// How one case stages the program's own journal `journal` in its directory `dir` (made
// by the program, 0700 and 0600), and what is said about it: the refusal names the
// directory or the journal (Names "dir" or "journal") with its cause, or nothing.
struct TrustCase {
  const char* Name;
  void (*Stage)(const std::string& dir, const std::string& journal);
  std::string Names;
  std::string Cause;
  bool AsRoot = false;  // staged with chown: root only
};

void PrintTo(const TrustCase& c, std::ostream* out) {
  *out << c.Name;
}

void Expect0(int result, const char* what) {
  if (result != 0) throw std::runtime_error(std::string(what) + " failed");
}

const TrustCase kTrustCases[] = {
    {"OwnJournalInOwnDirectory", [](const std::string&, const std::string&) {}, "", ""},
    {"DirectoryWritableByAll",
     [](const std::string& dir, const std::string&) {
       Expect0(::chmod(dir.c_str(), 0777), "chmod");
     },
     "dir", "can be written by others (mode 0777)"},
    {"DirectoryWritableByGroup",
     [](const std::string& dir, const std::string&) {
       Expect0(::chmod(dir.c_str(), 0770), "chmod");
     },
     "dir", "can be written by others (mode 0770)"},
    {"JournalWritableByAll",
     [](const std::string&, const std::string& journal) {
       Expect0(::chmod(journal.c_str(), 0666), "chmod");
     },
     "journal", "can be written by others (mode 0666)"},
    {"JournalIsALinkToAnotherFile",
     [](const std::string& dir, const std::string& journal) {
       Expect0(::rename(journal.c_str(), (dir + "/../elsewhere").c_str()), "rename");
       Expect0(::symlink("../elsewhere", journal.c_str()), "symlink");
     },
     "journal", "is a symbolic link"},
    {"DirectoryIsALink",
     [](const std::string& dir, const std::string&) {
       Expect0(::rename(dir.c_str(), (dir + "-elsewhere").c_str()), "rename");
       Expect0(::symlink((dir + "-elsewhere").c_str(), dir.c_str()), "symlink");
     },
     "dir", "is a symbolic link"},
    {"JournalIsAPipe",
     [](const std::string&, const std::string& journal) {
       Expect0(::unlink(journal.c_str()), "unlink");
       Expect0(::mkfifo(journal.c_str(), 0600), "mkfifo");
     },
     "journal", "is not a regular file"},
    {"JournalOfAnotherUser",
     [](const std::string&, const std::string& journal) {
       Expect0(::chown(journal.c_str(), 12345, 12345), "chown");
     },
     "journal", "is owned by user 12345, not by you", true},
    {"DirectoryOfAnotherUser",
     [](const std::string& dir, const std::string&) {
       Expect0(::chown(dir.c_str(), 12345, 12345), "chown");
     },
     "dir", "is owned by user 12345, not by you", true},
};

class JournalTrust : public ::testing::TestWithParam<TrustCase> {};

// A journal is used only when it and its directory are the user's own, writable by
// nobody else and no symbolic link; otherwise it is named with the cause, and nothing
// of it is read, held, removed or renamed.
TEST_P(JournalTrust, OnlyTheUsersOwnJournalIsUsed) {
  const TrustCase& c = GetParam();
  if (c.AsRoot && ::geteuid() != 0) GTEST_SKIP() << "staging another user's file needs root";
  testing::TempDir t;
  const std::string dir = t / "journal", journal = dir + "/run-1.vnj";
  PosixJournalDirectory journals(dir);
  {
    IoError error{};
    std::unique_ptr<AppendFile> file = journals.Create("run-1.vnj", error);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Append(kRecords));
  }
  c.Stage(dir, journal);

  const std::string refusal = journals.Refusal("run-1.vnj");
  if (c.Cause.empty()) {
    EXPECT_EQ(refusal, "");
    EXPECT_EQ(journals.Refusal(""), "");
    EXPECT_EQ(journals.Names(), std::vector<std::string>{"run-1.vnj"});
    EXPECT_EQ(journals.Read("run-1.vnj").Bytes, kRecords);
    EXPECT_EQ(journals.ReadPart("run-1.vnj", 0, 15).Bytes, "varnoke-journal");
    EXPECT_EQ(journals.SizeOf("run-1.vnj"), sizeof kRecords - 1);
    EXPECT_TRUE(journals.Hold("run-1.vnj"));
    EXPECT_TRUE(journals.Rename("run-1.vnj", "run-2.vnj"));
    EXPECT_TRUE(journals.Remove("run-2.vnj"));
    return;
  }
  const std::string named =
      c.Names == "dir" ? "The run journal directory " + dir : "The run journal " + journal;
  EXPECT_EQ(refusal, named + " " + c.Cause);
  EXPECT_EQ(journals.Refusal(""), c.Names == "dir" ? refusal : "");
  EXPECT_EQ(journals.Names().empty(), c.Names == "dir");
  EXPECT_TRUE(journals.Read("run-1.vnj").Error);
  EXPECT_TRUE(journals.ReadPart("run-1.vnj", 0, 15).Error);
  EXPECT_FALSE(journals.SizeOf("run-1.vnj"));
  EXPECT_FALSE(journals.Hold("run-1.vnj"));
  EXPECT_FALSE(journals.Rename("run-1.vnj", "run-2.vnj"));
  EXPECT_FALSE(journals.Remove("run-1.vnj"));
  struct stat st {};
  EXPECT_EQ(::lstat(journal.c_str(), &st), 0) << "removed or renamed";
  if (c.Names == "dir") {
    IoError error{};
    EXPECT_FALSE(journals.Create("run-3.vnj", error));
    EXPECT_FALSE(testing::FileExists(dir + "/run-3.vnj"));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, JournalTrust, ::testing::ValuesIn(kTrustCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Whatever the umask, a new directory is the user's alone and so is a new journal.
TEST(JournalFiles, NewDirectoryAndJournalAreTheUsersAlone) {
  testing::TempDir t;
  PosixJournalDirectory journals(t / "state/journal");
  const mode_t mask = ::umask(0);
  IoError error{};
  const bool made = static_cast<bool>(journals.Create("run-1.vnj", error));
  ::umask(mask);
  ASSERT_TRUE(made);
  struct stat dir {
  }, journal{};
  ASSERT_EQ(::stat((t / "state/journal").c_str(), &dir), 0);
  ASSERT_EQ(::stat((t / "state/journal/run-1.vnj").c_str(), &journal), 0);
  EXPECT_EQ(dir.st_mode & 07777, 0700u);
  EXPECT_EQ(journal.st_mode & 07777, 0600u);
  EXPECT_EQ(journals.Refusal("run-1.vnj"), "");
}

// One record as a run writes them: a change and its outcome.
std::string Record(int n) {
  const std::string k = std::to_string(1000 + n);
  return "b\t" + k + "\tmove\t" + k + "\t/home/user/photos/IMG_" + k +
         ".jpg\t/home/user/photos/Pic" + k + ".jpg\na\t" + k + "\t0\t\n";
}

// The reservations start small, so a nearly full disk still takes a journal; it takes the
// space left even where a whole step no longer fits; then an append fails, and every
// record appended before it reads back.
TEST(JournalFiles, OnAFullDiskAppendFailsAndWhatWasAppendedStays) {
  testing::TmpfsMount disk("1m");
  if (!disk.Ready()) GTEST_SKIP() << disk.Why();
  constexpr std::size_t kLeft = 320 << 10;  // less than the first three steps
  testing::WriteFile(disk / "filler", std::string((1 << 20) - kLeft, 'f'));
  PosixJournalDirectory journals(disk / "journal");
  std::string expected;
  {
    IoError error{};
    std::unique_ptr<AppendFile> file = journals.Create("run.vnj", error);
    ASSERT_TRUE(file);
    bool failed = false;
    for (int n = 0; n < 20000 && !failed; ++n) {
      failed = !file->Append(Record(n));
      if (!failed) expected += Record(n);
    }
    EXPECT_TRUE(failed);
  }
  EXPECT_GT(expected.size(), kLeft - (32 << 10));
  EXPECT_EQ(journals.SizeOf("run.vnj"), expected.size());
  EXPECT_TRUE(journals.Read("run.vnj").Bytes == expected);
}

}  // namespace
}  // namespace varnoke
