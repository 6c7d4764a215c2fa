// What the in-memory file system stages whose absence the engine's tests would not notice:
// a run ends the same whether a busy file blocked a change, a store folded a name or a move
// crossed a volume, so only these tests show that the fake did what those tests ask of it.
#include "platform/fake/FakeFileSystem.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

using Paths = std::vector<std::string>;

// Never over a file; a busy file cannot be opened, and refuses moves, copies and the trash
// where BusyBlocksChanges says so (the Windows style's default; Linux renames a held file).
// A store that ignores case under the Linux rules takes a change of case alone.
TEST(FakeFileSystem, NeverReplacesAndBusyFilesRefuseWhereStaged) {
  FakeFileSystem fs;
  fs.AddFile("/d/a", "A");
  fs.AddFile("/d/b", "B");
  EXPECT_FALSE(fs.MoveNoReplace("/d/a", "/d/b"));
  EXPECT_FALSE(fs.CopyNoReplace("/d/a", "/d/b"));
  fs.SetBusy("/d/a", true);
  EXPECT_FALSE(fs.OpenExclusive("/d/a", Access::Read));
  EXPECT_TRUE(fs.MoveNoReplace("/d/a", "/d/c"));
  fs.BusyBlocksChanges = true;
  EXPECT_FALSE(fs.MoveNoReplace("/d/c", "/d/a") || fs.CopyNoReplace("/d/c", "/d/a"));
  EXPECT_FALSE(fs.DeleteToTrash("/d/c"));
  EXPECT_EQ(fs.FilePaths(), (Paths{"/d/b", "/d/c"}));
  EXPECT_EQ(fs.File("/d/b")->Content, "B");
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

// A move onto another volume copies: it needs the room a rename does not, and one that does
// not fit leaves no target.
TEST(FakeFileSystem, MoveToAnotherVolumeNeedsRoom) {
  FakeFileSystem fs;
  fs.AddFile("/big", "12345");
  fs.AddVolume("/mnt");
  fs.FreeSpace = 4;
  EXPECT_FALSE(fs.MoveNoReplace("/big", "/mnt/big"));
  EXPECT_TRUE(fs.MoveNoReplace("/big", "/big2"));
  EXPECT_EQ(fs.FilePaths(), Paths{"/big2"});
  fs.FreeSpace = 5;
  EXPECT_TRUE(fs.MoveNoReplace("/big2", "/mnt/big"));
  EXPECT_EQ(fs.FilePaths(), Paths{"/mnt/big"});
  EXPECT_EQ(fs.FreeSpace, 0u);
}

}  // namespace
}  // namespace varnoke
