// The texts of the grid cells and of the status bar's path panel.
#include "engine/CellTexts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "support/CalendarTime.h"
#include "support/PrevEntry.h"

namespace varnoke {
namespace {

// Bytes below 5 KiB, kilobytes up to 5 MiB, megabytes above: rounded half away from
// zero, grouped with the locale's separator, and sizes far past 32 bits.
TEST(CellTexts, SizeInBytesKilobytesOrMegabytes) {
  const FormatSettings english = EnglishFormatSettings();
  FormatSettings dots = english, none = english;
  std::tie(dots.ThousandSeparator, none.ThousandSeparator) = std::tuple(".", "");
  // clang-format off
  const struct { std::uint64_t Size; const FormatSettings& Settings; const char* Expected; } cases[] = {
      {0, english, "0 b"}, {1536, english, "1,536 b"}, {5119, english, "5,119 b"},
      {5120, english, "5 Kb"}, {7680, english, "8 Kb"}, {3000000, english, "2,930 Kb"},
      {5242880, english, "5,120 Kb"}, {5242881, english, "5 Mb"}, {10000000, english, "10 Mb"},
      {UINT64_MAX, english, "17,592,186,044,416 Mb"}, {5119, dots, "5.119 b"},
      {3000000, none, "2930 Kb"}};
  // clang-format on
  for (const auto& [size, settings, expected] : cases)
    EXPECT_EQ(SizeText(size, settings), expected) << size;
}

// Attribute letters in the order R, A, S, H; UTC calendar fields as short date and long
// time without milliseconds; no text for zero or a time past the calendar's end.
TEST(CellTexts, AttributeLettersAndTimes) {
  EXPECT_EQ(std::tuple(AttributeText(0x27), AttributeText(0x05), AttributeText(0x90)),
            std::tuple("RASH", "R_S_", "____"));
  FormatSettings german = EnglishFormatSettings();
  std::tie(german.DateSeparator, german.ShortDateFormat, german.LongTimeFormat) =
      std::tuple(".", "dd/mm/yyyy", "hh:nn:ss");
  const FileTime t = Calendar(2024, 7, 1, 13, 5, 6) + 9'990'000;
  EXPECT_EQ(TimeText(t, EnglishFormatSettings()), "7/1/2024 1:05:06 PM");
  EXPECT_EQ(TimeText(t, german), "01.07.2024 13:05:06");
  EXPECT_EQ(TimeText(0, german) + TimeText(0x8000000000000000ULL, german), "");
  EXPECT_EQ(WidestTimeText(EnglishFormatSettings()), "12/28/2088 8:58:58 PM");
  EXPECT_EQ(WidestTimeText(german), "28.12.2088 20:58:58");
}

// Both lists' entries give the same cells: a busy one "???" for size, attributes and
// times; the directory as the user sees it under either rule set.
TEST(CellTexts, CellsOfFileAndPreviewEntries) {
  const FormatSettings english = EnglishFormatSettings();
  const PosixPathRules posix;
  const FileTime created = Calendar(2020, 1, 2, 3, 4, 5), accessed = created + kTicksPerDay,
                 written = accessed + kTicksPerDay;
  // clang-format off
  const struct { int Id; const char *Shown, *Busy; } cases[] = {
      {0, "", ""}, {1, "/photos", "/photos"}, {2, "beach", "beach"}, {3, "jpg", "jpg"},
      {4, "1,536 b", "???"}, {5, "_A__", "???"}, {6, "1/4/2020 3:04:05 AM", "???"},
      {7, "1/3/2020 3:04:05 AM", "???"}, {8, "1/2/2020 3:04:05 AM", "???"}, {9, "", ""}};
  // clang-format on
  for (const bool busy : {false, true}) {
    const TVrnFile file(busy, std::make_shared<const std::string>("/photos"), "beach", "jpg", 1536,
                        0x20, created, accessed, written);
    TVrnPrevFile planned = testing::PrevEntry(0, "/photos", "beach", "jpg");
    std::tie(planned.Busy, planned.Size, planned.Attr, planned.Created, planned.Accessed,
             planned.Written) = std::tuple(busy, 1536, 0x20, created, accessed, written);
    for (const auto& [id, shown, busyText] : cases) {
      EXPECT_EQ(CellText(file, id, english, posix), busy ? busyText : shown) << id;
      EXPECT_EQ(CellText(planned, id, english, posix), busy ? busyText : shown) << id;
    }
  }
  EXPECT_EQ(CellText(testing::PrevEntry(0, "", "a", ""), 1, english, posix), "/");
  EXPECT_EQ(CellText(testing::PrevEntry(0, "c:", "a", ""), 1, english, WindowsPathRules()), "c:\\");
}

// The selected entry's full path, marked busy and, for a planned one, conflicting.
TEST(CellTexts, StatusBarPathOfTheSelectedEntry) {
  // clang-format off
  const struct { bool Conflict, Busy; const char *File, *Planned; } cases[] = {
      {false, false, "/a/x.txt", "/y"}, {false, true, "/a/x.txt (BUSY)", "/y (BUSY)"},
      {true, false, "/a/x.txt", "/y (CONFLICT)"},
      {true, true, "/a/x.txt (BUSY)", "/y (CONFLICT) (BUSY)"}};
  // clang-format on
  for (const auto& [conflict, busy, fileText, plannedText] : cases) {
    const TVrnFile file(busy, std::make_shared<const std::string>("/a"), "x", "txt", 0, 0, 0, 0, 0);
    TVrnPrevFile planned = testing::PrevEntry(0, "", "y", "");
    std::tie(planned.Conflict, planned.Busy) = std::tuple(conflict, busy);
    EXPECT_EQ(StatusPathText(file, PosixPathRules(), EnglishTexts()), fileText);
    EXPECT_EQ(StatusPathText(planned, PosixPathRules(), EnglishTexts()), plannedText);
  }
}

}  // namespace
}  // namespace varnoke
