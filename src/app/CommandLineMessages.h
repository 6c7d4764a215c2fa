#pragma once
// The messages of the command line and the automatic run, word for word in English,
// marked for translation: the desktop program shows them in the user's language.
#include <string>
#include <string_view>

#include "files/FileMessages.h"
#include "platform/Translation.h"

namespace varnoke {

inline constexpr UiText kCommandLineErrorCaption = VARNOKE_UI("CommandLine", "Varnoke error");

// A search switch whose value is no full path, or names no directory.
inline std::string IllegalParameterMessage(const Translation& tr, std::string_view parameter) {
  return Arg(tr.Text(VARNOKE_UI("CommandLine",
                                "The command line parameter %1 was illegally formated\n\r"
                                "Full path must be included!")),
             {parameter});
}

inline constexpr UiText kRunSwitchIncompleteMessage =
    VARNOKE_UI("CommandLine",
               "You have specified the '/R' parameter on the command line.\r\n"
               "For Varnoke to run automatically, you also have to specify both\r\n"
               "a options set (/O:) and either a file list (/L:) or a file search\r\n"
               "command (/S:) on the command line.\r\n"
               "\r\n"
               "Varnoke will be started with the specified options.");

inline constexpr std::string_view kAutoRunCaption = kApplicationTitle;
inline constexpr UiText kAutoRunQuestion =
    VARNOKE_UI("CommandLine",
               "Varnoke is about to run an automatic renaming process.\r\n"
               "Is it OK to rename the specified files?");

}  // namespace varnoke
