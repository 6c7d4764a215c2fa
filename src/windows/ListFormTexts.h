#pragma once
// The file-list window's context menu and the status bar of both grids, exactly as the
// user sees them in English, marked for translation.
#include <array>

#include "platform/UiText.h"

namespace varnoke {

// The context menu of the file list; each item with the hint the status bar shows.
inline constexpr UiText kListSearchItem =
    VARNOKE_UI3("TNameListForm", "S&earch for files", "list menu");
inline constexpr UiText kListSearchHint =
    VARNOKE_UI("TNameListForm", "Search for and add files to file list");
inline constexpr UiText kListAddFilesItem = VARNOKE_UI3("TNameListForm", "&Add files", "list menu");
inline constexpr UiText kListAddFilesHint = VARNOKE_UI("TNameListForm", "Add files to file list");
inline constexpr UiText kListUnlistItem =
    VARNOKE_UI3("TNameListForm", "&Unlist files", "list menu");
inline constexpr UiText kListUnlistHint =
    VARNOKE_UI("TNameListForm", "Unlist files from file list");
inline constexpr UiText kListSelectAllItem =
    VARNOKE_UI3("TNameListForm", "&Select all", "list menu");
inline constexpr UiText kListSelectAllHint =
    VARNOKE_UI("TNameListForm", "Select all files in file list");
inline constexpr UiText kListUnlistAllItem =
    VARNOKE_UI3("TNameListForm", "U&nlist all", "list menu");
inline constexpr UiText kListUnlistAllHint =
    VARNOKE_UI("TNameListForm", "Unlist all files in file list");
inline constexpr UiText kListImportItem =
    VARNOKE_UI3("TNameListForm", "&Import file list", "list menu");
inline constexpr UiText kListImportHint =
    VARNOKE_UI("TNameListForm", "Import a file list form a text file");
inline constexpr UiText kListAddToItem =
    VARNOKE_UI3("TNameListForm", "A&dd to file list", "list menu");
inline constexpr UiText kListSaveItem =
    VARNOKE_UI3("TNameListForm", "S&ave file list", "list menu");
inline constexpr UiText kListSaveHint =
    VARNOKE_UI("TNameListForm", "Save file list in a text file");
inline constexpr UiText kListColumnsMenu = VARNOKE_UI3("TNameListForm", "&Columns", "list menu");
inline constexpr UiText kListSortMenu = VARNOKE_UI3("TNameListForm", "S&ort list", "list menu");
inline constexpr UiText kListSortHint = VARNOKE_UI("TNameListForm", "Sort files in file list");

// The status bar: a caption before each count, what screen readers call the panels, and
// how they read a panel with its value.
inline constexpr UiText kStatusFilesCaption = VARNOKE_UI("ListStatusBar", "Files:");
inline constexpr UiText kStatusMarkedCaption = VARNOKE_UI("ListStatusBar", "Marked:");
inline constexpr UiText kStatusFilesName = VARNOKE_UI("ListStatusBar", "Files");
inline constexpr UiText kStatusMarkedName = VARNOKE_UI("ListStatusBar", "Marked");
inline constexpr UiText kStatusSelectedName = VARNOKE_UI("ListStatusBar", "Selected file");
inline constexpr UiText kStatusNoteName = VARNOKE_UI("ListStatusBar", "Note");
inline constexpr UiText kStatusPanelValue =
    VARNOKE_UI3("ListStatusBar", "%1: %2", "a panel's name, then its value");

// What screen readers call a grid of files.
inline constexpr UiText kFileListName = VARNOKE_UI("ListGrid", "File list");

}  // namespace varnoke
