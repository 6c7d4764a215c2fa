#include "model/TVrnPrevFile.h"

#include <gtest/gtest.h>

#include "model/PathRules.h"
#include "support/PrevEntry.h"

#include <string>
#include <vector>

namespace varnoke {
namespace {

using testing::PrevEntry;

std::vector<int> Order(const TVrnPrevFiles& list) {
  std::vector<int> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Items(i).FileIndex);
  return out;
}

// The sort and lookup tests below see every other field copied.
TEST(TVrnPrevFiles, AddCopyKeepsTheFlagsAndLeavesTheGivenEntryToTheCaller) {
  TVrnPrevFiles list(true);
  TVrnPrevFile w = PrevEntry(7, "c:\\d", "n", "e");
  w.Conflict = true;
  w.Busy = true;
  list.AddCopy(w);
  w.Name = "changed";
  w.SetPath("elsewhere");
  const TVrnPrevFile& c = list.Items(0);
  EXPECT_TRUE(c.Conflict && c.Busy);
  EXPECT_EQ(c.Path(), "c:\\d");
  EXPECT_EQ(c.Name, "n");
}

// Lookups the scan oracle below cannot reach: letters beyond ASCII, field boundaries, Clear.
TEST(TVrnPrevFiles, ContainsComparesEachFieldAsThePlatformDoes) {
  struct Case {
    bool Fold;
    TVrnPrevFile Listed, Probe;
    bool Found;
  };
  const Case cases[] = {
      {true, PrevEntry(0, "c:\\data", "Photo", "JPG"), PrevEntry(9, "C:\\DATA", "photo", "jpg"),
       true},
      {true, PrevEntry(0, "c:\\data", "Photo", "JPG"), PrevEntry(9, "c:\\data", "Photo", "JPEG"),
       false},
      {true, PrevEntry(0, "c:", "\xC9t\xE9", ""), PrevEntry(9, "c:", "\xE9t\xE9", ""), false},
      {false, PrevEntry(0, "/data", "Photo", "JPG"), PrevEntry(9, "/data", "photo", "jpg"), false},
      {true, PrevEntry(0, "a", "bc", ""), PrevEntry(0, "ab", "c", ""), false},
      {true, PrevEntry(0, "a", "bc", ""), PrevEntry(0, "a", "b", "c"), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Probe.Path()) + "|" + c.Probe.Name + "|" + c.Probe.Ext);
    TVrnPrevFiles list(c.Fold);
    list.AddCopy(c.Listed);
    EXPECT_EQ(list.Contains(c.Probe), c.Found);
    EXPECT_TRUE(list.Contains(c.Listed));
    list.Clear();
    EXPECT_FALSE(list.Contains(c.Listed));
  }
}

TEST(TVrnPrevFiles, EntriesKeepTheirAddressAcrossSortAndDelete) {
  TVrnPrevFiles list(true);
  for (int i = 0; i < 50; ++i) list.AddCopy(PrevEntry(49 - i, "d", std::to_string(i), ""));
  const TVrnPrevFile* last = &list.Items(49);
  ASSERT_EQ(last->FileIndex, 0);
  list.Sort(0);
  list.Delete(10);
  EXPECT_EQ(&list.Items(0), last);
}

struct SortCase {
  int key;
  std::vector<int> expected;  // FileIndex order after the sort
};

class PrevSortKeys : public ::testing::TestWithParam<SortCase> {};

// Five entries whose fields order differently per key; ties keep list order.
TVrnPrevFiles SortFixture() {
  TVrnPrevFiles list(true);
  auto add = [&](int idx, const char* path, const char* name, const char* ext, std::uint64_t size,
                 std::uint32_t attr, FileTime c, FileTime a, FileTime w) {
    TVrnPrevFile e = PrevEntry(idx, path, name, ext);
    e.Size = size;
    e.Attr = attr;
    e.Created = c;
    e.Accessed = a;
    e.Written = w;
    list.AddCopy(e);
  };
  add(3, "c:\\b", "alpha", "txt", 10, 0x20, 5, 0x8000000000000000ULL, 2);
  add(1, "c:\\a", "Zeta", "TXT", 9, 0x80000000u, 5, 1, 2);
  add(4, "c:\\B", "zeta", "doc", 0x140000000u, 0x01, 3, 2, 1);
  add(0, "c:\\a", "\xE9t\xE9", "", 9, 0x20, 4, 3, 9);
  add(2, "c:\\b", "alpha", "txt", 1, 0x02, 6, 0, 2);
  return list;
}

