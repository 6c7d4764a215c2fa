#include "app/ListFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "platform/LockHolder.h"
#include "platform/PosixTestFiles.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::LockHolder;
using testing::TempDir;

constexpr FileTime kTwoHours = 2 * 3600 * kTicksPerSecond;

class ListFilesTest : public ::testing::Test {
 protected:
  TempDir dir_;
  PosixFileSystem fs_;
  FixedClock clock_{kUnixEpoch, 2 * 3600};  // local time two hours ahead
  std::ostringstream out_, err_;
};

TEST_F(ListFilesTest, OneTabSeparatedLinePerFileUnderAHeader) {
  const std::string a = dir_.Write("Report.Final.DOC", "hello");
  ASSERT_TRUE(testing::SetUnixTimes(
      a, 1'000'000'000, 1'500'000'000));  // 2001-09-09 01:46:40 and 2017-07-14 02:40:00 UTC
  const std::string ro = dir_.Write(".profile", "");
  ASSERT_TRUE(testing::SetUnixTimes(ro, 0, 0));
  ASSERT_EQ(::chmod(ro.c_str(), 0444), 0);
  EXPECT_EQ(ListFiles(out_, err_, fs_, clock_, {a, ro}, "/"), 0);
  const std::string lines = out_.str();
  std::istringstream in(lines);
  std::string header, first, second, extra;
  std::getline(in, header);
  std::getline(in, first);
  std::getline(in, second);
  EXPECT_FALSE(std::getline(in, extra));
  EXPECT_EQ(header + "\n", kFileListingHeader);
  // The birth time is the file system's own; compare the rest of the line.
  const std::string dirText = dir_.Path();
  EXPECT_EQ(first.substr(0, first.find("\t20", dirText.size())),
            dirText + "\tReport.Final\tDOC\t5\t0x20");
  EXPECT_NE(first.find("\t2001-09-09 03:46:40\t2017-07-14 04:40:00\tno"), std::string::npos)
      << first;
  EXPECT_NE(second.find(dirText + "\t\tprofile\t0\t0x23\t"), std::string::npos) << second;
  EXPECT_NE(second.find("\t1970-01-01 02:00:00\t1970-01-01 02:00:00\tno"), std::string::npos)
      << second;
  EXPECT_EQ(err_.str(), "");
}

TEST_F(ListFilesTest, BusyFileShowsZerosAndNoTimes) {
  const std::string path = dir_.Write("held.txt", "data");
  LockHolder holder(path);
  ListFiles(out_, err_, fs_, clock_, {path}, "/");
  EXPECT_EQ(out_.str(),
            std::string(kFileListingHeader) + dir_.Path() + "\theld\ttxt\t0\t0x00\t\t\t\tyes\n");
}

TEST_F(ListFilesTest, PathsThatAddNothingAreNamedAndCounted) {
  dir_.MakeDir("sub");
  EXPECT_EQ(ListFiles(out_, err_, fs_, clock_, {dir_ / "sub", "missing.txt"}, dir_.Path()), 2);
  EXPECT_EQ(out_.str(), kFileListingHeader);
  EXPECT_EQ(err_.str(), "varnoke-cli: not a file: " + (dir_ / "sub") +
                            "\nvarnoke-cli: not a file: missing.txt\n");
}

TEST_F(ListFilesTest, RelativePathsStartInTheCurrentDirectory) {
  dir_.MakeDir("sub");
  dir_.Write("sub/x.txt", "1");
  dir_.Write("y.txt", "22");
  EXPECT_EQ(ListFiles(out_, err_, fs_, clock_, {"sub/x.txt", "./y.txt"}, dir_.Path()), 0);
  const std::string text = out_.str();
  EXPECT_NE(text.find("\n" + dir_.Path() + "/sub\tx\ttxt\t1\t"), std::string::npos) << text;
  EXPECT_NE(text.find("\n" + dir_.Path() + "\ty\ttxt\t2\t"), std::string::npos) << text;
}

TEST(AbsolutePathTest, KeepsAbsolutePathsAndAnchorsRelativeOnes) {
  EXPECT_EQ(AbsolutePath("/a/b", "/home/u"), "/a/b");
  EXPECT_EQ(AbsolutePath("b", "/home/u"), "/home/u/b");
  EXPECT_EQ(AbsolutePath("./././b", "/home/u/"), "/home/u/b");
  EXPECT_EQ(AbsolutePath("b", "/"), "/b");
}

TEST_F(ListFilesTest, ControlCharactersInNamesStayOnTheirLine) {
  const std::string path = dir_.Write("tab\there\nnew\\line\x01.txt", "");
  ListFiles(out_, err_, fs_, clock_, {path}, "/");
  EXPECT_NE(out_.str().find("\ttab\\there\\nnew\\\\line\\x01\ttxt\t"), std::string::npos)
      << out_.str();
}

TEST_F(ListFilesTest, RootDirectoryShowsAsSlash) {
  TVrnFiles files;
  files.AddEntry(false, "", "vmlinuz", "", 7, 0x21, 0, 0, kUnixEpoch + kTwoHours);
  WriteFileListing(out_, files, fs_.Rules(), clock_);
  EXPECT_EQ(out_.str(), std::string(kFileListingHeader) +
                            "/\tvmlinuz\t\t7\t0x21\t\t\t1970-01-01 04:00:00\tno\n");
}

}  // namespace
}  // namespace varnoke
