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

// The program's own files read from the fake file system; nothing is saved.
struct FakeFileStore final : FileStore {
  explicit FakeFileStore(FakeFileSystem& fs) : Fs(fs) {}
  FileBytes ReadAll(std::string_view path) override {
    if (const auto file = Fs.File(path)) return {file->Content, std::nullopt};
    return {{}, IoError{IoErrorKind::NotFound, 2}};
  }
  std::optional<IoError> Save(std::string_view, std::string_view) override { return IoError{}; }
  FakeFileSystem& Fs;
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
    std::istringstream in;
    std::ostringstream out, err;
    ConsoleStreams streams{in, out, err, false, false};
    ConsoleSession session(in, err, AnswerMode::Safe, false);
    Services services{fs, store, settings, clock, regional, session, "/data/", "/home/"};
    std::vector<std::string> args = {"/O:/upper.vns", "/S:" + dir + "/*.txt", "/L:/list.vls"};
    if (form == "tsv") args.push_back("--plan=tsv");
    EXPECT_EQ(RunConsole(ParseConsoleArguments(args), services, streams), kExitDone) << err.str();
    const auto golden = std::filesystem::path(VARNOKE_TEST_APP_DIR) / "golden" / ("plan." + form);
    EXPECT_EQ(out.str(), testing::ReadFile(golden)) << out.str();
    // Planning changed nothing on disk.
    EXPECT_EQ(fs.ChangingCalls(), 0);
  }
}

// A plan longer than one write is written whole; the readable one is whole without a
// limit or within it, and otherwise cut to a line that counts the rest.
TEST(PlanTest, LongPlanWholeOrCutWithTheWidestNumbers) {
  TVrnFiles many;
  TVrnPrevFiles plan(false);
  for (int i = 0; i < 5000; ++i) {
    many.AddEntry(false, "/some/dir", "f" + std::to_string(i), "jpg", 0, 0, 0, 0, 0);
    TVrnPrevFile e = PrevEntry(i, "/some/dir", "Pic" + std::to_string(i), "jpg");
    if (i == 0) e.Ext = "\r\xc3\xa9", e.Size = 5368709120ull, e.Created = 18446744073709551615ull;
    plan.AddCopy(e);
  }
  std::ostringstream tsv;
  WritePlanTsv(tsv, many, plan, PosixPathRules());
  const std::string values = tsv.str();
  EXPECT_EQ(values.rfind(std::string(kPlanTsvHeader) +
                             "0\t0\t0\t/some/dir\tPic0\t\r\xc3\xa9\t5368709120\t0\t"
                             "18446744073709551615\t0\t0\t/some/dir/f0.jpg\t\n",
                         0),
            0u);
  EXPECT_TRUE(values.ends_with(
      "\n4999\t0\t0\t/some/dir\tPic4999\tjpg\t0\t0\t0\t0\t0\t/some/dir/f4999.jpg\t\n"));
  EXPECT_EQ(std::count(values.begin(), values.end(), '\n'), 5001);
  const std::string last = "\n/some/dir/f4999.jpg  ->  /some/dir/Pic4999.jpg\n";
  for (const auto& [maxLines, lines, end] : std::vector<std::tuple<int, int, std::string>>{
           {0, 5000, last}, {5000, 5000, last}, {1, 1, "... and 5000 more\n"}}) {
    std::ostringstream out;
    WritePlanText(out, many, plan, PosixPathRules(), maxLines);
    const std::string text = out.str();
    EXPECT_TRUE(text.ends_with(end)) << maxLines;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), lines) << maxLines;
  }
}

}  // namespace
}  // namespace varnoke
