#pragma once
// The texts of the search for files, exactly as the user sees them in English, marked for
// translation.
#include <string_view>

#include "platform/UiText.h"

namespace varnoke {

inline constexpr UiText kSearchCaption = VARNOKE_UI("TFileSearchForm", "Search for files");
inline constexpr UiText kBuildingDirectoryTree =
    VARNOKE_UI("TFileSearchForm", "Building directory tree...");
inline constexpr UiText kSearchingForFiles =
    VARNOKE_UI("TFileSearchForm", "Searching for files...");
inline constexpr UiText kNoFiltersSpecified =
    VARNOKE_UI("TFileSearchForm", "No filters are specified!");
inline constexpr UiText kSearchErrorCaption = VARNOKE_UI("TFileSearchForm", "Error");
// The button that cancels the dialog stops a search while one runs (every other control
// is disabled then).
inline constexpr UiText kSearchStopButton =
    VARNOKE_UI3("TFileSearchForm", "&Stop", "while searching");
inline constexpr UiText kSearchCancelButton = VARNOKE_UI("TFileSearchForm", "&Cancel");
// The filter the dialog offers to add at first.
inline constexpr std::string_view kDefaultNewFilter = "*.*";

}  // namespace varnoke
