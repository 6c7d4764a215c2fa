// The start-up parameters, processed in order into one list, on real files: what the
// console cannot show (the desktop program's silent skips, the message boxes' icons,
// list captions, the options a search leaves in the list).
#include "app/ParseCommandLine.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/OptionSetFile.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/ScriptedSession.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

class ParseCommandLineTest : public ::testing::Test {
 protected:
  ParseCommandLineTest() {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d/top.txt", "d/top.jpg", "d/sub/x.txt"})
      testing::WriteFile(dir / name, name);
    testing::WriteFile(dir / "one.vls",
                       dir / "c.txt\r\n" + dir / "gone.txt\r\n" + dir / "a.txt\r\n");
    testing::WriteFile(dir / "two.vls", dir / "b.txt\r\n");
    EXPECT_EQ(::chmod((dir / "d/top.jpg").c_str(), 0444), 0);
    TFiles readOnlyOnly, first;
    defaults.Name = "Def";
    readOnlyOnly.Name = "Set";
    readOnlyOnly.Flags = SearchUseReadOnly | SearchReadOnly;
    first.Name = "First";
    EXPECT_EQ(SaveOptionSet(store, dir / "ro.vns", readOnlyOnly, EnglishTexts()), std::nullopt);
    EXPECT_EQ(SaveOptionSet(store, dir / "first.vns", first, EnglishTexts()), std::nullopt);
  }
  // "$" stands for the test directory.
  std::string In(std::string text) const {
    for (std::size_t at = text.find('$'); at != std::string::npos; at = text.find('$', at + 1))
      text.replace(at, 1, dir.Path());
    return text;
  }
  // The list in one line: caption, options' name and search filters (SR: with the
  // subdirectories), the listed files, then each message box and each problem.
  std::string Parse(std::vector<std::string> parameters) {
    for (std::string& p : parameters) p = In(p);
    session.Questions.clear();
    Services services{fs,       store,   idle.Settings, clock,
                      regional, session, dir / "",      dir.Path() + "/home/"};
    const ParsedCommandLine parsed = ParseCommandLine(parameters, defaults, counter, services);
    if (!parsed.List) return "no list";
    std::string s = parsed.List->Caption + " " + parsed.List->Options.Name;
    for (const std::string& filter : parsed.List->Options.Filters) s += " " + filter;
    s += parsed.List->Options.Has(SearchSubdirs) ? " SR:" : ":";
    for (const TVrnFile& f : parsed.List->Files)
      s += " " + std::string(f.Name()) + "." + std::string(f.Ext());
    for (const AskedQuestion& q : session.Questions)
      s += " [" + q.Caption + (q.Symbol == Icon::Error ? ", error]" : ", warning]");
    for (const StartupProblem& p : parsed.Problems) s += " {" + p.Path + ": " + p.Cause + "}";
    return s;
  }

  testing::TempDir dir;
  PosixFileSystem fs;
  PosixFileStore store;
  IdleStores idle;
  FixedClock clock{0, 0};
  FormatSettings regional = EnglishFormatSettings();
  ScriptedSession session;
  TFiles defaults;
  int counter = 0;  // each list takes the next number
};

TEST_F(ParseCommandLineTest, OneListInParameterOrder) {
  // clang-format off
  for (const auto& [parameters, list] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{}, "no list"},
           // Bare names are ignored.
           {{"notes.txt", "/root/x", "--"}, "Blank list (0) Def:"},
           // A file of a list that is gone is skipped without a message; the console names it.
           {{"/L:$/one.vls", "/l:$/two.vls", "/S:$/d/*.txt"}, "Blank list (1) Def *.txt: c.txt a.txt b.txt top.txt {$/gone.txt: File not found}"},
           {{"/sR:$/d/X.*"}, "Blank list (2) Def X.* SR: x.txt"},
           // The desktop program shows nothing for a set or list it does not find.
           {{"/O:$/d", "/L:$/none.vls", "/L:$/two.vls"}, "Blank list (3) Def: b.txt {$/d: is a directory} {$/none.vls: File not found}"},
           // A set that cannot be read is the general error handler's, a search value the command line's.
           {{"/O:$/a.txt", "/S:*.txt"}, "Blank list (4) Def: [Varnoke, error] [Varnoke error, warning] {$/a.txt: Read beyond end of file} {*.txt: not a full path}"},
           // A later set replaces an earlier one; only a set before a search steers it.
           {{"/o:$/first.vns", "/O:$/ro.vns", "/S:$/d/*"}, "Blank list (5) Set *: top.jpg"},
           {{"/S:$/d/*.txt", "/O:$/ro.vns"}, "Blank list (6) Set *.txt: top.txt"},
           // After --files every parameter is a file, a switch among them too.
           {{"--files", "$/c.txt", "/L:$/one.vls", "$/d"}, "Blank list (7) Def: c.txt"}})
    EXPECT_EQ(Parse(parameters), In(list));
  // clang-format on
}

}  // namespace
}  // namespace varnoke
