// Listing files on real files: varnoke-cli --list (one escaped, tab-separated line per
// file, local times) and listing many files on every core.
#include "app/ListFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "app/ParallelListing.h"
#include "engine/AddFile.h"
#include "platform/LockHolder.h"
#include "platform/PosixTestFiles.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

TEST(ListFilesTest, OneLinePerFileUnderAHeaderAndEveryPathThatAddsNothingNamed) {
  testing::TempDir dir;
  dir.MakeDir("sub");
  const std::string report = dir.Write("Report.Final.DOC", "hello");
  const std::string dotFile = dir.Write(".profile");
  ASSERT_EQ(::chmod(dotFile.c_str(), 0444), 0);
  const std::string held = dir.Write("held.txt", "data");
  const std::vector<std::string> paths = {report,      dotFile,
                                          held,        "sub/x.txt",
                                          "./y.txt",   dir.Write("tab\there\nnew\\line\x01.txt"),
                                          dir / "sub", "missing.txt"};
  dir.Write("sub/x.txt", "1"), dir.Write("y.txt", "22");
  for (const std::string& p : {dotFile, dir / "sub/x.txt", dir / "y.txt", paths[5]})
    ASSERT_TRUE(testing::SetUnixTimes(p, 0, 0));
  ASSERT_TRUE(testing::SetUnixTimes(report, 1'000'000'000, 1'500'000'000));
  testing::LockHolder busy(held);
  PosixFileSystem fs;
  FixedClock clock{kUnixEpoch, 2 * 3600};  // local time two hours ahead
  std::ostringstream out, err;
  EXPECT_EQ(ListFiles(out, err, fs, clock, paths, dir.Path()), 2);
  // The birth time is the file system's own: compare the lines without it.
  std::string lines;
  std::istringstream listed(out.str());
  for (std::string line; std::getline(listed, line);) {
    std::size_t created = 0;
    for (int tab = 0; tab < 5; ++tab) created = line.find('\t', created) + 1;
    lines += line.substr(0, created) + "*" + line.substr(line.find('\t', created)) + "\n";
  }
  const std::string d = dir.Path(), epoch = "1970-01-01 02:00:00";
  EXPECT_EQ(lines,
            "Path\tName\tExt\tSize\tAttr\t*\tAccessed\tWritten\tBusy\n" + d +
                "\tReport.Final\tDOC\t5\t0x20\t*\t2001-09-09 03:46:40\t2017-07-14 04:40:00\tno\n" +
                d + "\t\tprofile\t0\t0x23\t*\t" + epoch + "\t" + epoch + "\tno\n" + d +
                "\theld\ttxt\t0\t0x00\t*\t\t\tyes\n" + d + "/sub\tx\ttxt\t1\t0x20\t*\t" + epoch +
                "\t" + epoch + "\tno\n" + d + "\ty\ttxt\t2\t0x20\t*\t" + epoch + "\t" + epoch +
                "\tno\n" + d + "\ttab\\there\\nnew\\\\line\\x01\ttxt\t0\t0x20\t*\t" + epoch + "\t" +
                epoch + "\tno\n");
  EXPECT_EQ(err.str(), "varnoke-cli: not a file: " + (dir / "sub") +
                           "\nvarnoke-cli: not a file: missing.txt\n");
}

TEST(ListFilesTest, RootDirectoryShowsAsSlashAndRelativePathsAnchorOnce) {
  TVrnFiles files;
  files.AddEntry(false, "", "vmlinuz", "", 7, 0x21, 0, 0, 0);
  std::ostringstream out;
  FixedClock clock{kUnixEpoch, 0};
  WriteFileListing(out, files, PosixPathRules(), clock);
  EXPECT_EQ(out.str(), std::string(kFileListingHeader) + "/\tvmlinuz\t\t7\t0x21\t\t\t\tno\n");
  EXPECT_EQ(AbsolutePath("b", "/"), "/b");
  EXPECT_EQ(AbsolutePath("./b", "/home/u/"), "/home/u/b");
}

std::string Entry(const TVrnFile& f) {
  return std::string(f.Path()) + "/" + std::string(f.Name()) + "." + std::string(f.Ext()) + " " +
         std::to_string(f.Busy) + " " + std::to_string(f.Size) + " " + std::to_string(f.Attr) +
         " " + std::to_string(f.Written);
}

TEST(ParallelListingTest, ManyFilesKeepThePathOrderAndWhatEachListingGives) {
  testing::TempDir dir;
  PosixFileSystem fs;
  PendingPaths pending;
  std::vector<std::string> paths;
  for (int i = 0; i < 4500; ++i) {
    // Three directories in turn, a missing file every 7th, sizes that differ.
    paths.push_back(dir / ("d" + std::to_string(i % 3) + "/n" + std::to_string(4499 - i) + ".x"));
    if (i % 7 != 3) testing::WriteFile(paths.back(), std::string(i % 5, 'a'));
  }
  paths.push_back(dir.Path());    // a directory adds nothing
  paths.push_back(paths.back());  // nor does it twice; a repeated file is listed twice
  paths.push_back(paths[0]);
  testing::LockHolder held(paths[3000]);
  TVrnFiles one, all;
  for (TVrnFiles* files : {&one, &all})
    files->AddEntry(false, "/before", "first", "", 0, 0, 0, 0, 0);
  for (const std::string& p : paths) {
    AddFile(fs, one, p);
    pending.Add(p);
  }
  pending.ListInto(fs, all);
  pending.ListInto(fs, all);  // the paths were forgotten
  pending.ListOneByOne(fs, all);
  ASSERT_EQ(all.Count(), 1 + 4500 - 4500 / 7 - 1 + 1);
  ASSERT_EQ(one.Count(), all.Count());
  int busy = 0;
  for (int i = 0; i < all.Count(); ++i) {
    EXPECT_EQ(Entry(all.Items(i)), Entry(one.Items(i)));
    busy += all.Items(i).Busy;
  }
  EXPECT_EQ(busy, 1);
  EXPECT_EQ(all.Items(0).Name(), "first");
}

}  // namespace
}  // namespace varnoke
