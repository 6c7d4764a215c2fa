#include "engine/LetterCase.h"

#include <gtest/gtest.h>

#include "model/TFiles.h"

namespace varnoke {
namespace {

// Unknown modes change nothing; only ASCII letters change. Words begin after blanks, digits
// and most punctuation, not after "_" or "["; the last character is never examined.
TEST(LetterCase, EachModeConvertsNameAndExtension) {
  // clang-format off
  const struct { std::uint8_t Mode; const char *Name, *Ext, *ExpectedName, *ExpectedExt; } cases[] = {
      {7, "MiXed", "TxT", "MiXed", "TxT"},
      {kCaseUpper, "caf\xE9", "jpg", "CAF\xE9", "JPG"},
      {kCaseLower, "MiXed 1", "TXT", "mixed 1", "txt"},
      {kCaseTitle, "hELLO wORLD", "TXT", "Hello world", "txt"},
      {kCaseTitle, "\xE9" "cole", "", "\xE9" "cole", ""},
      {kCaseTitleEveryWord, "the end of a", "TXT", "The End Of a", "txt"},
      {kCaseTitleEveryWord, "a1b_c[d.e@f", "", "A1B_c[d.E@f", ""},
      {kCaseTitleEveryWord, "x", "", "X", ""},
      {kCaseTitleEveryWord, "", "", "", ""}};
  // clang-format on
  for (const auto& c : cases) {
    std::string name = c.Name, ext = c.Ext;
    ApplyCaseMode(c.Mode, name, ext);
    EXPECT_EQ(name + "." + ext, std::string(c.ExpectedName) + "." + c.ExpectedExt) << int{c.Mode};
  }
}

}  // namespace
}  // namespace varnoke
