#include "engine/Conflicts.h"

#include <sys/stat.h>

#include "PlanningFixture.h"
#include "engine/Messages.h"
#include "platform/LockHolder.h"
#include "platform/posix/PosixClock.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;

std::vector<bool> Conflicts(const TVrnPrevFiles& preview) {
  std::vector<bool> out;
  for (int i = 0; i < preview.Count(); ++i) out.push_back(preview.Items(i).Conflict);
  return out;
}

// The Windows rules on the fake disk: names meet without regard to case.
TEST(WindowsConflicts, SuffixesAndMarks) {
  // clang-format off
  const PlanCase cases[] = {
      // What, on disk, flags, name, ext, start, step, digits, case, date string,
      // listed, expected names, conflict marks.
      {"a case-only change is no conflict", {}, 0, "", "", 1, 1, 1, kCaseUpper, "",
       {{"a", "txt"}}, {"A.TXT"}, {false}},
      {"three files to one free name", {}, ChangeName, "x", "", 1, 1, 1, 0, "",
       {{"a", "txt"}, {"b", "txt"}, {"c", "txt"}}, {"x.txt", "x#1.txt", "x#2.txt"},
       {false, true, true}},
      {"the suffix skips names taken on disk", {"c:\\data\\X.TXT", "c:\\data\\x#1.txt"},
       ChangeName, "x", "", 1, 1, 1, 0, "", {{"a", "txt"}, {"b", "txt"}},
       {"x#2.txt", "x#3.txt"}, {true, true}},
      {"delete on conflict keeps the names", {}, ChangeName | DeleteOnConflict, "x", "", 1, 1, 1,
       0, "", {{"a", "txt"}, {"b", "txt"}, {"c", "txt"}}, {"x.txt", "x.txt", "x.txt"},
       {false, true, true}},
      {"an empty extension takes the suffix at the end", {"c:\\data\\x"}, ChangeName, "x", "",
       1, 1, 1, 0, "", {{"a", ""}}, {"x#1."}, {true}},
      {"swapped names both conflict", {}, ChangeName | Advanced, "<2><1>", "", 1, 1, 1, 0, "",
       {{"ab", "txt"}, {"ba", "txt"}}, {"ba#1.txt", "ab#1.txt"}, {true, true}},
      {"earlier entries count without regard to case", {}, ChangeName | Advanced, "<1>", "", 1,
       1, 1, 0, "", {{"Qa", "txt"}, {"qb", "TXT"}}, {"Q.txt", "q#1.TXT"}},
  };
  // clang-format on
  for (const auto& c : cases) ExpectPlanned(c);
}

TEST(PosixConflicts, CaseInsensitiveMountSeesTheSameFile) {
  FakeFileSystem fs(FakeFileSystem::Style::Posix, true);
  FixedClock clock(0, 0);
  ScriptedSession session;
  const FormatSettings settings = EnglishFormatSettings();
  fs.AddFile("/d/a.txt");
  TVrnFiles files;
  files.AddEntry(false, "/d", "a", "txt", 0, 0x20, 0, 0, 0);
  TFiles options;
  options.CaseMode = kCaseUpper;
  TVrnPrevFiles preview(fs.Rules().FoldsCase());
  PreparePreview(files, options, preview, PlanningContext{fs, clock, session, settings});
  EXPECT_EQ(preview.Items(0).Name, "A");
  EXPECT_FALSE(preview.Items(0).Conflict);
}

// The same rules on real files in a fresh directory.
class RealConflicts : public ::testing::Test {
 public:
  void TestBody() override {}
  void List(const std::string& name) {
    dir.Write(name);
    const SplitPath p = fs.Rules().Split(dir / name);
    files.AddEntry(false, p.Path, p.Name, p.Ext, 0, 0x20, 0, 0, 0);
  }
  void Plan() {
    preview.Clear();
    PreparePreview(files, options, preview, PlanningContext{fs, clock, session, settings});
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> out;
    for (int i = 0; i < preview.Count(); ++i)
      out.push_back(fs.Rules().Join("", preview.Items(i).Name, preview.Items(i).Ext).substr(1));
    return out;
  }

