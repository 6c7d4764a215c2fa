#include "app/ParallelListing.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "engine/AddFile.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::TempDir;
using testing::WriteFile;

bool SameEntries(const TVrnFiles& a, const TVrnFiles& b) {
  if (a.Count() != b.Count()) return false;
  for (int i = 0; i < a.Count(); ++i) {
    const TVrnFile& x = a.Items(i);
    const TVrnFile& y = b.Items(i);
    if (x.Path() != y.Path() || x.Name() != y.Name() || x.Ext() != y.Ext() || x.Busy != y.Busy ||
        x.Size != y.Size || x.Attr != y.Attr || x.Written != y.Written) {
      return false;
    }
  }
  return true;
}

TEST(ParallelListingTest, ManyFilesKeepThePathOrderAndWhatEachListingGives) {
  TempDir dir;
  PosixFileSystem fs;
  std::vector<std::string> paths;
  for (int i = 0; i < 4500; ++i) {
    // Three directories in turn, a missing file every 7th, sizes that differ.
    const std::string path =
        dir / ("d" + std::to_string(i % 3) + "/n" + std::to_string(4499 - i) + ".x");
    if (i % 7 != 3) WriteFile(path, std::string(static_cast<std::size_t>(i % 5), 'a'));
    paths.push_back(path);
  }
  paths.push_back(dir.Path());  // a directory adds nothing
  const int held = ::open(paths[3000].c_str(), O_RDONLY);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);

  TVrnFiles one;
  one.AddEntry(false, "/before", "first", "", 0, 0, 0, 0, 0);
  for (const std::string& p : paths) AddFile(fs, one, p);
  TVrnFiles all;
  all.AddEntry(false, "/before", "first", "", 0, 0, 0, 0, 0);
  AddFilesInParallel(fs, all, paths);
  ::close(held);

  EXPECT_EQ(all.Count(), 1 + 4500 - 4500 / 7 - (4500 % 7 > 3 ? 1 : 0));
  EXPECT_TRUE(SameEntries(one, all));
  EXPECT_EQ(all.Items(0).Name(), "first");
  int busy = 0;
  for (const TVrnFile& f : all) busy += f.Busy;
  EXPECT_EQ(busy, 1);
}

TEST(ParallelListingTest, PendingPathsListOnceAndForget) {
  TempDir dir;
  PosixFileSystem fs;
  WriteFile(dir / "a.txt", "a");
  PendingPaths pending;
  pending.Add(dir / "a.txt");
  pending.Add(dir / "a.txt");
  TVrnFiles files;
  pending.ListInto(fs, files);
  EXPECT_EQ(files.Count(), 2);  // the list does not merge repeated paths
  pending.ListOneByOne(fs, files);
  EXPECT_EQ(files.Count(), 2);
}

}  // namespace
}  // namespace varnoke
