#include "engine/Patterns.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/Messages.h"

namespace varnoke {
namespace {

struct WildcardCase {
  const char* source;
  const char* pattern;
  const char* expected;
};

class Wildcards : public testing::TestWithParam<WildcardCase> {};

TEST_P(Wildcards, Expand) {
  EXPECT_EQ(ApplyWildcards(GetParam().source, GetParam().pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Documented, Wildcards,
    testing::Values(WildcardCase{"abc", "*_?", "abc_"},  // the "?" stands beyond the source
                    WildcardCase{"abc", "?x?", "axc"}, WildcardCase{"abc", "x??", "xbc"},
                    WildcardCase{"abc", "", ""}, WildcardCase{"a", "*_01", "a_01"},
                    // A removed "?" moves the later ones one place to the left.
                    WildcardCase{"ab", "xy??", "xy"}, WildcardCase{"ab", "???x?", "abx"},
                    WildcardCase{"", "*?a?", "a"},
                    // Wildcards that arrive with the source are plain characters.
                    WildcardCase{"a?", "x*", "xa?"}, WildcardCase{"a*", "**", "a*a*"}));

TEST(Wildcards, ResultPastTheLimitIsRefused) {
  const std::string source(100, 'n');
  const std::string stars(41, '*');  // 4,100 characters
  EXPECT_FALSE(ApplyWildcards(source, stars).has_value());
  EXPECT_EQ(ApplyWildcards(source, std::string(40, '*'))->size(), 4000u);
}

struct AdvancedCase {
  const char* source;
  const char* pattern;
  const char* number;
  const char* expected;
};

class Advanced : public testing::TestWithParam<AdvancedCase> {};

TEST_P(Advanced, Expand) {
  const AdvancedCase& c = GetParam();
  EXPECT_EQ(ApplyAdvancedPattern(c.source, c.pattern, c.number), c.expected)
      << c.source << " / " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Documented, Advanced,
    testing::Values(AdvancedCase{"Holiday", "<1:2>_*", "", "Ho_Holiday"},
                    AdvancedCase{"img", "<#>-*", "007", "007-img"},
                    AdvancedCase{"abc", "x?", "", "xb"}, AdvancedCase{"ab", "???", "", "ab"},
                    // A quoted section changes only what follows it.
                    AdvancedCase{"banana", "*\"a:o\"", "", "banana"},
                    AdvancedCase{"banana", "\"a:o\"*", "", "bonono"},
                    AdvancedCase{"banana", "*-\"a:o\"*", "", "banana-bonono"},
                    // "?" takes the character at the place of the result being built.
                    AdvancedCase{"abcdef", "*?", "", "abcdef"},
                    AdvancedCase{"abcdef", "<3>?", "", "cb"},
                    // Unclosed sections run to the end of the pattern.
                    AdvancedCase{"abcdef", "<1:3", "", "ac"},
                    AdvancedCase{"abc", "*\"b:x", "", "abc"}, AdvancedCase{"abc", "\"b:x", "", ""},
                    // "<#>" is replaced first, also inside a section.
                    AdvancedCase{"img", "\"i:<#>\"*", "12", "12mg"},
                    AdvancedCase{"img", "<#>", "", ""},
                    // A section without ":" changes nothing.
                    AdvancedCase{"abc", "\"abc\"*", "", "abc"},
                    // Mended: an empty search changes nothing instead of never ending.
                    AdvancedCase{"abc", "\":x\"*", "", "abc"},
                    // Mended: a position that is no number selects nothing.
                    AdvancedCase{"abc", "<*>x", "", "x"}, AdvancedCase{"abc", "<#2>x", "5", "x"}));

TEST(Advanced, ExpansionThatWouldGrowWithoutBoundIsRefused) {
  // Every "a" becomes the whole text twice: the text triples with each match.
  EXPECT_FALSE(ApplyAdvancedPattern(std::string(20, 'a'), "\"a:**\"*", "").has_value());
  EXPECT_FALSE(ApplyAdvancedPattern("ab", std::string(5000, 'x'), "").has_value());
  EXPECT_TRUE(ApplyAdvancedPattern("ab", std::string(kMaxExpandedLength, 'x'), "").has_value());
}

struct SectionCase {
  const char* text;
  const char* section;
  const char* expected;
};

class Sections : public testing::TestWithParam<SectionCase> {};

TEST_P(Sections, Replace) {
  EXPECT_EQ(ReplaceSection(GetParam().text, GetParam().section), GetParam().expected)
      << GetParam().text << " / " << GetParam().section;
}

INSTANTIATE_TEST_SUITE_P(
    Documented, Sections,
    testing::Values(SectionCase{"photojpg", "jpg:jpeg", "photojpeg"},
                    // The "*" of the replacement is the whole text.
                    SectionCase{"xaybz", "a?:b*", "xbxaybzbz"},
                    // The mismatching character is not tried again as a first character.
                    SectionCase{"aaab", "aab:X", "aaab"}, SectionCase{"aab", "*ab:X", "aab"},
                    SectionCase{"aabaab", "ab:X", "aabaab"},
                    // A trailing "*" reaches to the end, a leading one back to the pass start.
                    SectionCase{"xabc", "a*:Y", "xY"}, SectionCase{"abc", "*b:Y", "Yc"},
                    // "*" then "?": nothing matched, the replacement after every character.
                    SectionCase{"abc", "*?:x", "axbxcx"},
                    // Every match is replaced, without overlapping.
                    SectionCase{"banana", "an:AN", "bANANa"}, SectionCase{"aaaa", "aa:b", "bb"},
                    SectionCase{"abc", "b:", "ac"}, SectionCase{"abc", "q:x", "abc"},
                    // Further colons belong to the replacement.
                    SectionCase{"a-b", "-:x:y", "ax:yb"},
                    // Leading "?": the characters before the literal belong to the match.
                    SectionCase{"xxab", "??b:Y", "xY"}, SectionCase{"abc", "no colon", "abc"},
                    SectionCase{"abc", ":x", "abc"}, SectionCase{"", "a:b", ""}));

TEST(Sections, GrowthPastTheLimitIsRefused) {
  EXPECT_FALSE(ReplaceSection(std::string(20, 'a'), "*?:*").has_value());
  EXPECT_EQ(ReplaceSection("abc", "*?:*"), std::string("aabcbaabcbccaabcbaabcbcc"));
}

struct PickCase {
  const char* source;
  const char* positions;
  const char* expected;
};

class Picks : public testing::TestWithParam<PickCase> {};

TEST_P(Picks, Select) {
  EXPECT_EQ(PickCharacters(GetParam().source, GetParam().positions), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Documented, Picks,
    testing::Values(PickCase{"abcd", "0", "a"}, PickCase{"abcd", "9", ""},
                    PickCase{"Holiday", "1:2", "Ho"}, PickCase{"abc", "3:1", "ca"},
                    PickCase{"abcdefghijkl", "12", "l"}, PickCase{"abc", "1:", "a"},
                    PickCase{"abc", "-5", "a"}, PickCase{"abc", "99999999999", ""},
                    PickCase{"", "1", ""}, PickCase{"abc", "", ""},
                    // Tokens that are no number select nothing; the others still count.
                    PickCase{"abc", "*", ""}, PickCase{"abc", "?:2", "b"}, PickCase{"abc", "#", ""},
                    PickCase{"abc", "1x", ""}));

}  // namespace
}  // namespace varnoke
