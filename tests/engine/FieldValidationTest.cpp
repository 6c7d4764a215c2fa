#include "engine/FieldValidation.h"

#include <gtest/gtest.h>

#include "platform/testing/FixedClock.h"

namespace varnoke {
namespace {

// Valid with the standard method, with it and "Use wildcards", and with the advanced method
// (for which "Use wildcards" means nothing).
TEST(FieldValidation, PatternFieldsAsEachMethodReadsThem) {
  // clang-format off
  const struct {
    const char* Text;
    bool Standard, StandardWildcards, Advanced;
  } cases[] = {
      {"", true, true, true}, {"Photo", true, true, true}, {"Photo*", false, true, true},
      {"a?b", false, true, true}, {"<1:3>", false, false, true}, {"<#>", false, false, true},
      {"\"a?:b*\"", false, false, true},
      // An unclosed range passes; a "<" that ends the text does not.
      {"<1:3", false, false, true}, {"abc<", false, false, false}, {"<", false, false, false},
      {"a<>b", false, false, false},
      // After "#" only ">" may follow.
      {"file#1", false, false, false}, {"file#", true, true, true}, {"#>x", false, false, true},
      {"<#1>", false, false, false},
      // An open quote passes once a colon followed it.
      {"\"abc", false, false, false}, {"\"a:b", false, false, true},
      {"\"a:b:c\"", false, false, false}, {"\"a\"\"b:c\"", false, false, true},
      // The nine forbidden sequences.
      {"a::b", false, false, false}, {"x/y", false, false, false}, {"x\\y", false, false, false},
      {"<:1>", false, false, false}, {"<1:>", false, false, false}, {"<1>>", false, false, false},
      {"<<1>", false, false, false}, {"\"\":x", false, false, false},
      // A colon outside quotes and brackets, and brackets in the wrong places.
      {"a:b", false, false, false}, {"a>b", false, false, false}, {"<a>", false, false, false},
      {"<1\"2>", false, false, false}, {"<1<2>", false, false, false},
      {"\"a<b:c\"", false, false, false},
      // Wildcards and the date code are other characters.
      {"<*>", false, false, true}, {"|_x", true, true, true}, {"name 1", true, true, true}};
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(IsValidPatternField(c.Text, false, false), c.Standard) << c.Text;
    EXPECT_EQ(IsValidPatternField(c.Text, false, true), c.StandardWildcards) << c.Text;
    EXPECT_EQ(IsValidPatternField(c.Text, true, false), c.Advanced) << c.Text;
    EXPECT_EQ(IsValidPatternField(c.Text, true, true), c.Advanced) << c.Text;
  }
  FixedClock clock(0x01C0000000000000ULL, 0);  // every date format text passes
  for (const char* f : {"", "yymmdd", "'unterminated", "\"", "hh:nn am/pm", "ddddddddd"})
    EXPECT_TRUE(IsValidDateFormat(f, EnglishFormatSettings(), clock)) << f;
}

}  // namespace
}  // namespace varnoke
