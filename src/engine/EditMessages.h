#pragma once
// The texts and captions of every question and message shown while names edited as
// text are applied, exactly as the user sees them in English, marked for translation and
// composed in the user's language.
#include <string>
#include <string_view>

#include "engine/Messages.h"

namespace varnoke {

// Before anything is renamed (Yes / No, question icon).
inline constexpr UiText kEditConfirmationCaption = VARNOKE_UI("EditNames", "Confirmation");
inline constexpr UiText kReallyRenameText =
    VARNOKE_UI("EditNames", "Do you really want to rename the files?");

// More or fewer lines than entries (OK / Cancel, exclamation icon).
inline constexpr UiText kEditWarningCaption = VARNOKE_UI("EditNames", "Warning");
inline constexpr UiText kMoreLinesText =
    VARNOKE_UI("EditNames",
               "The number of edited filenames are greater than the\r\n"
               "number of files in the file list. Rename anyway?");
inline constexpr UiText kFewerLinesText =
    VARNOKE_UI("EditNames",
               "The number of edited filenames are smaller than the\r\n"
               "number of files in the file list. Rename anyway?");

// A file stands in the way of a new name (Yes / No / Cancel, no icon, No by default): Yes
// sends that file to the trash, and the question says so.
inline constexpr UiText kEditFileExistsCaption =
    VARNOKE_UI("EditNames", "The file already exists!");
inline std::string OverwriteQuestion(const Translation& tr, std::string_view newFullPath) {
  return Arg(tr.Text(VARNOKE_UI("EditNames",
                                "Do you wish to overwrite %1?\r\nThe file now there will be moved "
                                "to the trash.")),
             {newFullPath});
}

// Closing the editor with edits not applied (OK / Cancel, exclamation icon).
inline constexpr UiText kDiscardChangesText =
    VARNOKE_UI("EditNames", "Do you really want to discard changes?");

// The file in the way could not go to the trash: it stays, and the file whose line
// named it keeps its name (OK, exclamation icon, kVarnokeCaption).
inline std::string NotTrashedMessage(const Translation& tr, std::string_view inTheWay,
                                     std::string_view source, std::string_view reason) {
  return Arg(tr.Text(VARNOKE_UI("EditNames",
                                "Varnoke could not move the file:\r\n%1\r\nto the trash. The "
                                "reason: %2.\r\nThe file stays, and the file:\r\n%3\r\nkeeps its "
                                "name.")),
             {inTheWay, reason, source});
}

// Why a line that names no full path is not applied, as the reason of NotRenamedMessage.
inline constexpr UiText kNotFullPathReason =
    VARNOKE_UI("EditNames", "the new name is no full path");

// The move failed again after the answer Yes (a missing directory, a name the file
// system refuses...): the file keeps its name (OK, exclamation icon, kVarnokeCaption).
inline std::string NotRenamedMessage(const Translation& tr, std::string_view source,
                                     std::string_view target, std::string_view reason) {
  return Arg(tr.Text(VARNOKE_UI("EditNames",
                                "Varnoke could not rename the file:\r\n%1\r\nto\r\n%2\r\nThe "
                                "reason: %3.\r\nThe file keeps its name.")),
             {source, target, reason});
}

// A file that stepped aside for an earlier line could not get its name back when
// applying stopped: it is kept under another name (OK, exclamation icon, kVarnokeCaption).
inline std::string KeptBesideMessage(const Translation& tr, std::string_view oldFullPath,
                                     std::string_view nowFullPath) {
  return Arg(tr.Text(VARNOKE_UI("EditNames",
                                "The file:\r\n%1\r\ncould not get its name back, because another "
                                "file has it now. It is kept as:\r\n%2")),
             {oldFullPath, nowFullPath});
}

}  // namespace varnoke
