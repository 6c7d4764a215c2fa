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

TEST(FileListFile, LinesSplitAtEveryKindOfBreak) {
  const struct {
    std::string Text;
    std::vector<std::string> Lines;
  } cases[] = {{"", {}},
               {"/a\r\n/b\r\n", {"/a", "/b"}},
               {"/a\n/b\n", {"/a", "/b"}},
               {"/a\r/b\r", {"/a", "/b"}},
               {"/a\r\n/b", {"/a", "/b"}},
               {"/a\n\r/b\r\r\n/c", {"/a", "", "/b", "", "/c"}},
               {" /a b \r\n\t\r\n", {" /a b ", "\t"}},
               {"\r\n", {""}}};
  for (const auto& c : cases) {
    std::vector<std::string> got;
    for (std::string_view line : SplitListLines(c.Text)) got.emplace_back(line);
    EXPECT_EQ(got, c.Lines) << ::testing::PrintToString(c.Text);
  }
}

// One full path per entry, each ended by CR LF, read back in order; an empty list empties the
// file; Windows entries are written with their dot.
TEST(FileListFile, EntriesRoundTripInOrder) {
  TempDir dir;
  PosixFileStore files;
  PosixPathRules rules;
  ScriptedSession session;
  TVrnFiles list;
  list.AddEntry(false, dir.Path(), "b", "txt", 1, 0x20, 1, 2, 3);
  list.AddEntry(false, dir.Path() + "/sub", "Makefile", "", 2, 0x20, 1, 2, 3);
  list.AddEntry(true, dir.Path(), "a.tar", "gz", 0, 0, 0, 0, 0);
  WriteFile(dir / "list.vls", "/previous\r\n/longer than the new text\r\n");
  ASSERT_FALSE(SaveFileList(files, session, rules, list, dir / "list.vls"));
  EXPECT_EQ(ReadFile(dir / "list.vls"),
            dir / "b.txt\r\n" + dir.Path() + "/sub/Makefile\r\n" + dir.Path() + "/a.tar.gz\r\n");
  std::vector<std::string> back;
  ASSERT_FALSE(
      ReadFileList(files, session, dir / "list.vls", kAddPumpInterval, [&](std::string_view line) {
        const SplitPath s = rules.Split(line);
        back.push_back(s.Path + "|" + s.Name + "|" + s.Ext);
      }));
  EXPECT_EQ(back, (std::vector<std::string>{dir.Path() + "|b|txt", dir.Path() + "/sub|Makefile|",
                                            dir.Path() + "|a.tar|gz"}));
  ASSERT_FALSE(SaveFileList(files, session, rules, TVrnFiles(), dir / "list.vls"));
  EXPECT_TRUE(testing::FileExists(dir / "list.vls"));
  EXPECT_EQ(ReadFile(dir / "list.vls"), "");

  TVrnFiles windows;
  windows.AddEntry(false, "c:\\photos", "IMG_1", "JPG", 0, 0, 0, 0, 0);
  windows.AddEntry(false, "c:\\photos", "notes", "", 0, 0, 0, 0, 0);
  EXPECT_EQ(FormatFileList(windows, WindowsPathRules(), session),
            "c:\\photos\\IMG_1.JPG\r\nc:\\photos\\notes.\r\n");
}

// Adding lets events run after every 20th line, importing after every 10th, saving after
// every 20th entry.
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
  ScriptedSession session;
  TVrnFiles list;
  for (int i = 0; i < 41; ++i) list.AddEntry(false, "/d", "f", "", 0, 0, 0, 0, 0);
  FormatFileList(list, PosixPathRules(), session);
  EXPECT_EQ(session.Pumps, 2);
}

// A file that cannot be read adds nothing and says so; one that cannot be written keeps the
// old file whole.
TEST(FileListFile, FailuresAreNamedAndChangeNothing) {
  TempDir dir;
  PosixFileStore files;
  ScriptedSession session;
  WriteFile(dir / "two.vls", "/a\n/b");
  std::vector<std::string> lines{"stale"};
  ASSERT_FALSE(LoadListLines(files, dir / "two.vls", lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"/a", "/b"}));
  EXPECT_EQ(LoadListLines(files, dir / "none.vls", lines), "Cannot open file " + dir / "none.vls");
  EXPECT_TRUE(lines.empty());
  int added = 0;
  EXPECT_EQ(ReadFileList(files, session, dir / "none.vls", kAddPumpInterval,
                         [&](std::string_view) { ++added; }),
            "Cannot open file " + dir / "none.vls");
  EXPECT_EQ(added, 0);

  TVrnFiles list;
  list.AddEntry(false, "/d", "new", "txt", 0, 0, 0, 0, 0);
  WriteFile(dir / "ro.vls", "/d/old.txt\r\n");
  ASSERT_EQ(::chmod((dir / "ro.vls").c_str(), 0444), 0);
  for (const std::string& path : {dir / "ro.vls", dir / "missing/x.vls"}) {
    EXPECT_EQ(SaveFileList(files, session, PosixPathRules(), list, path),
              "Cannot create file " + path);
  }
  EXPECT_EQ(ReadFile(dir / "ro.vls"), "/d/old.txt\r\n");
}

}  // namespace
}  // namespace varnoke
