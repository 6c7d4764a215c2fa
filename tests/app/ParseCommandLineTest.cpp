// The start-up parameters, processed in order into one list, on real files.
#include "app/ParseCommandLine.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "app/CommandLineMessages.h"
#include "files/OptionSetFile.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/ScriptedSession.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::WriteFile;
using Kind = StartupProblem::Kind;

class ParseCommandLineTest : public ::testing::Test {
 protected:
  ParseCommandLineTest() {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d/top.txt", "d/top.jpg", "d/sub/x.txt"})
      WriteFile(dir / name, name);
    WriteFile(dir / "one.vls", dir / "c.txt\r\n" + dir / "gone.txt\r\n" + dir / "a.txt\r\n");
    WriteFile(dir / "two.vls", dir / "b.txt\r\n");
  }
  // "$" stands for the test directory.
  std::string In(std::string text) const {
    for (std::size_t at = text.find('$'); at != std::string::npos; at = text.find('$', at + 1))
      text.replace(at, 1, dir.Path());
    return text;
  }
  ParsedCommandLine Parse(std::vector<std::string> parameters) {
    for (std::string& p : parameters) p = In(p);
    StartupServices services{fs, store, session, dir.Path() + "/home/"};
    return ParseCommandLine(parameters, defaults, counter, services);
  }
  // The names of the listed files, sorted when the order is the walker's.
  static std::vector<std::string> Names(const ParsedCommandLine& parsed, bool sorted = false) {
    std::vector<std::string> names;
    for (const TVrnFile& f : parsed.List->Files)
      names.push_back(std::string(f.Name()) + "." + std::string(f.Ext()));
    if (sorted) std::sort(names.begin(), names.end());
    return names;
  }
  using Names_ = std::vector<std::string>;

  testing::TempDir dir;
  PosixFileSystem fs;
  PosixFileStore store;
  ScriptedSession session;
  TFiles defaults;
  int counter = 0;
};

TEST_F(ParseCommandLineTest, NoParametersNoListBareNamesAnEmptyOne) {
  EXPECT_FALSE(Parse({}).List.has_value());
  EXPECT_EQ(counter, 0);
  const ParsedCommandLine parsed = Parse({"notes.txt", "/root/x", "--"});
  ASSERT_TRUE(parsed.List.has_value());
  EXPECT_EQ(parsed.List->Files.Count(), 0);
  EXPECT_EQ(parsed.List->Caption, "Blank list (0)");
  EXPECT_EQ(parsed.List->Options, defaults);
  EXPECT_TRUE(session.Questions.empty());
  EXPECT_TRUE(parsed.Problems.empty());
}

TEST_F(ParseCommandLineTest, ListsAndSearchesFillOneListInParameterOrder) {
  const ParsedCommandLine parsed = Parse({"/L:$/one.vls", "/l:$/two.vls", "/S:$/d/*.txt"});
  EXPECT_EQ(Names(parsed), (Names_{"c.txt", "a.txt", "b.txt", "top.txt"}));
  EXPECT_FALSE(parsed.List->Options.Has(SearchSubdirs));
  EXPECT_EQ(parsed.List->Options.Filters, (Names_{"*.txt"}));
  EXPECT_TRUE(session.Questions.empty());
  const ParsedCommandLine tree = Parse({"/sR:$/d/*.TXT"});
  EXPECT_EQ(Names(tree, true), (Names_{"top.txt", "x.txt"}));
  EXPECT_TRUE(tree.List->Options.Has(SearchSubdirs));
  EXPECT_EQ(tree.List->Options.Filters, (Names_{"*.TXT"}));
  EXPECT_EQ(tree.List->Caption, "Blank list (1)");
}

// Each unusable parameter is a problem naming its file and cause, the desktop program's
// message is shown as described (none for a missing file), and the next parameter (a
// list of one file) is still processed.
TEST_F(ParseCommandLineTest, UnusableParameterIsAProblemAndTheRestIsProcessed) {
  const std::string illegal = " was illegally formated\n\rFull path must be included!";
  for (const auto& [parameter, question, what, path, cause] :
       std::vector<std::tuple<std::string, std::string, Kind, std::string, std::string>>{
           {"/O:$/d", "", Kind::OptionSet, "$/d", "is a directory"},
           {"/O:$/a.txt", "Read beyond end of file", Kind::OptionSet, "$/a.txt",
            "Read beyond end of file"},
           {"/L:$/none.vls", "", Kind::FileList, "$/none.vls", "File not found"},
           // A file that exists and that no one can read.
           {"/L:/proc/self/mem", "Cannot open file /proc/self/mem", Kind::FileList,
            "/proc/self/mem", "I/O error 5"},
           {"/S:$/a.txt/*", "The command line parameter /S:$/a.txt/*" + illegal,
            Kind::SearchDirectory, "$/a.txt", "not a directory"}}) {
    session.Questions.clear();
    const ParsedCommandLine parsed = Parse({parameter, "/L:$/two.vls"});
    EXPECT_EQ(Names(parsed), (Names_{"b.txt"}));
    ASSERT_EQ(parsed.Problems.size(), 1u);
    const StartupProblem& p = parsed.Problems[0];
    EXPECT_EQ(p.What, what);
    EXPECT_EQ(p.Parameter, In(parameter));
    EXPECT_EQ(p.Path, In(path));
    EXPECT_EQ(p.Cause, cause);
    EXPECT_EQ(parsed.OptionSetFailed(), what == Kind::OptionSet);
    EXPECT_TRUE(what == Kind::SearchDirectory || parsed.List->Options == defaults) << parameter;
    ASSERT_EQ(session.Questions.size(), question.empty() ? 0u : 1u) << parameter;
    if (question.empty()) continue;
    // A set is the general error handler's; the others are the command line's errors.
    const bool set = what == Kind::OptionSet;
    EXPECT_EQ(session.Questions[0].Text, In(question));
    EXPECT_EQ(session.Questions[0].Caption, set ? "Varnoke" : "Varnoke error");
    EXPECT_EQ(session.Questions[0].Kind, Buttons::Ok);
    EXPECT_EQ(session.Questions[0].Symbol, set ? Icon::Error : Icon::Warning);
  }
}

TEST_F(ParseCommandLineTest, LaterSetReplacesEarlierAndOnlyASetBeforeASearchSteersIt) {
  ASSERT_EQ(::chmod((dir / "d/top.jpg").c_str(), 0444), 0);
  TFiles readOnlyOnly, first;
  readOnlyOnly.Name = "Set";
  readOnlyOnly.Set(SearchUseReadOnly, true);
  readOnlyOnly.Set(SearchReadOnly, true);
  first.Name = "First";
  ASSERT_EQ(SaveOptionSet(store, dir / "ro.vns", readOnlyOnly), std::nullopt);
  ASSERT_EQ(SaveOptionSet(store, dir / "first.vns", first), std::nullopt);
  const ParsedCommandLine before = Parse({"/o:$/first.vns", "/O:$/ro.vns", "/S:$/d/*"});
  EXPECT_EQ(Names(before), (Names_{"top.jpg"}));
  EXPECT_EQ(before.List->Options.Name, "Set");
  const ParsedCommandLine after = Parse({"/S:$/d/*", "/O:$/ro.vns"});
  EXPECT_EQ(Names(after, true), (Names_{"top.jpg", "top.txt"}));
  EXPECT_EQ(after.List->Options.Name, "Set");
  // Releasing the search stores its directory and filter in the list's options.
  EXPECT_EQ(after.List->Options.Filters, (Names_{"*"}));
}

}  // namespace
}  // namespace varnoke
