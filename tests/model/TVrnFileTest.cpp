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

TEST(TVrnFiles, AddEntryKeepsExactlyTheGivenValues) {
  TVrnFiles files;
  EXPECT_EQ(files.AddEntry(true, "/a", "n", "e", -5, 0x21, 1, 2, 3), 0);
  EXPECT_EQ(files.AddEntry(false, "/b", "Report.Final", "", 7, 0, 4, 5, 6), 1);
  ASSERT_EQ(files.Count(), 2);
  const TVrnFile& f = files.Items(0);
  EXPECT_TRUE(f.Busy);
  EXPECT_EQ(f.Path(), "/a");
  EXPECT_EQ(f.Name(), "n");
  EXPECT_EQ(f.Ext(), "e");
  EXPECT_EQ(f.Size, -5);
  EXPECT_EQ(f.Attr, 0x21u);
  EXPECT_EQ(f.Created, 1u);
  EXPECT_EQ(f.Accessed, 2u);
  EXPECT_EQ(f.Written, 3u);
  EXPECT_EQ(files.Items(1).Name(), "Report.Final");
  EXPECT_EQ(files.Items(1).Ext(), "");
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

TEST(TVrnFiles, SortsStablyAscendingByEachKey) {
  TVrnFiles files;
  // name, path, ext, size, attr, created, accessed, written
  files.AddEntry(false, "/c/beta", "alpha", "txt", 10, 0x20, 3, 9, 5);
  files.AddEntry(false, "/c/alpha", "Zeta", "TXT", 9, 0x01, 1, 8, 5);
  files.AddEntry(false, "/c/alpha", "mid", "doc", -1, 0x21, 2, 7, 4);
  files.AddEntry(false, "/c/Beta", "zz", "", 10, 0x20, 0xFFFFFFFFFFFFFFFFULL, 6, 5);
  struct Case {
    int Key;
    std::vector<std::string> Order;
  };
  const Case cases[] = {
      {0, {"zz", "Zeta", "mid", "alpha"}},  // capital B before small a
      {1, {"Zeta", "alpha", "mid", "zz"}},
      {2, {"zz", "TXT", "doc", "txt"}},
      {3, {"mid", "Zeta", "alpha", "zz"}},  // signed sizes, 9 before 10
      {4, {"Zeta", "alpha", "zz", "mid"}},
      {5, {"Zeta", "mid", "alpha", "zz"}},  // unsigned 64-bit
      {6, {"zz", "mid", "Zeta", "alpha"}},
      {7, {"mid", "alpha", "Zeta", "zz"}},  // equal keys keep their order
  };
  for (const auto& c : cases) {
    TVrnFiles copy = files;
    EXPECT_TRUE(copy.Sort(c.Key));
    std::vector<std::string> got;
    for (const auto& f : copy) got.emplace_back(c.Key == 2 ? f.Ext() : f.Name());
    std::vector<std::string> expected = c.Order;
    if (c.Key == 2) expected = {"", "TXT", "doc", "txt"};
    EXPECT_EQ(got, expected) << "key " << c.Key;
    TVrnFiles again = copy;
    again.Sort(c.Key);
    EXPECT_EQ(Names(again), Names(copy)) << "sorting twice changes nothing, key " << c.Key;
  }
}

TEST(TVrnFiles, KeyOutsideRangeChangesNothing) {
  TVrnFiles files = ListOf({"c", "a", "b"});
  EXPECT_FALSE(files.Sort(8));
  EXPECT_FALSE(files.Sort(-1));
  EXPECT_EQ(Names(files), (std::vector<std::string>{"c", "a", "b"}));
}

TEST(TVrnFiles, SortComparesBytesUnsigned) {
  TVrnFiles files = ListOf({"\xC3\xA9t\xC3\xA9", "zebra", "ab", "a"});
  files.Sort(1);
  EXPECT_EQ(Names(files), (std::vector<std::string>{"a", "ab", "zebra", "\xC3\xA9t\xC3\xA9"}));
}

}  // namespace
}  // namespace varnoke
