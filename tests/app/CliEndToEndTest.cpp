// The varnoke-cli executable end to end on real files: answers typed on a
// pseudo-terminal, piped without one, or given by --yes; settings, data and home
// directories inside the test directory.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "app/CliProcess.h"
#include "app/PlanTsv.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::CliResult;
using testing::FileExists;
using testing::ReadFile;
using testing::RunCli;
using testing::RunCliOnTerminal;
using testing::TempDir;
using testing::TestEnvironment;
using testing::WriteFile;

const std::string kExampleSet =
    (std::filesystem::path(__FILE__).parent_path() / "../../examples/pic-numbering.vns").string();

class CliEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef VARNOKE_CLI_PATH
    GTEST_SKIP() << "varnoke-cli is not built";
#endif
    std::string list;
    for (int i = 1; i <= 5; ++i) {
      const std::string path = dir / ("in/f00000" + std::to_string(i) + ".txt");
      WriteFile(path, "content " + std::to_string(i));
      list += path + "\n";
    }
    WriteFile(listPath, list);
  }
  std::vector<std::string> RunArgs() const {
    return {"/O:" + kExampleSet, "/L:" + listPath, "/R"};
  }
  std::vector<std::string> Env() const {
    return TestEnvironment(dir.Path());
  }
  int CountRenamed() const {
    int n = 0;
    for (int i = 1; i <= 5; ++i)
      n += FileExists(dir / ("in/Pic00000" + std::to_string(i) + ".txt"));
    return n;
  }
  int CountOriginal() const {
    int n = 0;
    for (int i = 1; i <= 5; ++i) n += FileExists(dir / ("in/f00000" + std::to_string(i) + ".txt"));
    return n;
  }

  TempDir dir;
  std::string listPath = dir / "files.vls";
};

TEST_F(CliEndToEndTest, YesRenamesEveryFileAndWritesSettings) {
  std::vector<std::string> args = RunArgs();
  args.push_back("--yes");
  const CliResult r = RunCli(args, "", Env());
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(CountRenamed(), 5);
  EXPECT_EQ(CountOriginal(), 0);
  EXPECT_EQ(ReadFile(dir / "in/Pic000004.txt"), "content 4");
  EXPECT_TRUE(FileExists(dir / "config/Varnoke.reg"));
  EXPECT_FALSE(FileExists(dir / "home/.config"));  // VARNOKE_CONFIG_DIR was used
  EXPECT_EQ(r.Out, "");
}

TEST_F(CliEndToEndTest, AnswersTypedOnATerminal) {
  const CliResult no = RunCliOnTerminal(RunArgs(), {"n"}, Env());
  EXPECT_EQ(no.Status, 1) << no.Out;
  EXPECT_EQ(CountOriginal(), 5);
  EXPECT_NE(no.Out.find("== Varnoke (?) =="), std::string::npos) << no.Out;
  EXPECT_NE(no.Out.find("Is it OK to rename the specified files?"), std::string::npos);

  const CliResult yes = RunCliOnTerminal(RunArgs(), {"what", "y"}, Env());
  EXPECT_EQ(yes.Status, 0) << yes.Out;
  EXPECT_EQ(CountRenamed(), 5);
  // The progress bars of planning and renaming are drawn on the terminal.
  EXPECT_NE(yes.Out.find("Varnoke is preparing name preview ["), std::string::npos) << yes.Out;
  EXPECT_NE(yes.Out.find("Varnoke is renaming files [##############################] 5/5"),
            std::string::npos)
      << yes.Out;
}

TEST_F(CliEndToEndTest, WithoutTerminalEveryQuestionGetsTheSafeAnswer) {
  const CliResult r = RunCli(RunArgs(), "y\nyes\nY\n", Env());
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(CountOriginal(), 5);
  EXPECT_NE(r.Err.find("[Y]es/[N]o No (no terminal to ask"), std::string::npos) << r.Err;
  // No progress bar when standard error is no terminal.
  EXPECT_EQ(r.Err.find("Varnoke is renaming files ["), std::string::npos) << r.Err;
}

