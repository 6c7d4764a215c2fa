#include "app/PlanText.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/PrevEntry.h"

namespace varnoke {
namespace {

TEST(PlanTextTest, OneLinePerPlannedFileWithMarks) {
  TVrnFiles files;
  files.AddEntry(false, "/photos", "IMG_1", "jpg", 1, 32, 0, 0, 0);
  files.AddEntry(true, "/photos", "notes", "", 1, 32, 0, 0, 0);
  files.AddEntry(false, "", "top", "txt", 1, 32, 0, 0, 0);
  TVrnPrevFiles preview(false);
  TVrnPrevFile conflict = testing::PrevEntry(0, "/photos", "Pic000001", "jpg");
  conflict.Conflict = true;
  preview.AddCopy(conflict);
  preview.AddCopy(testing::PrevEntry(2, "", "top", "txt"));
  TVrnPrevFile busy = testing::PrevEntry(1, "/photos", "Pic000002", "");
  busy.Busy = true;
  preview.AddCopy(busy);
  std::ostringstream out;
  WritePlanText(out, files, preview, PosixPathRules());
  EXPECT_EQ(out.str(),
            "/photos/IMG_1.jpg  ->  /photos/Pic000001.jpg  [name conflict]\n"
            "/top.txt  (unchanged)\n"
            "/photos/notes  ->  /photos/Pic000002  [busy]\n");
}

}  // namespace
}  // namespace varnoke
