// The start-up parameters, processed in order into one list, on real files.
#include "app/ParseCommandLine.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

class ParseCommandLineTest : public ::testing::Test {
 protected:
  ParsedCommandLine Parse(std::vector<std::string> parameters) {
    StartupServices services{fs, store, session, dir.Path() + "/home/"};
    return ParseCommandLine(parameters, defaults, counter, services);
  }
  // The names of the listed files, in list order.
  static std::vector<std::string> Names(const FileListOwner& list) {
    std::vector<std::string> names;
    for (const TVrnFile& f : list.Files)
      names.push_back(std::string(f.Name()) + "." + std::string(f.Ext()));
    return names;
  }
  void SaveSet(const std::string& path, const TFiles& options) {
    ASSERT_EQ(SaveOptionSet(store, path, options), std::nullopt);
  }
  void WriteList(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    WriteFile(path, text);
  }

  TempDir dir;
  PosixFileSystem fs;
  PosixFileStore store;
  ScriptedSession session;
  TFiles defaults;
  int counter = 0;
};

TEST_F(ParseCommandLineTest, NoParametersNoList) {
  EXPECT_FALSE(Parse({}).List.has_value());
  EXPECT_EQ(counter, 0);
}

TEST_F(ParseCommandLineTest, BareNamesStillMakeAList) {
  const ParsedCommandLine parsed = Parse({"notes.txt", "/root/x", "--"});
  ASSERT_TRUE(parsed.List.has_value());
  EXPECT_EQ(parsed.List->Files.Count(), 0);
  EXPECT_EQ(parsed.List->Caption, "Blank list (0)");
  EXPECT_EQ(parsed.List->Options, defaults);
  EXPECT_TRUE(session.Questions.empty());
}

TEST_F(ParseCommandLineTest, TwoListsFillOneListInLineOrder) {
  WriteFile(dir / "a.txt", "a");
  WriteFile(dir / "b.txt", "b");
  WriteFile(dir / "c.txt", "c");
  WriteList(dir / "one.vls", {dir / "c.txt", dir / "gone.txt", dir / "a.txt"});
  WriteList(dir / "two.vls", {dir / "b.txt"});
  const ParsedCommandLine parsed = Parse({"/L:" + dir / "one.vls", "/l:" + dir / "two.vls"});
  ASSERT_TRUE(parsed.List.has_value());
  EXPECT_EQ(Names(*parsed.List), (std::vector<std::string>{"c.txt", "a.txt", "b.txt"}));
  EXPECT_TRUE(session.Questions.empty());
}

TEST_F(ParseCommandLineTest, MissingFilesAreSkippedSilently) {
  const ParsedCommandLine parsed =
      Parse({"/O:" + dir / "none.vns", "/L:" + dir / "none.vls", "/L:" + dir.Path()});
  ASSERT_TRUE(parsed.List.has_value());
  EXPECT_EQ(parsed.List->Files.Count(), 0);
  EXPECT_EQ(parsed.List->Options, defaults);
  EXPECT_FALSE(parsed.OptionSetFailed);
  EXPECT_TRUE(session.Questions.empty());
}

TEST_F(ParseCommandLineTest, LaterOptionSetReplacesEarlier) {
  TFiles first;
  first.Name = "First";
  TFiles second;
  second.Name = "Second";
  second.Digits = 4;
  SaveSet(dir / "first.vns", first);
  SaveSet(dir / "second.vns", second);
  const ParsedCommandLine parsed = Parse({"/o:" + dir / "first.vns", "/O:" + dir / "second.vns"});
  EXPECT_EQ(parsed.List->Options.Name, "Second");
  EXPECT_EQ(parsed.List->Options.Digits, 4);
}

TEST_F(ParseCommandLineTest, DamagedOptionSetIsReportedAndLeavesOptions) {
  WriteFile(dir / "short.vns", "too short");
  const ParsedCommandLine parsed = Parse({"/O:" + dir / "short.vns"});
  EXPECT_TRUE(parsed.OptionSetFailed);
  EXPECT_EQ(parsed.List->Options, defaults);
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text, "Read beyond end of file");
  EXPECT_EQ(session.Questions[0].Caption, "Varnoke");
  EXPECT_EQ(session.Questions[0].Symbol, Icon::Error);
}

