#include "engine/Patterns.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/Messages.h"

namespace varnoke {
namespace {

enum Fn { kWildcards, kAdvanced, kSection, kPick };

// Past the length limit an expansion is refused (nullopt).
TEST(Patterns, ExpandAsDocumented) {
  const std::string n100(100, 'n'), x4096(kMaxExpandedLength, 'x');
  // clang-format off
  const struct { Fn Of; std::string Source, Pattern; std::optional<std::string> Expected; const char* Number = ""; } cases[] = {
      // Wildcards: a "?" standing beyond the source, or removed, moves the later ones one
      // place to the left; wildcards that arrive with the source are plain characters.
      {kWildcards, "abc", "*_?", "abc_"},
      {kWildcards, "abc", "?x?", "axc"},
      {kWildcards, "ab", "???x?", "abx"},
      {kWildcards, "a?", "x*", "xa?"},
      {kWildcards, n100, std::string(40, '*'), std::string(4000, 'n')},
      {kWildcards, n100, std::string(41, '*'), std::nullopt},
      // The advanced pattern: "?" takes the character at the place of the result being
      // built; a quoted section changes only what follows it; "<#>" is replaced first.
      {kAdvanced, "Holiday", "<1:2>_*", "Ho_Holiday"},
      {kAdvanced, "img", "<#>-*", "007-img", "007"},
      {kAdvanced, "abcdef", "<3>?", "cb"},
      {kAdvanced, "abcdef", "*?", "abcdef"},
      {kAdvanced, "banana", "*-\"a:o\"*", "banana-bonono"},
      {kAdvanced, "img", "\"i:<#>\"*", "12mg", "12"},
      {kAdvanced, "abc", "<#2>x", "x", "5"},  // a position that is no number selects nothing
      // Unclosed sections run to the end of the pattern.
      {kAdvanced, "abcdef", "<1:3", "ac"},
      {kAdvanced, "abc", "\"b:x", ""},
      // Every "a" becomes the whole text twice: the text would triple with each match.
      {kAdvanced, std::string(20, 'a'), "\"a:**\"*", std::nullopt},
      {kAdvanced, "ab", x4096, x4096},
      {kAdvanced, "ab", std::string(5000, 'x'), std::nullopt},
      // Sections: the "*" of the replacement is the whole text; a mismatching character is
      // not tried again as a first character; a trailing "*" reaches to the end, a leading
      // one back to the pass start; every match is replaced, without overlapping.
      {kSection, "xaybz", "a?:b*", "xbxaybzbz"},
      {kSection, "aaab", "aab:X", "aaab"},
      {kSection, "aab", "*ab:X", "aab"},
      {kSection, "xabc", "a*:Y", "xY"},
      {kSection, "abc", "*b:Y", "Yc"},
      {kSection, "abc", "*?:x", "axbxcx"},  // nothing matched, the replacement after every character
      {kSection, "xxab", "??b:Y", "xY"},  // the characters before the literal belong to the match
      {kSection, "banana", "an:AN", "bANANa"},
      {kSection, "aaaa", "aa:b", "bb"},
      {kSection, "abc", "b:", "ac"},
      {kSection, "a-b", "-:x:y", "ax:yb"},  // further colons belong to the replacement
      {kSection, "abc", "no colon", "abc"},
      {kSection, "abc", ":x", "abc"},  // an empty search changes nothing instead of never ending
      {kSection, std::string(20, 'a'), "*?:*", std::nullopt},
      // Picks count from 1 ("0" and below are the first); tokens that are no number select
      // nothing, the others still count.
      {kPick, "abcd", "0", "a"},
      {kPick, "abc", "-5", "a"},
      {kPick, "abcd", "9", ""},
      {kPick, "abc", "3:1", "ca"},
      {kPick, "abcdefghijkl", "12", "l"},
      {kPick, "abc", "1:", "a"},
      {kPick, "abc", "99999999999", ""},
      {kPick, "abc", "?:2", "b"},
      {kPick, "abc", "1x", ""}};
  // clang-format on
  for (const auto& c : cases) {
    const std::optional<std::string> out = c.Of == kWildcards ? ApplyWildcards(c.Source, c.Pattern)
                                           : c.Of == kAdvanced
                                               ? ApplyAdvancedPattern(c.Source, c.Pattern, c.Number)
                                           : c.Of == kSection ? ReplaceSection(c.Source, c.Pattern)
                                                              : PickCharacters(c.Source, c.Pattern);
    EXPECT_EQ(out, c.Expected) << c.Of << " " << c.Source << " / " << c.Pattern;
  }
}

}  // namespace
}  // namespace varnoke
