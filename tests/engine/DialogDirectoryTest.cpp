// Where the file dialogs open: beside the list's own file, else beside its first file,
// else where the user last chose a file, else in the home directory.
#include "engine/DialogDirectory.h"

#include <gtest/gtest.h>

#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

TEST(DialogDirectory, TheListsOwnPlacesFirstThenTheLastChosenThenHome) {
  testing::TempDir dir;
  for (const char* name : {"lists", "photos", "last", "home"}) dir.MakeDir(name);
  PosixFileSystem fs;
  const std::string home = dir / "home";
  const struct {
    const char* What;
    bool HasList;
    const char* Caption;     // relative names lie in the test's directory
    const char* FirstEntry;  // the directory of the list's first file; null: an empty list
    const char* LastChosen;
    const char* Expected;
  } cases[] = {
      {"no list, nothing chosen yet", false, "", nullptr, "", "home"},
      {"no list", false, "", nullptr, "last", "last"},
      {"the last directory is gone", false, "", nullptr, "gone", "home"},
      {"an empty blank list", true, "Blank list (0)", nullptr, "last", "last"},
      {"a blank list of files", true, "Blank list (0)", "photos", "last", "photos"},
      {"a list with its own file", true, "lists/p.vls", "photos", "last", "lists"},
      {"the list file's directory is gone", true, "gone/p.vls", "photos", "last", "photos"},
      {"the first file's directory is gone", true, "Blank list (1)", "gone", "last", "last"},
  };
  const auto at = [&](std::string_view name) {
    return name.starts_with("Blank") ? std::string(name) : dir / name;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    int counter = 0;
    FileListOwner list(TFiles{}, counter, EnglishTexts());
    list.Caption = at(c.Caption);
    if (c.FirstEntry) {
      list.Files.AddEntry(false, at(c.FirstEntry), "a", "jpg", 1, 0, 0, 0, 0);
      list.Files.AddEntry(false, dir / "lists", "b", "jpg", 1, 0, 0, 0, 0);
    }
    const std::string last = *c.LastChosen ? at(c.LastChosen) : std::string();
    EXPECT_EQ(DialogDirectory(fs, c.HasList ? &list : nullptr, last, home), at(c.Expected));
  }
  int counter = 0;
  FileListOwner rooted(TFiles{}, counter, EnglishTexts());
  rooted.Files.AddEntry(false, "", "vmlinuz", "", 1, 0, 0, 0, 0);  // a file of the root
  EXPECT_EQ(DialogDirectory(fs, &rooted, "", home), "/");
}

TEST(DialogDirectory, TheDirectoryOfTheChosenFileIsRemembered) {
  const PosixPathRules rules;
  EXPECT_EQ(ChosenDirectory(rules, "/home/ann/lists/p.vls"), "/home/ann/lists");
  EXPECT_EQ(ChosenDirectory(rules, "/p.vls"), "/");
}

}  // namespace
}  // namespace varnoke
