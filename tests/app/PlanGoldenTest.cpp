// The --plan=tsv output of a whole console run, compared byte for byte with a
// golden file: names and directories with tabs, line feeds and backslashes, a
// conflict, a busy file, the root directory, new attributes and the three times.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/ConsoleFrontEnd.h"
#include "files/OptionSetFile.h"
#include "model/FormatSettings.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixSettingsStore.h"
#include "platform/testing/FixedClock.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

// The program's own files read from the fake file system.
class FakeFileStore final : public FileStore {
 public:
  explicit FakeFileStore(FakeFileSystem& fs) : fs_(fs) {}
  FileBytes ReadAll(std::string_view path) override {
    if (const auto file = fs_.File(path)) return {file->Content, std::nullopt};
    return {{}, IoError{IoErrorKind::NotFound, 2}};
  }
  std::optional<IoError> Save(std::string_view path, std::string_view bytes) override {
    fs_.AddFile(path, bytes);
    return std::nullopt;
  }

 private:
  FakeFileSystem& fs_;
};

TEST(PlanGoldenTest, TsvOfAWholeRunMatchesTheGoldenFile) {
  FakeFileSystem fs;
  const std::string dir = "/ph\totos";
  fs.AddFile(dir + "/a\tb.txt", "abc", FileTimes{1, 2, 3});
  fs.AddFile(dir + "/A\tB.TXT", "in the way", FileTimes{4, 5, 6});
  fs.AddFile(dir + "/new\nline.Txt", "12345", FileTimes{130000000000000000ull, 7, 8});
  fs.AddFile(dir + "/back\\slash.txt", "x", FileTimes{9, 10, 11}, 0x21);
  fs.AddFile(dir + "/busy.txt", "held", FileTimes{12, 13, 14});
  fs.SetBusy(dir + "/busy.txt", true);
  fs.AddFile(dir + "/secret.txt", "hidden", FileTimes{18, 19, 20}, 0x22);
  fs.AddFile("/top.txt", "top", FileTimes{15, 16, 17});
  fs.AddFile("/list.vls", "/top.txt\r\n");

  TFiles options;
  options.CaseMode = kCaseUpper;
  options.AttrMask = 0x01;             // clear read-only
  options.Set(SearchUseHidden, true);  // hidden files are left out of the search
  fs.AddFile("/upper.vns", FormatOptionSet(options));

  FakeFileStore store(fs);
  FixedClock clock(133000000000000000ull, 0);
  const FormatSettings regional = EnglishFormatSettings();
  testing::TempDir config;
  PosixSettingsStore settings(config.Path());
  ConsoleServices services{fs, store, clock, settings, regional, "/data/", "/home/"};
  std::istringstream in;
  std::ostringstream out, err;
  ConsoleStreams streams{in, out, err, false, false};
  const ConsoleArguments arguments = ParseConsoleArguments(
      {"/O:/upper.vns", "/S:" + dir + "/*.txt", "/L:/list.vls", "/R", "--yes", "--plan=tsv"});
  EXPECT_EQ(RunConsole(arguments, services, streams), kExitDone) << err.str();

  const std::string golden =
      (std::filesystem::path(__FILE__).parent_path() / "golden/plan.tsv").string();
  EXPECT_EQ(out.str(), testing::ReadFile(golden)) << out.str();
  // Planning changed nothing on disk.
  EXPECT_EQ(fs.ChangingCalls(), 0);
  EXPECT_TRUE(fs.HasFile(dir + "/a\tb.txt"));
}

}  // namespace
}  // namespace varnoke
