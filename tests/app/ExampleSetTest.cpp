// The option set that scripts/demo.sh and bench/compare.sh use is read by the
// program's own loader and says what they rely on.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/OptionSetFile.h"
#include "platform/posix/PosixFileStore.h"

namespace varnoke {
namespace {

TEST(ExampleSetTest, PicNumberingNamesPicWithSixDigitsFromOne) {
  const std::string path =
      (std::filesystem::path(__FILE__).parent_path() / "../../examples/pic-numbering.vns").string();
  PosixFileStore store;
  TFiles options;
  options.Name = "before";
  ASSERT_EQ(LoadOptionSet(store, path, options), std::nullopt);
  EXPECT_EQ(options.Name, "Pic");
  EXPECT_TRUE(options.Has(ChangeName));
  EXPECT_TRUE(options.Has(Enumerate));
  EXPECT_FALSE(options.Has(ChangeExt));
  EXPECT_FALSE(options.Has(UseWildcards) || options.Has(Advanced));
  EXPECT_EQ(options.Digits, 6);
  EXPECT_EQ(options.Start, 1);
  EXPECT_EQ(options.Step, 1);
  EXPECT_EQ(options.Transport, kTransportLeave);
  EXPECT_EQ(options.DateFlags, 0);
  EXPECT_EQ(options.AttrMask, 0);
  EXPECT_EQ(options.CaseMode, kCaseNone);
  EXPECT_TRUE(options.Filters.empty());
}

}  // namespace
}  // namespace varnoke
