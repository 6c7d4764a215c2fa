#include "files/Settings.h"

#include <gtest/gtest.h>

#include "files/FileMessages.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixSettingsStore.h"
#include "support/SampleOptions.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::FileExists;
using testing::TempDir;
using testing::WriteFile;

// A settings directory and a program directory of their own for every test.
struct SettingsTest : ::testing::Test {
  TempDir config;
  TempDir program;
  PosixFileSystem fs;
  std::string ProgramDir() const { return program.Path() + "/"; }
};

TFiles SomeDefaults() {
  TFiles d = testing::RecordWithEveryFieldSet();
  d.Columns = 0x42;
  d.Filters.push_back("*.jpg");
  return d;
}

// The first start gives the defaults; the exit writes every value, and the filters are
// numbered afresh each time.
TEST_F(SettingsTest, FirstStartGivesTheDefaultsAndWrittenSettingsReadBack) {
  PosixSettingsStore store(config.Path());
  const StoredSettings first = ReadSettings(store, fs, ProgramDir());
  EXPECT_EQ(first.Defaults, TFiles());
  EXPECT_EQ(first.Preferences, 0);
  EXPECT_TRUE(store.KeyExists(kFiltersKey));
  const std::uint8_t preferences = kPrefBlankListOnStart | kPrefDisableToolTips;
  ASSERT_TRUE(WriteSettings(store, {SomeDefaults(), preferences}, WindowPlacement{}));
  PosixSettingsStore after(config.Path());
  EXPECT_EQ(after.ValueNames(kSettingsKey),
            (std::vector<std::string>{"MainWinPos", "Options", "Name", "Ext", "Path", "AddFiles",
                                      "Date string", "Columns", "Preferences"}));
  EXPECT_EQ(after.ValueNames(kFiltersKey), (std::vector<std::string>{"0", "1", "2"}));
  EXPECT_EQ(after.Read(kSettingsKey, "Columns")->AsDword(), 0x42u);
  const StoredSettings read = ReadSettings(after, fs, ProgramDir());
  EXPECT_EQ(read.Defaults, SomeDefaults());
  EXPECT_EQ(read.Preferences, preferences);
  TFiles shrunk = SomeDefaults();
  shrunk.Filters = {"*.png"};
  ASSERT_TRUE(WriteSettings(after, {shrunk, 0}, WindowPlacement{}));
  PosixSettingsStore again(config.Path());
  EXPECT_EQ(again.ValueNames(kFiltersKey), (std::vector<std::string>{"0"}));
  EXPECT_EQ(ReadSettings(again, fs, ProgramDir()).Defaults, shrunk);
}

// Every "*.vns" file of the program's directory goes, whatever the case of its name; other
// files and directories stay.
TEST_F(SettingsTest, VersionNewResetsEverythingAndDeletesTheOptionSets) {
  const std::pair<const char*, bool> kept[] = {{"mine.vns", false},
                                               {"UPPER.VNS", false},
                                               {".hidden.vns", false},
                                               {"list.vls", true},
                                               {"mine.vnsx", true}};
  for (const auto& [name, stays] : kept) WriteFile(program / name, "x");
  std::filesystem::create_directory(program / "folder.vns");
  {
    PosixSettingsStore store(config.Path());
    ASSERT_TRUE(WriteSettings(store, {SomeDefaults(), 7}, WindowPlacement{}));
    store.Write(kSettingsKey, "Version", RegValue::String("New"));
    store.Write(kSettingsKey, "Other", RegValue::Dword(1));
    ASSERT_TRUE(store.Flush());
  }
  PosixSettingsStore store(config.Path());
  const StoredSettings read = ReadSettings(store, fs, ProgramDir());
  EXPECT_EQ(read.Defaults, TFiles());
  EXPECT_EQ(read.Preferences, 0);
  for (const auto& [name, stays] : kept) EXPECT_EQ(FileExists(program / name), stays) << name;
  EXPECT_TRUE(FileExists(program / "folder.vns"));
  // The reset is lasting at once: the next start does not reset again.
  PosixSettingsStore next(config.Path());
  EXPECT_EQ(next.ValueNames(kSettingsKey), (std::vector<std::string>{"AppPath", "Version"}));
  EXPECT_TRUE(next.ValueNames(kFiltersKey).empty());
  EXPECT_EQ(next.Read(kSettingsKey, "Version")->AsString(), "7.0");
  EXPECT_EQ(next.Read(kSettingsKey, "AppPath")->AsString(), ProgramDir());
}

