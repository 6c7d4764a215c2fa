#pragma once
// The texts the program shows about its stored files and settings, exactly as the
// user sees them, so that tests compare against the same constants.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/EscapedText.h"
#include "platform/FileStore.h"

namespace varnoke {

// File-list files.
inline constexpr std::string_view kCannotCreateFile = "Cannot create file %s";
inline constexpr std::string_view kCannotOpenFile = "Cannot open file %s";
inline constexpr std::string_view kFileListFilter = "Varnoke file lists|*.vls|All Files|*.*";

// A message names at most this many lines of a list, then how many more there are.
inline constexpr std::size_t kNamedLinesAtMost = 20;

// Lines of a list left out because they hold a NUL: the lines escaped (a NUL as \x00), one
// to a line, then how many more were left out.
inline std::string LinesWithNulMessage(const std::vector<std::string>& named, std::size_t more) {
  std::string text = "A line that holds a NUL character names no file. Left out:";
  for (const std::string& line : named) AppendEscaped(text.append("\r\n"), line);
  if (more > 0) text.append("\r\n... and ").append(std::to_string(more)).append(" more");
  return text;
}

// Option-set files: the messages of the general error handler.
inline constexpr std::string_view kFileNotFound = "File not found";
inline constexpr std::string_view kFileAccessDenied = "File access denied";
inline constexpr std::string_view kDiskFull = "Disk full";
inline constexpr std::string_view kReadBeyondEndOfFile = "Read beyond end of file";
inline constexpr std::string_view kIoError = "I/O error %d";
inline constexpr std::string_view kOptionSetFilter = "Varnoke sets|*.vns|All Files|*.*";
inline constexpr std::string_view kOptionSetExtension = ".vns";

// The general error handler and the placement notes show the application title.
inline constexpr std::string_view kApplicationTitle = "Varnoke";

// Window placements.
inline constexpr std::string_view kCouldNotChangeWindowPosition =
    "Could not change window position";
inline constexpr std::string_view kCouldNotObtainWindowPosition =
    "Could not obtain window position";

// A settings file that could not be read: the file, then where it was kept.
inline constexpr std::string_view kSettingsFileDamaged =
    "The settings file %s could not be read. It was kept as %s; the default settings apply.";
inline constexpr std::string_view kSettingsFileUnreadable =
    "The settings file %s could not be read. The settings of this session will not be saved.";

// The pattern with its first "%s" replaced by `first` and its second by `second`.
inline std::string FormatText(std::string_view pattern, std::string_view first,
                              std::string_view second = {}) {
  std::string out;
  int used = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' && used < 2) {
      out.append(used++ == 0 ? first : second);
      ++i;
    } else {
      out.push_back(pattern[i]);
    }
  }
  return out;
}

// The general error handler's text for a failed file operation.
inline std::string IoErrorMessage(const IoError& error) {
  switch (error.Kind) {
    case IoErrorKind::NotFound:
      return std::string(kFileNotFound);
    case IoErrorKind::AccessDenied:
      return std::string(kFileAccessDenied);
    case IoErrorKind::DiskFull:
      return std::string(kDiskFull);
    case IoErrorKind::Other:
      break;
  }
  return std::string(kIoError.substr(0, kIoError.find("%d"))) + std::to_string(error.Code);
}

}  // namespace varnoke