TEST_F(CliEndToEndTest, BusyFileMessageGetsOkAndTheRunReportsIt) {
  const int held = ::open((dir / "in/f000002.txt").c_str(), O_RDONLY);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  std::vector<std::string> args = RunArgs();
  args.push_back("--yes");
  const CliResult r = RunCli(args, "", Env());
  ::close(held);
  EXPECT_EQ(r.Status, 1) << r.Err;
  EXPECT_EQ(CountRenamed(), 4);
  EXPECT_TRUE(FileExists(dir / "in/f000002.txt"));
  EXPECT_NE(r.Err.find("is still busy. Please delete it from the list or free it"),
            std::string::npos)
      << r.Err;
}

TEST_F(CliEndToEndTest, PlanTsvPrintsThePlanAndRenamesNothing) {
  std::vector<std::string> args = RunArgs();
  args.insert(args.begin(), "--plan=tsv");
  args.push_back("--yes");
  const CliResult r = RunCli(args, "", Env());
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(CountOriginal(), 5);
  ASSERT_EQ(r.Out.rfind(kPlanTsvHeader, 0), 0u) << r.Out;
  EXPECT_EQ(std::count(r.Out.begin(), r.Out.end(), '\n'), 6);
  EXPECT_NE(r.Out.find("\n4\t0\t0\t" + dir / "in" + "\tPic000005\ttxt\t9\t"), std::string::npos)
      << r.Out;
}

TEST_F(CliEndToEndTest, SearchWithoutFullPathIsReported) {
  const CliResult r = RunCli({"/S:*.txt", "--plan=tsv"}, "", Env());
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, kPlanTsvHeader);
  EXPECT_NE(r.Err.find("== Varnoke error (!) ==\nThe command line parameter /S:*.txt was "
                       "illegally formated\nFull path must be included!\n[O]K OK\n"),
            std::string::npos)
      << r.Err;
}

TEST_F(CliEndToEndTest, SearchSwitchesFillTheListForTheRun) {
  WriteFile(dir / "in/sub/deep.txt", "deep");
  const CliResult r =
      RunCli({"/o:" + kExampleSet, "/sR:" + dir / "in/*.TXT", "/run", "-y"}, "", Env());
  EXPECT_EQ(r.Status, 0) << r.Err;
  int pics = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir / "in")) {
    pics += e.path().filename().string().rfind("Pic", 0) == 0;
  }
  EXPECT_EQ(pics, 6);
  EXPECT_EQ(CountOriginal(), 0);
}

TEST_F(CliEndToEndTest, UnusableArgumentsHelpAndVersion) {
  EXPECT_EQ(RunCli({"--frobnicate"}, "", Env()).Status, 2);
  EXPECT_EQ(RunCli({}, "", Env()).Status, 2);
  const CliResult help = RunCli({"--help"}, "", Env());
  EXPECT_EQ(help.Status, 0);
  EXPECT_NE(help.Out.find("/SR:DIR/FILTER"), std::string::npos);
  const CliResult version = RunCli({"--version"}, "", Env());
  EXPECT_EQ(version.Status, 0);
  EXPECT_EQ(version.Out.rfind("varnoke-cli ", 0), 0u);
  EXPECT_EQ(CountOriginal(), 5);
}

TEST_F(CliEndToEndTest, ListOptionListsFilesAndRenamesNothing) {
  const CliResult r = RunCli({"--list", dir / "in/f000003.txt", "/R", "--yes"}, "", Env());
  EXPECT_NE(r.Out.find("f000003\ttxt\t9\t"), std::string::npos) << r.Out;
  EXPECT_EQ(CountOriginal(), 5);
}

}  // namespace
}  // namespace varnoke
