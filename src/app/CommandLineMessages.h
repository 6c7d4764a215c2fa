#pragma once
// The messages of the command line and the automatic run, word for word.
#include <string>
#include <string_view>

#include "files/FileMessages.h"

namespace varnoke {

inline constexpr std::string_view kCommandLineErrorCaption = "Varnoke error";

// A search switch whose value is no full path, or names no directory.
inline std::string IllegalParameterMessage(std::string_view parameter) {
  return "The command line parameter " + std::string(parameter) +
         " was illegally formated\n\r"
         "Full path must be included!";
}

inline constexpr std::string_view kRunSwitchIncompleteMessage =
    "You have specified the '/R' parameter on the command line.\r\n"
    "For Varnoke to run automatically, you also have to specify both\r\n"
    "a options set (/O:) and either a file list (/L:) or a file search\r\n"
    "command (/S:) on the command line.\r\n"
    "\r\n"
    "Varnoke will be started with the specified options.";

inline constexpr std::string_view kAutoRunCaption = kApplicationTitle;
inline constexpr std::string_view kAutoRunQuestion =
    "Varnoke is about to run an automatic renaming process.\r\n"
    "Is it OK to rename the specified files?";

}  // namespace varnoke