TEST_F(SettingsTest, OnlyTheExactWordNewResets) {
  WriteFile(program / "mine.vns", "x");
  for (const char* version : {"7.0", "new", "NEW", "New "}) {
    PosixSettingsStore store(config.Path());
    ASSERT_TRUE(WriteSettings(store, {SomeDefaults(), 0}, WindowPlacement{}));
    store.Write(kSettingsKey, "Version", RegValue::String(version));
    ASSERT_TRUE(store.Flush());
    PosixSettingsStore again(config.Path());
    EXPECT_EQ(ReadSettings(again, fs, ProgramDir()).Defaults, SomeDefaults()) << version;
    EXPECT_TRUE(FileExists(program / "mine.vns"));
  }
}

// "Columns" overrides the options byte (its lowest byte) and is 0 when missing; filters come
// in stored order whatever their names, values without text left out.
TEST_F(SettingsTest, ColumnsOverridesTheOptionsByteAndFiltersComeInStoredOrder) {
  PosixSettingsStore store(config.Path());
  store.Write(kSettingsKey, "Columns", RegValue::Dword(0x1234));
  store.Write(kFiltersKey, "zeta", RegValue::String("*.z"));
  store.Write(kFiltersKey, "10", RegValue::String("*.10"));
  store.Write(kFiltersKey, "2", RegValue::Dword(2));
  store.Write(kFiltersKey, "alpha", RegValue::String("*.a"));
  TFiles expected;
  expected.Columns = 0x34;
  expected.Filters = {"*.z", "*.10", "*.a"};
  EXPECT_EQ(ReadSettings(store, fs, ProgramDir()).Defaults, expected);
  store.DeleteValue(kSettingsKey, "Columns");
  store.Write(kSettingsKey, "Options", RegValue::Binary(SomeDefaults().EncodeBlock()));
  EXPECT_EQ(ReadSettings(store, fs, ProgramDir()).Defaults.Columns, 0);
}

// Stored values of another type or size than the program writes count as missing.
TEST_F(SettingsTest, ValuesOfTheWrongTypeOrSizeCountAsMissing) {
  const struct {
    const char* Name;
    RegValue Value;
  } cases[] = {{"Options", RegValue::Binary(std::vector<std::uint8_t>(67, 0xff))},
               {"Options", RegValue::Binary(std::vector<std::uint8_t>(69, 0xff))},
               {"Options", RegValue::String(std::string(68, 'x'))},
               {"Preferences", RegValue::Binary(std::vector<std::uint8_t>{1, 2})},
               {"Preferences", RegValue::Dword(7)},
               {"Columns", RegValue::String("12")},
               {"Columns", RegValue::Binary(std::vector<std::uint8_t>{5})},
               {"Name", RegValue::Dword(1)}};
  for (const auto& c : cases) {
    TempDir fresh;
    PosixSettingsStore store(fresh.Path());
    store.Write(kSettingsKey, c.Name, c.Value);
    const StoredSettings read = ReadSettings(store, fs, ProgramDir());
    EXPECT_EQ(read.Defaults, TFiles()) << c.Name;
    EXPECT_EQ(read.Preferences, 0);
  }
}

TEST_F(SettingsTest, DamagedSettingsFileIsReportedAndDefaultsApply) {
  WriteFile(config / "Varnoke.reg", "\x01\x02 not a settings file");
  PosixSettingsStore store(config.Path());
  EXPECT_EQ(ReadSettings(store, fs, ProgramDir()).Defaults, TFiles());
  EXPECT_EQ(TakeSettingsProblemMessages(store),
            std::vector<std::string>{FormatText(kSettingsFileDamaged, config / "Varnoke.reg",
                                                config / "Varnoke.reg.bad")});
  EXPECT_TRUE(TakeSettingsProblemMessages(store).empty());
}

}  // namespace
}  // namespace varnoke
