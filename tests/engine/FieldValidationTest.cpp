#include "engine/FieldValidation.h"

#include <gtest/gtest.h>

#include "platform/testing/FixedClock.h"

namespace varnoke {
namespace {

struct FieldCase {
  const char* text;
  bool standard;           // valid with the standard method, without wildcards
  bool standardWildcards;  // valid with the standard method and "Use wildcards"
  bool advanced;           // valid with the advanced method
};

class PatternFields : public testing::TestWithParam<FieldCase> {};

TEST_P(PatternFields, Validate) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(IsValidPatternField(c.text, false, false), c.standard) << c.text;
  EXPECT_EQ(IsValidPatternField(c.text, false, true), c.standardWildcards) << c.text;
  EXPECT_EQ(IsValidPatternField(c.text, true, false), c.advanced) << c.text;
  // "Use wildcards" means nothing to the advanced method.
  EXPECT_EQ(IsValidPatternField(c.text, true, true), c.advanced) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PatternFields,
    testing::Values(
        FieldCase{"", true, true, true}, FieldCase{"Photo", true, true, true},
        FieldCase{"Photo*", false, true, true}, FieldCase{"a?b", false, true, true},
        FieldCase{"<1:3>", false, false, true}, FieldCase{"<#>", false, false, true},
        FieldCase{"\"a?:b*\"", false, false, true},
        // An unclosed range passes; a "<" that ends the text does not.
        FieldCase{"<1:3", false, false, true}, FieldCase{"abc<", false, false, false},
        FieldCase{"<", false, false, false}, FieldCase{"a<>b", false, false, false},
        // After "#" only ">" may follow.
        FieldCase{"file#1", false, false, false}, FieldCase{"file#", true, true, true},
        FieldCase{"#>x", false, false, true}, FieldCase{"<#1>", false, false, false},
        // An open quote passes once a colon followed it.
        FieldCase{"\"abc", false, false, false}, FieldCase{"\"a:b", false, false, true},
        FieldCase{"\"a:b:c\"", false, false, false}, FieldCase{"\"a\"\"b:c\"", false, false, true},
        // The nine forbidden sequences.
        FieldCase{"a::b", false, false, false}, FieldCase{"x/y", false, false, false},
        FieldCase{"x\\y", false, false, false}, FieldCase{"<:1>", false, false, false},
        FieldCase{"<1:>", false, false, false}, FieldCase{"<1>>", false, false, false},
        FieldCase{"<<1>", false, false, false}, FieldCase{"\"\":x", false, false, false},
        // A colon outside quotes and brackets, and brackets in the wrong places.
        FieldCase{"a:b", false, false, false}, FieldCase{"a>b", false, false, false},
        FieldCase{"<a>", false, false, false}, FieldCase{"<1\"2>", false, false, false},
        FieldCase{"<1<2>", false, false, false}, FieldCase{"\"a<b:c\"", false, false, false},
        // Wildcards and the date code are other characters.
        FieldCase{"<*>", false, false, true}, FieldCase{"|_x", true, true, true},
        FieldCase{"name 1", true, true, true}));

TEST(DateFormatCheck, EveryFormatTextPasses) {
  FixedClock clock(0x01C0000000000000ULL, 0);
  for (const char* f : {"", "yymmdd", "'unterminated", "\"", "hh:nn am/pm", "ddddddddd"})
    EXPECT_TRUE(IsValidDateFormat(f, EnglishFormatSettings(), clock)) << f;
}

}  // namespace
}  // namespace varnoke
