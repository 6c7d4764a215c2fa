#include "model/PathRules.h"

#include <gtest/gtest.h>

#include <string>

#include "model/WindowsWildcard.h"

namespace varnoke {
namespace {

struct SplitCase {
  const char* Full;
  SplitPath Parts;
  const char* Joined;  // the full path the entry is written as
};

// Each path splits into its parts, and the parts join to a path that splits the same.
template <std::size_t N>
void ExpectSplits(const PathRules& rules, const SplitCase (&cases)[N]) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Full);
    const SplitPath got = rules.Split(c.Full);
    EXPECT_EQ(got, c.Parts);
    const std::string joined = rules.Join(got.Path, got.Name, got.Ext);
    EXPECT_EQ(joined, c.Joined);
    EXPECT_EQ(rules.Split(joined), c.Parts);
  }
}

TEST(WindowsPathRules, SplitsAsListedFilesAreSplitAndFoldOnlyAsciiLetters) {
  // clang-format off
  const SplitCase cases[] = {
      {R"(C:\Data\Report.Final.DOC)", {R"(c:\data)", "Report.Final", "DOC"},
                                                                   R"(c:\data\Report.Final.DOC)"},
      {R"(C:\boot.ini)",        {"c:", "boot", "ini"},             R"(c:\boot.ini)"},
      {R"(C:\Data\Makefile)",   {R"(c:\data)", "Makefile", ""},     R"(c:\data\Makefile.)"},
      {R"(c:\data\Makefile.)",  {R"(c:\data)", "Makefile", ""},     R"(c:\data\Makefile.)"},
      {R"(C:\Home\.profile)",   {R"(c:\home)", "", "profile"},      R"(c:\home\.profile)"},
      {R"(C:\Dir.X\file)",      {R"(c:\dir.x)", "file", ""},        R"(c:\dir.x\file.)"},
      {R"(C:name.txt)",         {"c:", "name", "txt"},             R"(c:\name.txt)"},
      {R"(\\Server\Share\ÄBC.txt)", {"\\\\server\\share", "ÄBC", "txt"},
                                                                   R"(\\server\share\ÄBC.txt)"}};
  // clang-format on
  WindowsPathRules rules;
  ExpectSplits(rules, cases);
  EXPECT_TRUE(rules.SameName(R"(c:\data\A.TXT)", R"(C:\Data\a.txt)"));
  EXPECT_FALSE(rules.SameName("a.txt", "b.txt"));
  EXPECT_FALSE(rules.SameName("\xC4.txt", "\xE4.txt"));
  EXPECT_EQ(rules.DisplayDirectory("c:"), "c:\\");
  EXPECT_EQ(rules.DisplayDirectory(R"(c:\data)"), R"(c:\data)");
  EXPECT_EQ(rules.StripTrailingSeparator(R"(d:\target\)"), R"(d:\target)");
  EXPECT_EQ(rules.StripTrailingSeparator(R"(d:\target)"), R"(d:\target)");
}

TEST(PosixPathRules, EveryNameRoundTripsAndNamesCompareExactly) {
  // clang-format off
  const SplitCase cases[] = {
      {"/home/Ann/Report.Final.DOC", {"/home/Ann", "Report.Final", "DOC"},
                                                             "/home/Ann/Report.Final.DOC"},
      {"/Data/Makefile",    {"/Data", "Makefile", ""},     "/Data/Makefile"},
      {"/data/notes.",      {"/data", "notes.", ""},       "/data/notes."},
      {"/data/a..",         {"/data", "a..", ""},          "/data/a.."},
      {"/home/.profile",    {"/home", "", "profile"},      "/home/.profile"},
      {"/home/.config.bak", {"/home", ".config", "bak"},   "/home/.config.bak"},
      {"/etc.d/file",       {"/etc.d", "file", ""},        "/etc.d/file"},
      {"/vmlinuz",          {"", "vmlinuz", ""},           "/vmlinuz"},
      {"/c:\\x.txt",        {"", "c:\\x", "txt"},          "/c:\\x.txt"}};
  // clang-format on
  PosixPathRules rules;
  ExpectSplits(rules, cases);
  EXPECT_TRUE(rules.SameName("/a/b.txt", "/a/b.txt"));
  EXPECT_FALSE(rules.SameName("/a/b.txt", "/a/B.txt"));
  EXPECT_FALSE(rules.FoldsCase());
  EXPECT_EQ(rules.DisplayDirectory(""), "/");
  EXPECT_EQ(rules.DisplayDirectory("/Photos"), "/Photos");
  EXPECT_EQ(rules.StripTrailingSeparator("/target/"), "/target");
  EXPECT_EQ(rules.StripTrailingSeparator("/"), "");
}

