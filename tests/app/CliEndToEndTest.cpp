// The varnoke-cli executable end to end on real files: answers typed on a
// pseudo-terminal, read without one, or given by --yes; settings, data and home
// directories inside the test directory.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

#include "app/CliProcess.h"
#include "app/PlanTsv.h"
#include "files/Settings.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixSettingsStore.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::CliResult;
using testing::FileExists;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

const std::string kExampleSet =
    (std::filesystem::path(__FILE__).parent_path() / "../../examples/pic-numbering.vns").string();

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef VARNOKE_CLI_PATH
    GTEST_SKIP() << "varnoke-cli is not built";
#endif
    std::string list;
    for (const char* name : {"f3", "f1", "f2"}) {
      const std::string path = dir / ("in/" + std::string(name) + ".txt");
      WriteFile(path, name);
      list += path + "\r\n";
    }
    WriteFile(dir / "files.vls", list);
  }
  // "$" stands for the test directory, "@set" for the example options set.
  std::string In(std::string text) const {
    for (std::size_t at = text.find("@set"); at != std::string::npos; at = text.find("@set"))
      text.replace(at, 4, kExampleSet);
    for (std::size_t at = text.find('$'); at != std::string::npos; at = text.find('$', at + 1))
      text.replace(at, 1, dir.Path());
    return text;
  }
  CliResult Run(const std::vector<std::string>& args, const std::vector<std::string>& typed = {},
                bool terminal = false) const {
    std::vector<std::string> expanded;
    for (const std::string& a : args) expanded.push_back(In(a));
    const auto env = testing::TestEnvironment(dir.Path());
    if (terminal) {
      CliResult r = testing::RunCliOnTerminal(expanded, typed, env);
      for (std::size_t at = r.Out.find("\r\n"); at != std::string::npos; at = r.Out.find("\r\n"))
        r.Out.erase(at, 1);
      return r;
    }
    std::string input;
    for (const std::string& line : typed) input += line + "\n";
    return testing::RunCli(expanded, input, env);
  }
  // How many of the three files carry their new names; the others kept theirs.
  int Renamed() const {
    int renamed = 0, kept = 0;
    for (int i = 1; i <= 3; ++i) {
      renamed += FileExists(dir / "in/Pic00000" + std::to_string(i) + ".txt");
      kept += FileExists(dir / "in/f" + std::to_string(i) + ".txt");
    }
    EXPECT_EQ(renamed + kept, 3);
    return renamed;
  }

  TempDir dir;
};

struct RunCase {
  std::vector<std::string> Args;
  std::vector<std::string> Typed;  // lines of standard input, or typed on the terminal
  bool Terminal;
  int Status;
  int Renamed;
  std::vector<std::string> Shown;  // parts of standard output and error, in this order
  std::string Absent = "";         // not shown anywhere
};

class CliRunTest : public CliTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(CliRunTest, StatusFilesAndWhatIsShown) {
  const RunCase& c = GetParam();
  const CliResult r = Run(c.Args, c.Typed, c.Terminal);
  const std::string shown = r.Out + "\n--- standard error ---\n" + r.Err;
  EXPECT_EQ(r.Status, c.Status) << shown;
  EXPECT_EQ(Renamed(), c.Renamed) << shown;
  std::size_t at = 0;
  for (const std::string& part : c.Shown) {
    at = shown.find(In(part), at);
    ASSERT_NE(at, std::string::npos) << "missing, or out of order: " << In(part) << "\n" << shown;
  }
  if (!c.Absent.empty()) {
    EXPECT_EQ(shown.find(In(c.Absent)), std::string::npos) << shown;
  }
}

const std::vector<std::string> kRun = {"/O:@set", "/L:$/files.vls", "/R"};
std::vector<std::string> RunWith(std::vector<std::string> more) {
  more.insert(more.begin(), kRun.begin(), kRun.end());
  return more;
}
const std::string kPlanLine = "$/in/f3.txt  ->  $/in/Pic000001.txt\n";
const std::string kQuestion = "Is it OK to rename the specified files?";

