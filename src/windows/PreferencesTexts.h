#pragma once
// Captions of the preferences dialog, exactly as the user sees them.
#include <string_view>

namespace varnoke {

inline constexpr std::string_view kPreferencesCaption = "Preferences";
inline constexpr std::string_view kStartUpGroup = "Start up";
inline constexpr std::string_view kBlankListCheck = "Blank file list on start up";
inline constexpr std::string_view kHelpGroup = "Help";
inline constexpr std::string_view kDisableToolTipsCheck = "Disable tool tips";
inline constexpr std::string_view kExplorerGroup = "Windows 98 Explorer optins";
inline constexpr std::string_view kTrueCasesCheck = "Make Explorer show true cases";
// The explorer's choice means nothing on Linux: shown as stored, not to be changed.
inline constexpr std::string_view kTrueCasesTip =
    "Acts on Windows only; the stored choice is kept.";
inline constexpr std::string_view kSaveDefaultsGroup = "Save defaults";
inline constexpr std::string_view kSaveDefaultsItems[] = {"Save on requests", "Save every time"};
inline constexpr std::string_view kPreferencesOk = "&OK";
inline constexpr std::string_view kPreferencesCancel = "&Cancel";

}  // namespace varnoke
