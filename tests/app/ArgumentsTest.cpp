// varnoke-cli's own options, the start-up switches recognised by their prefix, the
// marks an automatic run is decided on, and the split of a search switch's value.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include "app/ConsoleArguments.h"
#include "app/SearchValue.h"

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

struct ClassifyCase {
  std::string Parameter;
  SwitchKind Kind;
  std::string Value;
};

class ClassifyParameterTest : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyParameterTest, RecognisesPrefixInAnyCase) {
  const Switch s = ClassifyParameter(GetParam().Parameter);
  EXPECT_EQ(s.Kind, GetParam().Kind);
  EXPECT_EQ(s.Value, GetParam().Value);
}

using K = SwitchKind;
INSTANTIATE_TEST_SUITE_P(
    Switches, ClassifyParameterTest,
    ::testing::Values(ClassifyCase{"/O:/data/set.vns", K::OptionSet, "/data/set.vns"},
                      ClassifyCase{"/o:/data/set.vns", K::OptionSet, "/data/set.vns"},
                      ClassifyCase{"/L:/data/a b.vls", K::FileList, "/data/a b.vls"},
                      ClassifyCase{"/l:", K::FileList, ""},
                      ClassifyCase{"/S:/data/*.txt", K::Search, "/data/*.txt"},
                      ClassifyCase{"/s:*.txt", K::Search, "*.txt"},
                      ClassifyCase{"/SR:/data/*.jpg", K::SearchSubdirs, "/data/*.jpg"},
                      ClassifyCase{"/Sr:/data/*.jpg", K::SearchSubdirs, "/data/*.jpg"},
                      ClassifyCase{"/sR:/x", K::SearchSubdirs, "/x"},
                      ClassifyCase{"/R", K::Run, ""}, ClassifyCase{"/r", K::Run, ""},
                      ClassifyCase{"/RUN", K::Run, ""}, ClassifyCase{"/Run", K::Run, ""},
                      // Absolute paths that begin like the run switch are no switch.
                      ClassifyCase{"/root/list.vls", K::None, ""},
                      ClassifyCase{"/run/user/1000", K::None, ""}, ClassifyCase{"/R:", K::None, ""},
                      ClassifyCase{"/R1", K::None, ""}, ClassifyCase{"/S", K::None, ""},
                      ClassifyCase{"/SR", K::None, ""}, ClassifyCase{"/O", K::None, ""},
                      ClassifyCase{"/X:/data", K::None, ""}, ClassifyCase{"notes.txt", K::None, ""},
                      ClassifyCase{"", K::None, ""}, ClassifyCase{"O:/data", K::None, ""}));

TEST(CollectRunMarksTest, MarksFollowPrefixesOnlyInAnyOrder) {
  for (const auto& [parameters, marks] :
       std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{}, ""},
           {{"/o:/missing.vns", "/Sr:/nowhere/*.x", "/Run"}, "OLR"},
           {{"/R", "/l:/b.vls", "/o:/a.vns"}, "OLR"},
           {{"/S:/data/*.txt", "/r"}, "LR"},
           {{"/O:/a.vns", "/L:/b.vls", "/root/list.vls"}, "OL"}}) {
    const RunMarks m = CollectRunMarks(parameters);
    EXPECT_EQ(std::string(m.O ? "O" : "") + (m.L ? "L" : "") + (m.R ? "R" : ""), marks);
  }
}

TEST(SplitSearchValueTest, DirectoryUpToLastSeparatorFilterAfterIt) {
  for (const auto& [value, split] : std::vector<std::pair<std::string, std::optional<SearchValue>>>{
           {"/data/*.txt", SearchValue{"/data", "*.txt"}},
           {"/*.txt", SearchValue{"/", "*.txt"}},
           {"/data/photos 2026/IMG_*.JPG", SearchValue{"/data/photos 2026", "IMG_*.JPG"}},
           {"/data/", SearchValue{"/data", ""}},
           {"/data/a\\b*.txt", SearchValue{"/data", "a\\b*.txt"}},
           {"*.txt", std::nullopt},
           {"data/*.txt", std::nullopt},
           {"C:\\Data\\*.txt", std::nullopt},
           {"", std::nullopt}})
    EXPECT_EQ(SplitSearchValue(value), split) << value;
}

}  // namespace
}  // namespace varnoke
