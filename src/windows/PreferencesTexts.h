#pragma once
// Captions of the preferences dialog, exactly as the user sees them in English, marked
// for translation.
#include "platform/UiText.h"

namespace varnoke {

inline constexpr UiText kPreferencesCaption = VARNOKE_UI("TPreferences", "Preferences");
inline constexpr UiText kStartUpGroup = VARNOKE_UI("TPreferences", "Start up");
inline constexpr UiText kBlankListCheck = VARNOKE_UI("TPreferences", "Blank file list on start up");
inline constexpr UiText kHelpGroup = VARNOKE_UI("TPreferences", "Help");
inline constexpr UiText kDisableToolTipsCheck = VARNOKE_UI("TPreferences", "Disable tool tips");
inline constexpr UiText kExplorerGroup = VARNOKE_UI("TPreferences", "Windows 98 Explorer optins");
inline constexpr UiText kTrueCasesCheck =
    VARNOKE_UI("TPreferences", "Make Explorer show true cases");
// The explorer's choice means nothing on Linux: shown as stored, not to be changed.
inline constexpr UiText kTrueCasesTip =
    VARNOKE_UI("TPreferences", "Acts on Windows only; the stored choice is kept.");
inline constexpr UiText kSaveDefaultsGroup = VARNOKE_UI("TPreferences", "Save defaults");
inline constexpr UiText kSaveDefaultsItems[] = {VARNOKE_UI("TPreferences", "Save on requests"),
                                                VARNOKE_UI("TPreferences", "Save every time")};
inline constexpr UiText kPreferencesOk = VARNOKE_UI("TPreferences", "&OK");
inline constexpr UiText kPreferencesCancel = VARNOKE_UI("TPreferences", "&Cancel");

}  // namespace varnoke
