#pragma once
// Captions of the two windows that edit names as text, exactly as the user sees them.
// The questions they ask live beside the engine (engine/EditMessages.h).
#include <string_view>

namespace varnoke {

// The choice of the parts to edit.
inline constexpr std::string_view kEditChoiceCaption = "Edit options";
inline constexpr std::string_view kEditPartsTitle = "Parts of the filenames to be edited:";
inline constexpr std::string_view kEditPartItems[] = {
    "Filename only", "Filename and extension", "Filename and path", "Filename, extension and path"};
inline constexpr std::string_view kEditChoiceOk = "&OK";
inline constexpr std::string_view kEditChoiceCancel = "&Cancel";

// The editor.
inline constexpr std::string_view kEditFormCaption = "Manual filename edit";
inline constexpr std::string_view kEditMemoName =
    "File names";  // what screen readers call the memo
inline constexpr std::string_view kEditRenameMenu = "&Rename";
inline constexpr std::string_view kEditFileNamesMenu = "&File names";
inline constexpr std::string_view kEditCaseMenu = "&Case";

}  // namespace varnoke
