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

}  // namespace varnoke