  testing::TempDir dir;
  PosixFileSystem fs;
  PosixClock clock;
  ScriptedSession session;
  FormatSettings settings = EnglishFormatSettings();
  TVrnFiles files;
  TFiles options;
  TVrnPrevFiles preview{false};
};

// Suffixes skip names taken on disk and by earlier entries; a case-only change conflicts only
// with a file of that spelling; a directory of the name is no conflict.
TEST(RealConflictsTable, SuffixesAgainstDiskAndEarlierEntries) {
  // clang-format off
  const struct {
    Strings Files, Dirs;
    std::uint32_t Flags;
    std::uint8_t CaseMode;
    Strings Listed, Expected;
    std::vector<bool> Conflicts;
  } cases[] = {
      {{"x.txt", "x#1.txt"}, {}, ChangeName, 0, {"a.txt", "b.txt", "c.txt"},
       {"x#2.txt", "x#3.txt", "x#4.txt"}, {true, true, true}},
      {{"x.txt", "x#1.txt"}, {}, ChangeName | DeleteOnConflict, 0, {"a.txt", "b.txt", "c.txt"},
       {"x.txt", "x.txt", "x.txt"}, {true, true, true}},
      {{}, {}, 0, kCaseUpper, {"a.txt"}, {"A.TXT"}, {false}},
      {{"A.TXT"}, {}, 0, kCaseUpper, {"a.txt"}, {"A#1.TXT"}, {true}},
      {{}, {"x.txt"}, ChangeName, 0, {"a.txt"}, {"x.txt"}, {false}},
      {{"x"}, {}, ChangeName, 0, {"a"}, {"x#1"}, {true}}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Expected[0]);
    RealConflicts run;
    for (const auto& f : c.Files) run.dir.Write(f);
    for (const auto& d : c.Dirs) run.dir.MakeDir(d);
    run.options.Flags = c.Flags;
    run.options.Name = "x";
    run.options.CaseMode = c.CaseMode;
    for (const auto& n : c.Listed) run.List(n);
    run.Plan();
    EXPECT_EQ(run.Names(), c.Expected);
    EXPECT_EQ(Conflicts(run.preview), c.Conflicts);
  }
}

TEST_F(RealConflicts, FileHeldByAnotherProcessStaysBusy) {
  const std::string held = dir.Write("held.txt");
  const std::string other = dir.Write("other.txt");
  files.AddEntry(true, dir.Path(), "held", "txt", 0, 0, 0, 0, 0);
  files.AddEntry(false, dir.Path(), "other", "txt", 0, 0x20, 0, 0, 0);
  {
    testing::LockHolder lock(held);
    Plan();
  }
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text, StillBusyMessage(held));
  EXPECT_TRUE(preview.Items(0).Busy);
  EXPECT_FALSE(preview.Items(1).Busy);
  // Freed, it is planned as a normal file without a message.
  session.Questions.clear();
  Plan();
  EXPECT_TRUE(session.Questions.empty());
  EXPECT_FALSE(preview.Items(0).Busy);
}

TEST_F(RealConflicts, PlanningChangesNothingOnDisk) {
  options.Flags = ChangeName | Enumerate;
  options.DateFlags = kDateModified;
  options.ModifiedDate = Calendar(2000, 1, 1);
  options.AttrMask = 0x01;
  options.AttrValues = 0x01;
  List("a.txt");
  struct stat before {};
  ASSERT_EQ(::stat((dir / "a.txt").c_str(), &before), 0);
  Plan();
  struct stat after {};
  ASSERT_EQ(::stat((dir / "a.txt").c_str(), &after), 0);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  EXPECT_FALSE(fs.Exists(dir / "1.txt"));
  EXPECT_EQ(Names(), (Strings{"1.txt"}));
}

}  // namespace
}  // namespace varnoke
