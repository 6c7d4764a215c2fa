#include "app/ConsoleArguments.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "app/CommandLine.h"

#ifndef VARNOKE_VERSION
#define VARNOKE_VERSION "unknown"
#endif

namespace varnoke {

namespace {

// "--name VALUE" or "--name=VALUE": the value, taken from the next argument when
// needed; nullopt when `argument` is no such option.
std::optional<std::string> ValueOf(std::string_view name, const std::vector<std::string>& arguments,
                                   std::size_t& i, std::string& error) {
  const std::string_view argument = arguments[i];
  if (!argument.starts_with(name)) return std::nullopt;
  const std::string_view rest = argument.substr(name.size());
  if (rest.starts_with("=")) return std::string(rest.substr(1));
  if (!rest.empty()) return std::nullopt;
  if (i + 1 < arguments.size()) return arguments[++i];
  error = std::string(name) + " needs a value";
  return std::string();
}

// The words of --sort, in the order of the list's sort keys; "taken" last.
constexpr std::string_view kSortWords[] = {"path",    "name",     "ext",     "size", "attr",
                                           "created", "accessed", "written", "taken"};

}  // namespace

ConsoleArguments ParseConsoleArguments(const std::vector<std::string>& arguments) {
  ConsoleArguments result;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size() && result.Error.empty(); ++i) {
    const std::string& argument = arguments[i];
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
    } else if (argument == "--show-options") {
      result.ShowOptions = true;
    } else if (auto set = ValueOf("--set", arguments, i, result.Error)) {
      result.Sets.push_back(std::move(*set));
    } else if (auto word = ValueOf("--sort", arguments, i, result.Error)) {
      const auto found = std::find(std::begin(kSortWords), std::end(kSortWords), *word);
      if (found == std::end(kSortWords) && result.Error.empty())
        result.Error =
            "--sort takes path, name, ext, size, attr, created, accessed, written or "
            "taken, not '" +
            *word + "'";
      result.Sort = static_cast<int>(found - std::begin(kSortWords));
    } else if (auto file = ValueOf("--save-options", arguments, i, result.Error)) {
      result.SaveOptions = std::move(*file);
      if (result.SaveOptions.empty() && result.Error.empty())
        result.Error = "--save-options needs a file name";
    } else if (auto way = ValueOf("--recover", arguments, i, result.Error)) {
      result.Recover = std::move(*way);
      if (result.Error.empty() && result.Recover != "finish" && result.Recover != "rollback")
        result.Error = "--recover takes finish or rollback, not '" + result.Recover + "'";
    } else if (argument == "--history") {
      result.History = true;
    } else if (argument == "--undo" || argument.starts_with("--undo=")) {
      // The count is optional: "--undo", "--undo 3", "--undo=3".
      std::string count = argument.size() > 7 ? argument.substr(7) : std::string();
      if (count.empty() && i + 1 < arguments.size() && !arguments[i + 1].empty() &&
          arguments[i + 1].find_first_not_of("0123456789") == std::string::npos)
        count = arguments[++i];
      result.Undo = 1;
      if (!count.empty()) {
        result.Undo =
            count.size() <= 4 && count.find_first_not_of("0123456789") == std::string::npos
                ? std::stoi(count)
                : 0;
        if (result.Undo < 1)
          result.Error = "--undo takes a number of runs from 1 up, not '" + count + "'";
      }
    } else if (argument.starts_with("--plan")) {
      result.Error = "unknown plan format '" + argument + "' (only --plan=tsv is known)";
    } else {
      result.Error = "unknown option '" + argument + "'";
    }
  }
  if (result.Error.empty() && result.JournalsOnly() &&
      (!result.Parameters.empty() || result.OptionsOnly() || result.PlanTsv || result.List ||
       (!result.Recover.empty() + result.History + (result.Undo > 0)) > 1))
    result.Error = "--recover, --history and --undo go alone (with --yes at most)";
  if (!result.Error.empty() || !result.OptionsOnly()) return result;
  if (result.PlanTsv || result.List) {
    result.Error = "--show-options and --save-options do not go with --plan=tsv or --list";
  }
  for (const std::string& parameter : result.Parameters) {
    if (result.Error.empty() && ClassifyParameter(parameter).Kind != SwitchKind::OptionSet)
      result.Error =
          "--show-options and --save-options take options sets (/O:) only, not '" + parameter + "'";
  }
  return result;
}

std::string ConsoleUsage() {
  return "Usage: varnoke-cli [OPTION]... [/O:SET] [/L:LIST]... [/S:DIR/FILTER]... "
         "[/SR:DIR/FILTER]... [/R]\n"
         "       varnoke-cli [/O:SET]... [--set FIELD=VALUE]... --save-options FILE | "
         "--show-options\n"
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
         "      --sort KEY  sort the list before it is planned, stably, by path, name, ext,\n"
         "                  size, attr, created, accessed, written or taken (the time a\n"
         "                  photo or video was taken; files without one by their file time)\n"
         "      --set FIELD=VALUE\n"
         "                  set one renaming option after the options sets are loaded\n"
         "                  (the fields: see --show-options)\n"
         "      --save-options FILE\n"
         "                  save the resulting options as an options set; rename nothing\n"
         "      --show-options\n"
         "                  print the resulting options as FIELD=VALUE lines; rename nothing\n"
         "      --recover finish|rollback\n"
         "                  finish or roll back a renaming that was cut short\n"
         "      --history   list the last complete renamings that can be undone\n"
         "      --undo [N]  undo the last N renamings (1 by default), newest first\n"
         "  -h, --help      show this help\n"
         "      --version   show the version\n"
         "\n"
         "Questions are asked on the terminal; without a terminal and without --yes every\n"
         "question gets the safe answer (No, Cancel), so nothing is renamed by accident.\n"
         "Exit status: 0 every planned change made (or the plan printed), 1 a file left\n"
         "unrenamed, the run declined or no file listed, 2 unusable arguments (an options\n"
         "set or a --set value that cannot be used).\n";
}

std::string ConsoleVersion() {
  return std::string("varnoke-cli ") + VARNOKE_VERSION + "\n";
}

}  // namespace varnoke
