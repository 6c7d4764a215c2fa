#pragma once
// The texts and captions of every message that planning and the pattern-field checks
// show, exactly as the user sees them.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileMessages.h"
#include "platform/Translation.h"

namespace varnoke {

// Caption of the plain message boxes (the program's title).
inline constexpr std::string_view kVarnokeCaption = kApplicationTitle;

// Label of the progress window while the preview is planned.
inline constexpr std::string_view kPreparingPreviewLabel = "Varnoke is preparing name preview";

// Label of the progress window while a long list of files is listed.
inline constexpr std::string_view kAddingFilesLabel = "Varnoke is adding files to the list";

// Listing a dropped, pasted or imported file failed (no memory left): the rest is not
// listed.
inline constexpr std::string_view kCouldNotAddMoreFiles =
    "Could not add more files to the file list";

// A message about one file: its full path on a line of its own between two texts.
inline std::string AboutFile(std::string_view before, std::string_view fullPath,
                             std::string_view after) {
  std::string text(before);
  text.append(fullPath).append(after);
  return text;
}

// A file that was busy when listed and still cannot be opened.
inline std::string StillBusyMessage(std::string_view fullPath) {
  return AboutFile("The file:\r\n", fullPath,
                   "\r\nis still busy. Please delete it from the list or free it");
}

inline constexpr std::string_view kNewNameOf = "The new name of the file:\r\n";
inline constexpr std::string_view kLeftOut = "The file is left out of the preview.";

// The options dialog's checks of the pattern fields and the date format.
inline constexpr UiText kFilenameFieldIllegal =
    VARNOKE_UI("TOptionsForm", "The filename field is illegally formatted!");
inline constexpr UiText kExtensionFieldIllegal =
    VARNOKE_UI("TOptionsForm", "The extension field is illegally formatted!");
inline constexpr UiText kDateFieldIllegal =
    VARNOKE_UI("TOptionsForm", "The date field is illegally formatted!");

// Longest name or extension a pattern may build; far above any name a file system takes.
inline constexpr std::size_t kMaxExpandedLength = 4096;

// A pattern whose result for one file would pass kMaxExpandedLength: that file is left
// out of the preview, the others are planned.
inline std::string NameTooLongMessage(std::string_view fullPath) {
  return AboutFile(kNewNameOf, fullPath, "\r\nwould be longer than 4096 characters. ") +
         std::string(kLeftOut);
}

// A planned name or extension that would be a path or be cut short: the file is left
// out of the preview.
inline std::string ForbiddenCharacterMessage(std::string_view fullPath) {
  return AboutFile(kNewNameOf, fullPath,
                   "\r\nwould contain a \"/\" or a NUL character, which no file name may "
                   "hold.\r\n") +
         std::string(kLeftOut);
}

// A planned file name longer than the file system of its target directory takes.
inline std::string NameTooLongForTargetMessage(std::string_view fullPath, std::size_t length,
                                               std::size_t maximum) {
  return AboutFile(kNewNameOf, fullPath,
                   "\r\nwould be " + std::to_string(length) +
                       " bytes long; the file system of its target directory takes at most " +
                       std::to_string(maximum) + ".\r\n") +
         std::string(kLeftOut);
}

// A later entry of the list that names the same file as an earlier one: the file is
// planned once, as its earlier entry, so that no entry renames a file another entry has
// just given a new name.
inline std::string ListedTwiceMessage(std::string_view fullPath, std::string_view earlier) {
  return AboutFile("The file:\r\n", fullPath, "\r\nis listed before, as\r\n") +
         std::string(earlier) +
         "\r\nA file is renamed once in a run: this entry is left out of the preview.";
}

// Moving or copying needs a target directory; planning aims nowhere else (such as the
// root directory or the working directory) instead.
inline constexpr std::string_view kNoTargetDirectoryText =
    "The files are to be moved or copied, but no target directory is set.\r\n"
    "Nothing is planned: choose a target directory in the options first.";
inline std::string TargetNotFullPathMessage(std::string_view directory) {
  return AboutFile("The target directory\r\n", directory,
                   "\r\nis not a full path.\r\n"
                   "Nothing is planned: choose a target directory in the options first.");
}

// Entries found, before a list is renamed or edited, to name files that are no longer
// there and that no journal tells the way to: they leave the list (plain box, OK). At most
// kNamedLinesAtMost paths are named, then how many more there are.
inline std::string GoneFromListMessage(const std::vector<std::string>& paths) {
  std::string text =
      "These files are no longer where the list names them (they were moved, renamed or "
      "deleted since they were listed) and were taken off the list:";
  const std::size_t named = std::min(paths.size(), kNamedLinesAtMost);
  for (std::size_t i = 0; i < named; ++i) text.append("\r\n").append(paths[i]);
  if (paths.size() > named)
    text.append("\r\n... and ").append(std::to_string(paths.size() - named)).append(" more");
  return text;
}

}  // namespace varnoke
