// varnoke-cli --list's lines for what the end-to-end runs cannot give a file (control
// characters, the root directory, a time zone), and listing many files on every core.
#include "app/ListFiles.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/AddFile.h"
#include "engine/ParallelListing.h"
#include "platform/LockHolder.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

// Local time is two hours ahead; a time of 0 is left empty.
TEST(ListFilesTest, EscapedLinesInLocalTimeUnderAHeader) {
  TVrnFiles files;
  files.AddEntry(false, "", "vmlinuz", "", 7, 0x21, 0, 0, 0);
  files.AddEntry(false, "/d\tx", "a\nb\\c\x01", "\x7f", 5, 0x20, kUnixEpoch, 1,
                 kUnixEpoch + 1'000'000'000 * kTicksPerSecond);
  std::ostringstream out;
  FixedClock clock{kUnixEpoch, 2 * 3600};
  WriteFileListing(out, files, PosixPathRules(), clock);
  EXPECT_EQ(out.str(),
            std::string(kFileListingHeader) +
                "/\tvmlinuz\t\t7\t0x21\t\t\t\tno\n/d\\tx\ta\\nb\\\\c\\x01\t\\x7F\t5\t0x20\t"
                "1970-01-01 02:00:00\t1601-01-01 02:00:00\t2001-09-09 03:46:40\tno\n");
  EXPECT_EQ(AbsolutePath("b", "/"), "/b");
}

std::string Entry(const TVrnFile& f) {
  return std::string(f.Path()) + "/" + std::string(f.Name()) + "." + std::string(f.Ext()) + " " +
         std::to_string(f.Busy) + " " + std::to_string(f.Size) + " " + std::to_string(f.Attr) +
         " " + std::to_string(f.Written);
}

// After the entries already listed, in the order of the paths, as AddFile lists each; the
// paths that added nothing come back in order.
TEST(ParallelListingTest, ManyFilesListedAsOneByOne) {
  testing::TempDir dir;
  PosixFileSystem fs;
  PendingPaths pending;
  std::vector<std::string> paths;
  for (int i = 0; i < 4500; ++i) {
    // Three directories in turn, a missing file every 7th, sizes that differ.
    paths.push_back(dir / ("d" + std::to_string(i % 3) + "/n" + std::to_string(4499 - i) + ".x"));
    if (i % 7 != 3) testing::WriteFile(paths.back(), std::string(i % 5, 'a'));
  }
  paths.push_back(dir.Path());  // a directory adds nothing; a repeated file is listed twice
  paths.push_back(paths[0]);
  testing::LockHolder held(paths[3000]);
  TVrnFiles one, all;
  for (TVrnFiles* files : {&one, &all})
    files->AddEntry(false, "/before", "first", "", 0, 0, 0, 0, 0);
  std::vector<std::string> missed;  // the paths that add nothing, in order
  for (const std::string& p : paths) {
    if (!AddFile(fs, one, p)) missed.push_back(p);
    pending.Add(p);
  }
  EXPECT_EQ(pending.ListInto(fs, all), missed);
  EXPECT_TRUE(pending.ListOneByOne(fs, all).empty());  // the paths were forgotten
  ASSERT_EQ(all.Count(), 1 + 4500 - 4500 / 7 - 1 + 1);
  ASSERT_EQ(one.Count(), all.Count());
  int busy = 0;
  for (int i = 0; i < all.Count(); ++i) {
    EXPECT_EQ(Entry(all.Items(i)), Entry(one.Items(i)));
    busy += all.Items(i).Busy;
  }
  EXPECT_EQ(busy, 1);
  EXPECT_EQ(all.Items(0).Name(), "first");

  // One by one, the same paths miss.
  TVrnFiles serial;
  for (const std::string& p : paths) pending.Add(p);
  EXPECT_EQ(pending.ListOneByOne(fs, serial), missed);
  EXPECT_EQ(serial.Count(), all.Count() - 1);
}

}  // namespace
}  // namespace varnoke