TEST(PathRules, NameGuardKeepsDotFilesOnlyUnderPosixRules) {
  // clang-format off
  const struct {
    const char *Name, *Ext, *OldName, *OldExt;
    bool Windows, Posix;
  } cases[] = {
      {"", "profile", "", "profile", true, false}, {".cfg", "", ".cfg", "", true, false},
      {"", "txt", "a", "txt", true, true}, {"", "", "a", "txt", true, true},
      {".", "", "", "x", true, true}, {"..", "", "", "x", true, true},
      {"", ".", "", "x", true, true}, {"a", "", "", "x", false, false},
      {"a.", "", "a", "txt", false, false}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Name << "|" << c.Ext);
    EXPECT_EQ(WindowsPathRules().NeedsNameGuard(c.Name, c.Ext, c.OldName, c.OldExt), c.Windows);
    EXPECT_EQ(PosixPathRules().NeedsNameGuard(c.Name, c.Ext, c.OldName, c.OldExt), c.Posix);
  }
  EXPECT_EQ(AsciiLowerCopy("ABC xyz \xC4\xD6 09@[`{"), "abc xyz \xC4\xD6 09@[`{");
  EXPECT_EQ(AsciiUpperCopy("abc XYZ \xE4\xF6 09@[`{"), "ABC XYZ \xE4\xF6 09@[`{");
  EXPECT_TRUE(EqualsIgnoreAsciiCase("Hello", "hELLO"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase("Hello", "Hello!"));
}

// As Windows lists directories: "*.*" is everything, "*." the names without extension, case
// and the last dot, "?" one character or none where the name's part ends, ASCII-only folding.
TEST(WindowsWildcard, MatchesAsWindowsListsDirectories) {
  // clang-format off
  const struct {
    const char *Pattern, *Name;
    bool Matches;
  } cases[] = {
      {"*.*", "readme", true}, {"*.*", "a.b.c", true}, {"*.*", ".profile", true},
      {"*", "anything.at.all", true}, {"*.", "Makefile", true}, {"*.", "old.files", false},
      {"*.", ".hidden", false}, {"a*.", "abc", true}, {"a*.", "bcd", false},
      {"*.txt", "a.txt", true}, {"*.txt", "A.TXT", true}, {"*.txt", "a.b.txt", true},
      {"*.txt", "a.txt.bak", false}, {"*.txt", "atxt", false}, {"*.TxT", "notes.tXt", true},
      {"a*", "a.txt", true}, {"a*", "b.txt", false}, {"A*", "abc", true}, {"a*.*", "abc", true},
      {"*.vns", "set.vns", true}, {"*.vns", "set.vnsx", false}, {"a?c", "abc", true},
      {"a?c", "ac", false}, {"a?", "a", true}, {"a??.txt", "ab.txt", true},
      {"a?.txt", "abc.txt", false}, {"?.txt", "a.txt", true}, {"file?", "file1", true},
      {"Report.doc", "report.DOC", true}, {"report", "report.doc", false}, {"", "", true},
      {"", "a", false}, {"\xc9t\xe9", "\xe9t\xe9", false}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(MatchesWindowsWildcard(c.Name, c.Pattern), c.Matches) << c.Pattern << " ~ " << c.Name;
  const std::string name(200, 'a');  // many stars stay fast
  EXPECT_FALSE(MatchesWindowsWildcard(name, std::string(60, '*') + "b"));
  EXPECT_TRUE(MatchesWindowsWildcard(name + ".x", "*a*a*a*a*a*a*a*a*.*x"));
}

}  // namespace
}  // namespace varnoke
