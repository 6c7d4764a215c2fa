#pragma once
// The texts the program shows about its stored files and settings, exactly as the
// user sees them in English, marked for translation and composed in the user's language.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/EscapedText.h"
#include "platform/FileStore.h"
#include "platform/Translation.h"

namespace varnoke {

// File-list files.
inline constexpr UiText kCannotCreateFile = VARNOKE_UI("Files", "Cannot create file %1");
inline constexpr UiText kCannotOpenFile = VARNOKE_UI("Files", "Cannot open file %1");

// The filters of the file dialogs, in the dialogs' own form ("Varnoke file lists|*.vls|All
// Files|*.*"): the names are the user's language, the patterns are not.
inline constexpr UiText kFileListFilterName = VARNOKE_UI("Files", "Varnoke file lists");
inline constexpr UiText kOptionSetFilterName = VARNOKE_UI("Files", "Varnoke sets");
inline constexpr UiText kAllFilesFilterName = VARNOKE_UI("Files", "All Files");
inline std::string DialogFilter(const Translation& tr, const UiText& name,
                                std::string_view pattern) {
  return tr.Text(name) + "|" + std::string(pattern) + "|" + tr.Text(kAllFilesFilterName) + "|*.*";
}
inline std::string FileListFilter(const Translation& tr) {
  return DialogFilter(tr, kFileListFilterName, "*.vls");
}
inline std::string OptionSetFilter(const Translation& tr) {
  return DialogFilter(tr, kOptionSetFilterName, "*.vns");
}

// A message names at most this many lines of a list, then how many more there are.
inline constexpr std::size_t kNamedLinesAtMost = 20;
inline constexpr UiPlural kHowManyMore = {VARNOKE_UI_N("Files", "... and %n more"),
                                          "... and %n more"};
inline void AppendHowManyMore(std::string& text, const Translation& tr, std::size_t more) {
  if (more > 0) text.append("\r\n").append(tr.Plural(kHowManyMore, static_cast<int>(more)));
}

// Lines of a list left out because they hold a NUL: the lines escaped (a NUL as \x00), one
// to a line, then how many more were left out.
inline std::string LinesWithNulMessage(const Translation& tr, const std::vector<std::string>& named,
                                       std::size_t more) {
  std::string text =
      tr.Text(VARNOKE_UI("Files", "A line that holds a NUL character names no file. Left out:"));
  for (const std::string& line : named) AppendEscaped(text.append("\r\n"), line);
  AppendHowManyMore(text, tr, more);
  return text;
}

// Option-set files: the messages of the general error handler.
inline constexpr UiText kFileNotFound = VARNOKE_UI("Files", "File not found");
inline constexpr UiText kFileAccessDenied = VARNOKE_UI("Files", "File access denied");
inline constexpr UiText kDiskFull = VARNOKE_UI("Files", "Disk full");
inline constexpr UiText kReadBeyondEndOfFile = VARNOKE_UI("Files", "Read beyond end of file");
inline constexpr UiText kIoError = VARNOKE_UI("Files", "I/O error %1");
inline constexpr std::string_view kOptionSetExtension = ".vns";

// The general error handler and the placement notes show the application title.
inline constexpr std::string_view kApplicationTitle = "Varnoke";

// Window placements.
inline constexpr std::string_view kCouldNotChangeWindowPosition =
    "Could not change window position";
inline constexpr std::string_view kCouldNotObtainWindowPosition =
    "Could not obtain window position";

// A settings file that could not be read: the file, then where it was kept.
inline constexpr UiText kSettingsFileDamaged =
    VARNOKE_UI("Files",
               "The settings file %1 could not be read. It was kept as %2; the default settings "
               "apply.");
inline constexpr UiText kSettingsFileUnreadable =
    VARNOKE_UI("Files",
               "The settings file %1 could not be read. The settings of this session will not be "
               "saved.");

// The general error handler's text for a failed file operation.
inline std::string IoErrorMessage(const Translation& tr, const IoError& error) {
  switch (error.Kind) {
    case IoErrorKind::NotFound:
      return tr.Text(kFileNotFound);
    case IoErrorKind::AccessDenied:
      return tr.Text(kFileAccessDenied);
    case IoErrorKind::DiskFull:
      return tr.Text(kDiskFull);
    case IoErrorKind::Other:
      break;
  }
  return Arg(tr.Text(kIoError), {std::to_string(error.Code)});
}

}  // namespace varnoke
