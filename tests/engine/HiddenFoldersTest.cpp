// Which directories lie in hidden folders, and where the tree goes when they are hidden.
#include "engine/HiddenFolders.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

TEST(HiddenFolders, ADotFolderOnThePathHidesTheDirectoryAndItsParentStays) {
  const struct {
    const char* Directory;
    bool Hidden;
    const char* Outside;
  } cases[] = {
      {"/", false, "/"},
      {"/home/ann/photos", false, "/home/ann/photos"},
      {"/home/ann/my.photos", false, "/home/ann/my.photos"},  // a dot inside a name
      {"/home/ann/.config", true, "/home/ann"},
      {"/home/ann/.config/varnoke/.cache", true, "/home/ann"},  // the outermost counts
      {"/.hidden", true, "/"},
      {"/.hidden/x", true, "/"},
      {"/home/ann/./photos", false, "/home/ann/./photos"},  // "." and ".." are no folders
      {"/home/ann/../bob", false, "/home/ann/../bob"},
      {"/home/ann/..x", true, "/home/ann"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InHiddenFolder(c.Directory), c.Hidden) << c.Directory;
    EXPECT_EQ(OutsideHiddenFolders(c.Directory), c.Outside) << c.Directory;
  }
}

}  // namespace
}  // namespace varnoke
