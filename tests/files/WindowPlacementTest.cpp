#include "files/WindowPlacement.h"

#include <gtest/gtest.h>

#include "files/ColLayoutValue.h"
#include "files/Settings.h"
#include "platform/posix/PosixSettingsStore.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

std::uint32_t Field(const std::array<std::uint8_t, kPlacementSize>& bytes, std::size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

TEST(WindowPlacement, FieldsLieAtTheirOffsets) {
  const WindowPlacement p{0, 2, kShowMaximized, -1, -2, 3, 4, 10, 20, 810, 620};
  const auto bytes = EncodePlacement(p);
  EXPECT_EQ(Field(bytes, 0), 44u);  // the length is always written as 44
  EXPECT_EQ(Field(bytes, 4), 2u);
  EXPECT_EQ(Field(bytes, 8), kShowMaximized);
  EXPECT_EQ(Field(bytes, 12), 0xffffffffu);
  EXPECT_EQ(Field(bytes, 16), 0xfffffffeu);
  EXPECT_EQ(Field(bytes, 28), 10u);
  EXPECT_EQ(Field(bytes, 40), 620u);
  auto back = DecodePlacement(bytes);
  ASSERT_TRUE(back);
  WindowPlacement expected = p;
  expected.Length = 44;
  EXPECT_EQ(*back, expected);
}

TEST(WindowPlacement, LengthIsForcedAndOtherSizesAreIgnored) {
  auto bytes = EncodePlacement(WindowPlacement{});
  bytes[0] = 7;
  EXPECT_EQ(DecodePlacement(bytes)->Length, 44u);
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

TEST(ColLayoutValue, DefaultShowsEveryColumnInIdOrder) {
  const ColLayoutWords words = DefaultColLayout();
  for (std::uint32_t i = 0; i < kColumnCount; ++i) EXPECT_EQ(words[i], 0x100 + i);
}

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

TEST(ColLayoutValue, ValuesOutsideTheFormatFallBackToTheDefault) {
  ColLayoutWords shownAfterHidden = DefaultColLayout();
  shownAfterHidden[3] = LayoutWord(3, false, 0);
  ColLayoutWords duplicate = DefaultColLayout();
  duplicate[8] = LayoutWord(0, true, 0);
  ColLayoutWords unknownId = DefaultColLayout();
  unknownId[8] = LayoutWord(9, true, 0);
  ColLayoutWords noneShown{};
  for (std::uint32_t i = 0; i < kColumnCount; ++i) noneShown[i] = LayoutWord(i, false, 0);
  std::vector<std::uint8_t> shortValue = Bytes(DefaultColLayout());
  shortValue.pop_back();
  std::vector<std::uint8_t> longValue = Bytes(DefaultColLayout());
  longValue.push_back(0);

  for (const RegValue& value :
       {RegValue::Binary(Bytes(shownAfterHidden)), RegValue::Binary(Bytes(duplicate)),
        RegValue::Binary(Bytes(unknownId)), RegValue::Binary(Bytes(noneShown)),
        RegValue::Binary(shortValue), RegValue::Binary(longValue), RegValue::Dword(0x100)}) {
    testing::TempDir dir;
    PosixSettingsStore store(dir.Path());
    store.Write(kSettingsKey, kColLayoutValue, value);
    EXPECT_EQ(ReadColLayout(store), DefaultColLayout());
  }
}

}  // namespace
}  // namespace varnoke
