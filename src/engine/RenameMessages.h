#pragma once
// The texts and captions of every message a renaming run shows, exactly as the user
// sees them in English, marked for translation and composed in the user's language.
#include <string>
#include <string_view>

#include "engine/Messages.h"

namespace varnoke {

// The blinking label of the progress window during a run.
inline constexpr UiText kRenamingLabel = VARNOKE_UI("Renaming", "Varnoke is renaming files");

// A run that changed nothing on disk because every remaining file already had the name,
// times and attributes planned for it (plain box with kVarnokeCaption, OK).
inline constexpr UiText kNothingToRenameText =
    VARNOKE_UI("Renaming",
               "Nothing was renamed: every file already has the name, the times and the "
               "attributes planned for it.");

// A file could not be moved or copied (plain box with kVarnokeCaption, OK).
inline constexpr UiText kRenameBusyText =
    VARNOKE_UI("Renaming",
               "Varnoke was not able to rename a file.\r\n"
               "The cause is probably that the file is busy.\r\n"
               "This might interfere with the following operations,\r\n"
               "But Varnoke will still continue renaming.");

// A move or copy failed where no conflict was planned (OK / Cancel, exclamation icon).
inline constexpr UiText kNameConflictCaption = VARNOKE_UI("Renaming", "Name conflict");
inline constexpr UiText kNameConflictText =
    VARNOKE_UI("Renaming",
               "Varnoke encoutered an unexpected name conflict.\r\n"
               "This means that some filenames are changed since the files\r\n"
               "were imported into Varnoke's file list. If possible, the\r\n"
               "existing file will be deleted to Recycle Bin, else the\r\n"
               "file which is being renamed will be deleted to Recycle Bin.\r\n"
               "\r\n"
               "Is this OK? Press cancel to stop renaming.");

// Neither the file in the way nor the file being renamed could go to the trash (plain box,
// OK), followed by each of the two files with the system's reason why it could not go to
// the trash.
inline std::string NeitherDeletedMessage(const Translation& tr, std::string_view target,
                                         std::string_view targetReason, std::string_view source,
                                         std::string_view sourceReason) {
  return Arg(tr.Text(VARNOKE_UI("Renaming",
                                "Varnoke could neither delete the source file\r\n"
                                "nor the target file... that is bad news.\r\n"
                                "This might interfere with the following operations,\r\n"
                                "But Varnoke will still continue renaming.\r\n"
                                "\r\n"
                                "The target file:\r\n%1\r\ncould not go to the trash: %2.\r\n"
                                "The source file:\r\n%3\r\ncould not go to the trash: %4.")),
             {target, targetReason, source, sourceReason});
}

// The file of an entry is gone from where it was listed (another program, or another
// run over the same list, moved or deleted it): nothing is asked and nothing deleted
// for it (plain box, OK).
inline std::string VanishedMessage(const Translation& tr, std::string_view fullPath) {
  return Arg(tr.Text(VARNOKE_UI("Renaming",
                                "The file:\r\n%1\r\nis no longer there: it was moved, renamed or "
                                "deleted since it was listed.\r\nVarnoke leaves it out and will "
                                "still continue renaming.")),
             {fullPath});
}

// A move or copy failed for another reason than a file in the way (OK / Cancel,
// exclamation icon). After OK, later files that fail for the same reason in the same
// directory are not asked about again.
inline constexpr UiText kRenameFailedCaption = VARNOKE_UI("Renaming", "Varnoke error");
inline std::string RenameFailedMessage(const Translation& tr, bool copy, std::string_view source,
                                       std::string_view target, std::string_view reason) {
  const UiText copied =
      VARNOKE_UI("Renaming",
                 "Varnoke could not copy the file\r\n%1\r\nto\r\n%2\r\nThe reason: %3.\r\n\r\n"
                 "The file keeps its name. Press OK to go on with the other files (files that "
                 "fail\r\nfor the same reason in the same folder are not asked about again),\r\n"
                 "or Cancel to stop renaming.");
  const UiText renamed =
      VARNOKE_UI("Renaming",
                 "Varnoke could not rename the file\r\n%1\r\nto\r\n%2\r\nThe reason: %3.\r\n\r\n"
                 "The file keeps its name. Press OK to go on with the other files (files that "
                 "fail\r\nfor the same reason in the same folder are not asked about again),\r\n"
                 "or Cancel to stop renaming.");
  return Arg(tr.Text(copy ? copied : renamed), {source, target, reason});
}

}  // namespace varnoke
