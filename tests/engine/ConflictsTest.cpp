// Names that conflict with files on disk or with earlier entries get the suffix "#n": under
// the Windows rules on the fake disk (names meet without regard to case), on a mount that
// folds case under the Linux rules, and on real files in a fresh directory. Planning
// renames no file and changes no attribute.
#include "engine/Conflicts.h"

#include <gtest/gtest.h>

#include "RenameWorld.h"
#include "engine/PreparePreview.h"
#include "model/Attributes.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"

#include <unistd.h>

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;
enum Where { kWindows, kFoldingMount, kReal };

// Expected names end in "!" where planning marks a conflict.
TEST(Conflicts, SuffixesAndMarks) {
  // clang-format off
  const struct { Where In; Strings OnDisk; std::uint32_t Flags; const char* Name; std::uint8_t CaseMode; Strings Listed, Expected; } cases[] = {
      // World, on disk besides the listed files ("/" at the end: a directory), flags, name,
      // case, listed, expected.
      {kWindows, {}, 0, "", kCaseUpper, {"a.txt"}, {"A.TXT"}},  // a change of case only
      {kWindows, {"X.TXT", "x#1.txt"}, ChangeName, "x", 0, {"a.txt", "b.txt"}, {"x#2.txt!", "x#3.txt!"}},
      {kWindows, {}, ChangeName | DeleteOnConflict, "x", 0, {"a.txt", "b.txt"}, {"x.txt", "x.txt!"}},
      {kWindows, {"x"}, ChangeName, "x", 0, {"a"}, {"x#1.!"}},
      {kWindows, {}, ChangeName | Advanced, "<2><1>", 0, {"ab.txt", "ba.txt"}, {"ba#1.txt!", "ab#1.txt!"}},  // swapped
      {kWindows, {}, ChangeName | Advanced, "<1>", 0, {"Qa.txt", "qb.TXT"}, {"Q.txt", "q#1.TXT!"}},
      {kFoldingMount, {}, 0, "", kCaseUpper, {"a.txt"}, {"A.TXT"}},  // the same file
      {kReal, {}, 0, "", kCaseUpper, {"a.txt"}, {"A.TXT"}},
      {kReal, {"A.TXT"}, 0, "", kCaseUpper, {"a.txt"}, {"A#1.TXT!"}},
      {kReal, {"x.txt/"}, ChangeName, "x", 0, {"a.txt"}, {"x.txt"}}};
  // clang-format on
  for (const auto& c : cases) {
    using Style = FakeFileSystem::Style;
    testing::World world = c.In == kReal
                               ? testing::World()
                               : testing::World(c.In == kWindows ? Style::Windows : Style::Posix,
                                                c.In == kFoldingMount);
    testing::RenameRun s(world);
    for (const std::string& name : c.OnDisk) world.Write(name);
    for (const std::string& name : c.Listed) world.Write(name);
    std::tie(s.options.Flags, s.options.Name, s.options.CaseMode) =
        std::tie(c.Flags, c.Name, c.CaseMode);
    s.options.AttrMask = s.options.AttrValues = kAttrReadOnly;  // planned, not made
    s.ListAndPlan(c.Listed);
    Strings names;
    for (int i = 0; i < s.preview.Count(); ++i) {
      const TVrnPrevFile& e = s.preview.Items(i);
      names.push_back(world.Fs().Rules().Join("", e.Name, e.Ext).substr(1) +
                      (e.Conflict ? "!" : ""));
    }
    EXPECT_EQ(names, c.Expected);
    for (const std::string& name : c.Listed)
      EXPECT_EQ(world.Fs().GetAttributes(world.At(name)), kAttrArchive);
  }
}

// A directory read whole answers as the file system would name by name: directories and
// links to them are no files, a folding store is asked name by name, and so is a
// directory that cannot be read.
TEST(ExistingNames, OneReadAnswersAsEveryTestWould) {
  testing::TempDir dir;
  dir.Write("a.txt");
  dir.Write("Data.");
  dir.MakeDir("sub");
  ASSERT_EQ(::symlink((dir / "sub").c_str(), (dir / "to-sub").c_str()), 0);
  ASSERT_EQ(::symlink((dir / "a.txt").c_str(), (dir / "to-a").c_str()), 0);
  const Strings names = {"a.txt", "A.TXT", "Data.", "data", "sub", "to-sub", "to-a", "none"};
  PosixFileSystem real;
  FakeFileSystem exact, folding(FakeFileSystem::Style::Posix, true),
      windows(FakeFileSystem::Style::Windows);
  for (FakeFileSystem* fake : {&exact, &folding, &windows}) {
    const std::string root = fake == &windows ? "c:\\d" : "/d";
    const char sep = fake->Rules().Separator();
    for (const char* name : {"a.txt", "Data."}) fake->AddFile(root + sep + name);
    fake->AddDirectory(root + sep + "sub");
  }
  // clang-format off
  const struct { FileSystem* Fs; std::string Root; } cases[] = {
      {&real, dir.Path()}, {&exact, "/d"}, {&folding, "/d"}, {&windows, "c:\\d"}, {&exact, "/x"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Root);
    ExistingNames onDisk(*c.Fs, 0);
    for (const std::string& name : names) {
      const SplitPath p = c.Fs->Rules().Split(c.Root + c.Fs->Rules().Separator() + name);
      EXPECT_EQ(onDisk.Exists(c.Root, p.Name, p.Ext),
                c.Fs->Exists(c.Fs->Rules().Join(c.Root, p.Name, p.Ext)))
          << name;
    }
  }
  exact.ResetCalls();
  folding.ResetCalls();
  ExistingNames inExact(exact, 0), inFolding(folding, 0);
  for (const std::string& name : names) {
    inExact.Exists("/d", name, "");
    inFolding.Exists("/d", name, "");
  }
  EXPECT_EQ(exact.Calls(FakeOp::Enumerate), 1);
  EXPECT_EQ(exact.Calls(FakeOp::Exists), 0);
  EXPECT_EQ(folding.Calls(FakeOp::Exists), static_cast<int>(names.size()));
}

}  // namespace
}  // namespace varnoke
