#include "files/WindowPlacement.h"

#include "files/Settings.h"

namespace varnoke {

std::array<std::uint8_t, kPlacementSize> EncodePlacement(const WindowPlacement& p) {
  const std::uint32_t fields[11] = {static_cast<std::uint32_t>(kPlacementSize),
                                    p.Flags,
                                    p.ShowCmd,
                                    static_cast<std::uint32_t>(p.MinX),
                                    static_cast<std::uint32_t>(p.MinY),
                                    static_cast<std::uint32_t>(p.MaxX),
                                    static_cast<std::uint32_t>(p.MaxY),
                                    static_cast<std::uint32_t>(p.Left),
                                    static_cast<std::uint32_t>(p.Top),
                                    static_cast<std::uint32_t>(p.Right),
                                    static_cast<std::uint32_t>(p.Bottom)};
  std::array<std::uint8_t, kPlacementSize> out{};
  for (std::size_t f = 0; f < 11; ++f)
    for (std::size_t b = 0; b < 4; ++b)
      out[f * 4 + b] = static_cast<std::uint8_t>(fields[f] >> (8 * b));
  return out;
}

std::optional<WindowPlacement> DecodePlacement(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kPlacementSize) return std::nullopt;
  std::uint32_t f[11];
  for (std::size_t i = 0; i < 11; ++i) {
    f[i] = 0;
    for (std::size_t b = 0; b < 4; ++b)
      f[i] |= static_cast<std::uint32_t>(bytes[i * 4 + b]) << (8 * b);
  }
  auto s = [&](int i) { return static_cast<std::int32_t>(f[i]); };
  return WindowPlacement{kPlacementSize, f[1], f[2], s(3), s(4), s(5),
                         s(6),           s(7), s(8), s(9), s(10)};
}

std::optional<WindowPlacement> ReadPlacement(const SettingsStore& store, std::string_view name) {
  const auto value = store.Read(kSettingsKey, name);
  if (!value || value->Type != kRegBinary) return std::nullopt;
  return DecodePlacement(value->Data);
}

bool WritePlacement(SettingsStore& store, std::string_view name, const WindowPlacement& placement) {
  store.Write(kSettingsKey, name, RegValue::Binary(EncodePlacement(placement)));
  return store.Flush();
}

}  // namespace varnoke
