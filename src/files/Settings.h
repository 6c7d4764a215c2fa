#pragma once
// The program's lasting settings: read when the main window is created, written
// when it is destroyed. The default options record, the preferences and the
// default search filters, under the key Software\Orvelia\Varnoke.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/WindowPlacement.h"
#include "model/TFiles.h"
#include "platform/FileSystem.h"
#include "platform/SettingsStore.h"
#include "platform/Translation.h"

namespace varnoke {

inline constexpr std::string_view kSettingsKey = "Software\\Orvelia\\Varnoke";
inline constexpr std::string_view kFiltersKey = "Software\\Orvelia\\Varnoke\\Filters";
inline constexpr std::string_view kVersionValue = "Version";
inline constexpr std::string_view kResetMarker = "New";
inline constexpr std::string_view kProgramVersion = "7.0";

// Preferences bits.
inline constexpr std::uint8_t kPrefBlankListOnStart = 0x01;
inline constexpr std::uint8_t kPrefSaveEveryTime = 0x02;
inline constexpr std::uint8_t kPrefDisableToolTips = 0x04;

struct StoredSettings {
  TFiles Defaults;
  std::uint8_t Preferences = 0;
};

// Reads the settings as the main window's creation does. When "Version" reads
// exactly "New" the settings are reset first (ResetSettings), "AppPath" and
// "Version" = "7.0" are written and the reset is made lasting. `programDirectory`
// is the directory that stands for the program's own (the per-user data directory).
// Stored values of another type or size than the program writes count as missing.
StoredSettings ReadSettings(SettingsStore& store, FileSystem& fs,
                            std::string_view programDirectory);

// Deletes every "*.vns" file of `programDirectory`, then every value of the
// Filters key and of the program's key.
void ResetSettings(SettingsStore& store, FileSystem& fs, std::string_view programDirectory);

// Writes the settings as the main window's destruction does and makes them
// lasting; false when they could not be saved.
bool WriteSettings(SettingsStore& store, const StoredSettings& settings,
                   const WindowPlacement& mainWindow);

// The messages for settings files found damaged or unreadable since the last call, in the
// language of `tr`.
std::vector<std::string> TakeSettingsProblemMessages(SettingsStore& store, const Translation& tr);

}  // namespace varnoke
