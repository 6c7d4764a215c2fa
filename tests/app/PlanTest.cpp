// The plan of a whole console run, as values for scripts and as lines for a reader,
// compared byte for byte with golden files: names and directories with tabs, line
// feeds and backslashes, a conflict, a busy file, a file left as it is, the root
// directory, new attributes and the three times. Then what that world leaves out:
// the cut to a screenful, the widest numbers, a plan longer than one write.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "app/ConsoleFrontEnd.h"
#include "app/PlanText.h"
#include "app/PlanTsv.h"
#include "files/OptionSetFile.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixSettingsStore.h"
#include "platform/testing/FixedClock.h"
#include "support/PrevEntry.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::PrevEntry;

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

TEST(PlanTest, PlanOfAWholeRunMatchesTheGoldenFiles) {
  for (const std::string form : {"tsv", "txt"}) {
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
    std::vector<std::string> args = {"/O:/upper.vns", "/S:" + dir + "/*.txt", "/L:/list.vls"};
    if (form == "tsv") args.push_back("--plan=tsv");
    EXPECT_EQ(RunConsole(ParseConsoleArguments(args), services, streams), kExitDone) << err.str();
    const auto golden = std::filesystem::path(__FILE__).parent_path() / "golden" / ("plan." + form);
    EXPECT_EQ(out.str(), testing::ReadFile(golden)) << out.str();
    // Planning changed nothing on disk.
    EXPECT_EQ(fs.ChangingCalls(), 0);
  }
}

TEST(PlanTest, ReadablePlanCutToMaxLinesCountsTheRest) {
  TVrnFiles files;
  TVrnPrevFiles preview(false);
  for (int i = 0; i < 4; ++i) {
    files.AddEntry(false, "/d", "f" + std::to_string(i), "", 0, 0, 0, 0, 0);
    preview.AddCopy(PrevEntry(i, "/d", "g" + std::to_string(i), ""));
  }
  const std::string all =
      "/d/f0  ->  /d/g0\n/d/f1  ->  /d/g1\n/d/f2  ->  /d/g2\n/d/f3  ->  /d/g3\n";
  for (const auto& [maxLines, text] :
       std::vector<std::pair<int, std::string>>{{0, all},
                                                {4, all},
                                                {3, all.substr(0, 34) + "... and 2 more\n"},
                                                {1, "... and 4 more\n"}}) {
    std::ostringstream out;
    WritePlanText(out, files, preview, PosixPathRules(), maxLines);
    EXPECT_EQ(out.str(), text);
  }
}

TEST(PlanTest, TsvLineHasTheWidestNumbersAndALongPlanIsWrittenWhole) {
  TVrnPrevFile e = PrevEntry(12, "/tmp", "Pic", "\r\xc3\xa9");
  e.Size = 5368709120ull;  // 5 GiB
  e.Created = 18446744073709551615ull;
  std::string line;
  AppendPlanTsvLine(line, e, "/tmp/old");
  EXPECT_EQ(
      line,
      "12\t0\t0\t/tmp\tPic\t\r\xc3\xa9\t5368709120\t0\t18446744073709551615\t0\t0\t/tmp/old\n");
  TVrnFiles many;
  TVrnPrevFiles plan(false);
  for (int i = 0; i < 5000; ++i) {
    many.AddEntry(false, "/some/dir", "f" + std::to_string(i), "jpg", 0, 0, 0, 0, 0);
    plan.AddCopy(PrevEntry(i, "/some/dir", "Pic" + std::to_string(i), "jpg"));
  }
  std::ostringstream out;
  WritePlanTsv(out, many, plan, PosixPathRules());
  const std::string text = out.str();
  EXPECT_EQ(text.rfind(kPlanTsvHeader, 0), 0u);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5001);
  EXPECT_NE(
      text.find("\n4999\t0\t0\t/some/dir\tPic4999\tjpg\t0\t0\t0\t0\t0\t/some/dir/f4999.jpg\n"),
      std::string::npos);
}

}  // namespace
}  // namespace varnoke
