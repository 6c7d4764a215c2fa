#include "files/WindowPlacement.h"

#include <gtest/gtest.h>

#include "files/ColLayoutValue.h"
#include "files/Settings.h"
#include "platform/posix/PosixSettingsStore.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

// Eleven little-endian fields; the length is always written and read as 44, and a record of
// any other size is refused.
TEST(WindowPlacement, FieldsLieAtTheirOffsets) {
  const WindowPlacement p{0, 2, kShowMaximized, -1, -2, 3, 4, 10, 20, 810, 620};
  auto bytes = EncodePlacement(p);
  const std::uint8_t expected[kPlacementSize] = {
      44, 0, 0, 0, 2, 0, 0,  0, 3, 0, 0,  0, 0xff, 0xff, 0xff, 0xff, 0xfe, 0xff, 0xff, 0xff, 3, 0,
      0,  0, 4, 0, 0, 0, 10, 0, 0, 0, 20, 0, 0,    0,    0x2a, 3,    0,    0,    0x6c, 2,    0, 0};
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected));
  bytes[0] = 7;
  WindowPlacement back = p;
  back.Length = 44;
  EXPECT_EQ(DecodePlacement(bytes), back);
  EXPECT_FALSE(DecodePlacement(std::span(bytes).first(43)));
  std::vector<std::uint8_t> longer(bytes.begin(), bytes.end());
  longer.push_back(0);
  EXPECT_FALSE(DecodePlacement(longer));
}

TEST(WindowPlacement, DialogPlacementsAreStoredAtOnce) {
  testing::TempDir dir;
  PosixSettingsStore store(dir.Path());
  EXPECT_FALSE(ReadPlacement(store, kAddWinPos));
  const WindowPlacement p{44, 0, kShowNormal, 0, 0, 0, 0, 5, 6, 7, 8};
  ASSERT_TRUE(WritePlacement(store, kAddWinPos, p));
  PosixSettingsStore other(dir.Path());
  EXPECT_EQ(ReadPlacement(other, kAddWinPos), p);
  other.Write(kSettingsKey, kEditWinPos, RegValue::Binary(std::vector<std::uint8_t>(40)));
  EXPECT_FALSE(ReadPlacement(other, kEditWinPos));
}

// Stored in display order, hidden columns with width 64, and read back as stored.
TEST(ColLayoutValue, StoredLayoutReadsBackWithHiddenWidthsOf64) {
  testing::TempDir dir;
  PosixSettingsStore store(dir.Path());
  ColLayoutWords words{};
  const std::uint32_t order[kColumnCount] = {2, 0, 1, 6, 7, 8, 3, 4, 5};
  for (std::size_t i = 0; i < kColumnCount; ++i)
    words[i] = LayoutWord(order[i], i < 6, i < 6 ? 30 + static_cast<std::uint32_t>(i) : 0);
  ASSERT_TRUE(WriteColLayout(store, words));
  const auto stored = store.Read(kSettingsKey, kColLayoutValue);
  ASSERT_TRUE(stored);
  ASSERT_EQ(stored->Data.size(), 36u);
  EXPECT_EQ(stored->Data[8 * 4 + 2], 64);  // width field of a hidden word
  const ColLayoutWords back = ReadColLayout(PosixSettingsStore(dir.Path()));
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    EXPECT_EQ(ColumnId(back[i]), order[i]);
    EXPECT_EQ(ColumnShown(back[i]), i < 6);
    EXPECT_EQ(ColumnWidth(back[i]), i < 6 ? 30 + i : 64u);
  }
}

std::vector<std::uint8_t> Bytes(const ColLayoutWords& words) {
  const auto encoded = EncodeColLayout(words);
  return {encoded.begin(), encoded.end()};
}

// The default shows every column in id order; a value outside the format falls back to it.
TEST(ColLayoutValue, ValuesOutsideTheFormatFallBackToTheDefault) {
  const ColLayoutWords standard = DefaultColLayout();
  for (std::uint32_t i = 0; i < kColumnCount; ++i) EXPECT_EQ(standard[i], 0x100 + i);
  ColLayoutWords shownAfterHidden = standard, duplicate = standard, unknownId = standard;
  shownAfterHidden[3] = LayoutWord(3, false, 0);
  duplicate[8] = LayoutWord(0, true, 0);
  unknownId[8] = LayoutWord(9, true, 0);
  ColLayoutWords noneShown{};
  for (std::uint32_t i = 0; i < kColumnCount; ++i) noneShown[i] = LayoutWord(i, false, 0);
  std::vector<std::uint8_t> shortValue = Bytes(standard), longValue = Bytes(standard);
  shortValue.pop_back();
  longValue.push_back(0);
  for (const RegValue& value :
       {RegValue::Binary(Bytes(shownAfterHidden)), RegValue::Binary(Bytes(duplicate)),
        RegValue::Binary(Bytes(unknownId)), RegValue::Binary(Bytes(noneShown)),
        RegValue::Binary(shortValue), RegValue::Binary(longValue), RegValue::Dword(0x100)}) {
    testing::TempDir dir;
    PosixSettingsStore store(dir.Path());
    store.Write(kSettingsKey, kColLayoutValue, value);
    EXPECT_EQ(ReadColLayout(store), standard);
  }
}

}  // namespace
}  // namespace varnoke
