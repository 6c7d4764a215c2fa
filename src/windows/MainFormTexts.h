#pragma once
// The main window's menus and tool tips, exactly as the user sees them in English, marked
// for translation. Each menu's items carry its name, so their mnemonics are kept apart.
#include "platform/UiText.h"

namespace varnoke {

// The menu bar.
inline constexpr UiText kMainFilesMenu = VARNOKE_UI3("TMainForm", "&Files", "menu bar");
inline constexpr UiText kMainEditMenu = VARNOKE_UI3("TMainForm", "&Edit", "menu bar");
inline constexpr UiText kMainOptionsMenu = VARNOKE_UI3("TMainForm", "&Options", "menu bar");
inline constexpr UiText kMainQuickSettingsMenu =
    VARNOKE_UI3("TMainForm", "&Quick Settings", "menu bar");
inline constexpr UiText kMainWindowMenu = VARNOKE_UI3("TMainForm", "&Window", "menu bar");
inline constexpr UiText kMainHelpMenu = VARNOKE_UI3("TMainForm", "&Help", "menu bar");

// Files.
inline constexpr UiText kMainStartRenamingItem =
    VARNOKE_UI3("TMainForm", "&Start renaming", "Files menu");
inline constexpr UiText kMainEditManuallyItem =
    VARNOKE_UI3("TMainForm", "&Edit manually", "Files menu");
inline constexpr UiText kMainNewFileListItem =
    VARNOKE_UI3("TMainForm", "&New file list", "Files menu");
inline constexpr UiText kMainImportFileListItem =
    VARNOKE_UI3("TMainForm", "&Import file list", "Files menu");
inline constexpr UiText kMainAddToFileListItem =
    VARNOKE_UI3("TMainForm", "A&dd to file list", "Files menu");
inline constexpr UiText kMainSaveFileListItem =
    VARNOKE_UI3("TMainForm", "S&ave file list", "Files menu");
inline constexpr UiText kMainSearchForFilesItem =
    VARNOKE_UI3("TMainForm", "S&earch for files", "Files menu");
inline constexpr UiText kMainAddItem = VARNOKE_UI3("TMainForm", "&Add", "Files menu");
inline constexpr UiText kMainUnlistItem = VARNOKE_UI3("TMainForm", "&Unlist", "Files menu");
inline constexpr UiText kMainSelectAllItem = VARNOKE_UI3("TMainForm", "S&elect all", "Files menu");
inline constexpr UiText kMainUnlistAllItem = VARNOKE_UI3("TMainForm", "U&nlist all", "Files menu");
// Before a run to undo is known, then with the files it changed.
inline constexpr UiText kMainUndoLastRenamingItem =
    VARNOKE_UI3("TMainForm", "Und&o last renaming", "Files menu|undo");
inline constexpr UiPlural kMainUndoLastRenamingOfItem = {
    VARNOKE_UI_N3("TMainForm", "Und&o last renaming (%n files)", "Files menu|undo"),
    "Und&o last renaming (%n file)"};
inline constexpr UiText kMainExitItem = VARNOKE_UI3("TMainForm", "E&xit", "Files menu");

// Edit.
inline constexpr UiText kMainCopyItem = VARNOKE_UI3("TMainForm", "&Copy", "Edit menu");
inline constexpr UiText kMainCutItem = VARNOKE_UI3("TMainForm", "C&ut", "Edit menu");
inline constexpr UiText kMainPasteItem = VARNOKE_UI3("TMainForm", "&Paste", "Edit menu");
inline constexpr UiText kMainDeleteItem = VARNOKE_UI3("TMainForm", "&Delete", "Edit menu");

// Options.
inline constexpr UiText kMainSetRenamingOptionsItem =
    VARNOKE_UI3("TMainForm", "&Set renaming options", "Options menu");
inline constexpr UiText kMainResetAllItem = VARNOKE_UI3("TMainForm", "&Reset all", "Options menu");
inline constexpr UiText kMainResetNamesItem =
    VARNOKE_UI3("TMainForm", "Reset &names", "Options menu");
inline constexpr UiText kMainResetDatesItem =
    VARNOKE_UI3("TMainForm", "Reset &dates", "Options menu");
inline constexpr UiText kMainResetAttributesItem =
    VARNOKE_UI3("TMainForm", "Reset &attributes", "Options menu");
inline constexpr UiText kMainHideToolbarItem =
    VARNOKE_UI3("TMainForm", "Hide &toolbar", "Options menu|toolbar");
inline constexpr UiText kMainShowToolbarItem =
    VARNOKE_UI3("TMainForm", "Show &toolbar", "Options menu|toolbar");
inline constexpr UiText kMainPreferencesItem =
    VARNOKE_UI3("TMainForm", "Preferences...", "Options menu");

// Quick Settings.
inline constexpr UiText kMainOpenItem = VARNOKE_UI3("TMainForm", "&Open", "Quick Settings menu");
inline constexpr UiText kMainOpenHint = VARNOKE_UI("TMainForm", "Read settings from a file");
inline constexpr UiText kMainSaveAsItem =
    VARNOKE_UI3("TMainForm", "&Save as", "Quick Settings menu");
inline constexpr UiText kMainSaveAsHint = VARNOKE_UI("TMainForm", "Save settings in a file");

// The toolbar's Reset options button.
inline constexpr UiText kMainAllOptionsItem =
    VARNOKE_UI3("TMainForm", "&All options", "Reset options menu");
inline constexpr UiText kMainNameOptionsItem =
    VARNOKE_UI3("TMainForm", "&Name options", "Reset options menu");
inline constexpr UiText kMainDateOptionsItem =
    VARNOKE_UI3("TMainForm", "&Date options", "Reset options menu");
inline constexpr UiText kMainAttributeOptionsItem =
    VARNOKE_UI3("TMainForm", "A&ttribute options", "Reset options menu");

// Window.
inline constexpr UiText kMainTileHorizontalItem =
    VARNOKE_UI3("TMainForm", "Tile &horizontal", "Window menu");
inline constexpr UiText kMainTileVerticalItem =
    VARNOKE_UI3("TMainForm", "Tile &vertical", "Window menu");
inline constexpr UiText kMainCascadeItem = VARNOKE_UI3("TMainForm", "&Cascade", "Window menu");
inline constexpr UiText kMainArrangeIconsItem =
    VARNOKE_UI3("TMainForm", "&Arange icons", "Window menu");
inline constexpr UiText kMainMinimizeAllItem =
    VARNOKE_UI3("TMainForm", "&Minimize all", "Window menu");
inline constexpr UiText kMainNormalizeAllItem =
    VARNOKE_UI3("TMainForm", "&Normalize all", "Window menu");

// Help.
inline constexpr UiText kMainHelpItem = VARNOKE_UI3("TMainForm", "&Help", "Help menu");
inline constexpr UiText kMainIntroductionItem =
    VARNOKE_UI3("TMainForm", "&Introduction", "Help menu");
inline constexpr UiText kMainHowToGetHelpItem =
    VARNOKE_UI3("TMainForm", "How to &get help", "Help menu");
inline constexpr UiText kMainAboutItem = VARNOKE_UI3("TMainForm", "&About", "Help menu");

// The toolbar's buttons, by what they do.
inline constexpr UiText kMainPreviewRenamingTip = VARNOKE_UI("TMainForm", "Preview renaming");
inline constexpr UiText kMainEditAsTextTip = VARNOKE_UI("TMainForm", "Edit file list as text");
inline constexpr UiText kMainNewFileListTip = VARNOKE_UI("TMainForm", "New file list");
inline constexpr UiText kMainOpenFileListTip = VARNOKE_UI("TMainForm", "Open file list");
inline constexpr UiText kMainSaveFileListTip = VARNOKE_UI("TMainForm", "Save file list");
inline constexpr UiText kMainSearchAndAddTip =
    VARNOKE_UI("TMainForm", "Search for and add files to file list");
inline constexpr UiText kMainAddFilesTip = VARNOKE_UI("TMainForm", "Add files to file list");
inline constexpr UiText kMainUnlistFilesTip =
    VARNOKE_UI("TMainForm", "Unlist files from file list");
inline constexpr UiText kMainSelectAllTip =
    VARNOKE_UI("TMainForm", "Select all files in file list");
inline constexpr UiText kMainUnlistAllTip =
    VARNOKE_UI("TMainForm", "Unlist all files in file list");
inline constexpr UiText kMainMoveUpTip = VARNOKE_UI("TMainForm", "Move files up");
inline constexpr UiText kMainMoveDownTip = VARNOKE_UI("TMainForm", "Move files down");
inline constexpr UiText kMainSetOptionsTip = VARNOKE_UI("TMainForm", "Set options");
inline constexpr UiText kMainResetOptionsTip = VARNOKE_UI("TMainForm", "Reset options");
inline constexpr UiText kMainAboutTip = VARNOKE_UI("TMainForm", "About Varnoke");

// What screen readers call the workspace of the list windows.
inline constexpr UiText kMainWorkspaceName = VARNOKE_UI("TMainForm", "File lists");

}  // namespace varnoke
