#include "engine/AddFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
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

// The calls per file, counted on the in-memory file system: one open and one query for a
// file that can be read, and the handle closed again (it opens once more); a busy file
// costs the open and the existence test; a file that opens but cannot be read is busy.
TEST(AddFileCalls, OneOpenAndOneQueryPerFile) {
  FakeFileSystem fs;
  fs.AddFile("/d/free.txt", "hello", {1, 2, 3});
  fs.AddFile("/d/busy.txt", "x");
  fs.AddFile("/d/unreadable.txt", "x");
  fs.SetBusy("/d/busy.txt", true);
  fs.Fail(FakeOp::Query, "/d/unreadable.txt");
  TVrnFiles files;
  const struct {
    const char* Path;
    int Exists;
    bool Busy;
    std::int32_t Size;
  } cases[] = {
      {"/d/free.txt", 0, false, 5}, {"/d/busy.txt", 1, true, 0}, {"/d/unreadable.txt", 0, true, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Path);
    fs.ResetCalls();
    ASSERT_TRUE(AddFile(fs, files, c.Path));
    EXPECT_EQ(fs.Calls(FakeOp::OpenExclusive), 1);
    EXPECT_EQ(fs.Calls(FakeOp::Query), c.Busy && c.Exists ? 0 : 1);
    EXPECT_EQ(fs.Calls(FakeOp::Exists), c.Exists);
    EXPECT_EQ(fs.TotalCalls(), 2);
    EXPECT_EQ(files.Items(files.Count() - 1).Busy, c.Busy);
    EXPECT_EQ(files.Items(files.Count() - 1).Size, c.Size);
    if (!c.Exists) {
      EXPECT_TRUE(fs.OpenExclusive(c.Path, Access::Read));
    }
  }
}

struct SplitCase {
  const char* FileName;
  const char* Name;
  const char* Ext;
};

class AddFileNamesTest : public ::testing::TestWithParam<SplitCase> {};

// Every name survives the round trip: the entry's full path is the file's path.
TEST_P(AddFileNamesTest, SplitsTheNameAndJoinsBackToThePath) {
  TempDir dir;
  PosixFileSystem fs;
  TVrnFiles files;
  const SplitCase& c = GetParam();
  const std::string path = dir.Write(c.FileName, "abc");
  ASSERT_TRUE(AddFile(fs, files, path));
  ASSERT_EQ(files.Count(), 1);
  const TVrnFile& f = files.Items(0);
  EXPECT_EQ(f.Path(), dir.Path());
  EXPECT_EQ(f.Name(), c.Name);
  EXPECT_EQ(f.Ext(), c.Ext);
  EXPECT_EQ(fs.Rules().Join(f.Path(), f.Name(), f.Ext()), path);
  // Listing the joined text gives the same entry again.
  ASSERT_TRUE(AddFile(fs, files, fs.Rules().Join(f.Path(), f.Name(), f.Ext())));
  EXPECT_EQ(files.Items(1).Name(), c.Name);
  EXPECT_EQ(files.Items(1).Ext(), c.Ext);
}

INSTANTIATE_TEST_SUITE_P(Names, AddFileNamesTest,
                         ::testing::Values(SplitCase{"Report.Final.DOC", "Report.Final", "DOC"},
                                           SplitCase{"Makefile", "Makefile", ""},
                                           SplitCase{"readme.", "readme.", ""},
                                           SplitCase{"odd..", "odd..", ""},
                                           SplitCase{".profile", "", "profile"},
                                           SplitCase{"a:b\\c.txt", "a:b\\c", "txt"},
                                           SplitCase{"Ünïcode.Tä", "Ünïcode", "Tä"}));

