#include "platform/fake/FakeFileSystem.h"

#include <gtest/gtest.h>

#include "model/Attributes.h"

namespace varnoke {
namespace {

const FileTimes kTimes{100, 200, 300};

TEST(FakeFileSystem, FilesKeepContentTimesAndAttributes) {
  FakeFileSystem fs;
  fs.AddFile("/d/sub/a.txt", "hello", kTimes, kAttrArchive | kAttrHidden);
  EXPECT_TRUE(fs.HasDirectory("/d/sub"));
  EXPECT_TRUE(fs.Exists("/d/sub/a.txt"));
  EXPECT_FALSE(fs.Exists("/d/sub"));  // a directory is no file
  EXPECT_FALSE(fs.Exists("/d/sub/b.txt"));
  auto open = fs.OpenExclusive("/d/sub/a.txt", Access::Read);
  ASSERT_TRUE(open);
  auto info = open->Query();
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Size, 5u);
  EXPECT_EQ(info->Times, kTimes);
  EXPECT_EQ(info->Attr, kAttrArchive | kAttrHidden);
  EXPECT_EQ(fs.GetAttributes("/d/sub"), kAttrDirectory);
}

TEST(FakeFileSystem, FileWithoutBitsReportsNormal) {
  FakeFileSystem fs;
  fs.AddFile("/a", "", {}, 0);
  EXPECT_EQ(fs.GetAttributes("/a"), kAttrNormal);
  EXPECT_TRUE(fs.SetAttributes("/a", kAttrReadOnly | kAttrDirectory));
  EXPECT_EQ(fs.GetAttributes("/a"), kAttrReadOnly);  // only the four changeable bits stick
  EXPECT_FALSE(fs.SetAttributes("/missing", kAttrReadOnly));
}

TEST(FakeFileSystem, MoveNeverReplaces) {
  FakeFileSystem fs;
  fs.AddFile("/d/a", "A");
  fs.AddFile("/d/b", "B");
  EXPECT_FALSE(fs.MoveNoReplace("/d/a", "/d/b"));
  EXPECT_EQ(fs.File("/d/a")->Content, "A");
  EXPECT_EQ(fs.File("/d/b")->Content, "B");
  EXPECT_FALSE(fs.MoveNoReplace("/d/a", "/nowhere/a"));  // no such directory
  EXPECT_FALSE(fs.MoveNoReplace("/d/a", "/d/a"));
  EXPECT_FALSE(fs.MoveNoReplace("/d/missing", "/d/c"));
  EXPECT_TRUE(fs.MoveNoReplace("/d/a", "/d/c"));
  EXPECT_FALSE(fs.HasFile("/d/a"));
  EXPECT_EQ(fs.File("/d/c")->Content, "A");
  EXPECT_EQ(fs.File("/d/c")->Path, "/d/c");
}

TEST(FakeFileSystem, CaseOnlyRenameDependsOnTheStore) {
  FakeFileSystem exact;
  exact.AddFile("/d/a.txt", "1");
  exact.AddFile("/d/A.txt", "2");
  EXPECT_FALSE(exact.SameFile("/d/a.txt", "/d/A.txt"));
  EXPECT_EQ(exact.FilePaths().size(), 2u);

  FakeFileSystem folding(FakeFileSystem::Style::Posix, true);
  folding.AddFile("/d/a.txt", "1");
  EXPECT_TRUE(folding.Exists("/d/A.TXT"));
  EXPECT_TRUE(folding.SameFile("/d/a.txt", "/d/A.TXT"));
  EXPECT_TRUE(folding.MoveNoReplace("/d/a.txt", "/d/A.TXT"));
  EXPECT_EQ(folding.FilePaths(), std::vector<std::string>{"/d/A.TXT"});
  EXPECT_FALSE(folding.Rules().FoldsCase());  // the rules stay the POSIX ones
}

TEST(FakeFileSystem, WindowsStyleFoldsCaseAndDropsTrailingDot) {
  FakeFileSystem fs(FakeFileSystem::Style::Windows);
  fs.AddFile("c:\\Data\\Makefile", "m");
  EXPECT_TRUE(fs.Exists("c:\\data\\makefile."));
  EXPECT_TRUE(fs.MoveNoReplace("c:\\data\\makefile.", "c:\\data\\Readme."));
  EXPECT_EQ(fs.FilePaths(), std::vector<std::string>{"c:\\data\\Readme"});
  EXPECT_EQ(fs.Volumes(), std::vector<std::string>{"c:\\"});
}

TEST(FakeFileSystem, ExclusiveOpenRefusals) {
  FakeFileSystem fs;
  fs.AddFile("/busy", "x");
  fs.AddFile("/ro", "x", {}, kAttrReadOnly);
  fs.AddFile("/free", "x");
  fs.AddDirectory("/dir");
  ASSERT_TRUE(fs.SetBusy("/busy", true));
  EXPECT_FALSE(fs.OpenExclusive("/busy", Access::Read));
  EXPECT_FALSE(fs.OpenExclusive("/ro", Access::ReadWrite));
  EXPECT_TRUE(fs.OpenExclusive("/ro", Access::Read));
  EXPECT_FALSE(fs.OpenExclusive("/dir", Access::Read));
  EXPECT_FALSE(fs.OpenExclusive("/missing", Access::Read));
  {
    auto held = fs.OpenExclusive("/free", Access::Read);
    ASSERT_TRUE(held);
    EXPECT_FALSE(fs.OpenExclusive("/free", Access::Read));  // held by us already
  }
  EXPECT_TRUE(fs.OpenExclusive("/free", Access::Read));  // released with the handle
}

TEST(FakeFileSystem, SetTimesNeedsWriteAccessAndFollowsTheFile) {
  FakeFileSystem fs;
  fs.AddFile("/a", "x", kTimes);
  const FileTime t = 999;
  auto reading = fs.OpenExclusive("/a", Access::Read);
  EXPECT_FALSE(reading->SetTimes(&t, &t, &t));
  reading.reset();
  auto writing = fs.OpenExclusive("/a", Access::ReadWrite);
  ASSERT_TRUE(fs.MoveNoReplace("/a", "/b"));  // renamed while open
  EXPECT_TRUE(writing->SetTimes(nullptr, nullptr, &t));
  EXPECT_EQ(fs.File("/b")->Times, (FileTimes{100, 200, 999}));
}

TEST(FakeFileSystem, BusyFileMovesOnLinuxButNotOnWindows) {
  FakeFileSystem posix;
  posix.AddFile("/a", "x");
  posix.SetBusy("/a", true);
  EXPECT_TRUE(posix.MoveNoReplace("/a", "/b"));

  FakeFileSystem windows(FakeFileSystem::Style::Windows);
  windows.AddFile("c:\\a", "x");
  windows.SetBusy("c:\\a", true);
  EXPECT_FALSE(windows.MoveNoReplace("c:\\a", "c:\\b"));
  EXPECT_FALSE(windows.DeleteToTrash("c:\\a"));
  EXPECT_FALSE(windows.CopyNoReplace("c:\\a", "c:\\b"));
}

TEST(FakeFileSystem, CopyKeepsDataAndWriteTime) {
  FakeFileSystem fs;
  fs.Now = 5000;
  fs.AddFile("/a", "data", kTimes, kAttrReadOnly);
  fs.AddFile("/taken", "T");
  EXPECT_FALSE(fs.CopyNoReplace("/a", "/taken"));
  EXPECT_EQ(fs.File("/taken")->Content, "T");
  ASSERT_TRUE(fs.CopyNoReplace("/a", "/b"));
  const FakeFile copy = *fs.File("/b");
  EXPECT_EQ(copy.Content, "data");
  EXPECT_EQ(copy.Times, (FileTimes{5000, 5000, 300}));
  EXPECT_EQ(copy.Attr, kAttrReadOnly);
  EXPECT_TRUE(fs.HasFile("/a"));
}

TEST(FakeFileSystem, DiskFullCopyLeavesNoTarget) {
  FakeFileSystem fs;
  fs.AddFile("/a", "12345");
  fs.FreeSpace = 4;
  EXPECT_FALSE(fs.CopyNoReplace("/a", "/b"));
  EXPECT_FALSE(fs.HasFile("/b"));
  fs.FreeSpace = 5;
  EXPECT_TRUE(fs.CopyNoReplace("/a", "/b"));
  EXPECT_EQ(fs.FreeSpace, 0u);
  EXPECT_TRUE(fs.MoveNoReplace("/b", "/c"));  // a rename on one volume writes no data
}

TEST(FakeFileSystem, MoveToAnotherVolumeNeedsSpace) {
  FakeFileSystem fs;
  fs.AddVolume("/mnt/usb");
  fs.AddFile("/home/a", "123");
  EXPECT_EQ(fs.Volumes(), (std::vector<std::string>{"/", "/mnt/usb"}));
  fs.FreeSpace = 2;
  EXPECT_FALSE(fs.MoveNoReplace("/home/a", "/mnt/usb/a"));
  EXPECT_TRUE(fs.HasFile("/home/a"));
  fs.FreeSpace = 3;
  EXPECT_TRUE(fs.MoveNoReplace("/home/a", "/mnt/usb/a"));
  EXPECT_EQ(fs.File("/mnt/usb/a")->Content, "123");
}

TEST(FakeFileSystem, StagedMoveFailures) {
  FakeFileSystem fs;
  for (const char* p : {"/1", "/2", "/3", "/4"}) fs.AddFile(p);
  fs.Fail(FakeOp::MoveNoReplace, "/1");
  fs.FailNth(FakeOp::MoveNoReplace, 3);  // the third move from now
  EXPECT_FALSE(fs.MoveNoReplace("/1", "/1b"));
  EXPECT_TRUE(fs.MoveNoReplace("/2", "/2b"));
  EXPECT_FALSE(fs.MoveNoReplace("/3", "/3b"));
  EXPECT_TRUE(fs.MoveNoReplace("/4", "/4b"));
  EXPECT_FALSE(fs.MoveNoReplace("/1", "/1b"));  // path faults stay
  fs.ClearFaults();
  EXPECT_TRUE(fs.MoveNoReplace("/1", "/1b"));
  EXPECT_TRUE(fs.MoveNoReplace("/3", "/3b"));
}

TEST(FakeFileSystem, FileVanishesBeforeAStagedCall) {
  FakeFileSystem fs;
  fs.AddFile("/a");
  fs.AddFile("/b");
  fs.VanishBefore(FakeOp::MoveNoReplace, "/b", 2);
  EXPECT_TRUE(fs.MoveNoReplace("/a", "/a2"));
  EXPECT_TRUE(fs.HasFile("/b"));
  EXPECT_FALSE(fs.MoveNoReplace("/b", "/b2"));
  EXPECT_FALSE(fs.HasFile("/b"));
  EXPECT_FALSE(fs.HasFile("/b2"));
}

TEST(FakeFileSystem, TrashKeepsWhatWasDeleted) {
  FakeFileSystem fs;
  fs.AddFile("/a", "A");
  fs.AddFile("/b", "B");
  fs.TrashAvailable = false;
  EXPECT_FALSE(fs.DeleteToTrash("/a"));
  EXPECT_TRUE(fs.HasFile("/a"));
  fs.TrashAvailable = true;
  EXPECT_TRUE(fs.DeleteToTrash("/a"));
  ASSERT_EQ(fs.Trash().size(), 1u);
  EXPECT_EQ(fs.Trash()[0].OriginalPath, "/a");
  EXPECT_EQ(fs.Trash()[0].File.Content, "A");
  EXPECT_FALSE(fs.DeleteToTrash("/a"));
  EXPECT_TRUE(fs.Delete("/b"));
  EXPECT_FALSE(fs.Delete("/b"));
  EXPECT_TRUE(fs.FilePaths().empty());
}

TEST(FakeFileSystem, EnumerateListsDirectChildrenInOrder) {
  FakeFileSystem fs;
  fs.AddFile("/d/b.txt", "", {}, kAttrHidden);
  fs.AddFile("/d/a.txt");
  fs.AddFile("/d/sub/deep.txt");
  fs.AddFile("/dx/other.txt");
  std::vector<std::string> names;
  ASSERT_TRUE(fs.Enumerate("/d", [&](const DirEntry& e) {
    names.push_back(e.Name + (e.IsDirectory ? "/" : ""));
    return true;
  }));
  EXPECT_EQ(names, (std::vector<std::string>{"./", "../", "a.txt", "b.txt", "sub/"}));
  EXPECT_FALSE(fs.Enumerate("/none", [](const DirEntry&) { return true; }));
  int seen = 0;
  fs.Enumerate("/d", [&](const DirEntry&) { return ++seen < 3; });
  EXPECT_EQ(seen, 3);
}

}  // namespace
}  // namespace varnoke
