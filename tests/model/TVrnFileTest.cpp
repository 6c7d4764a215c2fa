#include "model/TVrnFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnoke {
namespace {

TVrnFiles ListOf(const std::vector<std::string>& names) {
  TVrnFiles files;
  for (const auto& n : names) files.AddEntry(false, "/d", n, "", 0, 0, 0, 0, 0);
  return files;
}

std::vector<std::string> Names(const TVrnFiles& files) {
  std::vector<std::string> out;
  for (const auto& f : files) out.emplace_back(f.Name());
  return out;
}

// The sort tests see every field kept; here the positions AddEntry gives.
TEST(TVrnFiles, AddEntryGivesThePositionAndItemsChecksIt) {
  TVrnFiles files;
  EXPECT_EQ(files.AddEntry(true, "/a", "n", "e", -5, 0x21, 1, 2, 3), 0);
  EXPECT_EQ(files.AddEntry(false, "/b", "Report.Final", "", 7, 0, 4, 5, 6), 1);
  EXPECT_TRUE(files.Items(0).Busy);
  EXPECT_FALSE(files.Items(1).Busy);
  EXPECT_THROW(files.Items(2), std::out_of_range);
}

TEST(TVrnFiles, EntriesOfOneDirectoryShareItsText) {
  TVrnFiles files;
  files.AddEntry(false, "/photos", "a", "jpg", 0, 0, 0, 0, 0);
  files.AddEntry(false, "/photos", "b", "jpg", 0, 0, 0, 0, 0);
  files.AddEntry(false, "/other", "c", "jpg", 0, 0, 0, 0, 0);
  EXPECT_EQ(files.Items(0).SharedPath(), files.Items(1).SharedPath());
  EXPECT_NE(files.Items(1).SharedPath(), files.Items(2).SharedPath());
  // Renaming one entry's directory leaves the others where they were.
  files.Items(0).SetPath("/moved");
  EXPECT_EQ(files.Items(0).Path(), "/moved");
  EXPECT_EQ(files.Items(1).Path(), "/photos");
}

TEST(TVrnFile, NameAndExtensionChangeIndependently) {
  TVrnFiles files;
  files.AddEntry(false, "/d", "short", "txt", 0, 0, 0, 0, 0);
  TVrnFile& f = files.Items(0);
  f.SetName("a much longer name than any small buffer holds");
  EXPECT_EQ(f.Ext(), "txt");
  f.SetExt("");
  EXPECT_EQ(f.Name(), "a much longer name than any small buffer holds");
  f.SetExt("jpeg");
  f.SetName("");
  EXPECT_EQ(f.Name(), "");
  EXPECT_EQ(f.Ext(), "jpeg");
}

TEST(TVrnFiles, MoveTakesOutAndInserts) {
  struct Case {
    int From, To;
    std::vector<std::string> Expected;
  };
  const Case cases[] = {
      {0, 3, {"b", "c", "d", "a", "e"}},
      {4, 1, {"a", "e", "b", "c", "d"}},
      {2, 2, {"a", "b", "c", "d", "e"}},
      {1, 2, {"a", "c", "b", "d", "e"}},
  };
  for (const auto& c : cases) {
    TVrnFiles files = ListOf({"a", "b", "c", "d", "e"});
    files.Move(c.From, c.To);
    EXPECT_EQ(Names(files), c.Expected) << c.From << "->" << c.To;
  }
  TVrnFiles files = ListOf({"a"});
  EXPECT_THROW(files.Move(0, 1), std::out_of_range);
}

TEST(TVrnFiles, DeleteAndRemovingSeveralPositions) {
  TVrnFiles files = ListOf({"a", "b", "c", "d", "e", "f"});
  files.Delete(0);
  EXPECT_EQ(Names(files), (std::vector<std::string>{"b", "c", "d", "e", "f"}));
  files.DeletePositions({4, 1, 2, 1});
  EXPECT_EQ(Names(files), (std::vector<std::string>{"b", "e"}));
  EXPECT_THROW(files.DeletePositions({0, 2}), std::out_of_range);
  EXPECT_EQ(files.Count(), 2);  // a bad position removes nothing
  files.Clear();
  EXPECT_EQ(files.Count(), 0);
}

TEST(TVrnFiles, KeyOutsideRangeChangesNothing) {
  TVrnFiles files = ListOf({"c", "a", "b"});
  EXPECT_FALSE(files.Sort(8));
  EXPECT_FALSE(files.Sort(-1));
  EXPECT_EQ(Names(files), (std::vector<std::string>{"c", "a", "b"}));
}

}  // namespace
}  // namespace varnoke
