#include "engine/FieldValidation.h"

#include <gtest/gtest.h>

#include "platform/testing/FixedClock.h"

namespace varnoke {
namespace {

// Valid with the standard method, with it and "Use wildcards", and with the advanced method
// (for which "Use wildcards" means nothing). Every date format text passes.
TEST(FieldValidation, PatternFieldsAsEachMethodReadsThem) {
  // clang-format off
  const struct { const char* Text; bool Standard, StandardWildcards, Advanced; } cases[] = {
      {"", true, true, true},
      {"Photo |1", true, true, true},  // the date code is another character
      {"Photo*", false, true, true},
      {"<1:3>", false, false, true},
      {"<#>", false, false, true},
      {"<*>", false, false, true},
      {"\"a?:b*\"", false, false, true},
      {"<1:3", false, false, true},  // an unclosed range passes; a "<" that ends the text does not
      {"abc<", false, false, false},
      // After "#" only ">" may follow.
      {"file#1", false, false, false},
      {"file#", true, true, true},
      {"#>x", false, false, true},
      // An open quote passes once a colon followed it; a second colon inside quotes fails.
      {"\"abc", false, false, false},
      {"\"a:b", false, false, true},
      {"\"a:b:c\"", false, false, false},
      // Forbidden sequences the scan alone would let through.
      {"x/y", false, false, false},
      {"x\\y", false, false, false},
      {"<:1>", false, false, false},
      {"<1:>", false, false, false},
      {"a<>b", false, false, false},
      // A colon outside quotes and brackets, and brackets in the wrong places.
      {"a:b", false, false, false},
      {"a>b", false, false, false},
      {"<a>", false, false, false},
      {"<1\"2>", false, false, false},
      {"\"a<b:c\"", false, false, false}};
  // clang-format on
  for (const auto& c : cases)
    for (const bool wildcards : {false, true})
      EXPECT_EQ((std::pair{IsValidPatternField(c.Text, false, wildcards),
                           IsValidPatternField(c.Text, true, wildcards)}),
                (std::pair{wildcards ? c.StandardWildcards : c.Standard, c.Advanced}))
          << c.Text << wildcards;
  FixedClock clock(0x01C0000000000000ULL, 0);
  for (const char* f : {"", "'unterminated", "ddddddddd"})
    EXPECT_TRUE(IsValidDateFormat(f, EnglishFormatSettings(), clock)) << f;
}

}  // namespace
}  // namespace varnoke
