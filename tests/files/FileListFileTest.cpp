#include "files/FileListFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/FileMessages.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/testing/ScriptedSession.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

struct Split {
  const char* What;
  std::string Text;
  std::vector<std::string> Lines;
};

class FileListLines : public ::testing::TestWithParam<Split> {};

TEST_P(FileListLines, SplitAtEveryKindOfBreak) {
  std::vector<std::string> got;
  for (std::string_view line : SplitListLines(GetParam().Text)) got.emplace_back(line);
  EXPECT_EQ(got, GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FileListLines,
    ::testing::Values(Split{"empty", "", {}}, Split{"crlf", "/a\r\n/b\r\n", {"/a", "/b"}},
                      Split{"lf_only", "/a\n/b\n", {"/a", "/b"}},
                      Split{"lone_cr", "/a\r/b\r", {"/a", "/b"}},
                      Split{"unterminated", "/a\r\n/b", {"/a", "/b"}},
                      Split{"mixed", "/a\n\r/b\r\r\n/c", {"/a", "", "/b", "", "/c"}},
                      Split{"blanks_kept", " /a b \r\n\t\r\n", {" /a b ", "\t"}},
                      Split{"only_a_break", "\r\n", {""}}),
    [](const auto& info) { return std::string(info.param.What); });

TEST(FileListFile, ThreeEntriesRoundTripInOrder) {
  TempDir dir;
  PosixFileStore files;
  PosixPathRules rules;
  ScriptedSession session;
  TVrnFiles list;
  list.AddEntry(false, dir.Path(), "b", "txt", 1, 0x20, 1, 2, 3);
  list.AddEntry(false, dir.Path() + "/sub", "Makefile", "", 2, 0x20, 1, 2, 3);
  list.AddEntry(true, dir.Path(), "a.tar", "gz", 0, 0, 0, 0, 0);
  ASSERT_FALSE(SaveFileList(files, session, rules, list, dir / "list.vls"));
  EXPECT_EQ(ReadFile(dir / "list.vls"),
            dir / "b.txt\r\n" + dir.Path() + "/sub/Makefile\r\n" + dir.Path() + "/a.tar.gz\r\n");

  TVrnFiles back;
  ASSERT_FALSE(
      ReadFileList(files, session, dir / "list.vls", kAddPumpInterval, [&](std::string_view line) {
        const SplitPath s = rules.Split(line);
        back.AddEntry(false, s.Path, s.Name, s.Ext, 0, 0, 0, 0, 0);
      }));
  ASSERT_EQ(back.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(back.Items(i).Path(), list.Items(i).Path());
    EXPECT_EQ(back.Items(i).Name(), list.Items(i).Name());
    EXPECT_EQ(back.Items(i).Ext(), list.Items(i).Ext());
  }
}

TEST(FileListFile, WindowsEntriesAreWrittenWithTheirDot) {
  WindowsPathRules rules;
  ScriptedSession session;
  TVrnFiles list;
  list.AddEntry(false, "c:\\photos", "IMG_1", "JPG", 0, 0, 0, 0, 0);
  list.AddEntry(false, "c:\\photos", "notes", "", 0, 0, 0, 0, 0);
  EXPECT_EQ(FormatFileList(list, rules, session),
            "c:\\photos\\IMG_1.JPG\r\nc:\\photos\\notes.\r\n");
}

TEST(FileListFile, EmptyListGivesAnEmptyFile) {
  TempDir dir;
  PosixFileStore files;
  PosixPathRules rules;
  ScriptedSession session;
  WriteFile(dir / "old.vls", "/previous\r\n");
  ASSERT_FALSE(SaveFileList(files, session, rules, TVrnFiles(), dir / "old.vls"));
  EXPECT_EQ(ReadFile(dir / "old.vls"), "");
  EXPECT_TRUE(testing::FileExists(dir / "old.vls"));
}

TEST(FileListFile, EventsRunAfterEveryTwentiethOrTenthLine) {
  TempDir dir;
  PosixFileStore files;
  std::string text;
  for (int i = 0; i < 45; ++i) text += "/f" + std::to_string(i) + "\r\n";
  WriteFile(dir / "many.vls", text);
  for (int interval : {kAddPumpInterval, kImportPumpInterval}) {
    ScriptedSession session;
    int added = 0;
    std::vector<int> addedAtPump;
    session.OnPump = [&] { addedAtPump.push_back(added); };
    ASSERT_FALSE(ReadFileList(files, session, dir / "many.vls", interval,
                              [&](std::string_view) { ++added; }));
    EXPECT_EQ(added, 45);
    std::vector<int> expected;
    for (int n = interval; n <= 45; n += interval) expected.push_back(n);
    EXPECT_EQ(addedAtPump, expected) << interval;
  }
}

TEST(FileListFile, SavingLetsEventsRunEveryTwentyEntries) {
  PosixPathRules rules;
  ScriptedSession session;
  TVrnFiles list;
  for (int i = 0; i < 41; ++i) list.AddEntry(false, "/d", "f", "", 0, 0, 0, 0, 0);
  FormatFileList(list, rules, session);
  EXPECT_EQ(session.Pumps, 2);
}

TEST(FileListFile, LinesAreLoadedBeforeAnythingIsAdded) {
  TempDir dir;
  PosixFileStore files;
  WriteFile(dir / "two.vls", "/a\n/b");  // LF only, the last line unterminated
  std::vector<std::string> lines{"stale"};
  ASSERT_FALSE(LoadListLines(files, dir / "two.vls", lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"/a", "/b"}));
  EXPECT_EQ(LoadListLines(files, dir / "none.vls", lines), "Cannot open file " + dir / "none.vls");
  EXPECT_TRUE(lines.empty());
  // An unreadable file adds nothing and says so.
  ScriptedSession session;
  int added = 0;
  EXPECT_EQ(ReadFileList(files, session, dir / "none.vls", kAddPumpInterval,
                         [&](std::string_view) { ++added; }),
            "Cannot open file " + dir / "none.vls");
  EXPECT_EQ(added, 0);
}

TEST(FileListFile, FailedSaveSaysSoAndKeepsTheOldFile) {
  TempDir dir;
  PosixFileStore files;
  PosixPathRules rules;
  ScriptedSession session;
  TVrnFiles list;
  list.AddEntry(false, "/d", "new", "txt", 0, 0, 0, 0, 0);
  WriteFile(dir / "ro.vls", "/d/old.txt\r\n");
  ASSERT_EQ(::chmod((dir / "ro.vls").c_str(), 0444), 0);
  EXPECT_EQ(SaveFileList(files, session, rules, list, dir / "ro.vls"),
            "Cannot create file " + dir / "ro.vls");
  EXPECT_EQ(ReadFile(dir / "ro.vls"), "/d/old.txt\r\n");
  EXPECT_EQ(SaveFileList(files, session, rules, list, dir / "missing/x.vls"),
            "Cannot create file " + dir / "missing/x.vls");
}

}  // namespace
}  // namespace varnoke
