// The in-memory file system's refusals and staged faults, on which the engine's fault tests
// rely: a fake that failed to stage them would let those tests pass without testing anything.
// The rest of its behaviour is exercised by every engine test that runs on it.
#include "platform/fake/FakeFileSystem.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

TEST(FakeFileSystem, NeverReplacesAndRefusesWhatWindowsRefusesABusyFile) {
  FakeFileSystem fs;
  fs.AddFile("/d/a", "A");
  fs.AddFile("/d/b", "B");
  EXPECT_FALSE(fs.MoveNoReplace("/d/a", "/d/b"));
  EXPECT_FALSE(fs.CopyNoReplace("/d/a", "/d/b"));
  EXPECT_FALSE(fs.MoveNoReplace("/d/a", "/nowhere/a"));
  EXPECT_EQ(fs.FilePaths(), (std::vector<std::string>{"/d/a", "/d/b"}));
  EXPECT_EQ(fs.File("/d/b")->Content, "B");
  fs.SetBusy("/d/a", true);
  EXPECT_FALSE(fs.OpenExclusive("/d/a", Access::Read));
  EXPECT_TRUE(fs.MoveNoReplace("/d/a", "/d/c"));  // Linux renames a held file

  FakeFileSystem windows(FakeFileSystem::Style::Windows);
  windows.AddFile("c:\\Data\\a", "x");
  EXPECT_TRUE(windows.Exists("c:\\data\\A."));  // case folded, the trailing dot dropped
  windows.SetBusy("c:\\data\\a", true);
  EXPECT_FALSE(windows.MoveNoReplace("c:\\data\\a", "c:\\data\\b"));
  EXPECT_FALSE(windows.CopyNoReplace("c:\\data\\a", "c:\\data\\b"));
  EXPECT_FALSE(windows.DeleteToTrash("c:\\data\\a"));

  FakeFileSystem vfat(FakeFileSystem::Style::Posix, true);  // POSIX rules on a folding store
  vfat.AddFile("/d/a.txt", "1");
  EXPECT_TRUE(vfat.SameFile("/d/a.txt", "/d/A.TXT"));
  EXPECT_TRUE(vfat.MoveNoReplace("/d/a.txt", "/d/A.TXT"));
  EXPECT_EQ(vfat.FilePaths(), std::vector<std::string>{"/d/A.TXT"});
  EXPECT_FALSE(vfat.Rules().FoldsCase());
}

TEST(FakeFileSystem, StagedFaultsStrikeWhereAndWhenStaged) {
  FakeFileSystem fs;
  for (const char* p : {"/1", "/2", "/3", "/4", "/big"}) fs.AddFile(p, "12345");
  fs.AddVolume("/mnt");
  fs.Fail(FakeOp::MoveNoReplace, "/1");
  fs.FailNth(FakeOp::MoveNoReplace, 3);
  fs.VanishBefore(FakeOp::MoveNoReplace, "/4", 4);
  EXPECT_FALSE(fs.MoveNoReplace("/1", "/1b"));
  EXPECT_TRUE(fs.MoveNoReplace("/2", "/2b"));
  EXPECT_FALSE(fs.MoveNoReplace("/3", "/3b"));
  EXPECT_FALSE(fs.MoveNoReplace("/4", "/4b"));
  EXPECT_FALSE(fs.HasFile("/4") || fs.HasFile("/4b"));
  fs.ClearFaults();
  EXPECT_TRUE(fs.MoveNoReplace("/1", "/1b"));
  // A copy or a move to another volume that does not fit leaves no target; a rename needs
  // no room.
  fs.FreeSpace = 4;
  EXPECT_FALSE(fs.CopyNoReplace("/big", "/copy"));
  EXPECT_FALSE(fs.MoveNoReplace("/big", "/mnt/big"));
  EXPECT_EQ(fs.FilePaths(), (std::vector<std::string>{"/1b", "/2b", "/3", "/big"}));
  EXPECT_TRUE(fs.MoveNoReplace("/3", "/3b"));
  fs.FreeSpace = 5;
  EXPECT_TRUE(fs.MoveNoReplace("/big", "/mnt/big"));
  EXPECT_EQ(fs.FreeSpace, 0u);
  // Without a trash nothing goes; with one, the file is kept there.
  fs.TrashAvailable = false;
  EXPECT_FALSE(fs.DeleteToTrash("/1b"));
  fs.TrashAvailable = true;
  EXPECT_TRUE(fs.DeleteToTrash("/1b"));
  ASSERT_EQ(fs.Trash().size(), 1u);
  EXPECT_EQ(fs.Trash()[0].OriginalPath, "/1b");
  EXPECT_EQ(fs.Trash()[0].File.Content, "12345");
  EXPECT_EQ(fs.FilePaths(), (std::vector<std::string>{"/2b", "/3b", "/mnt/big"}));
}

}  // namespace
}  // namespace varnoke
