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

using testing::TempDir;
using testing::WriteFile;
using Kind = StartupProblem::Kind;

// Reads real files, except one that cannot be read.
class FailingStore final : public FileStore {
 public:
  FailingStore(FileStore& real, std::string failing) : real_(real), failing_(std::move(failing)) {}
  FileBytes ReadAll(std::string_view path) override {
    if (path == failing_) return {{}, IoError{IoErrorKind::AccessDenied, 13}};
    return real_.ReadAll(path);
  }
  std::optional<IoError> Save(std::string_view path, std::string_view bytes) override {
    return real_.Save(path, bytes);
  }

 private:
  FileStore& real_;
  std::string failing_;
};

class ParseCommandLineTest : public ::testing::Test {
 protected:
  ParseCommandLineTest() {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d/top.txt", "d/top.jpg", "d/sub/x.txt"})
      WriteFile(dir / name, name);
    WriteList("one.vls", {dir / "c.txt", dir / "gone.txt", dir / "a.txt"});
    WriteList("two.vls", {dir / "b.txt"});
    WriteList("locked.vls", {dir / "b.txt"});
  }
  ParsedCommandLine Parse(std::vector<std::string> parameters) {
    FailingStore failing(store, dir / "locked.vls");
    StartupServices services{fs, failing, session, dir.Path() + "/home/"};
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
  void WriteList(const std::string& name, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    WriteFile(dir / name, text);
  }
  void SaveSet(const std::string& name, const TFiles& options) {
    ASSERT_EQ(SaveOptionSet(store, dir / name, options), std::nullopt);
  }

  TempDir dir;
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
  const ParsedCommandLine parsed =
      Parse({"/L:" + dir / "one.vls", "/l:" + dir / "two.vls", "/S:" + dir / "d/*.txt"});
  EXPECT_EQ(Names(parsed), (std::vector<std::string>{"c.txt", "a.txt", "b.txt", "top.txt"}));
  EXPECT_FALSE(parsed.List->Options.Has(SearchSubdirs));
  EXPECT_EQ(parsed.List->Options.Filters, (std::vector<std::string>{"*.txt"}));
  EXPECT_TRUE(session.Questions.empty());

  const ParsedCommandLine tree = Parse({"/sR:" + dir / "d/*.TXT"});
  EXPECT_EQ(Names(tree, true), (std::vector<std::string>{"top.txt", "x.txt"}));
  EXPECT_TRUE(tree.List->Options.Has(SearchSubdirs));
  EXPECT_EQ(tree.List->Options.Filters, (std::vector<std::string>{"*.TXT"}));
  EXPECT_EQ(tree.List->Caption, "Blank list (1)");
}

struct ProblemCase {
  std::string Parameter;  // "$" stands for the test directory
  std::string Question;   // the message box shown, if any ("$" as above)
  Kind What;
  std::string Path;
  std::string Cause;
};

class ParseProblemTest : public ParseCommandLineTest,
                         public ::testing::WithParamInterface<ProblemCase> {
 protected:
  std::string In(std::string text) {
    for (std::size_t at = text.find('$'); at != std::string::npos; at = text.find('$'))
      text.replace(at, 1, dir.Path());
    return text;
  }
};

// Each unusable parameter is a problem naming its file and cause; the desktop program's
// messages are shown as described (none for a missing file) and the next parameter
// (a list of one file) is still processed.
TEST_P(ParseProblemTest, IsNamedWithItsCauseAndTheRestProcessed) {
  const ProblemCase& c = GetParam();
  const ParsedCommandLine parsed = Parse({In(c.Parameter), "/L:" + dir / "two.vls"});
  EXPECT_EQ(Names(parsed), (std::vector<std::string>{"b.txt"}));
  if (c.What != Kind::SearchDirectory) {
    EXPECT_EQ(parsed.List->Options, defaults);
  }
  ASSERT_EQ(parsed.Problems.size(), 1u);
  EXPECT_EQ(parsed.Problems[0].What, c.What);
  EXPECT_EQ(parsed.Problems[0].Parameter, In(c.Parameter));
  EXPECT_EQ(parsed.Problems[0].Path, In(c.Path));
  EXPECT_EQ(parsed.Problems[0].Cause, c.Cause);
  EXPECT_EQ(parsed.OptionSetFailed(), c.What == Kind::OptionSet);
  if (c.Question.empty()) {
    EXPECT_TRUE(session.Questions.empty());
  } else {
    ASSERT_EQ(session.Questions.size(), 1u);
    EXPECT_EQ(session.Questions[0].Text, In(c.Question));
  }
}

const std::string kIllegal =
    "The command line parameter /SR:$/nowhere/*.txt was illegally "
    "formated\n\rFull path must be included!";

INSTANTIATE_TEST_SUITE_P(
    Parameters, ParseProblemTest,
    ::testing::Values(
        ProblemCase{"/O:$/none.vns", "", Kind::OptionSet, "$/none.vns", "File not found"},
        ProblemCase{"/O:$/d", "", Kind::OptionSet, "$/d", "is a directory"},
        ProblemCase{"/O:$/a.txt", "Read beyond end of file", Kind::OptionSet, "$/a.txt",
                    "Read beyond end of file"},
        ProblemCase{"/L:$/none.vls", "", Kind::FileList, "$/none.vls", "File not found"},
        ProblemCase{"/L:$/locked.vls", "Cannot open file $/locked.vls", Kind::FileList,
                    "$/locked.vls", "File access denied"},
        ProblemCase{"/SR:$/nowhere/*.txt", kIllegal, Kind::SearchDirectory, "$/nowhere",
                    "File not found"},
        ProblemCase{"/S:$/a.txt/*",
                    "The command line parameter /S:$/a.txt/* was illegally "
                    "formated\n\rFull path must be included!",
                    Kind::SearchDirectory, "$/a.txt", "not a directory"}));

TEST_F(ParseCommandLineTest, DamagedSetShownByTheGeneralErrorHandler) {
  Parse({"/O:" + dir / "a.txt"});
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Caption, "Varnoke");
  EXPECT_EQ(session.Questions[0].Symbol, Icon::Error);
}

