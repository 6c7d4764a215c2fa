#pragma once
// The column layout of the file-list and preview windows as the settings keep it:
// the value "ColLayout", nine little-endian 32-bit layout words in display order.
// A word holds the column id (bits 0-7), whether it is shown (bits 8-15, not 0)
// and its width in pixels (bits 16-31); the shown words come first.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/SettingsStore.h"

namespace varnoke {

inline constexpr std::size_t kColumnCount = 9;
inline constexpr std::size_t kColLayoutSize = kColumnCount * 4;
inline constexpr std::string_view kColLayoutValue = "ColLayout";
// The grid's default column width, stored for hidden columns.
inline constexpr std::uint32_t kHiddenColumnWidth = 64;

using ColLayoutWords = std::array<std::uint32_t, kColumnCount>;

constexpr std::uint32_t ColumnId(std::uint32_t word) {
  return word & 0xff;
}
constexpr bool ColumnShown(std::uint32_t word) {
  return ((word >> 8) & 0xff) != 0;
}
constexpr std::uint32_t ColumnWidth(std::uint32_t word) {
  return word >> 16;
}
constexpr std::uint32_t LayoutWord(std::uint32_t id, bool shown, std::uint32_t width) {
  return (id & 0xff) | (shown ? 0x100u : 0u) | (width << 16);
}

// Every column shown in id order, with the window's built-in widths (width 0).
ColLayoutWords DefaultColLayout();

// nullopt for a value outside the format: not exactly 36 bytes, no column shown, a
// shown word after a hidden one, or ids that are not each of 0 to 8 once.
std::optional<ColLayoutWords> DecodeColLayout(std::span<const std::uint8_t> bytes);
std::array<std::uint8_t, kColLayoutSize> EncodeColLayout(const ColLayoutWords& words);

// The width of the preview's "Old name" column, kept beside the layout; 0 when none is
// stored (the grid then gives its own).
inline constexpr std::string_view kOldNameWidthValue = "OldNameWidth";
int ReadOldNameWidth(const SettingsStore& store);
bool WriteOldNameWidth(SettingsStore& store, int width);

// The stored layout, or the default one when it is missing or outside the format.
ColLayoutWords ReadColLayout(const SettingsStore& store);
// Stores the layout (hidden columns with width 64) and makes it lasting at once.
bool WriteColLayout(SettingsStore& store, const ColLayoutWords& words);

}  // namespace varnoke
