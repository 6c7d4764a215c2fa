#pragma once
// The texts of the file-list and preview grids, their context menus and the path panel
// of their status bars, exactly as the user sees them.
#include <array>
#include <string_view>

#include "files/ColLayoutValue.h"
#include "platform/UiText.h"

namespace varnoke {

// By column id; the icon column has no header.
inline constexpr std::array<std::string_view, kColumnCount> kColumnHeaders = {
    "", "Path", "Name", "Ext", "Size", "Attrib", "Written to", "Accessed last", "Created"};
// The items of the Columns submenu by column id: captions and object names.
inline constexpr std::array<std::string_view, kColumnCount> kColumnMenuCaptions = {
    "&Icon",       "&Path",       "&Name",          "&Extension", "&Size",
    "&Attributes", "&Written to", "Accessed &last", "&Created"};
inline constexpr std::array<std::string_view, kColumnCount> kColumnMenuNames = {
    "PopIcon",       "PopPath",      "PopName",         "PopExtension", "PopSize",
    "PopAttributes", "PopWrittento", "PopAccessedlast", "PopCreated"};
// The items of the sort submenu, numbers 1 to 8 in this order.
inline constexpr std::array<std::string_view, kColumnCount - 1> kSortMenuCaptions = {
    "&1: Path",       "&2: Name",       "&3: Extension",     "&4: Size",
    "&5: Attributes", "&6: Written to", "&7: Accessed last", "&8: Created"};

// The file list's sort submenu ends with the order of taking (files without a time taken
// by their file time).
inline constexpr std::string_view kSortByTimeTakenCaption = "&9: Time taken";

// The size, attribute and time cells of a busy entry.
inline constexpr std::string_view kBusyCellText = "???";
// Appended to the full path of the single selected entry in the status bar.
inline constexpr UiText kConflictSuffix = VARNOKE_UI("Grid", " (CONFLICT)");
inline constexpr UiText kBusySuffix = VARNOKE_UI("Grid", " (BUSY)");

}  // namespace varnoke
