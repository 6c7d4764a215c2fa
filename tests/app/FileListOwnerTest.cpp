#include "app/FileListOwner.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

TEST(FileListOwnerTest, NewListsAreNumberedFromZero) {
  TFiles defaults;
  int counter = 0;
  FileListOwner first(defaults, counter);
  FileListOwner second(defaults, counter);
  EXPECT_EQ(first.Caption, "Blank list (0)");
  EXPECT_EQ(second.Caption, "Blank list (1)");
  EXPECT_EQ(counter, 2);
  EXPECT_EQ(first.Files.Count(), 0);
}

TEST(FileListOwnerTest, OptionsAreACopyOfTheDefaults) {
  TFiles defaults;
  defaults.Name = "Pic";
  defaults.Filters = {"*.jpg"};
  int counter = 0;
  FileListOwner list(defaults, counter);
  EXPECT_EQ(list.Options, defaults);
  list.Options.Name = "Other";
  list.Options.Filters.push_back("*.png");
  EXPECT_EQ(defaults.Name, "Pic");
  EXPECT_EQ(defaults.Filters.size(), 1u);
}

}  // namespace
}  // namespace varnoke
