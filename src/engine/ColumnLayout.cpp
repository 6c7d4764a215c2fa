#include "engine/ColumnLayout.h"

#include <algorithm>
#include <cmath>

#include "engine/GridMessages.h"

namespace varnoke {
namespace {

bool ValidId(int columnId) {
  return columnId >= 0 && columnId < static_cast<int>(kColumnCount);
}

template <typename Text>
Text ById(const std::array<Text, kColumnCount>& texts, int columnId, Text none) {
  return ValidId(columnId) ? texts[static_cast<std::size_t>(columnId)] : none;
}

constexpr UiText kNoText{"Grid", ""};

std::optional<int> SortKey(const std::array<int, kColumnCount>& keys, int columnId) {
  if (!ValidId(columnId) || keys[static_cast<std::size_t>(columnId)] < 0) return std::nullopt;
  return keys[static_cast<std::size_t>(columnId)];
}

std::optional<std::size_t> PositionOf(const ColLayoutWords& words, int columnId) {
  for (std::size_t i = 0; i < kColumnCount; ++i)
    if (static_cast<int>(ColumnId(words[i])) == columnId) return i;
  return std::nullopt;
}

}  // namespace

UiText HeaderText(int columnId) {
  return ById(kColumnHeaders, columnId, kNoText);
}

UiText ColumnMenuCaption(int columnId) {
  return ById(kColumnMenuCaptions, columnId, kNoText);
}

std::string_view ColumnMenuName(int columnId) {
  return ById(kColumnMenuNames, columnId, std::string_view());
}

UiText SortMenuCaption(int number) {
  if (number < 1 || number > static_cast<int>(kSortMenuCaptions.size())) return kNoText;
  return kSortMenuCaptions[static_cast<std::size_t>(number - 1)];
}

// The file list sorts by 0 Path .. 4 Attr, 5 Created, 6 Accessed, 7 Written.
std::optional<int> FileListSortKey(int columnId) {
  return SortKey({-1, 0, 1, 2, 3, 4, 7, 6, 5}, columnId);
}

// The preview list's key 0 is the order of planning, which no column shows.
std::optional<int> PreviewSortKey(int columnId) {
  return SortKey({-1, 1, 2, 3, 4, 5, 8, 7, 6}, columnId);
}

std::size_t ShownColumnCount(const ColLayoutWords& words) {
  return static_cast<std::size_t>(std::ranges::count_if(words, ColumnShown));
}

bool IsColumnShown(const ColLayoutWords& words, int columnId) {
  const auto p = PositionOf(words, columnId);
  return p && ColumnShown(words[*p]);
}

int EffectiveColumnWidth(std::uint32_t word, const ColumnWidths& builtIn) {
  const std::uint32_t stored = ColumnWidth(word);
  if (stored > 0 || ColumnId(word) >= kColumnCount) return static_cast<int>(stored);
  return builtIn[ColumnId(word)];
}

int ScaledBuiltInWidth(int width, double averageCharWidth) {
  const double factor = std::max(1.0, averageCharWidth / kBuiltInAverageCharWidth);
  return static_cast<int>(std::lround(width * factor));
}

ColumnWidths ScaledBuiltInWidths(const ColumnWidths& builtIn, double averageCharWidth) {
  ColumnWidths scaled = builtIn;
  for (std::size_t id = 1; id < scaled.size(); ++id)
    scaled[id] = ScaledBuiltInWidth(builtIn[id], averageCharWidth);
  return scaled;
}

ColumnToggle ToggleColumn(ColLayoutWords& words, int columnId, std::span<const int> shownWidths) {
  const auto p = PositionOf(words, columnId);
  const std::size_t shown = ShownColumnCount(words);
  if (!p || (ColumnShown(words[*p]) && shown == 1)) return {};
  for (std::size_t i = 0; i < std::min(shown, shownWidths.size()); ++i) {
    const int width = std::clamp(shownWidths[i], 0, 0xffff);
    words[i] = LayoutWord(ColumnId(words[i]), true, static_cast<std::uint32_t>(width));
  }
  const auto at = words.begin() + static_cast<std::ptrdiff_t>(*p);
  const auto id = static_cast<std::uint32_t>(columnId);
  if (ColumnShown(*at)) {
    *at = LayoutWord(id, false, 0);
    std::rotate(at, at + 1, words.end());
    return {true, std::nullopt};
  }
  *at = LayoutWord(id, true, 0);
  std::rotate(words.begin() + static_cast<std::ptrdiff_t>(shown), at, at + 1);
  return {true, shown};
}

bool MoveColumn(ColLayoutWords& words, std::size_t from, std::size_t to) {
  const std::size_t shown = ShownColumnCount(words);
  if (from >= shown || to >= shown || from == to) return false;
  const auto f = words.begin() + static_cast<std::ptrdiff_t>(from);
  const auto t = words.begin() + static_cast<std::ptrdiff_t>(to);
  if (from < to)
    std::rotate(f, f + 1, t + 1);
  else
    std::rotate(t, f, f + 1);
  return true;
}

std::optional<std::size_t> ColumnAtX(std::span<const int> shownWidths, int x) {
  long long right = 0;
  for (std::size_t i = 0; i < shownWidths.size(); ++i) {
    right += shownWidths[i];
    if (right > x) return i;
  }
  return std::nullopt;
}

}  // namespace varnoke
