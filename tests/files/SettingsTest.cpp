// The lasting settings: the default options, preferences and filters, the window placements
// and the column layout, in a settings store of their own.
#include "files/Settings.h"

#include <gtest/gtest.h>

#include "files/ColLayoutValue.h"
#include "files/FileMessages.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixSettingsStore.h"
#include "support/SampleOptions.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::FileExists;
using testing::TempDir;
using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

// A settings directory and a program directory of their own for every test.
struct SettingsTest : ::testing::Test {
  TempDir config, program;
  PosixFileSystem fs;
  PosixSettingsStore store{config.Path()};
  StoredSettings Read(SettingsStore& from) { return ReadSettings(from, fs, program / ""); }
};

// The first start gives the defaults; the exit writes every value in its order, the filters
// numbered afresh each time, and the next start reads them back. "Version" reading exactly
// "New" resets everything and deletes every "*.vns" file of the program's directory, whatever
// the case of its name (other files and directories stay), lastingly: the next start does
// not reset again. Any other text changes nothing.
TEST_F(SettingsTest, WrittenSettingsReadBackAndOnlyTheExactWordNewResets) {
  EXPECT_EQ(Read(store).Defaults, TFiles());
  EXPECT_TRUE(store.KeyExists(kFiltersKey));
  const TFiles sample = testing::RecordWithEveryFieldSet();
  TFiles shrunk = sample;
  shrunk.Filters = {"*.png"};
  for (const auto& [defaults, filters] : {std::pair(sample, Names{"0", "1"}), {shrunk, {"0"}}}) {
    ASSERT_TRUE(WriteSettings(store, {defaults, kPrefDisableToolTips}, WindowPlacement{}));
    PosixSettingsStore after(config.Path());
    EXPECT_EQ(after.ValueNames(kSettingsKey),
              (Names{"MainWinPos", "Options", "Name", "Ext", "Path", "AddFiles", "Date string",
                     "Columns", "Preferences"}));
    EXPECT_EQ(after.ValueNames(kFiltersKey), filters);
    EXPECT_EQ(Read(after).Defaults, defaults);
    EXPECT_EQ(Read(after).Preferences, kPrefDisableToolTips);
  }
  std::filesystem::create_directory(program / "folder.vns");
  const char* names[] = {"mine.vns", "UPPER.VNS", ".hidden.vns",
                         "list.vls", "mine.vnsx", "folder.vns"};
  for (const std::string version : {"7.0", "new", "NEW", "New ", "New"}) {
    for (int i = 0; i < 5; ++i) testing::WriteFile(program / names[i], "x");
    store.Write(kSettingsKey, "Version", RegValue::String(version));
    ASSERT_TRUE(store.Flush());
    PosixSettingsStore after(config.Path());
    EXPECT_EQ(Read(after).Defaults, version == "New" ? TFiles() : shrunk) << version;
    for (int i = 0; i < 6; ++i)  // the last three stay
      EXPECT_EQ(FileExists(program / names[i]), version != "New" || i >= 3) << names[i];
  }
  PosixSettingsStore next(config.Path());
  EXPECT_EQ(Read(next).Preferences, 0);
  EXPECT_EQ(next.ValueNames(kSettingsKey), (Names{"AppPath", "Version"}));
  EXPECT_TRUE(next.ValueNames(kFiltersKey).empty());
  EXPECT_EQ(next.Read(kSettingsKey, "Version"), RegValue::String("7.0"));
  EXPECT_EQ(next.Read(kSettingsKey, "AppPath"), RegValue::String(program / ""));
}

// Stored values of another type or size than the program writes count as missing.
// "Columns" overrides the options byte (its lowest byte) and is 0 when missing; filters come
// in stored order whatever their names, values without text left out. A damaged file is
// reported once and the defaults apply.
TEST_F(SettingsTest, StoredValuesCountOnlyInTheirOwnTypeAndSize) {
  // clang-format off
  const std::pair<const char*, RegValue> wrong[] = {
      {"Options", RegValue::Binary(Bytes(67, 0xff))},
      {"Options", RegValue::String(std::string(68, 'x'))},
      {"Preferences", RegValue::Binary(Bytes{1, 2})},
      {"Preferences", RegValue::Dword(7)},
      {"Columns", RegValue::String("12")},
      {"Name", RegValue::Dword(1)},
  };
  // clang-format on
  for (const auto& [name, value] : wrong) {
    store.Write(kSettingsKey, name, value);
    EXPECT_EQ(Read(store).Defaults, TFiles()) << name;
    EXPECT_EQ(Read(store).Preferences, 0);
  }
  store.DeleteAllValues(kSettingsKey);
  store.Write(kSettingsKey, "Columns", RegValue::Dword(0x1234));
  store.Write(kFiltersKey, "zeta", RegValue::String("*.z"));
  store.Write(kFiltersKey, "10", RegValue::String("*.10"));
  store.Write(kFiltersKey, "2", RegValue::Dword(2));
  store.Write(kFiltersKey, "alpha", RegValue::String("*.a"));
  TFiles expected;
  expected.Columns = 0x34;
  expected.Filters = {"*.z", "*.10", "*.a"};
  EXPECT_EQ(Read(store).Defaults, expected);
  store.DeleteValue(kSettingsKey, "Columns");
  store.Write(kSettingsKey, "Options",
              RegValue::Binary(testing::RecordWithEveryFieldSet().EncodeBlock()));
  EXPECT_EQ(Read(store).Defaults.Columns, 0);

  testing::WriteFile(config / "Varnoke.reg", "\x01\x02 not a settings file");
  PosixSettingsStore damaged(config.Path());
  EXPECT_EQ(Read(damaged).Defaults, TFiles());
  const std::string file = config / "Varnoke.reg";
  EXPECT_EQ(TakeSettingsProblemMessages(damaged, EnglishTexts()),
            Names{Arg(kSettingsFileDamaged.Source, {file, file + ".bad"})});
  EXPECT_TRUE(TakeSettingsProblemMessages(damaged, EnglishTexts()).empty());
}