TEST_P(PrevSortKeys, StableAscendingByOneKey) {
  TVrnPrevFiles list = SortFixture();
  EXPECT_TRUE(list.Sort(GetParam().key));
  EXPECT_EQ(Order(list), GetParam().expected);
  // Sorting again by the same key changes nothing.
  list.Sort(GetParam().key);
  EXPECT_EQ(Order(list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllKeys, PrevSortKeys,
    ::testing::Values(SortCase{0, {0, 1, 2, 3, 4}},
                      // Capital B sorts before small a; equal paths keep their order.
                      SortCase{1, {4, 1, 0, 3, 2}},
                      // Z before a; bytes above 0x7F after every ASCII letter.
                      SortCase{2, {1, 3, 2, 4, 0}}, SortCase{3, {0, 1, 4, 3, 2}},
                      // Sizes compare whole: 5 GiB after 10 bytes; 9 before 10.
                      SortCase{4, {2, 1, 0, 3, 4}}, SortCase{5, {1, 4, 2, 3, 0}},
                      SortCase{6, {4, 0, 3, 1, 2}},
                      // Times compare unsigned: the high bit makes the largest time.
                      SortCase{7, {2, 1, 4, 0, 3}}, SortCase{8, {4, 3, 1, 2, 0}}));

TEST(TVrnPrevFiles, KeyOutsideTheRangeLeavesTheListUnchanged) {
  for (int key : {-1, 9, 255}) {
    TVrnPrevFiles list = SortFixture();
    EXPECT_FALSE(list.Sort(key));
    EXPECT_EQ(Order(list), std::vector<int>({3, 1, 4, 0, 2}));
  }
}

TEST(TVrnPrevFiles, OutOfRangeIndicesThrowInsteadOfCorruptingTheList) {
  TVrnPrevFiles list(true);
  list.AddCopy(PrevEntry(0, "d", "x", ""));
  EXPECT_THROW(list.Delete(1), std::out_of_range);
  EXPECT_THROW(list.Delete(-1), std::out_of_range);
  EXPECT_THROW(list.Items(1), std::out_of_range);
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
}  // namespace varnoke

namespace varnoke {
namespace {

// The index against the scan it stands for, over many adds, deletes and rewrites.
TEST(TVrnPrevFiles, ContainsAgreesWithAScanOfTheList) {
  for (bool fold : {true, false}) {
    TVrnPrevFiles list(fold);
    std::uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 8) % 1000; };
    const char* names[] = {"a", "A", "ab", "AB", "abcdefghijKLMNOP", "abcdefghijklmnop", ""};
    auto random = [&] {
      const char* paths[] = {"/d", "/D", "/e"};
      return PrevEntry(0, paths[next() % 3], names[next() % 7], next() % 2 ? "txt" : "TXT");
    };
    const TVrnPrevFiles& view = list;  // reading must not mark the index stale
    auto scan = [&](const TVrnPrevFile& e) {
      for (int i = 0; i < view.Count(); ++i) {
        const TVrnPrevFile& x = view.Items(i);
        auto same = [&](std::string_view a, std::string_view b) {
          return fold ? EqualsIgnoreAsciiCase(a, b) : a == b;
        };
        if (same(x.Path(), e.Path()) && same(x.Name, e.Name) && same(x.Ext, e.Ext)) return true;
      }
      return false;
    };
    for (int step = 0; step < 3000; ++step) {
      const unsigned op = next() % 10;
      if (op < 5) {
        list.AddCopy(random());
      } else if (op < 8 && list.Count() > 0) {
        list.Delete(static_cast<int>(next() % static_cast<unsigned>(list.Count())));
      } else if (op == 8 && list.Count() > 0) {
        list.Items(static_cast<int>(next() % static_cast<unsigned>(list.Count()))).Name = "z";
      } else if (op == 9 && list.Count() > 0) {
        list.Items(static_cast<int>(next() % static_cast<unsigned>(list.Count()))).SetPath("/e");
      }
      const TVrnPrevFile probe = random();
      ASSERT_EQ(list.Contains(probe), scan(probe)) << "step " << step;
    }
  }
}

}  // namespace
}  // namespace varnoke
