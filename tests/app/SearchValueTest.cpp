#include "app/SearchValue.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

struct SplitCase {
  std::string Value;
  std::optional<SearchValue> Split;
};

class SplitSearchValueTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitSearchValueTest, DirectoryUpToLastSeparatorFilterAfterIt) {
  EXPECT_EQ(SplitSearchValue(GetParam().Value), GetParam().Split) << GetParam().Value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, SplitSearchValueTest,
    ::testing::Values(SplitCase{"/data/*.txt", SearchValue{"/data", "*.txt"}},
                      SplitCase{"/*.txt", SearchValue{"/", "*.txt"}},
                      SplitCase{"/data/photos 2026/IMG_*.JPG",
                                SearchValue{"/data/photos 2026", "IMG_*.JPG"}},
                      SplitCase{"/data/", SearchValue{"/data", ""}},
                      SplitCase{"/data/a\\b*.txt", SearchValue{"/data", "a\\b*.txt"}},
                      SplitCase{"*.txt", std::nullopt}, SplitCase{"data/*.txt", std::nullopt},
                      SplitCase{"C:\\Data\\*.txt", std::nullopt}, SplitCase{"", std::nullopt}));

}  // namespace
}  // namespace varnoke
