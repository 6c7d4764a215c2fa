#pragma once
// The nine columns of the file-list and preview grids: the texts and sort keys of each
// column id, the built-in widths of the two windows, and what showing, hiding and
// dragging a column does to the layout words (files/ColLayoutValue.h).
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "files/ColLayoutValue.h"
#include "platform/UiText.h"

namespace varnoke {

// Column ids: what a column shows, wherever it stands.
inline constexpr int kIconColumn = 0;
inline constexpr int kPathColumn = 1;
inline constexpr int kNameColumn = 2;
inline constexpr int kExtColumn = 3;
inline constexpr int kSizeColumn = 4;
inline constexpr int kAttribColumn = 5;
inline constexpr int kWrittenColumn = 6;
inline constexpr int kAccessedColumn = 7;
inline constexpr int kCreatedColumn = 8;
// The preview's old name, after the nine laid-out columns: always last, never part of the
// stored layout (its width is a value of its own).
inline constexpr int kOldNameColumn = 9;

// Widths in pixels by column id, used where a layout word stores width 0.
using ColumnWidths = std::array<int, kColumnCount>;
inline constexpr ColumnWidths kFileListColumnWidths = {18, 120, 80, 40, 65, 50, 80, 80, 80};
inline constexpr ColumnWidths kPreviewColumnWidths = {18, 80, 70, 35, 95, 95, 64, 64, 64};

// Texts by column id; empty for ids outside 0..8 (and the header of the icon column).
UiText HeaderText(int columnId);
UiText ColumnMenuCaption(int columnId);
std::string_view ColumnMenuName(int columnId);
// The caption of sort menu item 1..8; empty for other numbers.
UiText SortMenuCaption(int number);

// The key of TVrnFiles::Sort / TVrnPrevFiles::Sort for a column id; none for the icon
// column and ids outside 0..8. Sort menu item n sorts like column id n.
std::optional<int> FileListSortKey(int columnId);
std::optional<int> PreviewSortKey(int columnId);

// The grid's column count: the shown words come first.
std::size_t ShownColumnCount(const ColLayoutWords& words);
// Whether the column is shown: the check mark of its Columns menu item.
bool IsColumnShown(const ColLayoutWords& words, int columnId);

// The width a window gives the column of a shown word when it is created: the stored
// width, or the window's built-in width for the id when the stored width is 0 (the
// default layout stores none).
int EffectiveColumnWidth(std::uint32_t word, const ColumnWidths& builtIn);

// The built-in widths were made for a font whose average character is this wide (in
// pixels); in a wider font they grow in proportion, so dates and times show whole. The
// icon column holds a 16-pixel icon whatever the font; nothing gets narrower.
inline constexpr double kBuiltInAverageCharWidth = 5.0;
int ScaledBuiltInWidth(int width, double averageCharWidth);
ColumnWidths ScaledBuiltInWidths(const ColumnWidths& builtIn, double averageCharWidth);

struct ColumnToggle {
  bool Changed = false;  // false: refused, the layout is as it was
  // Where a hidden column was shown again: at the right end of the shown ones, with
  // width 0 in its word. The grid gives it its default width, kHiddenColumnWidth.
  std::optional<std::size_t> ShownAt;
};

// Shows the column `columnId` if hidden, hides it if shown; hiding the only shown column
// is refused. The grid's current widths of the shown positions (`shownWidths`, by
// position) are stored in the shown words first. A column shown again becomes the last
// shown one, a hidden column moves to the end. Afterwards the caller sets the grid's
// column count to ShownColumnCount, the width of every shown position whose word stores
// a width above 0 (so each column keeps its width although positions shifted), and
// kHiddenColumnWidth at ShownAt.
ColumnToggle ToggleColumn(ColLayoutWords& words, int columnId, std::span<const int> shownWidths);

// The user dragged the header at position `from` to position `to`: the word moves along.
// Both must be shown positions; returns whether the layout changed.
bool MoveColumn(ColLayoutWords& words, std::size_t from, std::size_t to);

// The shown position under x pixels from the grid's left edge, given the widths of the
// shown positions; none right of the last column.
std::optional<std::size_t> ColumnAtX(std::span<const int> shownWidths, int x);

}  // namespace varnoke
