#include "app/ConsoleArguments.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

TEST(ConsoleArgumentsTest, OptionsAnywhereSwitchesKeptInOrder) {
  const ConsoleArguments a =
      ParseConsoleArguments({"/O:/s.vns", "--yes", "/L:/a.vls", "--plan=tsv", "/R", "bare"});
  EXPECT_TRUE(a.Yes);
  EXPECT_TRUE(a.PlanTsv);
  EXPECT_TRUE(a.Error.empty());
  EXPECT_EQ(a.Parameters, (std::vector<std::string>{"/O:/s.vns", "/L:/a.vls", "/R", "bare"}));
}

TEST(ConsoleArgumentsTest, DoubleDashEndsOptions) {
  const ConsoleArguments a = ParseConsoleArguments({"--", "--yes", "-h"});
  EXPECT_FALSE(a.Yes);
  EXPECT_FALSE(a.Help);
  EXPECT_EQ(a.Parameters, (std::vector<std::string>{"--yes", "-h"}));
}

TEST(ConsoleArgumentsTest, UnknownOptionsAreUnusable) {
  for (const char* bad : {"--plan=csv", "--plan", "--frobnicate", "-x", "--YES"}) {
    EXPECT_FALSE(ParseConsoleArguments({"/R", bad}).Error.empty()) << bad;
  }
}

TEST(ConsoleArgumentsTest, ShortFormsAndSinglDashParameter) {
  const ConsoleArguments a = ParseConsoleArguments({"-y", "-h", "-", "--version", "--list"});
  EXPECT_TRUE(a.Yes);
  EXPECT_TRUE(a.Help);
  EXPECT_TRUE(a.Version);
  EXPECT_TRUE(a.List);
  EXPECT_EQ(a.Parameters, (std::vector<std::string>{"-"}));
}

TEST(ConsoleArgumentsTest, VersionNamesProgram) {
  EXPECT_EQ(ConsoleVersion().rfind("varnoke-cli ", 0), 0u);
  EXPECT_NE(ConsoleVersion(), "varnoke-cli unknown\n");
}

}  // namespace
}  // namespace varnoke
