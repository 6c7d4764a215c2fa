// The running instance takes over the parameters of a later start: one window per list
// file and search, the options set into the active list, the files after --files.
#include "app/TransferredParameters.h"

#include <gtest/gtest.h>

#include <memory>

#include "files/OptionSetFile.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/ScriptedSession.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

// List windows as plain lists; the last opened is the active one.
struct Windows final : ListWindows {
  FileListOwner& OpenList() override {
    lists.push_back(std::make_unique<FileListOwner>(TFiles{}, counter, EnglishTexts()));
    return *lists.back();
  }
  FileListOwner* ActiveList() override { return lists.empty() ? nullptr : lists.back().get(); }
  void ShowList(FileListOwner&) override { ++shown; }
  // "caption: name name ..." of every window.
  std::vector<std::string> Seen() const {
    std::vector<std::string> out;
    for (const auto& list : lists) {
      std::string s = list->Caption + ":";
      for (const TVrnFile& f : list->Files) s += " " + std::string(f.Name());
      out.push_back(s);
    }
    return out;
  }
  std::vector<std::unique_ptr<FileListOwner>> lists;
  int counter = 0;
  int shown = 0;
};

TEST(TransferredParameters, EachListAndSearchInAWindowOfItsOwn) {
  testing::TempDir dir;
  const std::string a = dir.Write("a.txt"), b = dir.Write("b.txt");
  dir.Write("c.jpg");
  const std::string temporary = dir.Write("varnoke.tmp", a + "\r\n" + b + "\r\n");
  const std::string kept = dir.Write("kept.vls", b + "\r\n");
  TFiles named;
  named.Name = "FromSet";
  PosixFileSystem fs;
  IdleStores idle;
  ASSERT_EQ(SaveOptionSet(idle.Store, dir / "set.vns", named, EnglishTexts()), std::nullopt);
  FixedClock clock(0, 0);
  const FormatSettings regional = EnglishFormatSettings();
  ScriptedSession session;
  Services services{fs, idle.Store, idle.Settings, clock, regional, session, "/", "/"};
  Windows windows;

  const std::vector<std::string> parameters = {
      "/O:" + dir / "set.vns",  // no list window yet: nothing
      "/L:" + temporary,
      "/l:" + kept,
      "/O:" + dir / "set.vns",
      "/R",
      "bare",
      "/S:" + dir / "*.jpg",
      "/S:relative/*.jpg",
      "--files",
      a,
      dir.Path(),
      b};
  ProcessTransferredParameters(parameters, windows, services);
  EXPECT_EQ(windows.Seen(),
            (std::vector<std::string>{temporary + ": a b", kept + ": b", "Blank list (2): c",
                                      "Blank list (3):", "Blank list (4): a b"}));
  EXPECT_EQ(windows.shown, 5);
  EXPECT_FALSE(fs.Exists(temporary));  // read, then deleted
  EXPECT_TRUE(fs.Exists(kept));
  EXPECT_EQ(windows.lists[1]->Options.Name, "FromSet");  // the active list at that moment
  EXPECT_EQ(windows.lists[0]->Options.Name, "");
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Caption, "Varnoke error");
}

}  // namespace
}  // namespace varnoke
