// The grids' columns: texts and sort keys by id, widths, showing, hiding and moving.
#include "engine/ColumnLayout.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace varnoke {
namespace {

// The column ids in display order.
std::vector<int> Ids(const ColLayoutWords& words) {
  std::vector<int> ids;
  for (std::uint32_t w : words) ids.push_back(static_cast<int>(ColumnId(w)));
  return ids;
}

// A layout from ids in display order, the first `shown` of them shown.
ColLayoutWords Layout(std::vector<int> ids, std::size_t shown) {
  ColLayoutWords words{};
  for (std::size_t i = 0; i < kColumnCount; ++i)
    words[i] = LayoutWord(static_cast<std::uint32_t>(ids[i]), i < shown, i < shown ? 50 : 0);
  return words;
}

TEST(ColumnLayout, TextsAndSortKeysById) {
  const std::optional<int> none;
  // clang-format off
  const struct { int Id; const char *Header, *Menu, *Name, *Sort; std::optional<int> FileKey, PrevKey; } cases[] = {
      {0, "", "&Icon", "PopIcon", "", none, none},
      {1, "Path", "&Path", "PopPath", "&1: Path", 0, 1},
      {6, "Written to", "&Written to", "PopWrittento", "&6: Written to", 7, 8},
      {7, "Accessed last", "Accessed &last", "PopAccessedlast", "&7: Accessed last", 6, 7},
      {9, "", "", "", "", none, none}};
  // clang-format on
  for (const auto& [id, header, menu, name, sort, fileKey, prevKey] : cases) {
    EXPECT_EQ(std::tuple(std::string_view(HeaderText(id).Source),
                         std::string_view(ColumnMenuCaption(id).Source), ColumnMenuName(id),
                         std::string_view(SortMenuCaption(id).Source), FileListSortKey(id),
                         PreviewSortKey(id)),
              std::tuple(header, menu, name, sort, fileKey, prevKey))
        << id;
  }
  // A word without a stored width starts with the window's own width for its id.
  const std::uint32_t path = DefaultColLayout()[1];
  EXPECT_EQ(std::tuple(EffectiveColumnWidth(path, kFileListColumnWidths),
                       EffectiveColumnWidth(path, kPreviewColumnWidths),
                       EffectiveColumnWidth(LayoutWord(1, true, 200), kPreviewColumnWidths)),
            std::tuple(120, 80, 200));
}

// Hiding Size and Attrib leaves seven columns with the two at the end; Size shown again
// comes last among the shown ones. Every shown column keeps the width the grid gave it.
// Built-in widths grow with a wider font (the icon column never), and never shrink.
TEST(ColumnLayout, BuiltInWidthsScaledByTheFontsAverageCharacter) {
  const ColumnWidths widths = {18, 120, 80, 40, 65, 50, 80, 80, 80};
  EXPECT_EQ(ScaledBuiltInWidths(widths, kBuiltInAverageCharWidth), widths);
  EXPECT_EQ(ScaledBuiltInWidths(widths, 3), widths);
  EXPECT_EQ(ScaledBuiltInWidths(widths, 2 * kBuiltInAverageCharWidth),
            (ColumnWidths{18, 240, 160, 80, 130, 100, 160, 160, 160}));
}

TEST(ColumnLayout, HidingAndShowingColumns) {
  ColLayoutWords words = DefaultColLayout();
  // clang-format off
  const struct { int Id; std::optional<std::size_t> ShownAt; std::vector<int> Ids; std::size_t Shown; } steps[] = {
      {4, std::nullopt, {0, 1, 2, 3, 5, 6, 7, 8, 4}, 8},
      {5, std::nullopt, {0, 1, 2, 3, 6, 7, 8, 4, 5}, 7},
      {4, 7, {0, 1, 2, 3, 6, 7, 8, 4, 5}, 8}};
  // clang-format on
  for (const auto& [id, shownAt, ids, shown] : steps) {
    std::vector<int> gridWidths;  // what the grid shows: 100 + id
    for (std::size_t i = 0; i < ShownColumnCount(words); ++i)
      gridWidths.push_back(100 + static_cast<int>(ColumnId(words[i])));
    const ColumnToggle toggle = ToggleColumn(words, id, gridWidths);
    EXPECT_EQ(std::tuple(toggle.Changed, toggle.ShownAt, Ids(words), ShownColumnCount(words),
                         IsColumnShown(words, id)),
              std::tuple(true, shownAt, ids, shown, shownAt.has_value()));
    for (std::size_t i = 0; i < kColumnCount; ++i) {
      const bool fresh = i >= shown || i == shownAt;
      EXPECT_EQ(ColumnWidth(words[i]), fresh ? 0 : 100 + ColumnId(words[i])) << i;
    }
  }
  ColLayoutWords single = Layout({2, 0, 1, 3, 4, 5, 6, 7, 8}, 1);  // the only one shown stays
  EXPECT_FALSE(ToggleColumn(single, 2, std::vector{300}).Changed);
  EXPECT_EQ(single, Layout({2, 0, 1, 3, 4, 5, 6, 7, 8}, 1));
}

// A dragged header takes its word along; hidden positions cannot take part.
TEST(ColumnLayout, MovingColumnsAndFindingTheHeaderUnderThePointer) {
  // clang-format off
  const struct { std::size_t From, To; bool Moved; std::vector<int> Ids; } cases[] = {
      {1, 3, true, {0, 2, 3, 1, 6, 7, 8, 4, 5}}, {5, 0, true, {7, 0, 1, 2, 3, 6, 8, 4, 5}},
      {2, 2, false, {0, 1, 2, 3, 6, 7, 8, 4, 5}}, {0, 7, false, {0, 1, 2, 3, 6, 7, 8, 4, 5}}};
  // clang-format on
  for (const auto& [from, to, moved, ids] : cases) {
    ColLayoutWords words = Layout({0, 1, 2, 3, 6, 7, 8, 4, 5}, 7);
    EXPECT_EQ(MoveColumn(words, from, to), moved);
    EXPECT_EQ(Ids(words), ids);
  }
  const std::vector widths = {18, 120, 80};
  // clang-format off
  const struct { int X; std::optional<std::size_t> Column; } hits[] = {
      {0, 0}, {17, 0}, {18, 1}, {137, 1}, {217, 2}, {218, std::nullopt}, {5000, std::nullopt}};
  // clang-format on
  for (const auto& [x, column] : hits) EXPECT_EQ(ColumnAtX(widths, x), column) << x;
}

}  // namespace
}  // namespace varnoke
