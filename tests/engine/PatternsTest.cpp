#include "engine/Patterns.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/Messages.h"

namespace varnoke {
namespace {

struct Expansion {
  const char *Source, *Pattern, *Expected;
};

// A "?" standing beyond the source, or removed, moves the later ones one place to the left;
// wildcards that arrive with the source are plain characters. Past the limit: refused.
TEST(Wildcards, ExpandAsDocumented) {
  // clang-format off
  const Expansion cases[] = {
      {"abc", "*_?", "abc_"}, {"abc", "?x?", "axc"}, {"abc", "x??", "xbc"}, {"abc", "", ""},
      {"a", "*_01", "a_01"}, {"ab", "xy??", "xy"}, {"ab", "???x?", "abx"}, {"", "*?a?", "a"},
      {"a?", "x*", "xa?"}, {"a*", "**", "a*a*"}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(ApplyWildcards(c.Source, c.Pattern), c.Expected);
  const std::string source(100, 'n');
  EXPECT_FALSE(ApplyWildcards(source, std::string(41, '*')).has_value());  // 4,100 characters
  EXPECT_EQ(ApplyWildcards(source, std::string(40, '*'))->size(), 4000u);
}

TEST(Advanced, ExpandAsDocumented) {
  // clang-format off
  const struct {
    const char *Source, *Pattern, *Number, *Expected;
  } cases[] = {
      {"Holiday", "<1:2>_*", "", "Ho_Holiday"}, {"img", "<#>-*", "007", "007-img"},
      {"abc", "x?", "", "xb"}, {"ab", "???", "", "ab"},
      // A quoted section changes only what follows it.
      {"banana", "*\"a:o\"", "", "banana"}, {"banana", "\"a:o\"*", "", "bonono"},
      {"banana", "*-\"a:o\"*", "", "banana-bonono"},
      // "?" takes the character at the place of the result being built.
      {"abcdef", "*?", "", "abcdef"}, {"abcdef", "<3>?", "", "cb"},
      // Unclosed sections run to the end of the pattern.
      {"abcdef", "<1:3", "", "ac"}, {"abc", "*\"b:x", "", "abc"}, {"abc", "\"b:x", "", ""},
      // "<#>" is replaced first, also inside a section.
      {"img", "\"i:<#>\"*", "12", "12mg"}, {"img", "<#>", "", ""},
      // A section without ":" changes nothing.
      {"abc", "\"abc\"*", "", "abc"},
      // Mended: an empty search changes nothing instead of never ending; a position that is
      // no number selects nothing.
      {"abc", "\":x\"*", "", "abc"}, {"abc", "<*>x", "", "x"}, {"abc", "<#2>x", "5", "x"}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(ApplyAdvancedPattern(c.Source, c.Pattern, c.Number), c.Expected)
        << c.Source << " / " << c.Pattern;
  // Every "a" becomes the whole text twice: the text would triple with each match.
  EXPECT_FALSE(ApplyAdvancedPattern(std::string(20, 'a'), "\"a:**\"*", "").has_value());
  EXPECT_FALSE(ApplyAdvancedPattern("ab", std::string(5000, 'x'), "").has_value());
  EXPECT_TRUE(ApplyAdvancedPattern("ab", std::string(kMaxExpandedLength, 'x'), "").has_value());
}

TEST(Sections, ReplaceAsDocumented) {
  // clang-format off
  const Expansion cases[] = {
      {"photojpg", "jpg:jpeg", "photojpeg"},
      // The "*" of the replacement is the whole text.
      {"xaybz", "a?:b*", "xbxaybzbz"},
      // The mismatching character is not tried again as a first character.
      {"aaab", "aab:X", "aaab"}, {"aab", "*ab:X", "aab"}, {"aabaab", "ab:X", "aabaab"},
      // A trailing "*" reaches to the end, a leading one back to the pass start.
      {"xabc", "a*:Y", "xY"}, {"abc", "*b:Y", "Yc"},
      // "*" then "?": nothing matched, the replacement after every character.
      {"abc", "*?:x", "axbxcx"},
      // Every match is replaced, without overlapping.
      {"banana", "an:AN", "bANANa"}, {"aaaa", "aa:b", "bb"}, {"abc", "b:", "ac"},
      {"abc", "q:x", "abc"},
      // Further colons belong to the replacement.
      {"a-b", "-:x:y", "ax:yb"},
      // Leading "?": the characters before the literal belong to the match.
      {"xxab", "??b:Y", "xY"}, {"abc", "no colon", "abc"}, {"abc", ":x", "abc"}, {"", "a:b", ""},
      {"abc", "*?:*", "aabcbaabcbccaabcbaabcbcc"}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(ReplaceSection(c.Source, c.Pattern), c.Expected) << c.Source << " / " << c.Pattern;
  EXPECT_FALSE(ReplaceSection(std::string(20, 'a'), "*?:*").has_value());
}

// Positions count from 1 ("0" is the first too); tokens that are no number select nothing,
// the others still count.
TEST(Picks, SelectAsDocumented) {
  // clang-format off
  const Expansion cases[] = {
      {"abcd", "0", "a"}, {"abcd", "9", ""}, {"Holiday", "1:2", "Ho"}, {"abc", "3:1", "ca"},
      {"abcdefghijkl", "12", "l"}, {"abc", "1:", "a"}, {"abc", "-5", "a"},
      {"abc", "99999999999", ""}, {"", "1", ""}, {"abc", "", ""}, {"abc", "*", ""},
      {"abc", "?:2", "b"}, {"abc", "#", ""}, {"abc", "1x", ""}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(PickCharacters(c.Source, c.Pattern), c.Expected) << c.Source << " / " << c.Pattern;
}

}  // namespace
}  // namespace varnoke
