#pragma once
// A window's placement as the settings keep it: the platform's WINDOWPLACEMENT,
// 44 bytes of eleven little-endian 32-bit fields.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/SettingsStore.h"

namespace varnoke {

inline constexpr std::size_t kPlacementSize = 44;
inline constexpr std::string_view kMainWinPos = "MainWinPos";
inline constexpr std::string_view kAddWinPos = "AddWinPos";
inline constexpr std::string_view kEditWinPos = "EditWinPos";

// Show commands.
inline constexpr std::uint32_t kShowNormal = 1;
inline constexpr std::uint32_t kShowMinimized = 2;
inline constexpr std::uint32_t kShowMaximized = 3;

struct WindowPlacement {
  std::uint32_t Length = kPlacementSize;
  std::uint32_t Flags = 0;
  std::uint32_t ShowCmd = kShowNormal;
  std::int32_t MinX = 0, MinY = 0;
  std::int32_t MaxX = 0, MaxY = 0;
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const WindowPlacement&) const = default;
};

// The record as stored; the length field is always written as 44.
std::array<std::uint8_t, kPlacementSize> EncodePlacement(const WindowPlacement& placement);
// nullopt unless exactly 44 bytes; the length field is forced to 44.
std::optional<WindowPlacement> DecodePlacement(std::span<const std::uint8_t> bytes);

// The placement stored under a value name of the program's key ("MainWinPos",
// "AddWinPos", "EditWinPos"); nullopt when it is missing or not a 44-byte record.
std::optional<WindowPlacement> ReadPlacement(const SettingsStore& store, std::string_view name);
// Stores a placement and makes it lasting at once, as the registry would.
bool WritePlacement(SettingsStore& store, std::string_view name, const WindowPlacement& placement);

}  // namespace varnoke
