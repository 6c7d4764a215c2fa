// The file list and the preview list, each against a plain vector of its rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <tuple>
#include <utility>

#include "model/PathRules.h"
#include "model/TVrnFile.h"
#include "model/TVrnPrevFile.h"
#include "support/PrevEntry.h"

namespace varnoke {
namespace {

using testing::PrevEntry;

// Every field in the preview's key order (the file list has no index: 0 here), Attr as the
// list compares it (the file list unsigned, the preview signed), the busy and conflict marks,
// and where a preview entry lives.
using Row = std::tuple<int, std::string, std::string, std::string, std::uint64_t, std::int64_t,
                       FileTime, FileTime, FileTime, bool, bool, const void*>;

Row RowOf(const TVrnFile& f) {
  return Row(0, std::string(f.Path()), std::string(f.Name()), std::string(f.Ext()), f.Size, f.Attr,
             f.Created, f.Accessed, f.Written, f.Busy, false, nullptr);
}

Row RowOf(const TVrnPrevFile& e) {
  return Row(e.FileIndex, std::string(e.Path()), e.Name, e.Ext, e.Size, std::int32_t(e.Attr),
             e.Created, e.Accessed, e.Written, e.Busy, e.Conflict, &e);
}

template <std::size_t... I>
auto FieldLess(std::index_sequence<I...>) {
  return std::array<bool (*)(const Row&, const Row&), sizeof...(I)>{
      [](const Row& a, const Row& b) { return std::get<I>(a) < std::get<I>(b); }...};
}

// Random edits of both lists beside their rows: entries added with values from small sets
// (bytes above 0x7F, both cases, a text longer than the short string buffer, sizes above
// 4 GiB, attributes and times with their high bit), deleted one or several at a time, moved,
// given a new name, extension or directory, sorted by every key as std::stable_sort orders
// the rows (a key outside the range changes nothing), cleared; bad positions throw and change
// nothing. After each step each list holds its rows field by field, a preview entry where it
// was added, and the preview's name index answers as a scan of the rows (ASCII case folded
// where the platform folds it) without a write marking it stale.
TEST(Lists, RandomEditsKeepWhatTheRowsKeep) {
  // clang-format off
  const std::string texts[] = {"", "a", "B", "ab", "\xC3\xA9", "\xC3\x89", "Zeta", "zeta",
                               "a long name that leaves the short string buffer"};
  // clang-format on
  const auto less = FieldLess(std::make_index_sequence<9>());
  for (bool fold : {true, false}) {
    std::mt19937 random(fold);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    auto text = [&] { return texts[pick(9)]; };
    auto folded = [&](std::string_view path, std::string_view name, std::string_view ext) {
      auto f = [&](std::string_view s) { return fold ? AsciiLowerCopy(s) : std::string(s); };
      return std::tuple(f(path), f(name), f(ext));
    };
    TVrnFiles files;
    TVrnPrevFiles list(fold);
    std::vector<Row> fileRows, prevRows;
    for (int step = 0; step < 3000; ++step) {
      const int op = pick(100), n = files.Count(), m = list.Count();
      const int at = n ? pick(n) : 0, other = n ? pick(n) : 0, to = m ? pick(m) : 0;
      if (op < 40) {
        TVrnPrevFile e = PrevEntry(pick(4), text(), text(), text());
        std::tie(e.Size, e.Attr, e.Created, e.Accessed, e.Written, e.Busy, e.Conflict) =
            std::tuple(std::uint64_t(pick(5)) << 31, 0x80000000u * pick(2) + 0x20u * pick(2),
                       FileTime(pick(3)) << 62, pick(4), pick(9), pick(2), pick(2));
        files.AddEntry(e.Busy, e.Path(), e.Name, e.Ext, e.Size, e.Attr, e.Created, e.Accessed,
                       e.Written);
        fileRows.emplace_back(0, e.Path(), e.Name, e.Ext, e.Size, e.Attr, e.Created, e.Accessed,
                              e.Written, e.Busy, false, nullptr);
        list.AddCopy(e);
        prevRows.push_back(RowOf(e));
        std::get<11>(prevRows.back()) = &list.Items(m);
        if (n > 0 && files.Items(n - 1).Path() == e.Path()) {  // one directory text for both
          EXPECT_EQ(files.Items(n).SharedPath(), files.Items(n - 1).SharedPath());
        }
      } else if (op < 55 && n > 0 && m > 0) {
        files.Delete(at);
        fileRows.erase(fileRows.begin() + at);
        list.Delete(to);
        prevRows.erase(prevRows.begin() + to);
      } else if (op < 60 && n > 0) {
        files.DeletePositions({at, other, at});
        fileRows.erase(fileRows.begin() + std::max(at, other));
        if (at != other) fileRows.erase(fileRows.begin() + std::min(at, other));
        const int last = to + pick(3);  // may reach past the end
        list.DeleteRange(to, last);
        prevRows.erase(prevRows.begin() + std::min(to, m),
                       prevRows.begin() + std::min(last + 1, m));
      } else if (op < 70 && n > 0) {
        files.Move(at, other);
        Row moved = fileRows[at];
        fileRows.erase(fileRows.begin() + at);
        fileRows.insert(fileRows.begin() + other, moved);
      } else if (op < 74 && n > 0 && m > 0) {
        files.Items(at).SetName(std::get<2>(fileRows[at]) = text());
        list.Items(to).Name = std::get<2>(prevRows[to]) = text();
      } else if (op < 77 && n > 0 && m > 0) {
        files.Items(at).SetExt(std::get<3>(fileRows[at]) = text());
        list.Items(to).Ext = std::get<3>(prevRows[to]) = text();
      } else if (op < 80 && n > 0 && m > 0) {
        files.Items(at).SetPath(std::get<1>(fileRows[at]) = text());
        list.Items(to).SetPath(std::get<1>(prevRows[to]) = text());
      } else if (op < 97) {
        const int key = pick(11) - 1;  // the preview's key; the file list's is one less
        EXPECT_EQ(files.Sort(key - 1), key >= 1 && key - 1 < kFileSortKeyCount);
        EXPECT_EQ(list.Sort(key), key >= 0 && key < kPrevSortKeyCount);
        for (std::vector<Row>* rows : {&fileRows, &prevRows})
          if (key >= 0 && key < 9) std::stable_sort(rows->begin(), rows->end(), less[key]);
      } else if (op < 99) {
        EXPECT_THROW(files.Move(at, n), std::out_of_range);
        EXPECT_THROW(files.DeletePositions({at, n}), std::out_of_range);
        EXPECT_THROW(files.Items(n), std::out_of_range);
        EXPECT_THROW(list.Delete(m), std::out_of_range);
        EXPECT_THROW(list.Delete(-1), std::out_of_range);
        EXPECT_THROW(std::as_const(list).Items(m), std::out_of_range);
      } else {
        files.Clear();
        list.Clear();
        fileRows.clear();
        prevRows.clear();
      }
      ASSERT_EQ(files.Count(), int(fileRows.size()));
      ASSERT_EQ(list.Count(), int(prevRows.size()));
      for (int i = 0; i < files.Count(); ++i) ASSERT_EQ(RowOf(files.Items(i)), fileRows[i]) << step;
      for (int i = 0; i < list.Count(); ++i)
        ASSERT_EQ(RowOf(std::as_const(list).Items(i)), prevRows[i]) << step;
      const TVrnPrevFile probe = PrevEntry(0, text(), text(), text());
      bool found = false;
      for (const auto& [index, path, name, ext, s, a, c, ac, w, b, cf, where] : prevRows)
        found |= folded(path, name, ext) == folded(probe.Path(), probe.Name, probe.Ext);
      ASSERT_EQ(list.Contains(probe), found) << step;
    }
  }
  EXPECT_TRUE(TVrnFiles().Sort(1));
}

}  // namespace
}  // namespace varnoke
