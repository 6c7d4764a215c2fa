#include "files/ColLayoutValue.h"

#include <algorithm>
#include "files/Settings.h"

namespace varnoke {

ColLayoutWords DefaultColLayout() {
  ColLayoutWords words{};
  for (std::uint32_t i = 0; i < kColumnCount; ++i) words[i] = LayoutWord(i, true, 0);
  return words;
}

std::optional<ColLayoutWords> DecodeColLayout(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kColLayoutSize) return std::nullopt;
  ColLayoutWords words{};
  bool seenIds[kColumnCount] = {};
  bool hiddenSeen = false;
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    for (std::size_t b = 0; b < 4; ++b)
      words[i] |= static_cast<std::uint32_t>(bytes[i * 4 + b]) << (8 * b);
    const std::uint32_t id = ColumnId(words[i]);
    if (id >= kColumnCount || seenIds[id]) return std::nullopt;
    seenIds[id] = true;
    if (ColumnShown(words[i]) && hiddenSeen) return std::nullopt;
    hiddenSeen = hiddenSeen || !ColumnShown(words[i]);
  }
  if (!ColumnShown(words[0])) return std::nullopt;
  return words;
}

std::array<std::uint8_t, kColLayoutSize> EncodeColLayout(const ColLayoutWords& words) {
  std::array<std::uint8_t, kColLayoutSize> out{};
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    std::uint32_t word = words[i];
    if (!ColumnShown(word)) word = (word & 0xffff) | kHiddenColumnWidth << 16;
    for (std::size_t b = 0; b < 4; ++b) out[i * 4 + b] = static_cast<std::uint8_t>(word >> (8 * b));
  }
  return out;
}

ColLayoutWords ReadColLayout(const SettingsStore& store) {
  const auto value = store.Read(kSettingsKey, kColLayoutValue);
  if (value && value->Type == kRegBinary) {
    if (auto words = DecodeColLayout(value->Data)) return *words;
  }
  return DefaultColLayout();
}

int ReadOldNameWidth(const SettingsStore& store) {
  const auto value = store.Read(kSettingsKey, kOldNameWidthValue);
  const std::optional<std::uint32_t> width = value ? value->AsDword() : std::nullopt;
  return width && *width <= 0xffff ? static_cast<int>(*width) : 0;
}

bool WriteOldNameWidth(SettingsStore& store, int width) {
  store.Write(kSettingsKey, kOldNameWidthValue,
              RegValue::Dword(static_cast<std::uint32_t>(std::clamp(width, 0, 0xffff))));
  return store.Flush();
}

bool WriteColLayout(SettingsStore& store, const ColLayoutWords& words) {
  store.Write(kSettingsKey, kColLayoutValue, RegValue::Binary(EncodeColLayout(words)));
  return store.Flush();
}

}  // namespace varnoke
