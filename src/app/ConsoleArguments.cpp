#include "app/ConsoleArguments.h"

#ifndef VARNOKE_VERSION
#define VARNOKE_VERSION "unknown"
#endif

namespace varnoke {

ConsoleArguments ParseConsoleArguments(const std::vector<std::string>& arguments) {
  ConsoleArguments result;
  bool optionsEnded = false;
  for (const std::string& argument : arguments) {
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      result.Parameters.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--yes" || argument == "-y") {
      result.Yes = true;
    } else if (argument == "--plan=tsv") {
      result.PlanTsv = true;
    } else if (argument == "--list") {
      result.List = true;
    } else if (argument == "--help" || argument == "-h") {
      result.Help = true;
    } else if (argument == "--version") {
      result.Version = true;
    } else if (argument.starts_with("--plan")) {
      result.Error = "unknown plan format '" + argument + "' (only --plan=tsv is known)";
    } else {
      result.Error = "unknown option '" + argument + "'";
    }
    if (!result.Error.empty()) break;
  }
  return result;
}

std::string ConsoleUsage() {
  return "Usage: varnoke-cli [OPTION]... [/O:SET] [/L:LIST]... [/S:DIR/FILTER]... "
         "[/SR:DIR/FILTER]... [/R]\n"
         "       varnoke-cli --list FILE...\n"
         "Renames, re-dates and re-attributes files the way Varnoke's automatic run does.\n"
         "\n"
         "Switches (any letter case, processed from left to right into one file list):\n"
         "  /O:SET          load the options set SET (*.vns)\n"
         "  /L:LIST         add the files named in the file list LIST (*.vls)\n"
         "  /S:DIR/FILTER   add the files of DIR matching FILTER (for example /S:/data/*.txt)\n"
         "  /SR:DIR/FILTER  the same, including all subdirectories of DIR\n"
         "  /R, /RUN        rename automatically (needs /O: and /L:, /S: or /SR:);\n"
         "                  without it the plan is shown and nothing is renamed\n"
         "\n"
         "Options:\n"
         "  -y, --yes       answer Yes or OK to every question\n"
         "      --plan=tsv  print the plan as tab-separated values; rename nothing\n"
         "      --list      list the named files as Varnoke sees them\n"
         "  -h, --help      show this help\n"
         "      --version   show the version\n"
         "\n"
         "Questions are asked on the terminal; without a terminal and without --yes every\n"
         "question gets the safe answer (No, Cancel), so nothing is renamed by accident.\n"
         "Exit status: 0 every planned change made (or the plan printed), 1 a file left\n"
         "unrenamed or the run declined, 2 unusable arguments.\n";
}

std::string ConsoleVersion() {
  return std::string("varnoke-cli ") + VARNOKE_VERSION + "\n";
}

}  // namespace varnoke
