#pragma once
// What the preferences dialog edits, without the dialog: the three bits of the
// preferences bit set, and the file explorer's "DontPrettyPath" setting, which the
// settings store keeps beside the program's own key. "DontPrettyPath" only concerns
// Windows Explorer: on Linux it is shown as stored and never written, so that the
// settings read alike on every system.
#include <cstdint>
#include <string_view>

#include "platform/SettingsStore.h"

namespace varnoke {

inline constexpr std::string_view kExplorerAdvancedKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
inline constexpr std::string_view kDontPrettyPath = "DontPrettyPath";

struct PreferenceChoices {
  bool BlankListOnStart = false;
  bool DisableToolTips = false;
  bool SaveEveryTime = false;
  bool ShowTrueCases = false;  // "DontPrettyPath" non-zero
  bool operator==(const PreferenceChoices&) const = default;
};

// The choices as the dialog opens: the bits of `preferences` and "DontPrettyPath"
// (unchecked when the value is missing or no 32-bit integer). The explorer key is
// created when it does not exist.
PreferenceChoices ReadPreferenceChoices(std::uint8_t preferences, SettingsStore& store);

// The bit set rebuilt from zero.
std::uint8_t PreferenceBits(const PreferenceChoices& choices);

}  // namespace varnoke
