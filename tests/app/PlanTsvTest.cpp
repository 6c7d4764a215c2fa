#include "app/PlanTsv.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

TEST(PlanTsvTest, HeaderNamesElevenColumns) {
  EXPECT_EQ(kPlanTsvHeader,
            "index\tconflict\tbusy\tpath\tname\text\tsize\tattr\tcreated\taccessed\twritten\n");
}

struct EscapeCase {
  std::string Text;
  std::string Field;
};

class TsvEscapeTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(TsvEscapeTest, EscapesTabNewlineBackslash) {
  std::string out;
  AppendTsvField(out, GetParam().Text);
  EXPECT_EQ(out, GetParam().Field);
}

INSTANTIATE_TEST_SUITE_P(Texts, TsvEscapeTest,
                         ::testing::Values(EscapeCase{"", ""}, EscapeCase{"plain", "plain"},
                                           EscapeCase{"a\tb", "a\\tb"}, EscapeCase{"a\nb", "a\\nb"},
                                           EscapeCase{"a\\b", "a\\\\b"}, EscapeCase{"\\t", "\\\\t"},
                                           EscapeCase{"\t\n\\", "\\t\\n\\\\"},
                                           EscapeCase{"a\rb", "a\rb"},
                                           EscapeCase{"caf\xc3\xa9", "caf\xc3\xa9"}));

TEST(PlanTsvTest, LineHasNumbersFlagsAndEscapedTexts) {
  PlanTsvLine line;
  line.Index = 12;
  line.Conflict = true;
  line.Busy = false;
  line.Path = "/tmp/my\tdir";
  line.Name = "Pic\\0001";
  line.Ext = "";
  line.Size = 4294967295u;
  line.Attr = 33;
  line.Created = 18446744073709551615ull;
  line.Accessed = 0;
  line.Written = 133000000000000000ull;
  std::string out;
  AppendPlanTsvLine(out, line);
  EXPECT_EQ(out,
            "12\t1\t0\t/tmp/my\\tdir\tPic\\\\0001\t\t4294967295\t33\t18446744073709551615\t0\t"
            "133000000000000000\n");
}

}  // namespace
}  // namespace varnoke
