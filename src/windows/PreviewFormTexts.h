#pragma once
// The preview window's captions, exactly as the user sees them in English, marked for
// translation.
#include "platform/UiText.h"

namespace varnoke {

inline constexpr UiText kPreviewCaption = VARNOKE_UI("TPreviewForm", "Varnoke preview");
inline constexpr UiText kRenameNowText = VARNOKE_UI("TPreviewForm", "Rename now!");
inline constexpr UiText kRenameNowHint =
    VARNOKE_UI("TPreviewForm",
               "By clicking here you start the actual renaming process.\r\n"
               "You may delete files from the file list to skip them.");
// What screen readers call the grid.
inline constexpr UiText kPlannedFilesName = VARNOKE_UI("TPreviewForm", "Planned files");
// The context menu of the grid.
inline constexpr UiText kPreviewColumnsMenu = VARNOKE_UI3("TPreviewForm", "&Columns", "list menu");
inline constexpr UiText kPreviewSortMenu = VARNOKE_UI3("TPreviewForm", "S&ort list", "list menu");

}  // namespace varnoke
