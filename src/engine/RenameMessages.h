#pragma once
// The texts and captions of every message a renaming run shows, exactly as the user
// sees them, so that tests compare against the same constants.
#include <string_view>

#include "engine/Messages.h"

namespace varnoke {

// The blinking label of the progress window during a run.
inline constexpr std::string_view kRenamingLabel = "Varnoke is renaming files";

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

}  // namespace varnoke
