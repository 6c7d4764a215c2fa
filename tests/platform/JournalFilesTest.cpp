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

// How a case changes the program's own journal (or its directory, made 0700 and the journal
// 0600 whatever the umask), and the cause said for it; a case with no cause changes nothing.
enum class Change { None, Chmod, Link, Pipe, Chown };
struct TrustCase {
  const char* Name;
  bool Directory;
  Change How;
  mode_t Mode;
  std::string Cause;
};

void PrintTo(const TrustCase& c, std::ostream* out) {
  *out << c.Name;
}

void Expect0(int result, const char* what) {
  if (result != 0) throw std::runtime_error(std::string(what) + " failed");
}

void Stage(const TrustCase& c, const std::string& target) {
  const std::string elsewhere = target + "-elsewhere";
  switch (c.How) {
    case Change::None:
      break;
    case Change::Chmod:
      return Expect0(::chmod(target.c_str(), c.Mode), "chmod");
    case Change::Chown:  // root only
      return Expect0(::chown(target.c_str(), 12345, 12345), "chown");
    case Change::Link:
      Expect0(::rename(target.c_str(), elsewhere.c_str()), "rename");
      return Expect0(::symlink(elsewhere.c_str(), target.c_str()), "symlink");
    case Change::Pipe:
      Expect0(::unlink(target.c_str()), "unlink");
      return Expect0(::mkfifo(target.c_str(), 0600), "mkfifo");
  }
}

// clang-format off
const TrustCase kTrustCases[] = {
    {"OwnJournalInOwnDirectory", false, Change::None, 0, ""},
    {"DirectoryWritableByAll", true, Change::Chmod, 0777, "can be written by others (mode 0777)"},
    {"DirectoryWritableByGroup", true, Change::Chmod, 0770, "can be written by others (mode 0770)"},
    {"JournalWritableByAll", false, Change::Chmod, 0666, "can be written by others (mode 0666)"},
    {"JournalIsALinkToAnotherFile", false, Change::Link, 0, "is a symbolic link"},
    {"DirectoryIsALink", true, Change::Link, 0, "is a symbolic link"},
    {"JournalIsAPipe", false, Change::Pipe, 0, "is not a regular file"},
    {"JournalOfAnotherUser", false, Change::Chown, 0, "is owned by user 12345, not by you"},
    {"DirectoryOfAnotherUser", true, Change::Chown, 0, "is owned by user 12345, not by you"},
};
// clang-format on

class JournalTrust : public ::testing::TestWithParam<TrustCase> {};

// A journal is used only when it and its directory are the user's own, writable by
// nobody else and no symbolic link; otherwise it is named with the cause, and nothing
// of it is read, held, removed or renamed.
TEST_P(JournalTrust, OnlyTheUsersOwnJournalIsUsed) {
  const TrustCase& c = GetParam();
  if (c.How == Change::Chown && ::geteuid() != 0) GTEST_SKIP() << "chown needs root";
  testing::TempDir t;
  const std::string dir = t / "state/journal", journal = dir + "/run-1.vnj";
  PosixJournalDirectory journals(dir);
  {
    IoError error{};
    const mode_t mask = ::umask(0);
    std::unique_ptr<AppendFile> file = journals.Create("run-1.vnj", error);
    ::umask(mask);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Append(kRecords));
  }
  struct stat st {};
  ASSERT_EQ(::stat(dir.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0700u);
  ASSERT_EQ(::stat(journal.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  Stage(c, c.Directory ? dir : journal);

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
      c.Directory ? "The run journal directory " + dir : "The run journal " + journal;
  EXPECT_EQ(refusal, named + " " + c.Cause);
  EXPECT_EQ(journals.Refusal(""), c.Directory ? refusal : "");
  EXPECT_EQ(journals.Names().empty(), c.Directory);
  EXPECT_TRUE(journals.Read("run-1.vnj").Error);
  EXPECT_TRUE(journals.ReadPart("run-1.vnj", 0, 15).Error);
  EXPECT_FALSE(journals.SizeOf("run-1.vnj"));
  EXPECT_FALSE(journals.Hold("run-1.vnj"));
  EXPECT_FALSE(journals.Rename("run-1.vnj", "run-2.vnj"));
  EXPECT_FALSE(journals.Remove("run-1.vnj"));
  EXPECT_EQ(::lstat(journal.c_str(), &st), 0) << "removed or renamed";
  if (c.Directory) {
    IoError error{};
    EXPECT_FALSE(journals.Create("run-3.vnj", error));
    EXPECT_FALSE(testing::FileExists(dir + "/run-3.vnj"));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, JournalTrust, ::testing::ValuesIn(kTrustCases),
                         [](const auto& info) { return std::string(info.param.Name); });

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
