// The two forms of the plan: lines for a reader (escaped, cut to a screenful) and
// tab-separated values for scripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/PlanText.h"
#include "app/PlanTsv.h"
#include "support/PrevEntry.h"

namespace varnoke {
namespace {

using testing::PrevEntry;

// Four files: a conflict, an unchanged one in the root, a busy one, a name with a tab
// and a line feed.
struct FourFiles {
  FourFiles() {
    files.AddEntry(false, "/photos", "IMG_1", "jpg", 1, 32, 0, 0, 0);
    files.AddEntry(true, "/photos", "notes", "", 1, 32, 0, 0, 0);
    files.AddEntry(false, "", "top", "txt", 1, 32, 0, 0, 0);
    files.AddEntry(false, "/photos", "a\tb\nc\x01", "txt", 1, 32, 0, 0, 0);
    TVrnPrevFile conflict = PrevEntry(0, "/photos", "Pic000001", "jpg");
    conflict.Conflict = true;
    preview.AddCopy(conflict);
    preview.AddCopy(PrevEntry(2, "", "top", "txt"));
    TVrnPrevFile busy = PrevEntry(1, "/photos", "Pic000002", "");
    busy.Busy = true;
    preview.AddCopy(busy);
    preview.AddCopy(PrevEntry(3, "/photos", "Pic000003", "txt"));
  }
  TVrnFiles files;
  TVrnPrevFiles preview{false};
};

struct TextCase {
  int MaxLines;
  std::string Text;
};

class PlanTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(PlanTextTest, OneEscapedLinePerFileAtMostMaxLines) {
  FourFiles four;
  std::ostringstream out;
  WritePlanText(out, four.files, four.preview, PosixPathRules(), GetParam().MaxLines);
  EXPECT_EQ(out.str(), GetParam().Text);
}

const std::string kFirstTwo =
    "/photos/IMG_1.jpg  ->  /photos/Pic000001.jpg  [name conflict]\n"
    "/top.txt  (unchanged)\n";
const std::string kLastTwo =
    "/photos/notes  ->  /photos/Pic000002  [busy]\n"
    "/photos/a\\tb\\nc\\x01.txt  ->  /photos/Pic000003.txt\n";

INSTANTIATE_TEST_SUITE_P(Limits, PlanTextTest,
                         ::testing::Values(TextCase{0, kFirstTwo + kLastTwo},
                                           TextCase{4, kFirstTwo + kLastTwo},
                                           TextCase{3, kFirstTwo + "... and 2 more\n"},
                                           TextCase{1, "... and 4 more\n"}));

struct EscapeCase {
  std::string Text;
  std::string Field;
};

class TsvEscapeTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(TsvEscapeTest, EscapesTabNewlineBackslashOnly) {
  std::string out;
  AppendTsvField(out, GetParam().Text);
  EXPECT_EQ(out, GetParam().Field);
}

INSTANTIATE_TEST_SUITE_P(Texts, TsvEscapeTest,
                         ::testing::Values(EscapeCase{"", ""}, EscapeCase{"plain", "plain"},
                                           EscapeCase{"\t\n\\", "\\t\\n\\\\"},
                                           EscapeCase{"\\t", "\\\\t"}, EscapeCase{"a\rb", "a\rb"},
                                           EscapeCase{"caf\xc3\xa9", "caf\xc3\xa9"}));

TEST(PlanTsvTest, LineHasNumbersFlagsEscapedTextsAndTheSource) {
  TVrnPrevFile e = PrevEntry(12, "/tmp/my\tdir", "Pic\\0001", "");
  e.Conflict = true;
  e.Size = 5368709120ull;  // 5 GiB
  e.Attr = 33;
  e.Created = 18446744073709551615ull;
  e.Written = 133000000000000000ull;
  std::string out;
  AppendPlanTsvLine(out, e, "/tmp/old\nname.txt");
  EXPECT_EQ(out,
            "12\t1\t0\t/tmp/my\\tdir\tPic\\\\0001\t\t5368709120\t33\t18446744073709551615\t0\t"
            "133000000000000000\t/tmp/old\\nname.txt\n");
}

TEST(PlanTsvTest, HeaderThenEveryEntryInPreviewOrderEvenALongPlan) {
  FourFiles four;
  std::ostringstream out;
  WritePlanTsv(out, four.files, four.preview, PosixPathRules());
  EXPECT_EQ(out.str(),
            std::string(kPlanTsvHeader) +
                "0\t1\t0\t/photos\tPic000001\tjpg\t0\t0\t0\t0\t0\t/photos/IMG_1.jpg\n"
                "2\t0\t0\t\ttop\ttxt\t0\t0\t0\t0\t0\t/top.txt\n"
                "1\t0\t1\t/photos\tPic000002\t\t0\t0\t0\t0\t0\t/photos/notes\n"
                "3\t0\t0\t/photos\tPic000003\ttxt\t0\t0\t0\t0\t0\t/photos/a\\tb\\nc\x01.txt\n");

  TVrnFiles many;
  TVrnPrevFiles plan(false);
  for (int i = 0; i < 5000; ++i) {
    many.AddEntry(false, "/some/dir", "f" + std::to_string(i), "jpg", 0, 0, 0, 0, 0);
    plan.AddCopy(PrevEntry(i, "/some/dir", "Pic" + std::to_string(i), "jpg"));
  }
  std::ostringstream longOut;
  WritePlanTsv(longOut, many, plan, PosixPathRules());
  const std::string text = longOut.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5001);
  EXPECT_NE(
      text.find("\n4999\t0\t0\t/some/dir\tPic4999\tjpg\t0\t0\t0\t0\t0\t/some/dir/f4999.jpg\n"),
      std::string::npos);
}

}  // namespace
}  // namespace varnoke
