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

TEST_F(SettingsTest, FirstStartGivesTheDefaultsAndExitWritesEveryValue) {
  PosixSettingsStore store(config.Path());
  const StoredSettings read = ReadSettings(store, fs, ProgramDir());
  EXPECT_EQ(read.Defaults, TFiles());
  EXPECT_EQ(read.Preferences, 0);
  EXPECT_TRUE(store.KeyExists(kFiltersKey));

  ASSERT_TRUE(WriteSettings(store, read, WindowPlacement{}));
  PosixSettingsStore after(config.Path());
  EXPECT_EQ(after.ValueNames(kSettingsKey),
            (std::vector<std::string>{"MainWinPos", "Options", "Name", "Ext", "Path", "AddFiles",
                                      "Date string", "Columns", "Preferences"}));
  EXPECT_TRUE(after.KeyExists(kFiltersKey));
  EXPECT_EQ(after.Read(kSettingsKey, "Options")->Data.size(), kOptionsBlockSize);
  EXPECT_EQ(after.Read(kSettingsKey, "Preferences")->Data.size(), 1u);
}

TEST_F(SettingsTest, WrittenSettingsReadBackAndFiltersAreRenumbered) {
  {
    PosixSettingsStore store(config.Path());
    ASSERT_TRUE(WriteSettings(store, {SomeDefaults(), kPrefBlankListOnStart | kPrefDisableToolTips},
                              WindowPlacement{}));
  }
  PosixSettingsStore store(config.Path());
  EXPECT_EQ(store.ValueNames(kFiltersKey), (std::vector<std::string>{"0", "1", "2"}));
  EXPECT_EQ(store.Read(kSettingsKey, "Columns")->AsDword(), 0x42u);
  const StoredSettings read = ReadSettings(store, fs, ProgramDir());
  EXPECT_EQ(read.Defaults, SomeDefaults());
  EXPECT_EQ(read.Preferences, kPrefBlankListOnStart | kPrefDisableToolTips);

  TFiles shrunk = SomeDefaults();
  shrunk.Filters = {"*.png"};
  ASSERT_TRUE(WriteSettings(store, {shrunk, 0}, WindowPlacement{}));
  PosixSettingsStore again(config.Path());
  EXPECT_EQ(again.ValueNames(kFiltersKey), (std::vector<std::string>{"0"}));
  EXPECT_EQ(ReadSettings(again, fs, ProgramDir()).Defaults.Filters,
            (std::vector<std::string>{"*.png"}));
}

TEST_F(SettingsTest, VersionNewResetsEverythingAndDeletesTheOptionSets) {
  WriteFile(program / "mine.vns", "x");
  WriteFile(program / "UPPER.VNS", "x");
  WriteFile(program / ".hidden.vns", "x");
  WriteFile(program / "list.vls", "x");
  WriteFile(program / "mine.vnsx", "x");
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
  EXPECT_FALSE(FileExists(program / "mine.vns"));
  EXPECT_FALSE(FileExists(program / "UPPER.VNS"));
  EXPECT_FALSE(FileExists(program / ".hidden.vns"));
  EXPECT_TRUE(FileExists(program / "list.vls"));
  EXPECT_TRUE(FileExists(program / "mine.vnsx"));
  EXPECT_TRUE(FileExists(program / "folder.vns"));
  EXPECT_EQ(store.ValueNames(kSettingsKey), (std::vector<std::string>{"AppPath", "Version"}));
  EXPECT_TRUE(store.ValueNames(kFiltersKey).empty());

  // The reset is lasting at once: the next start does not reset again.
  PosixSettingsStore next(config.Path());
  EXPECT_EQ(next.Read(kSettingsKey, "Version")->AsString(), "7.0");
  EXPECT_EQ(next.Read(kSettingsKey, "AppPath")->AsString(), ProgramDir());
  EXPECT_FALSE(next.Read(kSettingsKey, "Options"));
}