INSTANTIATE_TEST_SUITE_P(
    Runs, CliRunTest,
    ::testing::Values(
        // Confirmed by --yes, typed on a terminal (after a line that names no button),
        // refused on a terminal, and refused for want of a terminal whatever the input.
        RunCase{RunWith({"--yes"}),
                {},
                false,
                0,
                3,
                {"[Y]es/[N]o Yes (--yes)", "3 file(s) changed, 0 unchanged, 0 not renamed."},
                "->"},
        RunCase{kRun,
                {"what", "y"},
                true,
                0,
                3,
                {"Varnoke is preparing name preview [", kPlanLine, kQuestion,
                 "Varnoke is renaming files [##############################] 3/3",
                 "3 file(s) changed"}},
        RunCase{kRun,
                {"n"},
                true,
                1,
                0,
                {kPlanLine, "$/in/f2.txt  ->  $/in/Pic000003.txt\n", "== Varnoke (?) ==", kQuestion,
                 "[Y]es/[N]o? n", "3 file(s) planned; nothing renamed"}},
        RunCase{kRun,
                {"y", "yes"},
                false,
                1,
                0,
                {kPlanLine, "[Y]es/[N]o No (no terminal to ask; --yes answers Yes)"},
                "Varnoke is renaming files ["},
        // The plan as values renames nothing, whatever else is given.
        RunCase{{"--plan=tsv", "/O:@set", "/L:$/files.vls", "/R", "--yes"},
                {},
                false,
                0,
                0,
                {std::string(kPlanTsvHeader) + "0\t0\t0\t$/in\tPic000001\ttxt\t2\t32\t",
                 "\t$/in/f3.txt\n"},
                kQuestion},
        // Switches in any letter case; a path under /root is no run switch.
        RunCase{{"/o:@set", "/sR:$/in/*.TXT", "/run", "-y"}, {}, false, 0, 3, {}},
        RunCase{{"/O:@set", "/L:$/files.vls", "/root/list.vls", "--yes"},
                {},
                false,
                0,
                0,
                {kPlanLine},
                kQuestion},
        RunCase{{"/L:$/files.vls", "/Run", "--yes"},
                {},
                false,
                1,
                0,
                {"you also have to specify both", "nothing renamed (/R renames)"}},
        // Parameters that cannot be used.
        RunCase{RunWith({"--yes", "/O:$/typo.vns"}),
                {},
                false,
                2,
                0,
                {"varnoke-cli: options set $/typo.vns: File not found\n",
                 "nothing renamed: the options set cannot be used"},
                kQuestion},
        RunCase{RunWith({"--yes", "/O:$/in/f1.txt"}),
                {},
                false,
                2,
                0,
                {"Read beyond end of file",
                 "varnoke-cli: options set $/in/f1.txt: Read beyond end of file\n"},
                kQuestion},
        RunCase{{"/O:@set", "/L:$/none.vls", "/SR:$/nowhere/*.txt", "/R", "--yes"},
                {},
                false,
                1,
                0,
                {"varnoke-cli: file list $/none.vls: File not found\n",
                 "varnoke-cli: search directory $/nowhere (/SR:$/nowhere/*.txt): File not found\n",
                 "nothing renamed: no file was listed"},
                kQuestion},
        RunCase{RunWith({"--yes", "/L:$/none.vls"}),
                {},
                false,
                0,
                3,
                {"varnoke-cli: file list $/none.vls: File not found\n", "3 file(s) changed"}},
        RunCase{{"/S:*.txt", "--plan=tsv"},
                {},
                false,
                0,
                0,
                {std::string(kPlanTsvHeader),
                 "== Varnoke error (!) ==\nThe command line parameter /S:*.txt "
                 "was illegally formated\nFull path must be included!\n[O]K OK\n"}},
        // The program's own options.
        RunCase{{}, {}, false, 2, 0, {"Usage:"}}, RunCase{{"--yes"}, {}, false, 2, 0, {"Usage:"}},
        RunCase{RunWith({"--frobnicate"}), {}, false, 2, 0, {"unknown option '--frobnicate'"}},
        RunCase{{"--help"}, {}, false, 0, 0, {"/SR:DIR/FILTER"}},
        RunCase{{"--version"}, {}, false, 0, 0, {"varnoke-cli "}},
        RunCase{{"--list", "$/in/f3.txt", "/R", "--yes"},
                {},
                false,
                1,
                0,
                {"$/in\tf3\ttxt\t2\t0x20\t", "varnoke-cli: not a file: /R\n"},
                kQuestion}));

