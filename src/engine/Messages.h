#pragma once
// The texts and captions of every message that planning and the pattern-field checks
// show, exactly as the user sees them in English, marked for translation and composed in
// the user's language.
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
inline constexpr UiText kPreparingPreviewLabel =
    VARNOKE_UI("Planning", "Varnoke is preparing name preview");

// Label of the progress window while a long list of files is listed.
inline constexpr UiText kAddingFilesLabel =
    VARNOKE_UI("Planning", "Varnoke is adding files to the list");

// Listing a dropped, pasted or imported file failed (no memory left): the rest is not
// listed.
inline constexpr UiText kCouldNotAddMoreFiles =
    VARNOKE_UI("Planning", "Could not add more files to the file list");

// A file that was busy when listed and still cannot be opened.
inline std::string StillBusyMessage(const Translation& tr, std::string_view fullPath) {
  return Arg(tr.Text(VARNOKE_UI(
                 "Planning",
                 "The file:\r\n%1\r\nis still busy. Please delete it from the list or free it")),
             {fullPath});
}

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
inline std::string NameTooLongMessage(const Translation& tr, std::string_view fullPath) {
  return Arg(tr.Text(VARNOKE_UI("Planning",
                                "The new name of the file:\r\n%1\r\nwould be longer than %2 "
                                "characters. The file is left out of the preview.")),
             {fullPath, std::to_string(kMaxExpandedLength)});
}

// A planned name or extension that would be a path or be cut short: the file is left
// out of the preview.
inline std::string ForbiddenCharacterMessage(const Translation& tr, std::string_view fullPath) {
  return Arg(tr.Text(VARNOKE_UI("Planning",
                                "The new name of the file:\r\n%1\r\nwould contain a \"/\" or a "
                                "NUL character, which no file name may hold.\r\nThe file is left "
                                "out of the preview.")),
             {fullPath});
}

// A planned file name longer than the file system of its target directory takes.
inline constexpr UiPlural kNameTooLongForTarget = {
    VARNOKE_UI_N("Planning",
                 "The new name of the file:\r\n%1\r\nwould be %n bytes long; the file system of "
                 "its target directory takes at most %2.\r\nThe file is left out of the "
                 "preview."),
    "The new name of the file:\r\n%1\r\nwould be %n byte long; the file system of its target "
    "directory takes at most %2.\r\nThe file is left out of the preview."};
inline std::string NameTooLongForTargetMessage(const Translation& tr, std::string_view fullPath,
                                               std::size_t length, std::size_t maximum) {
  return Arg(tr.Plural(kNameTooLongForTarget, static_cast<int>(length)),
             {fullPath, std::to_string(maximum)});
}

// A later entry of the list that names the same file as an earlier one: the file is
// planned once, as its earlier entry, so that no entry renames a file another entry has
// just given a new name.
inline std::string ListedTwiceMessage(const Translation& tr, std::string_view fullPath,
                                      std::string_view earlier) {
  return Arg(tr.Text(VARNOKE_UI("Planning",
                                "The file:\r\n%1\r\nis listed before, as\r\n%2\r\nA file is "
                                "renamed once in a run: this entry is left out of the preview.")),
             {fullPath, earlier});
}

// Moving or copying needs a target directory; planning aims nowhere else (such as the
// root directory or the working directory) instead.
inline constexpr UiText kNoTargetDirectoryText =
    VARNOKE_UI("Planning",
               "The files are to be moved or copied, but no target directory is set.\r\n"
               "Nothing is planned: choose a target directory in the options first.");
inline std::string TargetNotFullPathMessage(const Translation& tr, std::string_view directory) {
  return Arg(tr.Text(VARNOKE_UI("Planning",
                                "The target directory\r\n%1\r\nis not a full path.\r\nNothing "
                                "is planned: choose a target directory in the options first.")),
             {directory});
}

// Entries found, before a list is renamed or edited, to name files that are no longer
// there and that no journal tells the way to: they leave the list (plain box, OK). At most
// kNamedLinesAtMost paths are named, then how many more there are.
inline std::string GoneFromListMessage(const Translation& tr,
                                       const std::vector<std::string>& paths) {
  std::string text = tr.Text(
      VARNOKE_UI("Planning",
                 "These files are no longer where the list names them (they were moved, renamed "
                 "or deleted since they were listed) and were taken off the list:"));
  const std::size_t named = std::min(paths.size(), kNamedLinesAtMost);
  for (std::size_t i = 0; i < named; ++i) text.append("\r\n").append(paths[i]);
  AppendHowManyMore(text, tr, paths.size() - named);
  return text;
}

}  // namespace varnoke
