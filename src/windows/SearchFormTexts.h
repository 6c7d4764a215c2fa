#pragma once
// Captions that only the search and add-files dialogs show, exactly as the user sees
// them in English, marked for translation. The search's own captions and messages live
// beside the search walker.
#include <string_view>

#include "platform/UiText.h"

namespace varnoke {

// Search for files.
inline constexpr UiText kSearchPathLabel = VARNOKE_UI("TFileSearchForm", "Path:");
inline constexpr UiText kSearchSubdirectories =
    VARNOKE_UI("TFileSearchForm", "Include subdirectories");
inline constexpr UiText kSearchFiltersLabel = VARNOKE_UI("TFileSearchForm", "Filters:");
// What screen readers call the list of filters.
inline constexpr UiText kSearchFiltersName = VARNOKE_UI("TFileSearchForm", "Filters");
inline constexpr UiText kSearchFilterLabel = VARNOKE_UI("TFileSearchForm", "Filter:");
inline constexpr UiText kSearchAddFilter = VARNOKE_UI("TFileSearchForm", "&Add filter");
inline constexpr UiText kSearchRemoveFilter = VARNOKE_UI("TFileSearchForm", "&Remove filter");
inline constexpr UiText kSearchUseInclude = VARNOKE_UI("TFileSearchForm", "Use/Include");
inline constexpr UiText kSearchReadOnly = VARNOKE_UI("TFileSearchForm", "Read-only");
inline constexpr UiText kSearchArchive = VARNOKE_UI("TFileSearchForm", "Archive");
inline constexpr UiText kSearchSystem = VARNOKE_UI("TFileSearchForm", "System");
inline constexpr UiText kSearchHidden = VARNOKE_UI("TFileSearchForm", "Hidden");
inline constexpr UiText kSearchOk = VARNOKE_UI("TFileSearchForm", "&OK");
inline constexpr UiText kSearchDefault = VARNOKE_UI("TFileSearchForm", "&Default");
// What a screen reader calls the use box of an attribute, the attribute in it.
inline constexpr UiText kSearchUseBoxName = VARNOKE_UI("TFileSearchForm", "Use %1");
// While a search runs: the directories listed and the files found so far.
inline constexpr UiText kSearchFoundCounts =
    VARNOKE_UI("TFileSearchForm", "Directories: %1   Files: %2");

// Add files.
inline constexpr UiText kAddFilesCaption = VARNOKE_UI("TAddFiles", "Add files");
inline constexpr UiText kAddFilesPathLabel = VARNOKE_UI("TAddFiles", "Path:");
inline constexpr UiText kAddFilesFilterLabel = VARNOKE_UI("TAddFiles", "Filter:");
inline constexpr std::string_view kAddFilesFirstFilter = "*.*";
inline constexpr UiText kAddFilesListLabel = VARNOKE_UI3("TAddFiles", "Files:", "above the list");
inline constexpr UiText kAddFilesCountLabel =
    VARNOKE_UI3("TAddFiles", "Files:", "before the number of files");
inline constexpr UiText kAddFilesMarkedLabel = VARNOKE_UI("TAddFiles", "Marked:");
inline constexpr UiText kAddFilesSelectNone = VARNOKE_UI("TAddFiles", "Select &None");
inline constexpr UiText kAddFilesSelectAll = VARNOKE_UI("TAddFiles", "Select &All");
inline constexpr UiText kAddFilesCancel = VARNOKE_UI("TAddFiles", "&Cancel");
inline constexpr UiText kAddFilesOk = VARNOKE_UI("TAddFiles", "&OK");
inline constexpr UiText kAddFilesMenuSelectAll =
    VARNOKE_UI3("TAddFiles", "Select &all", "list menu");
inline constexpr UiText kAddFilesMenuSelectNone =
    VARNOKE_UI3("TAddFiles", "Select &none", "list menu");
inline constexpr UiText kAddFilesListName = VARNOKE_UI("TAddFiles", "Files");

}  // namespace varnoke
