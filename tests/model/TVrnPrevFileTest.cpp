#include "model/TVrnPrevFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/PathRules.h"
#include "support/PrevEntry.h"

namespace varnoke {
namespace {

using testing::PrevEntry;

std::vector<int> Order(const TVrnPrevFiles& list) {
  std::vector<int> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Items(i).FileIndex);
  return out;
}

// Lookups the scan oracle below cannot reach: letters beyond ASCII, field boundaries, Clear;
// the list holds a copy of every field, flags too, and the caller keeps the given entry.
TEST(TVrnPrevFiles, ContainsComparesEachFieldAsThePlatformDoes) {
  // clang-format off
  const struct {
    bool Fold;
    const char *Path, *Name, *Ext, *ProbePath, *ProbeName, *ProbeExt;
    bool Found;
  } cases[] = {{true, "c:\\data", "Photo", "JPG", "C:\\DATA", "photo", "jpg", true},
               {true, "c:\\data", "Photo", "JPG", "c:\\data", "Photo", "JPEG", false},
               {true, "c:", "\xC9t\xE9", "", "c:", "\xE9t\xE9", "", false},
               {false, "/data", "Photo", "JPG", "/data", "photo", "jpg", false},
               {true, "a", "bc", "", "ab", "c", "", false},
               {true, "a", "bc", "", "a", "b", "c", false}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.ProbePath) + "|" + c.ProbeName + "|" + c.ProbeExt);
    TVrnPrevFiles list(c.Fold);
    TVrnPrevFile given = PrevEntry(0, c.Path, c.Name, c.Ext);
    given.Conflict = given.Busy = true;
    list.AddCopy(given);
    given.Name = "changed";
    given.SetPath("elsewhere");
    EXPECT_EQ(list.Contains(PrevEntry(9, c.ProbePath, c.ProbeName, c.ProbeExt)), c.Found);
    EXPECT_TRUE(list.Contains(PrevEntry(0, c.Path, c.Name, c.Ext)));
    EXPECT_TRUE(list.Items(0).Conflict && list.Items(0).Busy);
    list.Clear();
    EXPECT_FALSE(list.Contains(PrevEntry(0, c.Path, c.Name, c.Ext)));
  }
}

// Five entries whose fields order differently per key.
TVrnPrevFiles SortFixture() {
  struct Row {
    int Index;
    const char *Path, *Name, *Ext;
    std::uint64_t Size;
    std::uint32_t Attr;
    FileTime Created, Accessed, Written;
  };
  // clang-format off
  const Row rows[] = {{3, "c:\\b", "alpha", "txt", 10, 0x20, 5, 0x8000000000000000ULL, 2},
                      {1, "c:\\a", "Zeta", "TXT", 9, 0x80000000u, 5, 1, 2},
                      {4, "c:\\B", "zeta", "doc", 0x140000000u, 0x01, 3, 2, 1},
                      {0, "c:\\a", "\xE9t\xE9", "", 9, 0x20, 4, 3, 9},
                      {2, "c:\\b", "alpha", "txt", 1, 0x02, 6, 0, 2}};
  // clang-format on
  TVrnPrevFiles list(true);
  for (const Row& r : rows) {
    TVrnPrevFile e = PrevEntry(r.Index, r.Path, r.Name, r.Ext);
    e.Size = r.Size;
    e.Attr = r.Attr;
    e.Created = r.Created;
    e.Accessed = r.Accessed;
    e.Written = r.Written;
    list.AddCopy(e);
  }
  return list;
}

// Stable and ascending by one key, again the same; a key outside the range changes nothing.
TEST(TVrnPrevFiles, SortIsStableAndAscendingByOneKey) {
  const std::vector<int> expected[] = {
      {0, 1, 2, 3, 4},
      {4, 1, 0, 3, 2},  // capital B before small a; equal paths keep their order
      {1, 3, 2, 4, 0},  // Z before a; bytes above 0x7F after every ASCII letter
      {0, 1, 4, 3, 2},
      {2, 1, 0, 3, 4},  // sizes compare whole: 5 GiB after 10 bytes
      {1, 4, 2, 3, 0},  // attributes compare signed: the high bit first
      {4, 0, 3, 1, 2},
      {2, 1, 4, 0, 3},  // times compare unsigned: the high bit makes the largest time
      {4, 3, 1, 2, 0}};
  for (int key = -1; key <= kPrevSortKeyCount; ++key) {
    TVrnPrevFiles list = SortFixture();
    const bool valid = key >= 0 && key < kPrevSortKeyCount;
    EXPECT_EQ(list.Sort(key), valid);
    list.Sort(key);
    EXPECT_EQ(Order(list), valid ? expected[key] : std::vector<int>({3, 1, 4, 0, 2})) << key;
  }
}

TEST(TVrnPrevFiles, EntriesKeepTheirAddressAndBadIndicesThrow) {
  TVrnPrevFiles list(true);
  for (int i = 0; i < 50; ++i) list.AddCopy(PrevEntry(49 - i, "d", std::to_string(i), ""));
  const TVrnPrevFile* last = &list.Items(49);
  list.Sort(0);
  list.Delete(10);
  EXPECT_EQ(&list.Items(0), last);
  EXPECT_THROW(list.Delete(49), std::out_of_range);
  EXPECT_THROW(list.Delete(-1), std::out_of_range);
  EXPECT_THROW(list.Items(49), std::out_of_range);
  EXPECT_EQ(list.Count(), 49);
}

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
      auto same = [&](std::string_view a, std::string_view b) {
        return fold ? EqualsIgnoreAsciiCase(a, b) : a == b;
      };
      for (int i = 0; i < view.Count(); ++i) {
        const TVrnPrevFile& x = view.Items(i);
        if (same(x.Path(), e.Path()) && same(x.Name, e.Name) && same(x.Ext, e.Ext)) return true;
      }
      return false;
    };
    for (int step = 0; step < 3000; ++step) {
      const unsigned op = next() % 10;
      const int at = list.Count() > 0 ? static_cast<int>(next() % unsigned(list.Count())) : -1;
      if (op < 5) {
        list.AddCopy(random());
      } else if (op < 8 && at >= 0) {
        list.Delete(at);
      } else if (op == 8 && at >= 0) {
        list.Items(at).Name = "z";
      } else if (op == 9 && at >= 0) {
        list.Items(at).SetPath("/e");
      }
      const TVrnPrevFile probe = random();
      ASSERT_EQ(list.Contains(probe), scan(probe)) << "step " << step;
    }
  }
}

}  // namespace
}  // namespace varnoke