TEST_F(AddFileTest, ListsSizeAttributesAndTimes) {
  const std::string path = dir_.Write("a.txt", "hello");
  ASSERT_TRUE(testing::SetUnixTimes(path, 1'000'000'000, 1'500'000'000));
  ASSERT_TRUE(AddFile(fs_, files_, path));
  const TVrnFile& f = files_.Items(0);
  EXPECT_FALSE(f.Busy);
  EXPECT_EQ(f.Size, 5);
  EXPECT_EQ(f.Attr, kAttrArchive);
  EXPECT_EQ(f.Accessed, kUnixEpoch + 1'000'000'000ULL * kTicksPerSecond);
  EXPECT_EQ(f.Written, kUnixEpoch + 1'500'000'000ULL * kTicksPerSecond);
  EXPECT_NE(f.Created, 0u);
}

TEST_F(AddFileTest, HiddenDotFile) {
  ASSERT_TRUE(AddFile(fs_, files_, dir_.Write(".bashrc", "x")));
  EXPECT_EQ(files_.Items(0).Attr, kAttrArchive | kAttrHidden);
}

TEST_F(AddFileTest, FileLockedByAnotherProcessIsBusyWithZeros) {
  const std::string path = dir_.Write("busy.txt", "some data");
  LockHolder holder(path);
  ASSERT_TRUE(AddFile(fs_, files_, path));
  const TVrnFile& f = files_.Items(0);
  EXPECT_TRUE(f.Busy);
  EXPECT_EQ(f.Name(), "busy");
  EXPECT_EQ(f.Ext(), "txt");
  EXPECT_EQ(f.Size, 0);
  EXPECT_EQ(f.Attr, 0u);
  EXPECT_EQ(f.Created, 0u);
  EXPECT_EQ(f.Accessed, 0u);
  EXPECT_EQ(f.Written, 0u);
}

// The described existence test also wanted a write time from 1980 on; a busy file
// from 1970 (reproducible builds) is listed all the same.
TEST_F(AddFileTest, BusyFileWithAnOldStampIsStillListed) {
  const std::string path = dir_.Write("old.txt", "x");
  ASSERT_TRUE(testing::SetUnixTimes(path, 0, 0));
  LockHolder holder(path);
  ASSERT_TRUE(AddFile(fs_, files_, path));
  EXPECT_TRUE(files_.Items(0).Busy);
}

TEST_F(AddFileTest, DirectoriesMissingPathsAndBareNamesAddNothing) {
  dir_.MakeDir("sub");
  EXPECT_FALSE(AddFile(fs_, files_, dir_ / "sub"));
  EXPECT_FALSE(AddFile(fs_, files_, dir_ / "sub/"));
  const std::string dirLink = dir_ / "link-to-sub";
  ASSERT_EQ(::symlink((dir_ / "sub").c_str(), dirLink.c_str()), 0);
  EXPECT_FALSE(AddFile(fs_, files_, dirLink));
  EXPECT_FALSE(AddFile(fs_, files_, dir_ / "missing.txt"));
  EXPECT_FALSE(AddFile(fs_, files_, "a.txt"));
  EXPECT_FALSE(AddFile(fs_, files_, ""));
  EXPECT_EQ(files_.Count(), 0);
}

TEST_F(AddFileTest, SizeIsKeptWholePastFourGibibytes) {
  const std::string big = dir_.Write("big.bin");
  ASSERT_EQ(::truncate(big.c_str(), 5LL << 30), 0);  // sparse
  const std::string four = dir_.Write("four.bin");
  ASSERT_EQ(::truncate(four.c_str(), 4LL << 30), 0);
  ASSERT_TRUE(AddFile(fs_, files_, big));
  ASSERT_TRUE(AddFile(fs_, files_, four));
  EXPECT_EQ(files_.Items(0).Size, 5ULL << 30);
  EXPECT_EQ(files_.Items(1).Size, 4ULL << 30);
}

TEST_F(AddFileTest, PathsAreSpelledPlainly) {
  dir_.MakeDir("d");
  dir_.Write("d/a.txt", "1");
  for (const std::string& given :
       {dir_ / "d/./a.txt", dir_ / "d//a.txt", dir_.Path() + "//d/a.txt"})
    ASSERT_TRUE(AddFile(fs_, files_, given)) << given;
  for (const TVrnFile& f : files_) {
    EXPECT_EQ(f.Path(), dir_ / "d");
    EXPECT_EQ(f.Name(), "a");
  }
}

TEST_F(AddFileTest, LinkIsListedUnderItsOwnNameWithTheTargetsData) {
  const std::string target = dir_.Write("target.dat", "1234");
  const std::string link = dir_ / "link.txt";
  ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
  ASSERT_TRUE(AddFile(fs_, files_, link));
  EXPECT_EQ(files_.Items(0).Name(), "link");
  EXPECT_EQ(files_.Items(0).Size, 4);
}

}  // namespace
}  // namespace varnoke