TEST_F(ParseCommandLineTest, SearchWithoutFullPathGivesMessageAndAddsNothing) {
  WriteFile(dir / "a.txt", "a");
  WriteList(dir / "one.vls", {dir / "a.txt"});
  const ParsedCommandLine parsed = Parse({"/S:*.txt", "/L:" + dir / "one.vls"});
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text,
            "The command line parameter /S:*.txt was illegally formated\n\r"
            "Full path must be included!");
  EXPECT_EQ(session.Questions[0].Caption, "Varnoke error");
  EXPECT_EQ(session.Questions[0].Kind, Buttons::Ok);
  EXPECT_EQ(session.Questions[0].Symbol, Icon::Warning);
  // The parameters after it are still processed.
  EXPECT_EQ(Names(*parsed.List), (std::vector<std::string>{"a.txt"}));
}

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

TEST_F(ParseCommandLineTest, UnreadableListIsReportedAndTheRestProcessed) {
  WriteFile(dir / "a.txt", "a");
  WriteList(dir / "one.vls", {dir / "a.txt"});
  WriteList(dir / "locked.vls", {dir / "a.txt"});
  FailingStore failing(store, dir / "locked.vls");
  StartupServices services{fs, failing, session, dir.Path() + "/home/"};
  const std::vector<std::string> parameters = {"/L:" + dir / "locked.vls", "/L:" + dir / "one.vls"};
  const ParsedCommandLine parsed = ParseCommandLine(parameters, defaults, counter, services);
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text, "Cannot open file " + dir / "locked.vls");
  EXPECT_EQ(session.Questions[0].Caption, "Varnoke error");
  EXPECT_EQ(Names(*parsed.List), (std::vector<std::string>{"a.txt"}));
}

TEST_F(ParseCommandLineTest, SearchOfMissingDirectoryGivesMessage) {
  const std::string parameter = "/SR:" + dir / "nowhere/*.txt";
  Parse({parameter});
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text, IllegalParameterMessage(parameter));
}

TEST_F(ParseCommandLineTest, SearchOneDirectoryOrTheWholeTree) {
  WriteFile(dir / "d/top.txt", "");
  WriteFile(dir / "d/top.jpg", "");
  WriteFile(dir / "d/sub/deep.txt", "");
  const ParsedCommandLine flat = Parse({"/S:" + dir / "d/*.txt"});
  EXPECT_EQ(Names(*flat.List), (std::vector<std::string>{"top.txt"}));
  EXPECT_FALSE(flat.List->Options.Has(SearchSubdirs));
  EXPECT_EQ(flat.List->Options.Filters, (std::vector<std::string>{"*.txt"}));

  const ParsedCommandLine tree = Parse({"/sR:" + dir / "d/*.TXT"});
  std::vector<std::string> names = Names(*tree.List);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"deep.txt", "top.txt"}));
  EXPECT_TRUE(tree.List->Options.Has(SearchSubdirs));
  EXPECT_EQ(tree.List->Options.Filters, (std::vector<std::string>{"*.TXT"}));
  EXPECT_EQ(tree.List->Caption, "Blank list (1)");
}

TEST_F(ParseCommandLineTest, OptionSetBeforeSearchSetsItsAttributeFilter) {
  WriteFile(dir / "d/plain.txt", "");
  WriteFile(dir / "d/locked.txt", "");
  ASSERT_EQ(::chmod((dir / "d/locked.txt").c_str(), 0444), 0);
  TFiles readOnlyOnly;
  readOnlyOnly.Name = "Set";
  readOnlyOnly.Set(SearchUseReadOnly, true);
  readOnlyOnly.Set(SearchReadOnly, true);
  SaveSet(dir / "ro.vns", readOnlyOnly);

  const ParsedCommandLine before = Parse({"/O:" + dir / "ro.vns", "/S:" + dir / "d/*.txt"});
  EXPECT_EQ(Names(*before.List), (std::vector<std::string>{"locked.txt"}));

  // Loaded after the search, the set no longer steers it; its options still apply.
  const ParsedCommandLine after = Parse({"/S:" + dir / "d/*.txt", "/O:" + dir / "ro.vns"});
  std::vector<std::string> names = Names(*after.List);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"locked.txt", "plain.txt"}));
  EXPECT_EQ(after.List->Options.Name, "Set");
  // Releasing the search stores its directory and filter in the list's options.
  EXPECT_EQ(after.List->Options.Filters, (std::vector<std::string>{"*.txt"}));
}

}  // namespace
}  // namespace varnoke
