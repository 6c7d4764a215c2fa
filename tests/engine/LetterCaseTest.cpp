#include "engine/LetterCase.h"

#include <gtest/gtest.h>

#include "model/TFiles.h"

namespace varnoke {
namespace {

struct CaseCase {
  std::uint8_t mode;
  const char* name;
  const char* ext;
  const char* expectedName;
  const char* expectedExt;
};

class CaseModes : public ::testing::TestWithParam<CaseCase> {};

TEST_P(CaseModes, Convert) {
  const CaseCase& c = GetParam();
  std::string name = c.name, ext = c.ext;
  ApplyCaseMode(c.mode, name, ext);
  EXPECT_EQ(name, c.expectedName);
  EXPECT_EQ(ext, c.expectedExt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CaseModes,
    ::testing::Values(CaseCase{kCaseNone, "MiXed", "TxT", "MiXed", "TxT"},
                      CaseCase{7, "MiXed", "TxT", "MiXed", "TxT"},  // unknown modes change nothing
                      CaseCase{kCaseUpper, "caf\xE9", "jpg", "CAF\xE9", "JPG"},
                      CaseCase{kCaseLower, "MiXed 1", "TXT", "mixed 1", "txt"},
                      CaseCase{kCaseTitle, "hELLO wORLD", "TXT", "Hello world", "txt"},
                      CaseCase{kCaseTitle,
                               "\xE9"
                               "cole",
                               "",
                               "\xE9"
                               "cole",
                               ""},
                      CaseCase{kCaseTitleEveryWord, "the end of a", "TXT", "The End Of a", "txt"},
                      CaseCase{kCaseTitleEveryWord, "mary-ann o'neil_x", "", "Mary-Ann O'Neil_x",
                               ""},
                      // Words begin after blanks, digits and most punctuation, not after "_" or
                      // "["; the last character is never examined.
                      CaseCase{kCaseTitleEveryWord, "a1b_c[d.e@f", "", "A1B_c[d.E@f", ""},
                      CaseCase{kCaseTitleEveryWord, "x", "", "X", ""},
                      CaseCase{kCaseTitleEveryWord, "", "", "", ""}));

}  // namespace
}  // namespace varnoke
