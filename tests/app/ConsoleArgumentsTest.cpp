#include "app/ConsoleArguments.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;

TEST(ConsoleArgumentsTest, OptionsAnywhereSwitchesKeptInOrderDoubleDashEndsOptions) {
  const ConsoleArguments a =
      ParseConsoleArguments({"/O:/s.vns", "--yes", "/L:/a.vls", "--plan=tsv", "-y", "-", "--set",
                             "name=A=B", "--set=digits=3", "/R", "--", "--yes", "-h"});
  EXPECT_TRUE(a.Yes && a.PlanTsv && !a.Help && !a.OptionsOnly());
  EXPECT_EQ(a.Error, "");
  EXPECT_EQ(a.Sets, (Strings{"name=A=B", "digits=3"}));
  EXPECT_EQ(a.Parameters, (Strings{"/O:/s.vns", "/L:/a.vls", "-", "/R", "--yes", "-h"}));
  const ConsoleArguments b = ParseConsoleArguments(
      {"-h", "--version", "--list", "--show-options", "--save-options", "x.vns", "/o:/a"});
  EXPECT_TRUE(b.Help && b.Version && b.List && b.ShowOptions);
  EXPECT_EQ(b.SaveOptions, "x.vns");
}

TEST(ConsoleArgumentsTest, UnusableArgumentsAreNamed) {
  for (const auto& [args, error] : std::vector<std::pair<Strings, std::string>>{
           {{"/R", "--plan=csv"}, "unknown plan format '--plan=csv' (only --plan=tsv is known)"},
           {{"--plan"}, "unknown plan format '--plan' (only --plan=tsv is known)"},
           {{"--YES"}, "unknown option '--YES'"},
           {{"-x", "--frobnicate"}, "unknown option '-x'"},
           {{"--settings"}, "unknown option '--settings'"},
           {{"--set"}, "--set needs a value"},
           {{"--save-options="}, "--save-options needs a file name"},
           {{"--show-options", "--plan=tsv"},
            "--show-options and --save-options do not go with --plan=tsv or --list"},
           {{"--save-options", "a", "/O:/s.vns", "/S:/d/*"},
            "--show-options and --save-options take options sets (/O:) only, not '/S:/d/*'"}})
    EXPECT_EQ(ParseConsoleArguments(args).Error, error);
}

TEST(ConsoleArgumentsTest, VersionNamesProgram) {
  EXPECT_EQ(ConsoleVersion().rfind("varnoke-cli ", 0), 0u);
  EXPECT_NE(ConsoleVersion(), "varnoke-cli unknown\n");
}

}  // namespace
}  // namespace varnoke
