#include "model/WindowsWildcard.h"

#include <gtest/gtest.h>

#include <string>

namespace varnoke {
namespace {

struct Case {
  const char* Pattern;
  const char* Name;
  bool Matches;
};

class WindowsWildcard : public ::testing::TestWithParam<Case> {};

TEST_P(WindowsWildcard, MatchesAsWindowsListsDirectories) {
  EXPECT_EQ(MatchesWindowsWildcard(GetParam().Name, GetParam().Pattern), GetParam().Matches)
      << GetParam().Pattern << " ~ " << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowsWildcard,
    ::testing::Values(
        // "*.*" and "*" match every name, with or without a dot.
        Case{"*.*", "readme", true}, Case{"*.*", "a.b.c", true}, Case{"*.*", ".profile", true},
        Case{"*", "anything.at.all", true},
        // "*." finds the names without an extension.
        Case{"*.", "Makefile", true}, Case{"*.", "old.files", false}, Case{"*.", ".hidden", false},
        Case{"a*.", "abc", true}, Case{"a*.", "bcd", false},
        // Extensions, case and the last dot.
        Case{"*.txt", "a.txt", true}, Case{"*.txt", "A.TXT", true}, Case{"*.txt", "a.b.txt", true},
        Case{"*.txt", "a.txt.bak", false}, Case{"*.txt", "atxt", false},
        Case{"*.TxT", "notes.tXt", true}, Case{"a*", "a.txt", true}, Case{"a*", "b.txt", false},
        Case{"A*", "abc", true}, Case{"a*.*", "abc", true}, Case{"*.vns", "set.vns", true},
        Case{"*.vns", "set.vnsx", false},
        // "?" is one character, or none where the name's part ends.
        Case{"a?c", "abc", true}, Case{"a?c", "ac", false}, Case{"a?", "a", true},
        Case{"a??.txt", "ab.txt", true}, Case{"a?.txt", "abc.txt", false},
        Case{"?.txt", "a.txt", true}, Case{"file?", "file1", true},
        // Plain names compare without case only.
        Case{"Report.doc", "report.DOC", true}, Case{"report", "report.doc", false},
        Case{"", "", true}, Case{"", "a", false},
        // Letters beyond ASCII compare exactly.
        Case{"\xc9t\xe9", "\xe9t\xe9", false}));

TEST(WindowsWildcard, ManyStarsStayFast) {
  const std::string name(200, 'a');
  EXPECT_FALSE(MatchesWindowsWildcard(name, std::string(60, '*') + "b"));
  EXPECT_TRUE(MatchesWindowsWildcard(name + ".x", "*a*a*a*a*a*a*a*a*.*x"));
}

}  // namespace
}  // namespace varnoke
