#pragma once
// Captions that only the search and add-files dialogs show, exactly as the user sees
// them. The search's own captions and messages live beside the search walker.
#include <string_view>

namespace varnoke {

// Search for files.
inline constexpr std::string_view kSearchPathLabel = "Path:";
inline constexpr std::string_view kSearchSubdirectories = "Include subdirectories";
inline constexpr std::string_view kSearchFiltersLabel = "Filters:";
inline constexpr std::string_view kSearchFilterLabel = "Filter:";
inline constexpr std::string_view kSearchAddFilter = "&Add filter";
inline constexpr std::string_view kSearchRemoveFilter = "&Remove filter";
inline constexpr std::string_view kSearchUseInclude = "Use/Include";
inline constexpr std::string_view kSearchReadOnly = "Read-only";
inline constexpr std::string_view kSearchArchive = "Archive";
inline constexpr std::string_view kSearchSystem = "System";
inline constexpr std::string_view kSearchHidden = "Hidden";
inline constexpr std::string_view kSearchOk = "&OK";
inline constexpr std::string_view kSearchDefault = "&Default";
// What a screen reader calls the use box of an attribute: this, then the attribute.
inline constexpr std::string_view kSearchUseBoxName = "Use ";
// While a search runs: the directories listed and the files found so far.
inline constexpr std::string_view kSearchFoundCounts = "Directories: %1   Files: %2";

// Add files.
inline constexpr std::string_view kAddFilesCaption = "Add files";
inline constexpr std::string_view kAddFilesPathLabel = "Path:";
inline constexpr std::string_view kAddFilesFilterLabel = "Filter:";
inline constexpr std::string_view kAddFilesFirstFilter = "*.*";
inline constexpr std::string_view kAddFilesListLabel = "Files:";
inline constexpr std::string_view kAddFilesCountLabel = "Files:";
inline constexpr std::string_view kAddFilesMarkedLabel = "Marked:";
inline constexpr std::string_view kAddFilesSelectNone = "Select &None";
inline constexpr std::string_view kAddFilesSelectAll = "Select &All";
inline constexpr std::string_view kAddFilesCancel = "&Cancel";
inline constexpr std::string_view kAddFilesOk = "&OK";
inline constexpr std::string_view kAddFilesMenuSelectAll = "Select &all";
inline constexpr std::string_view kAddFilesMenuSelectNone = "Select &none";
inline constexpr std::string_view kAddFilesListName = "Files";

}  // namespace varnoke
