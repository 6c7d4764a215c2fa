// The boundaries of varnoke-cli's own options, of the start-up switches recognised by
// their prefix, of the run marks and of the split of a search switch's value; the
// end-to-end runs show the ordinary cases.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include "app/ConsoleArguments.h"
#include "app/SearchValue.h"

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;

// The parameters left for the switches, or the error.
TEST(ConsoleArgumentsTest, ParametersOrTheError) {
  // clang-format off
  for (const auto& [args, outcome] : std::vector<std::pair<Strings, std::string>>{
           {{"/O:/s.vns", "-", "--", "--yes", "-h"}, "/O:/s.vns - --yes -h"},
           {{"--plan=csv"}, "unknown plan format '--plan=csv' (only --plan=tsv is known)"},
           {{"--YES"}, "unknown option '--YES'"},
           {{"--settings"}, "unknown option '--settings'"},
           {{"--set"}, "--set needs a value"},
           {{"--save-options="}, "--save-options needs a file name"},
           {{"--show-options", "--plan=tsv"}, "--show-options and --save-options do not go with --plan=tsv or --list"},
           {{"--save-options", "a", "/O:/s.vns", "/S:/d/*"}, "--show-options and --save-options take options sets (/O:) only, not '/S:/d/*'"},
           {{"--recover", "later"}, "--recover takes finish or rollback, not 'later'"},
           {{"--recover"}, "--recover needs a value"},
           {{"--undo=0"}, "--undo takes a number of runs from 1 up, not '0'"},
           {{"--undo=x"}, "--undo takes a number of runs from 1 up, not 'x'"},
           {{"--undo", "/O:/s.vns"}, "--recover, --history and --undo go alone (with --yes at most)"},
           {{"--history", "--undo"}, "--recover, --history and --undo go alone (with --yes at most)"},
           {{"--undo", "3", "--yes"}, ""}}) {
    // clang-format on
    const ConsoleArguments a = ParseConsoleArguments(args);
    std::string parameters;
    for (const std::string& p : a.Parameters) parameters += (parameters.empty() ? "" : " ") + p;
    EXPECT_EQ(a.Error.empty() ? parameters : a.Error, outcome);
  }
}

TEST(CommandLineTest, SwitchesMarksAndSearchValues) {
  using K = SwitchKind;
  for (const auto& [parameter, kind, value] : std::vector<std::tuple<std::string, K, std::string>>{
           {"/Sr:/data/a b/*.jpg", K::SearchSubdirs, "/data/a b/*.jpg"},
           {"/l:", K::FileList, ""},
           {"/R:", K::None, ""},
           {"/SR", K::None, ""},
           {"O:/data", K::None, ""},
           {"", K::None, ""}}) {
    EXPECT_EQ(ClassifyParameter(parameter).Kind, kind) << parameter;
    EXPECT_EQ(ClassifyParameter(parameter).Value, value) << parameter;
  }
  // Only the prefixes count, in any order, not whether the files exist.
  const RunMarks marks = CollectRunMarks(Strings{"/R", "/l:/missing.vls", "/o:/missing.vns"});
  EXPECT_TRUE(marks.O && marks.L && marks.R);
  for (const auto& [value, split] : std::vector<std::pair<std::string, std::optional<SearchValue>>>{
           {"/*.txt", SearchValue{"/", "*.txt"}},
           {"/data/", SearchValue{"/data", ""}},
           {"/data/a\\b*.txt", SearchValue{"/data", "a\\b*.txt"}},
           {"data/*.txt", std::nullopt},
           {"", std::nullopt}})
    EXPECT_EQ(SplitSearchValue(value), split) << value;
}

}  // namespace
}  // namespace varnoke