class SettingsNoReset : public SettingsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SettingsNoReset, OnlyTheExactWordNewResets) {
  WriteFile(program / "mine.vns", "x");
  {
    PosixSettingsStore store(config.Path());
    ASSERT_TRUE(WriteSettings(store, {SomeDefaults(), 0}, WindowPlacement{}));
    store.Write(kSettingsKey, "Version", RegValue::String(GetParam()));
    ASSERT_TRUE(store.Flush());
  }
  PosixSettingsStore store(config.Path());
  EXPECT_EQ(ReadSettings(store, fs, ProgramDir()).Defaults, SomeDefaults());
  EXPECT_TRUE(FileExists(program / "mine.vns"));
}

INSTANTIATE_TEST_SUITE_P(Versions, SettingsNoReset, ::testing::Values("7.0", "new", "NEW", "New "));

TEST_F(SettingsTest, ColumnsOverridesTheOptionsByteAndDefaultsToZero) {
  PosixSettingsStore store(config.Path());
  store.Write(kSettingsKey, "Columns", RegValue::Dword(0x1234));
  TFiles read = ReadSettings(store, fs, ProgramDir()).Defaults;
  EXPECT_EQ(read.Columns, 0x34);  // its lowest byte
  TFiles expected;
  expected.Columns = 0x34;
  EXPECT_EQ(read, expected);  // everything else the defaults

  store.DeleteValue(kSettingsKey, "Columns");
  store.Write(kSettingsKey, "Options", RegValue::Binary(SomeDefaults().EncodeBlock()));
  EXPECT_EQ(ReadSettings(store, fs, ProgramDir()).Defaults.Columns, 0);
}

struct WrongValue {
  const char* Name;
  RegValue Value;
};

class SettingsWrongValue : public SettingsTest, public ::testing::WithParamInterface<WrongValue> {};

TEST_P(SettingsWrongValue, CountsAsMissing) {
  PosixSettingsStore store(config.Path());
  store.Write(kSettingsKey, GetParam().Name, GetParam().Value);
  const StoredSettings read = ReadSettings(store, fs, ProgramDir());
  EXPECT_EQ(read.Defaults, TFiles());
  EXPECT_EQ(read.Preferences, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsWrongValue,
    ::testing::Values(WrongValue{"Options", RegValue::Binary(std::vector<std::uint8_t>(67, 0xff))},
                      WrongValue{"Options", RegValue::Binary(std::vector<std::uint8_t>(69, 0xff))},
                      WrongValue{"Options", RegValue::String(std::string(68, 'x'))},
                      WrongValue{"Preferences", RegValue::Binary(std::vector<std::uint8_t>{1, 2})},
                      WrongValue{"Preferences", RegValue::Dword(7)},
                      WrongValue{"Columns", RegValue::String("12")},
                      WrongValue{"Columns", RegValue::Binary(std::vector<std::uint8_t>{5})},
                      WrongValue{"Name", RegValue::Dword(1)}));

TEST_F(SettingsTest, FiltersComeInStoredOrderWhateverTheirNames) {
  PosixSettingsStore store(config.Path());
  store.Write(kFiltersKey, "zeta", RegValue::String("*.z"));
  store.Write(kFiltersKey, "10", RegValue::String("*.10"));
  store.Write(kFiltersKey, "2", RegValue::Dword(2));  // no text: left out
  store.Write(kFiltersKey, "alpha", RegValue::String("*.a"));
  EXPECT_EQ(ReadSettings(store, fs, ProgramDir()).Defaults.Filters,
            (std::vector<std::string>{"*.z", "*.10", "*.a"}));
}

TEST_F(SettingsTest, DamagedSettingsFileIsReportedAndDefaultsApply) {
  WriteFile(config / "Varnoke.reg", "\x01\x02 not a settings file");
  PosixSettingsStore store(config.Path());
  EXPECT_EQ(ReadSettings(store, fs, ProgramDir()).Defaults, TFiles());
  const auto messages = TakeSettingsProblemMessages(store);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            FormatText(kSettingsFileDamaged, config / "Varnoke.reg", config / "Varnoke.reg.bad"));
  EXPECT_TRUE(TakeSettingsProblemMessages(store).empty());
}

}  // namespace
}  // namespace varnoke
