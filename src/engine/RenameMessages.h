#pragma once
// The texts and captions of every message a renaming run shows, exactly as the user
// sees them, so that tests compare against the same constants.
#include <string>
#include <string_view>

#include "engine/Messages.h"

namespace varnoke {

// The blinking label of the progress window during a run.
inline constexpr std::string_view kRenamingLabel = "Varnoke is renaming files";

// A run that changed nothing on disk because every remaining file already had the name,
// times and attributes planned for it (plain box with kVarnokeCaption, OK).
inline constexpr std::string_view kNothingToRenameText =
    "Nothing was renamed: every file already has the name, the times and the attributes "
    "planned for it.";

// A file could not be moved or copied (plain box with kVarnokeCaption, OK).
inline constexpr std::string_view kRenameBusyText =
    "Varnoke was not able to rename a file.\r\n"
    "The cause is probably that the file is busy.\r\n"
    "This might interfere with the following operations,\r\n"
    "But Varnoke will still continue renaming.";

// A move or copy failed where no conflict was planned (OK / Cancel, exclamation icon).
inline constexpr std::string_view kNameConflictCaption = "Name conflict";
inline constexpr std::string_view kNameConflictText =
    "Varnoke encoutered an unexpected name conflict.\r\n"
    "This means that some filenames are changed since the files\r\n"
    "were imported into Varnoke's file list. If possible, the\r\n"
    "existing file will be deleted to Recycle Bin, else the\r\n"
    "file which is being renamed will be deleted to Recycle Bin.\r\n"
    "\r\n"
    "Is this OK? Press cancel to stop renaming.";

// Neither the file in the way nor the file being renamed could go to the trash (plain box, OK).
inline constexpr std::string_view kNeitherDeletedText =
    "Varnoke could neither delete the source file\r\n"
    "nor the target file... that is bad news.\r\n"
    "This might interfere with the following operations,\r\n"
    "But Varnoke will still continue renaming.";
// The same, followed by each of the two files with the system's reason why it could not
// go to the trash.
inline std::string NeitherDeletedMessage(std::string_view target, std::string_view targetReason,
                                         std::string_view source, std::string_view sourceReason) {
  std::string text(kNeitherDeletedText);
  text += AboutFile("\r\n\r\nThe target file:\r\n", target, "\r\ncould not go to the trash: ");
  text.append(targetReason).append(".");
  text += AboutFile("\r\nThe source file:\r\n", source, "\r\ncould not go to the trash: ");
  text.append(sourceReason).append(".");
  return text;
}

// The file of an entry is gone from where it was listed (another program, or another
// run over the same list, moved or deleted it): nothing is asked and nothing deleted
// for it (plain box, OK).
inline std::string VanishedMessage(std::string_view fullPath) {
  return AboutFile("The file:\r\n", fullPath,
                   "\r\nis no longer there: it was moved, renamed or deleted since it was "
                   "listed.\r\nVarnoke leaves it out and will still continue renaming.");
}

// A move or copy failed for another reason than a file in the way (OK / Cancel,
// exclamation icon). After OK, later files that fail for the same reason in the same
// directory are not asked about again.
inline constexpr std::string_view kRenameFailedCaption = "Varnoke error";
inline std::string RenameFailedMessage(bool copy, std::string_view source, std::string_view target,
                                       std::string_view reason) {
  std::string text =
      copy ? "Varnoke could not copy the file\r\n" : "Varnoke could not rename the file\r\n";
  text.append(source).append("\r\nto\r\n").append(target).append("\r\nThe reason: ");
  text.append(reason).append(
      ".\r\n\r\nThe file keeps its name. Press OK to go on with the other files (files that "
      "fail\r\n"
      "for the same reason in the same folder are not asked about again),\r\n"
      "or Cancel to stop renaming.");
  return text;
}

}  // namespace varnoke
