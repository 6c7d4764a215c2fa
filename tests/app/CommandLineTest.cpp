#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnoke {
namespace {

struct ClassifyCase {
  std::string Parameter;
  SwitchKind Kind;
  std::string Value;
};

class ClassifyParameterTest : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyParameterTest, RecognisesPrefixInAnyCase) {
  const ClassifyCase& c = GetParam();
  const Switch s = ClassifyParameter(c.Parameter);
  EXPECT_EQ(s.Kind, c.Kind) << c.Parameter;
  EXPECT_EQ(s.Value, c.Value) << c.Parameter;
}

INSTANTIATE_TEST_SUITE_P(
    Switches, ClassifyParameterTest,
    ::testing::Values(
        ClassifyCase{"/O:/data/set.vns", SwitchKind::OptionSet, "/data/set.vns"},
        ClassifyCase{"/o:/data/set.vns", SwitchKind::OptionSet, "/data/set.vns"},
        ClassifyCase{"/L:/data/a b.vls", SwitchKind::FileList, "/data/a b.vls"},
        ClassifyCase{"/l:", SwitchKind::FileList, ""},
        ClassifyCase{"/S:/data/*.txt", SwitchKind::Search, "/data/*.txt"},
        ClassifyCase{"/s:*.txt", SwitchKind::Search, "*.txt"},
        ClassifyCase{"/SR:/data/*.jpg", SwitchKind::SearchSubdirs, "/data/*.jpg"},
        ClassifyCase{"/Sr:/data/*.jpg", SwitchKind::SearchSubdirs, "/data/*.jpg"},
        ClassifyCase{"/sR:/x", SwitchKind::SearchSubdirs, "/x"},
        ClassifyCase{"/R", SwitchKind::Run, ""}, ClassifyCase{"/r", SwitchKind::Run, ""},
        ClassifyCase{"/RUN", SwitchKind::Run, ""}, ClassifyCase{"/Run", SwitchKind::Run, ""},
        // Absolute paths that begin like the run switch are no switch.
        ClassifyCase{"/root/list.vls", SwitchKind::None, ""},
        ClassifyCase{"/run/user/1000", SwitchKind::None, ""},
        ClassifyCase{"/R:", SwitchKind::None, ""}, ClassifyCase{"/R1", SwitchKind::None, ""},
        ClassifyCase{"/S", SwitchKind::None, ""}, ClassifyCase{"/SR", SwitchKind::None, ""},
        ClassifyCase{"/O", SwitchKind::None, ""}, ClassifyCase{"/X:/data", SwitchKind::None, ""},
        ClassifyCase{"notes.txt", SwitchKind::None, ""}, ClassifyCase{"", SwitchKind::None, ""},
        ClassifyCase{"O:/data", SwitchKind::None, ""}));

TEST(CollectRunMarksTest, MarksFollowPrefixesOnly) {
  const std::vector<std::string> p = {"/o:/missing.vns", "/Sr:/nowhere/*.x", "/Run"};
  const RunMarks m = CollectRunMarks(p);
  EXPECT_TRUE(m.O);
  EXPECT_TRUE(m.L);
  EXPECT_TRUE(m.R);
}

TEST(CollectRunMarksTest, SearchCountsAsList) {
  const std::vector<std::string> p = {"/S:/data/*.txt"};
  EXPECT_TRUE(CollectRunMarks(p).L);
  EXPECT_FALSE(CollectRunMarks(p).O);
}

TEST(CollectRunMarksTest, PathUnderRootIsNoRunMark) {
  const std::vector<std::string> p = {"/O:/a.vns", "/L:/b.vls", "/root/list.vls"};
  const RunMarks m = CollectRunMarks(p);
  EXPECT_TRUE(m.O);
  EXPECT_TRUE(m.L);
  EXPECT_FALSE(m.R);
}

TEST(CollectRunMarksTest, NoParametersNoMarks) {
  const RunMarks m = CollectRunMarks({});
  EXPECT_FALSE(m.O || m.L || m.R);
}

}  // namespace
}  // namespace varnoke
