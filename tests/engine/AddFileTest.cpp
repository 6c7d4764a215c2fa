#include "engine/AddFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "model/Attributes.h"
#include "platform/LockHolder.h"
#include "platform/PosixTestFiles.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixFileSystem.h"

namespace varnoke {
namespace {

using testing::LockHolder;
using testing::TempDir;

class AddFileTest : public ::testing::Test {
 protected:
  TempDir dir_;
  PosixFileSystem fs_;
  TVrnFiles files_;
};

// The calls per file, counted on the in-memory file system: a listing begun, and one
// look at the file, nothing opened; a file that cannot be read is busy. A listing sees
// the files busy when it began, and a scope shares one listing among its files.
TEST(AddFileCalls, OneListingAndOneLookPerFile) {
  FakeFileSystem fs;
  fs.AddFile("/d/free.txt", "hello", {1, 2, 3});
  fs.AddFile("/d/busy.txt", "x");
  fs.AddFile("/d/unreadable.txt", "x");
  fs.SetBusy("/d/busy.txt", true);
  fs.Fail(FakeOp::List, "/d/unreadable.txt");
  TVrnFiles files;
  // clang-format off
  const struct { const char* Path; bool Listed, Busy; std::int32_t Size; } cases[] = {
      {"/d/free.txt", true, false, 5}, {"/d/busy.txt", true, true, 0},
      {"/d/unreadable.txt", true, true, 0}, {"/d/missing.txt", false, false, 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Path);
    fs.ResetCalls();
    ASSERT_EQ(AddFile(fs, files, c.Path), c.Listed);
    EXPECT_EQ(fs.Calls(FakeOp::BeginListing), 1);
    EXPECT_EQ(fs.Calls(FakeOp::List), 1);
    EXPECT_EQ(fs.TotalCalls(), 2);
    if (!c.Listed) continue;
    EXPECT_EQ(files.Items(files.Count() - 1).Busy, c.Busy);
    EXPECT_EQ(files.Items(files.Count() - 1).Size, c.Size);
  }

  fs.ResetCalls();
  {
    const ListingScope scope(fs);
    fs.SetBusy("/d/free.txt", true);  // after the look: still free for this listing
    const ListingScope inner(fs);
    EXPECT_TRUE(AddFile(fs, files, "/d/free.txt"));
    EXPECT_TRUE(AddFile(fs, files, "/d/busy.txt"));
  }
  EXPECT_EQ(fs.Calls(FakeOp::BeginListing), 1);
  EXPECT_FALSE(files.Items(files.Count() - 2).Busy);
  EXPECT_TRUE(files.Items(files.Count() - 1).Busy);
  EXPECT_EQ(fs.OpenListing(), nullptr);
  AddFile(fs, files, "/d/free.txt");  // a new listing sees it busy
  EXPECT_TRUE(files.Items(files.Count() - 1).Busy);
}

// Every name survives the round trip: the entry's full path is the file's path, and
// listing that text again gives the same entry. Sizes are kept whole past 4 GiB.
TEST_F(AddFileTest, ListsNameSizeAttributesAndTimes) {
  // clang-format off
  const struct { const char *FileName, *Name, *Ext; std::uint64_t Size = 3;
                 std::uint32_t Attr = kAttrArchive; } cases[] = {
      {"Report.Final.DOC", "Report.Final", "DOC"}, {"Makefile", "Makefile", ""},
      {"readme.", "readme.", ""}, {"odd..", "odd..", ""}, {"a:b\\c.txt", "a:b\\c", "txt"},
      {".profile", "", "profile", 3, kAttrArchive | kAttrHidden}, {"Ünïcode.Tä", "Ünïcode", "Tä"},
      {"big.bin", "big", "bin", 5ULL << 30}, {"four.bin", "four", "bin", 4ULL << 30},  // sparse
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.FileName);
    std::string path = dir_.Write(c.FileName, "abc");
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(c.Size)), 0);
    ASSERT_TRUE(testing::SetUnixTimes(path, 1'000'000'000, 1'500'000'000));
    for (int round = 0; round < 2; ++round) {
      files_.Clear();
      ASSERT_TRUE(AddFile(fs_, files_, path));
      const TVrnFile& f = files_.Items(0);
      EXPECT_EQ(std::tuple(f.Path(), f.Name(), f.Ext(), f.Busy, f.Size, f.Attr),
                std::tuple(dir_.Path(), c.Name, c.Ext, false, c.Size, c.Attr));
      EXPECT_EQ(std::tuple(f.Accessed, f.Written),
                std::tuple(kUnixEpoch + 1'000'000'000ULL * kTicksPerSecond,
                           kUnixEpoch + 1'500'000'000ULL * kTicksPerSecond));
      EXPECT_NE(f.Created, 0u);
      path = fs_.Rules().Join(f.Path(), f.Name(), f.Ext());
    }
  }
}

// Directories (also through a link), missing files and bare names list nothing; a path
// is listed plainly spelled, a link under its own name with its target's data, and a
// file another process holds as busy with everything else 0, whatever its stamp.
TEST_F(AddFileTest, WhatIsListedFromTheGivenText) {
  dir_.MakeDir("sub");
  dir_.MakeDir("d");
  dir_.Write("d/a.txt", "1");
  ASSERT_EQ(::symlink((dir_ / "sub").c_str(), (dir_ / "link-to-sub").c_str()), 0);
  ASSERT_EQ(::symlink(dir_.Write("target.dat", "1234").c_str(), (dir_ / "link.txt").c_str()), 0);
  ASSERT_TRUE(testing::SetUnixTimes(dir_.Write("busy.txt", "some data"), 0, 0));
  LockHolder holder(dir_ / "busy.txt");
  // Listed: the entry's full path, empty for none
  // clang-format off
  const struct { std::string Given, Listed; std::uint64_t Size; bool Busy = false; } cases[] = {
      {dir_ / "sub", "", 0}, {dir_ / "sub/", "", 0}, {dir_ / "link-to-sub", "", 0},
      {dir_ / "missing.txt", "", 0}, {"a.txt", "", 0}, {"", "", 0},
      {dir_ / "d/./a.txt", dir_ / "d/a.txt", 1}, {dir_ / "d//a.txt", dir_ / "d/a.txt", 1},
      {dir_.Path() + "//d/a.txt", dir_ / "d/a.txt", 1}, {dir_ / "link.txt", dir_ / "link.txt", 4},
      {dir_ / "busy.txt", dir_ / "busy.txt", 0, true},
      // A NUL would end the path at "a.txt": the text names no file.
      {dir_ / "d/a.txt" + std::string("\0junk", 5), "", 0},
      {dir_ / "d/a.txt" + std::string(1, '\0'), "", 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    files_.Clear();
    EXPECT_EQ(AddFile(fs_, files_, c.Given), !c.Listed.empty()) << c.Given;
    if (files_.Count() == 0) continue;
    const TVrnFile& f = files_.Items(0);
    EXPECT_EQ(std::tuple(fs_.Rules().Join(f.Path(), f.Name(), f.Ext()), f.Size, f.Busy),
              std::tuple(c.Listed, c.Size, c.Busy));
    EXPECT_TRUE(!c.Busy || f.Attr + f.Created + f.Accessed + f.Written == 0) << c.Given;
  }
}

}  // namespace
}  // namespace varnoke