TEST_F(ParseCommandLineTest, SearchWithoutFullPathIsShownNotAProblem) {
  const ParsedCommandLine parsed = Parse({"/S:*.txt"});
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text, IllegalParameterMessage("/S:*.txt"));
  EXPECT_EQ(session.Questions[0].Caption, "Varnoke error");
  EXPECT_EQ(session.Questions[0].Kind, Buttons::Ok);
  EXPECT_EQ(session.Questions[0].Symbol, Icon::Warning);
  EXPECT_TRUE(parsed.Problems.empty());
}

TEST_F(ParseCommandLineTest, LaterSetReplacesEarlierAndOnlyASetBeforeASearchSteersIt) {
  ASSERT_EQ(::chmod((dir / "d/top.jpg").c_str(), 0444), 0);
  TFiles readOnlyOnly;
  readOnlyOnly.Name = "Set";
  readOnlyOnly.Set(SearchUseReadOnly, true);
  readOnlyOnly.Set(SearchReadOnly, true);
  SaveSet("ro.vns", readOnlyOnly);
  TFiles first;
  first.Name = "First";
  SaveSet("first.vns", first);

  const ParsedCommandLine before =
      Parse({"/o:" + dir / "first.vns", "/O:" + dir / "ro.vns", "/S:" + dir / "d/*"});
  EXPECT_EQ(Names(before), (std::vector<std::string>{"top.jpg"}));
  EXPECT_EQ(before.List->Options.Name, "Set");

  const ParsedCommandLine after = Parse({"/S:" + dir / "d/*", "/O:" + dir / "ro.vns"});
  EXPECT_EQ(Names(after, true), (std::vector<std::string>{"top.jpg", "top.txt"}));
  EXPECT_EQ(after.List->Options.Name, "Set");
  // Releasing the search stores its directory and filter in the list's options.
  EXPECT_EQ(after.List->Options.Filters, (std::vector<std::string>{"*"}));
}

}  // namespace
}  // namespace varnoke
