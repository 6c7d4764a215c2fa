#pragma once
// The texts of the file-list and preview grids, their context menus and the path panel
// of their status bars, exactly as the user sees them in English, marked for translation.
#include <array>
#include <string_view>

#include "files/ColLayoutValue.h"
#include "platform/UiText.h"

namespace varnoke {

// By column id; the icon column has no header (an empty text, nothing to translate).
inline constexpr std::array<UiText, kColumnCount> kColumnHeaders = {
    UiText{"Grid", ""},
    VARNOKE_UI("Grid", "Path"),
    VARNOKE_UI("Grid", "Name"),
    VARNOKE_UI("Grid", "Ext"),
    VARNOKE_UI("Grid", "Size"),
    VARNOKE_UI("Grid", "Attrib"),
    VARNOKE_UI("Grid", "Written to"),
    VARNOKE_UI("Grid", "Accessed last"),
    VARNOKE_UI("Grid", "Created")};
// The preview's column after them.
inline constexpr UiText kOldNameHeader = VARNOKE_UI("Grid", "Old name");
// What screen readers call the icon column.
inline constexpr UiText kIconColumnName = VARNOKE_UI("Grid", "Icon");
// The items of the Columns submenu by column id: captions and object names.
inline constexpr std::array<UiText, kColumnCount> kColumnMenuCaptions = {
    VARNOKE_UI3("Grid", "&Icon", "Columns menu"),
    VARNOKE_UI3("Grid", "&Path", "Columns menu"),
    VARNOKE_UI3("Grid", "&Name", "Columns menu"),
    VARNOKE_UI3("Grid", "&Extension", "Columns menu"),
    VARNOKE_UI3("Grid", "&Size", "Columns menu"),
    VARNOKE_UI3("Grid", "&Attributes", "Columns menu"),
    VARNOKE_UI3("Grid", "&Written to", "Columns menu"),
    VARNOKE_UI3("Grid", "Accessed &last", "Columns menu"),
    VARNOKE_UI3("Grid", "&Created", "Columns menu")};
inline constexpr std::array<std::string_view, kColumnCount> kColumnMenuNames = {
    "PopIcon",       "PopPath",      "PopName",         "PopExtension", "PopSize",
    "PopAttributes", "PopWrittento", "PopAccessedlast", "PopCreated"};
// The items of the sort submenu, numbers 1 to 8 in this order.
inline constexpr std::array<UiText, kColumnCount - 1> kSortMenuCaptions = {
    VARNOKE_UI3("Grid", "&1: Path", "Sort menu"),
    VARNOKE_UI3("Grid", "&2: Name", "Sort menu"),
    VARNOKE_UI3("Grid", "&3: Extension", "Sort menu"),
    VARNOKE_UI3("Grid", "&4: Size", "Sort menu"),
    VARNOKE_UI3("Grid", "&5: Attributes", "Sort menu"),
    VARNOKE_UI3("Grid", "&6: Written to", "Sort menu"),
    VARNOKE_UI3("Grid", "&7: Accessed last", "Sort menu"),
    VARNOKE_UI3("Grid", "&8: Created", "Sort menu")};

// The file list's sort submenu ends with the order of taking (files without a time taken
// by their file time).
inline constexpr UiText kSortByTimeTakenCaption =
    VARNOKE_UI3("Grid", "&9: Time taken", "Sort menu");

// The size, attribute and time cells of a busy entry.
inline constexpr std::string_view kBusyCellText = "???";
// Appended to the full path of the single selected entry in the status bar.
inline constexpr UiText kConflictSuffix = VARNOKE_UI("Grid", " (CONFLICT)");
inline constexpr UiText kBusySuffix = VARNOKE_UI("Grid", " (BUSY)");

}  // namespace varnoke