// Eleven little-endian fields, the length always written and read as 44; a record of any
// other size is refused. Dialog placements are stored at once.
TEST_F(SettingsTest, WindowPlacementsAreElevenFieldsStoredAtOnce) {
  const WindowPlacement p{0, 2, kShowMaximized, -1, -2, 3, 4, 10, 20, 810, 620};
  auto bytes = EncodePlacement(p);
  // clang-format off
  EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), (Bytes{44, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0,
      0xff, 0xff, 0xff, 0xff, 0xfe, 0xff, 0xff, 0xff, 3, 0, 0, 0, 4, 0, 0, 0, 10, 0, 0, 0,
      20, 0, 0, 0, 0x2a, 3, 0, 0, 0x6c, 2, 0, 0}));
  // clang-format on
  bytes[0] = 7;
  WindowPlacement back = p;
  back.Length = 44;
  EXPECT_EQ(DecodePlacement(bytes), back);
  EXPECT_FALSE(DecodePlacement(Bytes(43)));
  EXPECT_FALSE(DecodePlacement(Bytes(45)));
  EXPECT_FALSE(ReadPlacement(store, kAddWinPos));
  ASSERT_TRUE(WritePlacement(store, kAddWinPos, back));
  EXPECT_EQ(ReadPlacement(PosixSettingsStore(config.Path()), kAddWinPos), back);
  store.Write(kSettingsKey, kEditWinPos, RegValue::Binary(Bytes(40)));
  EXPECT_FALSE(ReadPlacement(store, kEditWinPos));
}

// Nine little-endian words in display order (id, shown, width), stored with hidden columns
// 64 wide and read back as stored. A value outside the format reads as the default: every
// column shown in id order.
TEST_F(SettingsTest, ColumnLayoutIsStoredInDisplayOrder) {
  const ColLayoutWords words = {0x1E0102, 0x1F0100, 0x200101, 0x210106, 0x220107,
                                0x230108, 3,        4,        5};
  ASSERT_TRUE(WriteColLayout(store, words));
  // clang-format off
  const Bytes stored = {2, 1, 30, 0, 0, 1, 31, 0, 1, 1, 32, 0, 6, 1, 33, 0, 7, 1, 34, 0,
                        8, 1, 35, 0, 3, 0, 64, 0, 4, 0, 64, 0, 5, 0, 64, 0};
  // clang-format on
  PosixSettingsStore after(config.Path());
  EXPECT_EQ(after.Read(kSettingsKey, kColLayoutValue), RegValue::Binary(stored));
  EXPECT_EQ(ReadColLayout(after), (ColLayoutWords{0x1E0102, 0x1F0100, 0x200101, 0x210106, 0x220107,
                                                  0x230108, 0x400003, 0x400004, 0x400005}));
  EXPECT_EQ(DefaultColLayout(),
            (ColLayoutWords{0x100, 0x101, 0x102, 0x103, 0x104, 0x105, 0x106, 0x107, 0x108}));
  // clang-format off
  const ColLayoutWords refused[] = {
      {0x100, 0x101, 0x102, 0x003, 0x104, 0x105, 0x106, 0x107, 0x108},  // shown after hidden
      {0x100, 0x101, 0x102, 0x103, 0x104, 0x105, 0x106, 0x107, 0x100},  // an id twice
      {0x100, 0x101, 0x102, 0x103, 0x104, 0x105, 0x106, 0x107, 0x109},  // an unknown id
      {0x000, 0x001, 0x002, 0x003, 0x004, 0x005, 0x006, 0x007, 0x008},  // none shown
  };
  // clang-format on
  for (const ColLayoutWords& bad : refused) EXPECT_FALSE(DecodeColLayout(EncodeColLayout(bad)));
  Bytes longer = stored;
  longer.push_back(0);
  EXPECT_FALSE(DecodeColLayout(longer));
  EXPECT_FALSE(DecodeColLayout(std::span(stored).first(35)));
  for (const RegValue& value :
       {RegValue::Binary(EncodeColLayout(refused[1])), RegValue::Dword(0x100)}) {
    store.Write(kSettingsKey, kColLayoutValue, value);
    EXPECT_EQ(ReadColLayout(store), DefaultColLayout());
  }
}

}  // namespace
}  // namespace varnoke
