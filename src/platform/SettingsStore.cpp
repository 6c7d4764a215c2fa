#include "platform/SettingsStore.h"

#include <algorithm>

namespace varnoke {

RegValue RegValue::String(std::string_view text) {
  return RegValue{kRegSz, std::vector<std::uint8_t>(text.begin(), text.end())};
}

RegValue RegValue::Dword(std::uint32_t value) {
  return RegValue{kRegDword,
                  {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                   static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

RegValue RegValue::Binary(std::span<const std::uint8_t> bytes) {
  return RegValue{kRegBinary, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

std::optional<std::string> RegValue::AsString() const {
  if (Type != kRegSz) return std::nullopt;
  const auto end = std::find(Data.begin(), Data.end(), std::uint8_t{0});
  return std::string(Data.begin(), end);
}

std::optional<std::uint32_t> RegValue::AsDword() const {
  if (Type != kRegDword || Data.size() != 4) return std::nullopt;
  return static_cast<std::uint32_t>(Data[0]) | static_cast<std::uint32_t>(Data[1]) << 8 |
         static_cast<std::uint32_t>(Data[2]) << 16 | static_cast<std::uint32_t>(Data[3]) << 24;
}

}  // namespace varnoke
