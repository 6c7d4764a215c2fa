#pragma once
// The texts and captions of every message that planning and the pattern-field checks
// show, exactly as the user sees them.
#include <cstddef>
#include <string>
#include <string_view>

#include "files/FileMessages.h"

namespace varnoke {

// Caption of the plain message boxes (the program's title).
inline constexpr std::string_view kVarnokeCaption = kApplicationTitle;

// Label of the progress window while the preview is planned.
inline constexpr std::string_view kPreparingPreviewLabel = "Varnoke is preparing name preview";

// A file that was busy when listed and still cannot be opened.
inline std::string StillBusyMessage(std::string_view fullPath) {
  std::string text = "The file:\r\n";
  text.append(fullPath).append("\r\n").append(
      "is still busy. Please delete it from the list or free it");
  return text;
}

// The options dialog's checks of the pattern fields and the date format.
inline constexpr std::string_view kFilenameFieldIllegal =
    "The filename field is illegally formatted!";
inline constexpr std::string_view kExtensionFieldIllegal =
    "The extension field is illegally formatted!";
inline constexpr std::string_view kDateFieldIllegal = "The date field is illegally formatted!";

// Longest name or extension a pattern may build; far above any name a file system takes.
inline constexpr std::size_t kMaxExpandedLength = 4096;

// A pattern whose result for one file would pass kMaxExpandedLength: that file is left
// out of the preview, the others are planned.
inline std::string NameTooLongMessage(std::string_view fullPath) {
  std::string text = "The new name of the file:\r\n";
  text.append(fullPath).append("\r\n").append(
      "would be longer than 4096 characters. The file is left out of the preview.");
  return text;
}

// A planned name or extension that would be a path or be cut short: the file is left
// out of the preview.
inline std::string ForbiddenCharacterMessage(std::string_view fullPath) {
  std::string text = "The new name of the file:\r\n";
  text.append(fullPath).append(
      "\r\nwould contain a \"/\" or a NUL character, which no file name may hold.\r\n"
      "The file is left out of the preview.");
  return text;
}

// A planned file name longer than the file system of its target directory takes.
inline std::string NameTooLongForTargetMessage(std::string_view fullPath, std::size_t length,
                                               std::size_t maximum) {
  std::string text = "The new name of the file:\r\n";
  text.append(fullPath)
      .append("\r\nwould be ")
      .append(std::to_string(length))
      .append(" bytes long; the file system of its target directory takes at most ")
      .append(std::to_string(maximum))
      .append(".\r\nThe file is left out of the preview.");
  return text;
}

// Moving or copying needs a target directory; planning aims nowhere else (such as the
// root directory or the working directory) instead.
inline constexpr std::string_view kNoTargetDirectoryText =
    "The files are to be moved or copied, but no target directory is set.\r\n"
    "Nothing is planned: choose a target directory in the options first.";
inline std::string TargetNotFullPathMessage(std::string_view directory) {
  std::string text = "The target directory\r\n";
  text.append(directory).append(
      "\r\nis not a full path.\r\n"
      "Nothing is planned: choose a target directory in the options first.");
  return text;
}

}  // namespace varnoke
