// Names that conflict with files on disk or with earlier entries get the suffix "#n": under
// the Windows rules on the fake disk (names meet without regard to case), on a mount that
// folds case under the Linux rules, and on real files in a fresh directory. Planning
// renames no file and changes no attribute.
#include "engine/Conflicts.h"

#include <gtest/gtest.h>

#include "engine/PreparePreview.h"
#include "model/Attributes.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/ScriptedSession.h"
#include "support/TempDir.h"

#include <unistd.h>

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;
enum World { kWindows, kFoldingMount, kReal };

// Expected names end in "!" where planning marks a conflict.
TEST(Conflicts, SuffixesAndMarks) {
  // clang-format off
  const struct { World In; Strings OnDisk; std::uint32_t Flags; const char* Name; std::uint8_t CaseMode; Strings Listed, Expected; } cases[] = {
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
  FixedClock clock(0, 0);
  ScriptedSession session;
  const FormatSettings settings = EnglishFormatSettings();
  for (const auto& c : cases) {
    testing::TempDir dir;
    FakeFileSystem fake(
        c.In == kWindows ? FakeFileSystem::Style::Windows : FakeFileSystem::Style::Posix,
        c.In == kFoldingMount);
    PosixFileSystem real;
    FileSystem& fs = c.In == kReal ? static_cast<FileSystem&>(real) : fake;
    const std::string root = c.In == kWindows ? "c:\\data\\" : dir.Path() + "/";
    const auto make = [&](const std::string& name) {
      if (c.In != kReal) return fake.AddFile(root + name);
      if (name.ends_with('/')) return (void)dir.MakeDir(name);
      dir.Write(name);
    };
    for (const std::string& name : c.OnDisk) make(name);
    TVrnFiles files;
    for (const std::string& name : c.Listed) {
      make(name);
      const SplitPath p = fs.Rules().Split(root + name);
      files.AddEntry(false, p.Path, p.Name, p.Ext, 0, 0x20, 0, 0, 0);
    }
    TFiles options;
    std::tie(options.Flags, options.Name, options.CaseMode) = std::tie(c.Flags, c.Name, c.CaseMode);
    options.AttrMask = options.AttrValues = kAttrReadOnly;  // planned, not made
    TVrnPrevFiles preview(fs.Rules().FoldsCase());
    IdleStores idle;
    PreparePreview(files, options, preview,
                   Services{fs, idle.Store, idle.Settings, clock, settings, session});
    Strings names;
    for (int i = 0; i < preview.Count(); ++i) {
      const TVrnPrevFile& e = preview.Items(i);
      names.push_back(fs.Rules().Join("", e.Name, e.Ext).substr(1) + (e.Conflict ? "!" : ""));
    }
    EXPECT_EQ(names, c.Expected);
    for (const std::string& name : c.Listed) EXPECT_EQ(fs.GetAttributes(root + name), kAttrArchive);
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
  const struct {
    FileSystem* Fs;
    std::string Root;
  } cases[] = {
      {&real, dir.Path()}, {&exact, "/d"}, {&folding, "/d"}, {&windows, "c:\\d"}, {&exact, "/x"}};
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
