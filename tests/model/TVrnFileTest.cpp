#include "model/TVrnFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace varnoke {
namespace {

// Every field of an entry in sort-key order, then the busy mark.
using Fields = std::tuple<std::string, std::string, std::string, std::uint64_t, std::uint32_t,
                          FileTime, FileTime, FileTime, bool>;

Fields FieldsOf(const TVrnFile& f) {
  return std::make_tuple(std::string(f.Path()), std::string(f.Name()), std::string(f.Ext()), f.Size,
                         f.Attr, f.Created, f.Accessed, f.Written, f.Busy);
}

template <std::size_t Key>
bool KeyLess(const Fields& a, const Fields& b) {
  return std::get<Key>(a) < std::get<Key>(b);
}

std::vector<Fields> All(const TVrnFiles& files) {
  std::vector<Fields> out;
  for (const TVrnFile& f : files) out.push_back(FieldsOf(f));
  return out;
}

std::vector<std::string> Names(const TVrnFiles& files) {
  std::vector<std::string> out;
  for (const auto& f : files) out.emplace_back(f.Name());
  return out;
}

// Many entries drawn from small sets of values, so every key has long runs of equal keys
// whose order a stable sort must keep; a key outside the range changes nothing.
TEST(TVrnFiles, SortGivesTheOrderOfAStableSortForEveryKey) {
  using Less = bool (*)(const Fields&, const Fields&);
  const Less keyLess[] = {KeyLess<0>, KeyLess<1>, KeyLess<2>, KeyLess<3>,
                          KeyLess<4>, KeyLess<5>, KeyLess<6>, KeyLess<7>};
  std::mt19937 random(7);
  const std::vector<std::string> texts = {
      "",         "a",    "B",    "ab",
      "\xC3\xA9", "Zeta", "zeta", "a long name that leaves the short string buffer"};
  auto pick = [&] { return texts[random() % texts.size()]; };
  TVrnFiles files;
  std::vector<Fields> reference;
  for (int i = 0; i < 3000; ++i) {
    const Fields f = std::make_tuple(
        pick(), pick(), pick(), static_cast<std::uint64_t>(random() % 5) << 31,
        static_cast<std::uint32_t>(random() % 4) * 0x20, static_cast<FileTime>(random() % 3) << 62,
        FileTime{random() % 4}, FileTime{random() % 1000}, random() % 2 == 1);
    files.AddEntry(std::get<8>(f), std::get<0>(f), std::get<1>(f), std::get<2>(f), std::get<3>(f),
                   std::get<4>(f), std::get<5>(f), std::get<6>(f), std::get<7>(f));
    reference.push_back(f);
  }
  ASSERT_EQ(All(files), reference);  // every field kept as given
  for (int key = 0; key < kFileSortKeyCount; ++key) {
    TVrnFiles sorted = files;
    ASSERT_TRUE(sorted.Sort(key));
    std::vector<Fields> expected = reference;
    std::stable_sort(expected.begin(), expected.end(), keyLess[key]);
    EXPECT_EQ(All(sorted), expected) << "key " << key;
  }
  for (int key : {-1, 8}) {
    EXPECT_FALSE(files.Sort(key));
    EXPECT_EQ(All(files), reference);
  }
  TVrnFiles none;
  EXPECT_TRUE(none.Sort(1));
}

TEST(TVrnFiles, EntriesShareTheirDirectoryAndChangeNameAndExtensionApart) {
  TVrnFiles files;
  EXPECT_EQ(files.AddEntry(false, "/photos", "short", "txt", 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(files.AddEntry(false, "/photos", "b", "jpg", 0, 0, 0, 0, 0), 1);
  files.AddEntry(false, "/other", "c", "jpg", 0, 0, 0, 0, 0);
  EXPECT_EQ(files.Items(0).SharedPath(), files.Items(1).SharedPath());
  EXPECT_NE(files.Items(1).SharedPath(), files.Items(2).SharedPath());
  EXPECT_THROW(files.Items(3), std::out_of_range);
  TVrnFile& f = files.Items(0);
  f.SetPath("/moved");  // the others stay where they were
  EXPECT_EQ(files.Items(1).Path(), "/photos");
  f.SetName("a much longer name than any small buffer holds");
  EXPECT_EQ(f.Ext(), "txt");
  f.SetExt("");
  EXPECT_EQ(f.Name(), "a much longer name than any small buffer holds");
  f.SetExt("jpeg");
  f.SetName("");
  EXPECT_EQ(FieldsOf(f), (Fields{"/moved", "", "jpeg", 0, 0, 0, 0, 0, false}));
}

TEST(TVrnFiles, MoveAndDeleteKeepTheOthersInOrderAndRefuseBadPositions) {
  const struct {
    int From, To;
    std::vector<std::string> Expected;
  } cases[] = {{0, 3, {"b", "c", "d", "a", "e"}},
               {4, 1, {"a", "e", "b", "c", "d"}},
               {2, 2, {"a", "b", "c", "d", "e"}},
               {1, 2, {"a", "c", "b", "d", "e"}}};
  for (const auto& c : cases) {
    TVrnFiles files;
    for (const char* n : {"a", "b", "c", "d", "e"})
      files.AddEntry(false, "/d", n, "", 0, 0, 0, 0, 0);
    files.Move(c.From, c.To);
    EXPECT_EQ(Names(files), c.Expected) << c.From << "->" << c.To;
    EXPECT_THROW(files.Move(0, 5), std::out_of_range);
    files.Delete(0);
    files.DeletePositions({3, 1, 1});
    EXPECT_EQ(Names(files), (std::vector<std::string>{c.Expected[1], c.Expected[3]}));
    EXPECT_THROW(files.DeletePositions({0, 2}), std::out_of_range);
    EXPECT_EQ(files.Count(), 2);  // a bad position removes nothing
    files.Clear();
    EXPECT_EQ(files.Count(), 0);
  }
}

}  // namespace
}  // namespace varnoke
