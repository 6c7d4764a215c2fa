#pragma once
// The texts and captions of every question and message shown while names edited as
// text are applied, exactly as the user sees them, so that tests compare against the
// same constants.
#include <string>
#include <string_view>

#include "engine/Messages.h"

namespace varnoke {

// Before anything is renamed (Yes / No, question icon).
inline constexpr std::string_view kEditConfirmationCaption = "Confirmation";
inline constexpr std::string_view kReallyRenameText = "Do you really want to rename the files?";

// More or fewer lines than entries (OK / Cancel, exclamation icon).
inline constexpr std::string_view kEditWarningCaption = "Warning";
inline constexpr std::string_view kMoreLinesText =
    "The number of edited filenames are greater than the\r\n"
    "number of files in the file list. Rename anyway?";
inline constexpr std::string_view kFewerLinesText =
    "The number of edited filenames are smaller than the\r\n"
    "number of files in the file list. Rename anyway?";

// A file stands in the way of a new name (Yes / No / Cancel, no icon, No by default): Yes
// sends that file to the trash, and the question says so.
inline constexpr std::string_view kEditFileExistsCaption = "The file already exists!";
inline std::string OverwriteQuestion(std::string_view newFullPath) {
  return std::string("Do you wish to overwrite ")
      .append(newFullPath)
      .append("?\r\nThe file now there will be moved to the trash.");
}

// Closing the editor with edits not applied (OK / Cancel, exclamation icon).
inline constexpr std::string_view kDiscardChangesText = "Do you really want to discard changes?";

// The file in the way could not go to the trash: it stays, and the file whose line
// named it keeps its name (OK, exclamation icon, kVarnokeCaption).
inline std::string NotTrashedMessage(std::string_view inTheWay, std::string_view source,
                                     std::string_view reason) {
  std::string text =
      AboutFile("Varnoke could not move the file:\r\n", inTheWay, "\r\nto the trash. The reason: ");
  text.append(reason).append(".\r\nThe file stays, and the file:\r\n");
  text.append(source).append("\r\nkeeps its name.");
  return text;
}

// The move failed again after the answer Yes (a missing directory, a name the file
// system refuses...): the file keeps its name (OK, exclamation icon, kVarnokeCaption).
inline std::string NotRenamedMessage(std::string_view source, std::string_view target,
                                     std::string_view reason) {
  std::string text = AboutFile("Varnoke could not rename the file:\r\n", source, "\r\nto\r\n");
  text.append(target).append("\r\nThe reason: ").append(reason);
  text.append(".\r\nThe file keeps its name.");
  return text;
}

// A file that stepped aside for an earlier line could not get its name back when
// applying stopped: it is kept under another name (OK, exclamation icon, kVarnokeCaption).
inline std::string KeptBesideMessage(std::string_view oldFullPath, std::string_view nowFullPath) {
  std::string text = AboutFile("The file:\r\n", oldFullPath,
                               "\r\ncould not get its name back, because another file has it now. "
                               "It is kept as:\r\n");
  return text.append(nowFullPath);
}

}  // namespace varnoke
