#pragma once
// The arguments of varnoke-cli: its own options (--yes, --plan=tsv, --list, --set,
// --sort, --save-options, --show-options, --help, --version) taken out, the rest kept in
// order as the program's parameters.
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
  std::vector<std::string> Sets;        // --set FIELD=VALUE, in order
  std::string SaveOptions;              // --save-options FILE
  bool ShowOptions = false;             // --show-options
  std::string Recover;                  // --recover finish|rollback
  bool History = false;                 // --history
  int Undo = 0;                         // --undo [N]: the last N complete runs
  int Sort = -1;                        // --sort KEY: the list's sort key before the plan
  std::vector<std::string> Parameters;  // switches and bare names, in order
  std::string Error;                    // not empty: the arguments cannot be used

  // Only the options are worked on: loaded, changed, saved or shown.
  bool OptionsOnly() const { return ShowOptions || !SaveOptions.empty(); }
  // Only the run journals are worked on: recovery, history, undo.
  bool JournalsOnly() const { return !Recover.empty() || History || Undo > 0; }
};

// Options may stand anywhere; "--" ends them (what follows is kept as parameters).
// A parameter beginning with "/" is a switch or a path, never an option. --set and
// --save-options take the next argument (or the text after "="). With
// --save-options or --show-options the parameters may be options sets only.
ConsoleArguments ParseConsoleArguments(const std::vector<std::string>& arguments);

// The text of --help and --version.
std::string ConsoleUsage();
std::string ConsoleVersion();

}  // namespace varnoke