TEST_F(CliTest, BusyFileIsReportedKeptAndNumbersFollowTheList) {
  const int held = ::open((dir / "in/f1.txt").c_str(), O_RDONLY);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  const CliResult r = Run(RunWith({"--yes"}));
  ::close(held);
  EXPECT_EQ(r.Status, 1) << r.Err;
  EXPECT_EQ(ReadFile(dir / "in/Pic000001.txt"), "f3");
  EXPECT_EQ(ReadFile(dir / "in/f1.txt"), "f1");
  EXPECT_EQ(ReadFile(dir / "in/Pic000003.txt"), "f2");
  EXPECT_NE(r.Err.find("is still busy. Please delete it from the list or free it"),
            std::string::npos);
  EXPECT_NE(r.Err.find("2 file(s) changed, 0 unchanged, 1 not renamed."), std::string::npos)
      << r.Err;
}

TEST_F(CliTest, NewListStartsWithStoredDefaultsAndSettingsAreWrittenBack) {
  {
    PosixSettingsStore settings(dir / "config");
    StoredSettings stored;
    stored.Defaults.Flags = ChangeName | Enumerate;
    stored.Defaults.Name = "Def";
    stored.Defaults.Digits = 2;
    stored.Defaults.Start = 7;
    stored.Preferences = kPrefSaveEveryTime;
    ASSERT_TRUE(WriteSettings(settings, stored, WindowPlacement{}));
  }
  const CliResult r = Run({"/L:$/files.vls", "--plan=tsv"});
  EXPECT_NE(r.Out.find("\tDef07\ttxt\t2\t"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("\tDef09\ttxt\t2\t"), std::string::npos) << r.Out;
  PosixSettingsStore after(dir / "config");
  PosixFileSystem fs;
  const StoredSettings read = ReadSettings(after, fs, dir / "data/");
  EXPECT_EQ(read.Defaults.Name, "Def");
  EXPECT_EQ(read.Preferences, kPrefSaveEveryTime);
  EXPECT_NE(ReadFile(dir / "config/Varnoke.reg").find("\"MainWinPos\"=hex:"), std::string::npos);
}

TEST_F(CliTest, UnreadableSettingsFileIsNamedOnce) {
  std::filesystem::create_directories(dir / "config/Varnoke.reg");  // cannot be read as a file
  const CliResult r = Run(RunWith({"--yes"}));
  EXPECT_EQ(r.Status, 0) << r.Err;
  const std::string message = "The settings file " + dir / "config/Varnoke.reg" +
                              " could not be read. The settings of this session will not be saved.";
  const std::size_t first = r.Err.find(message);
  EXPECT_NE(first, std::string::npos) << r.Err;
  EXPECT_EQ(r.Err.find(message, first + 1), std::string::npos) << r.Err;
  EXPECT_EQ(r.Err.find("could not be saved"), std::string::npos) << r.Err;
}

TEST_F(CliTest, PlanBeforeTheQuestionFillsAScreenfulAtMost) {
  std::string list;
  for (int i = 0; i < 30; ++i) list += dir.Write("in/n" + std::to_string(100 + i)) + "\n";
  WriteFile(dir / "many.vls", list);
  const CliResult r = Run({"/O:@set", "/L:$/many.vls", "/R"}, {"n"}, true);
  // 24 lines (the terminal reports no size): 17 files, the count of the others and
  // the question below them.
  EXPECT_NE(r.Out.find(dir / "in/n116  ->  " + dir / "in/Pic000017\n... and 13 more\n"),
            std::string::npos)
      << r.Out;
  EXPECT_EQ(r.Out.find("n117  ->"), std::string::npos) << r.Out;
}

}  // namespace
}  // namespace varnoke
