#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "model/TVrnFile.h"

namespace varnoke {
namespace {

// Every field of an entry, to compare whole lists.
using Fields = std::tuple<std::string, std::string, std::string, std::uint64_t, std::uint32_t,
                          FileTime, FileTime, FileTime>;

Fields FieldsOf(const TVrnFile& f) {
  return {std::string(f.Path()),
          std::string(f.Name()),
          std::string(f.Ext()),
          f.Size,
          f.Attr,
          f.Created,
          f.Accessed,
          f.Written};
}

template <std::size_t Key>
bool KeyLess(const Fields& a, const Fields& b) {
  return std::get<Key>(a) < std::get<Key>(b);
}

using Less = bool (*)(const Fields&, const Fields&);
constexpr Less kKeyLess[] = {KeyLess<0>, KeyLess<1>, KeyLess<2>, KeyLess<3>,
                             KeyLess<4>, KeyLess<5>, KeyLess<6>, KeyLess<7>};

// Many entries drawn from small sets of values, so every key has long runs of
// equal keys whose order a stable sort must keep.
TEST(TVrnFilesSort, GivesTheOrderOfAStableSortForEveryKey) {
  std::mt19937 random(7);
  const std::vector<std::string> texts = {
      "",         "a",    "B",    "ab",
      "\xC3\xA9", "Zeta", "zeta", "a long name that leaves the short string buffer"};
  auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
  TVrnFiles files;
  std::vector<Fields> reference;
  for (int i = 0; i < 3000; ++i) {
    const Fields f{pick(texts),
                   pick(texts),
                   pick(texts),
                   static_cast<std::uint64_t>(random() % 5) << 31,
                   static_cast<std::uint32_t>(random() % 4) * 0x20,
                   static_cast<FileTime>(random() % 3) << 62,
                   static_cast<FileTime>(random() % 4),
                   static_cast<FileTime>(random() % 1000)};
    files.AddEntry(false, std::get<0>(f), std::get<1>(f), std::get<2>(f), std::get<3>(f),
                   std::get<4>(f), std::get<5>(f), std::get<6>(f), std::get<7>(f));
    reference.push_back(f);
  }
  for (int key = 0; key < kFileSortKeyCount; ++key) {
    TVrnFiles sorted = files;
    ASSERT_TRUE(sorted.Sort(key));
    std::vector<Fields> expected = reference;
    std::stable_sort(expected.begin(), expected.end(), kKeyLess[key]);
    std::vector<Fields> got;
    for (const TVrnFile& f : sorted) got.push_back(FieldsOf(f));
    EXPECT_EQ(got, expected) << "key " << key;
  }
}

TEST(TVrnFilesSort, EmptyAndSingleListsStayAsTheyAre) {
  TVrnFiles none;
  EXPECT_TRUE(none.Sort(1));
  EXPECT_EQ(none.Count(), 0);
  TVrnFiles one;
  one.AddEntry(true, "/d", "n", "e", 1, 2, 3, 4, 5);
  EXPECT_TRUE(one.Sort(1));
  EXPECT_EQ(FieldsOf(one.Items(0)), (Fields{"/d", "n", "e", 1, 2, 3, 4, 5}));
  EXPECT_TRUE(one.Items(0).Busy);
}

}  // namespace
}  // namespace varnoke
