#pragma once
// The arguments of varnoke-cli: its own options (--yes, --plan=tsv, --list, --help,
// --version) taken out, the rest kept in order as the program's parameters.
#include <string>
#include <vector>

namespace varnoke {

// Exit status of varnoke-cli.
inline constexpr int kExitDone = 0;       // every planned change made, or the plan printed
inline constexpr int kExitUnrenamed = 1;  // a file was left unrenamed (busy, cancelled, failed)
inline constexpr int kExitBadArguments = 2;

struct ConsoleArguments {
  bool Yes = false;      // answer Yes/OK to every question
  bool PlanTsv = false;  // print the plan, rename nothing
  bool List = false;     // list the named files as they are added (no renaming)
  bool Help = false;
  bool Version = false;
  std::vector<std::string> Parameters;  // switches and bare names, in order
  std::string Error;                    // not empty: the arguments cannot be used
};

// Options may stand anywhere; "--" ends them (what follows is kept as parameters).
// A parameter beginning with "/" is a switch or a path, never an option.
ConsoleArguments ParseConsoleArguments(const std::vector<std::string>& arguments);

// The text of --help and --version.
std::string ConsoleUsage();
std::string ConsoleVersion();

}  // namespace varnoke
