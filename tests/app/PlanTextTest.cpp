#include "app/PlanText.h"

#include <gtest/gtest.h>

#include <sstream>

namespace varnoke {
namespace {

TEST(PlanTextTest, OneLinePerPlannedFileWithMarks) {
  TVrnFiles files;
  files.AddEntry(false, "/photos", "IMG_1", "jpg", 1, 32, 0, 0, 0);
  files.AddEntry(true, "/photos", "notes", "", 1, 32, 0, 0, 0);
  files.AddEntry(false, "", "top", "txt", 1, 32, 0, 0, 0);
  TVrnPrevFiles preview(false);
  TVrnPrevFile e;
  e.FileIndex = 0;
  e.SetPath("/photos");
  e.Name = "Pic000001";
  e.Ext = "jpg";
  e.Conflict = true;
  preview.AddCopy(e);
  e.FileIndex = 2;
  e.SetPath("");
  e.Name = "top";
  e.Ext = "txt";
  e.Conflict = false;
  preview.AddCopy(e);
  e.FileIndex = 1;
  e.SetPath("/photos");
  e.Name = "Pic000002";
  e.Ext = "";
  e.Busy = true;
  preview.AddCopy(e);
  std::ostringstream out;
  WritePlanText(out, files, preview, PosixPathRules());
  EXPECT_EQ(out.str(),
            "/photos/IMG_1.jpg  ->  /photos/Pic000001.jpg  [name conflict]\n"
            "/top.txt  (unchanged)\n"
            "/photos/notes  ->  /photos/Pic000002  [busy]\n");
}

}  // namespace
}  // namespace varnoke
