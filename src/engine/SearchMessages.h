#pragma once
// The texts of the search for files, exactly as the user sees them.
#include <string_view>

namespace varnoke {

inline constexpr std::string_view kSearchCaption = "Search for files";
inline constexpr std::string_view kBuildingDirectoryTree = "Building directory tree...";
inline constexpr std::string_view kSearchingForFiles = "Searching for files...";
inline constexpr std::string_view kNoFiltersSpecified = "No filters are specified!";
inline constexpr std::string_view kSearchErrorCaption = "Error";
inline constexpr std::string_view kSearchStopButton = "&Stop";
inline constexpr std::string_view kSearchCancelButton = "&Cancel";
// The filter the dialog offers to add at first.
inline constexpr std::string_view kDefaultNewFilter = "*.*";

}  // namespace varnoke
