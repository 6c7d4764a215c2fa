// The English texts the console and the tests read, and the templates the engine fills.
#include <gtest/gtest.h>

#include "platform/Translation.h"

namespace varnoke {
namespace {

TEST(Arg, FillsEachNumberedPlaceInOnePass) {
  const struct {
    const char* Pattern;
    std::initializer_list<std::string_view> Values;
    const char* Filled;
  } cases[] = {
      {"The file:\r\n%1\r\nis busy", {"/a/b.txt"}, "The file:\r\n/a/b.txt\r\nis busy"},
      {"%2 before %1", {"one", "two"}, "two before one"},
      {"%1 and %1", {"x"}, "x and x"},
      {"%1", {"/100%2 sure/%1"}, "/100%2 sure/%1"},  // a value is not read again
      {"%1%", {"50"}, "50%"},
      {"%3 has no value", {"a", "b"}, "%3 has no value"},
      {"%n and %0 stay", {"a"}, "%n and %0 stay"},
      {"%10", {"a"}, "a0"},
  };
  for (const auto& c : cases) EXPECT_EQ(Arg(c.Pattern, c.Values), c.Filled) << c.Pattern;
}

TEST(EnglishTexts, AreTheSourcesWithTheSingularForOne) {
  constexpr UiText text = VARNOKE_UI("Test", "Options");
  constexpr UiPlural files = {VARNOKE_UI_N("Test", "%n files (%n)"), "%n file (%n)"};
  EXPECT_EQ(EnglishTexts().Text(text), "Options");
  EXPECT_EQ(EnglishTexts().Plural(files, 0), "0 files (0)");
  EXPECT_EQ(EnglishTexts().Plural(files, 1), "1 file (1)");
  EXPECT_EQ(EnglishTexts().Plural(files, 1200), "1200 files (1200)");
  EXPECT_EQ(EnglishTexts().Plural(files, -1), "-1 files (-1)");
}

}  // namespace
}  // namespace varnoke
