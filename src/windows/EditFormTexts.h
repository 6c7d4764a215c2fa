#pragma once
// Captions of the two windows that edit names as text, exactly as the user sees them in
// English, marked for translation. The questions they ask live beside the engine
// (engine/EditMessages.h).
#include "platform/UiText.h"

namespace varnoke {

// The choice of the parts to edit.
inline constexpr UiText kEditChoiceCaption = VARNOKE_UI("TEditChoiceForm", "Edit options");
inline constexpr UiText kEditPartsTitle =
    VARNOKE_UI("TEditChoiceForm", "Parts of the filenames to be edited:");
inline constexpr UiText kEditPartItems[] = {
    VARNOKE_UI("TEditChoiceForm", "Filename only"),
    VARNOKE_UI("TEditChoiceForm", "Filename and extension"),
    VARNOKE_UI("TEditChoiceForm", "Filename and path"),
    VARNOKE_UI("TEditChoiceForm", "Filename, extension and path")};
inline constexpr UiText kEditChoiceOk = VARNOKE_UI("TEditChoiceForm", "&OK");
inline constexpr UiText kEditChoiceCancel = VARNOKE_UI("TEditChoiceForm", "&Cancel");

// The editor.
inline constexpr UiText kEditFormCaption = VARNOKE_UI("TEditForm", "Manual filename edit");
// What screen readers call the memo.
inline constexpr UiText kEditMemoName = VARNOKE_UI("TEditForm", "File names");
inline constexpr UiText kEditRenameMenu = VARNOKE_UI3("TEditForm", "&Rename", "menu bar");
inline constexpr UiText kEditFileNamesMenu = VARNOKE_UI3("TEditForm", "&File names", "menu bar");
inline constexpr UiText kEditCaseMenu = VARNOKE_UI3("TEditForm", "&Case", "menu bar");
inline constexpr UiText kEditStartItem = VARNOKE_UI3("TEditForm", "&Start", "Rename menu");
inline constexpr UiText kEditCancelItem = VARNOKE_UI3("TEditForm", "&Cancel", "Rename menu");
inline constexpr UiText kEditReimportItem =
    VARNOKE_UI3("TEditForm", "&Reimport", "File names menu");
inline constexpr UiText kEditCopyItem = VARNOKE_UI3("TEditForm", "&Copy", "File names menu");
inline constexpr UiText kEditPasteItem = VARNOKE_UI3("TEditForm", "&Paste", "File names menu");
inline constexpr UiText kEditSelectAllItem =
    VARNOKE_UI3("TEditForm", "Select all", "File names menu");
inline constexpr UiText kEditUpperCaseItem = VARNOKE_UI3("TEditForm", "&UPPER CASE", "Case menu");
inline constexpr UiText kEditLowerCaseItem = VARNOKE_UI3("TEditForm", "&lower case", "Case menu");
inline constexpr UiText kEditTitleCaseItem = VARNOKE_UI3("TEditForm", "&Title Case", "Case menu");
// The tool bar's buttons, by what they do.
inline constexpr UiText kEditStartHint = VARNOKE_UI("TEditForm", "Start");
inline constexpr UiText kEditCancelHint = VARNOKE_UI("TEditForm", "Cancel");
inline constexpr UiText kEditReimportHint = VARNOKE_UI("TEditForm", "Reimport names");
inline constexpr UiText kEditCopyHint = VARNOKE_UI("TEditForm", "Copy to clipboard");
inline constexpr UiText kEditPasteHint = VARNOKE_UI("TEditForm", "Paste from clipboard");
inline constexpr UiText kEditUpperCaseHint = VARNOKE_UI("TEditForm", "Upper case");
inline constexpr UiText kEditLowerCaseHint = VARNOKE_UI("TEditForm", "Lower case");
inline constexpr UiText kEditTitleCaseHint = VARNOKE_UI("TEditForm", "Title Case");

}  // namespace varnoke
