// The console front end in one process on real files: settings in a test directory,
// answers from a text, the plan and the renaming checked on disk.
#include "app/ConsoleFrontEnd.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <sstream>

#include "app/CommandLineMessages.h"
#include "app/ConsoleSession.h"
#include "app/PlanTsv.h"
#include "files/OptionSetFile.h"
#include "files/Settings.h"
#include "model/FormatSettings.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixSettingsStore.h"
#include "platform/testing/FixedClock.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

struct ConsoleResult {
  int Status = -1;
  std::string Out;
  std::string Err;
};

class ConsoleFrontEndTest : public ::testing::Test {
 protected:
  ConsoleFrontEndTest() {
    TFiles pic;
    pic.Flags = ChangeName | Enumerate;
    pic.Name = "Pic";
    pic.Digits = 6;
    EXPECT_EQ(SaveOptionSet(store, setPath, pic), std::nullopt);
    std::string list;
    for (const char* name : {"f3.txt", "f1.txt", "f2.txt"}) {
      WriteFile(dir / ("photos/" + std::string(name)), name);
      list += dir / ("photos/" + std::string(name)) + "\r\n";
    }
    WriteFile(listPath, list);
  }

  ConsoleResult Run(std::vector<std::string> args, const std::string& input = "",
                    bool terminal = false) {
    PosixSettingsStore settings(dir / "config");
    ConsoleServices services{fs, store, clock, settings, regional, dir / "data/", dir / "home/"};
    std::istringstream in(input);
    std::ostringstream out, err;
    ConsoleStreams streams{in, out, err, terminal, false};
    ConsoleResult result;
    result.Status = RunConsole(ParseConsoleArguments(args), services, streams);
    result.Out = out.str();
    result.Err = err.str();
    return result;
  }
  std::vector<std::string> RunArgs() { return {"/O:" + setPath, "/L:" + listPath, "/R"}; }
  bool Renamed() {
    return FileExists(dir / "photos/Pic000001.txt") && FileExists(dir / "photos/Pic000002.txt") &&
           FileExists(dir / "photos/Pic000003.txt") && !FileExists(dir / "photos/f1.txt");
  }
  bool Untouched() {
    return FileExists(dir / "photos/f1.txt") && FileExists(dir / "photos/f2.txt") &&
           FileExists(dir / "photos/f3.txt") && !FileExists(dir / "photos/Pic000001.txt");
  }

  TempDir dir;
  std::string setPath = dir / "pic.vns";
  std::string listPath = dir / "photos.vls";
  PosixFileSystem fs;
  PosixFileStore store;
  FixedClock clock{133000000000000000ull, 0};
  FormatSettings regional = EnglishFormatSettings();
};

TEST_F(ConsoleFrontEndTest, YesRenamesInListOrder) {
  std::vector<std::string> args = RunArgs();
  args.push_back("--yes");
  const ConsoleResult r = Run(args);
  EXPECT_EQ(r.Status, kExitDone) << r.Err;
  ASSERT_TRUE(Renamed()) << r.Err;
  // Numbers follow the lines of the list: f3 first.
  EXPECT_EQ(ReadFile(dir / "photos/Pic000001.txt"), "f3.txt");
  EXPECT_EQ(ReadFile(dir / "photos/Pic000003.txt"), "f2.txt");
  EXPECT_NE(r.Err.find(TerminalText(kAutoRunQuestion)), std::string::npos) << r.Err;
  EXPECT_NE(r.Err.find("Renamed 3 of 3"), std::string::npos) << r.Err;
}

TEST_F(ConsoleFrontEndTest, TypedYesOnTerminalRenames) {
  const ConsoleResult r = Run(RunArgs(), "yes\n", true);
  EXPECT_EQ(r.Status, kExitDone) << r.Err;
  EXPECT_TRUE(Renamed());
}

TEST_F(ConsoleFrontEndTest, TypedNoStartsNormallyShowingThePlan) {
  const ConsoleResult r = Run(RunArgs(), "n\n", true);
  EXPECT_EQ(r.Status, kExitUnrenamed);
  EXPECT_TRUE(Untouched());
  EXPECT_NE(r.Out.find(dir / "photos/f3.txt  ->  " + dir / "photos/Pic000001.txt"),
            std::string::npos)
      << r.Out;
}

TEST_F(ConsoleFrontEndTest, WithoutTerminalNothingIsRenamedWhateverTheInput) {
  const ConsoleResult r = Run(RunArgs(), "y\ny\ny\n", false);
  EXPECT_EQ(r.Status, kExitUnrenamed);
  EXPECT_TRUE(Untouched());
  EXPECT_NE(r.Err.find("[Y]es/[N]o No"), std::string::npos) << r.Err;
}

