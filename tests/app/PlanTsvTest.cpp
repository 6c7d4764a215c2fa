#include "app/PlanTsv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/PrevEntry.h"

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

using testing::PrevEntry;

TEST(PlanTsvTest, LineHasNumbersFlagsAndEscapedTexts) {
  TVrnPrevFile e = PrevEntry(12, "/tmp/my\tdir", "Pic\\0001", "");
  e.Conflict = true;
  e.Size = 4294967295u;
  e.Attr = 33;
  e.Created = 18446744073709551615ull;
  e.Written = 133000000000000000ull;
  std::string out;
  AppendPlanTsvLine(out, e);
  EXPECT_EQ(out,
            "12\t1\t0\t/tmp/my\\tdir\tPic\\\\0001\t\t4294967295\t33\t18446744073709551615\t0\t"
            "133000000000000000\n");
}

TEST(PlanTsvTest, WritesHeaderThenEntriesInPreviewOrder) {
  TVrnPrevFiles preview(false);
  TVrnPrevFile a = PrevEntry(1, "/d", "b", "txt");
  a.Busy = true;
  preview.AddCopy(a);
  preview.AddCopy(PrevEntry(0, "", "a", "txt"));
  std::ostringstream out;
  WritePlanTsv(out, preview);
  EXPECT_EQ(out.str(), std::string(kPlanTsvHeader) +
                           "1\t0\t1\t/d\tb\ttxt\t0\t0\t0\t0\t0\n"
                           "0\t0\t0\t\ta\ttxt\t0\t0\t0\t0\t0\n");
}

TEST(PlanTsvTest, EmptyPreviewIsHeaderOnly) {
  TVrnPrevFiles preview(false);
  std::ostringstream out;
  WritePlanTsv(out, preview);
  EXPECT_EQ(out.str(), kPlanTsvHeader);
}

TEST(PlanTsvTest, LongPlanIsWrittenWhole) {
  TVrnPrevFiles preview(false);
  for (int i = 0; i < 5000; ++i)
    preview.AddCopy(PrevEntry(i, "/some/dir", "Pic" + std::to_string(i), "jpg"));
  std::ostringstream out;
  WritePlanTsv(out, preview);
  const std::string text = out.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5001);
  EXPECT_NE(text.find("\n4999\t0\t0\t/some/dir\tPic4999\tjpg\t"), std::string::npos);
}

}  // namespace
}  // namespace varnoke