TEST_F(ConsoleFrontEndTest, PlanTsvRenamesNothingWhateverElseIsGiven) {
  std::vector<std::string> args = RunArgs();
  args.insert(args.end(), {"--yes", "--plan=tsv"});
  const ConsoleResult r = Run(args);
  EXPECT_EQ(r.Status, kExitDone);
  EXPECT_TRUE(Untouched());
  ASSERT_EQ(r.Out.rfind(kPlanTsvHeader, 0), 0u) << r.Out;
  EXPECT_NE(r.Out.find("\n0\t0\t0\t" + dir / "photos\tPic000001\ttxt\t6\t"), std::string::npos)
      << r.Out;
  EXPECT_EQ(std::count(r.Out.begin(), r.Out.end(), '\n'), 4);
  EXPECT_EQ(r.Err.find(TerminalText(kAutoRunQuestion)), std::string::npos) << r.Err;
}

TEST_F(ConsoleFrontEndTest, RunWithoutOptionSetShowsMissingSwitches) {
  const ConsoleResult r = Run({"/L:" + listPath, "/Run", "--yes"});
  EXPECT_EQ(r.Status, kExitUnrenamed);
  EXPECT_TRUE(Untouched());
  EXPECT_NE(r.Err.find(TerminalText(kRunSwitchIncompleteMessage)), std::string::npos) << r.Err;
}

TEST_F(ConsoleFrontEndTest, PathUnderRootIsNoRunSwitch) {
  const ConsoleResult r = Run({"/O:" + setPath, "/L:" + listPath, "/root/list.vls", "--yes"});
  EXPECT_EQ(r.Status, kExitDone);
  EXPECT_TRUE(Untouched());
  EXPECT_EQ(r.Err.find(TerminalText(kAutoRunQuestion)), std::string::npos) << r.Err;
}

TEST_F(ConsoleFrontEndTest, NoParametersIsUnusable) {
  const ConsoleResult r = Run({"--yes"});
  EXPECT_EQ(r.Status, kExitBadArguments);
  EXPECT_NE(r.Err.find("Usage:"), std::string::npos);
}

TEST_F(ConsoleFrontEndTest, NewListStartsWithStoredDefaultsAndSettingsAreWrittenBack) {
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
  const ConsoleResult r = Run({"/L:" + listPath, "--plan=tsv"});
  EXPECT_NE(r.Out.find("\tDef07\ttxt\t"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("\tDef09\ttxt\t"), std::string::npos) << r.Out;
  PosixSettingsStore after(dir / "config");
  const StoredSettings read = ReadSettings(after, fs, dir / "data/");
  EXPECT_EQ(read.Defaults.Name, "Def");
  EXPECT_EQ(read.Preferences, kPrefSaveEveryTime);
}

TEST_F(ConsoleFrontEndTest, FirstRunWritesTheSettingsFile) {
  ASSERT_FALSE(FileExists(dir / "config/Varnoke.reg"));
  std::vector<std::string> args = RunArgs();
  args.push_back("--yes");
  Run(args);
  const std::string text = ReadFile(dir / "config/Varnoke.reg");
  EXPECT_NE(text.find("\"Options\"=hex:"), std::string::npos) << text;
  EXPECT_NE(text.find("\"MainWinPos\"=hex:"), std::string::npos) << text;
}

TEST_F(ConsoleFrontEndTest, BusyFileIsReportedKeptAndFailsTheRun) {
  const int held = ::open((dir / "photos/f1.txt").c_str(), O_RDONLY);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  std::vector<std::string> args = RunArgs();
  args.push_back("--yes");
  const ConsoleResult r = Run(args);
  ::close(held);
  EXPECT_EQ(r.Status, kExitUnrenamed) << r.Err;
  EXPECT_TRUE(FileExists(dir / "photos/f1.txt"));
  EXPECT_TRUE(FileExists(dir / "photos/Pic000001.txt"));  // f3 was renamed
  EXPECT_NE(r.Err.find("is still busy"), std::string::npos) << r.Err;
  EXPECT_NE(r.Err.find("Renamed 2 of 3"), std::string::npos) << r.Err;
}

TEST_F(ConsoleFrontEndTest, DamagedOptionSetStopsTheAutomaticRun) {
  WriteFile(setPath, "short");
  std::vector<std::string> args = RunArgs();
  args.push_back("--yes");
  const ConsoleResult r = Run(args);
  EXPECT_EQ(r.Status, kExitUnrenamed);
  EXPECT_TRUE(Untouched());
  EXPECT_NE(r.Err.find("Read beyond end of file"), std::string::npos) << r.Err;
}

}  // namespace
}  // namespace varnoke
