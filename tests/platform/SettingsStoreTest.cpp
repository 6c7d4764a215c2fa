#include "platform/posix/PosixSettingsStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>

#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

constexpr std::string_view kKey = "Software\\Orvelia\\Varnoke";
constexpr std::string_view kFilters = "Software\\Orvelia\\Varnoke\\Filters";

TEST(SettingsStore, MissingFileGivesEmptyStoreAndNoProblem) {
  TempDir dir;
  PosixSettingsStore store(dir.Path());
  EXPECT_FALSE(store.KeyExists(kKey));
  EXPECT_FALSE(store.Read(kKey, "Version"));
  EXPECT_TRUE(store.TakeProblems().empty());
  EXPECT_TRUE(store.Flush());  // nothing changed: nothing written
  EXPECT_FALSE(FileExists(dir / "Varnoke.reg"));
}

TEST(SettingsStore, TypedValuesSurviveAFlushAndARead) {
  TempDir dir;
  const std::array<std::uint8_t, 3> bytes{0x00, 0xff, 0x10};
  {
    PosixSettingsStore store(dir.Path());
    EXPECT_TRUE(store.Write(kKey, "Version", RegValue::String("7.0")));
    EXPECT_TRUE(store.Write(kKey, "Columns", RegValue::Dword(0xdeadbeef)));
    EXPECT_TRUE(store.Write(kKey, "Preferences", RegValue::Binary(bytes)));
    EXPECT_TRUE(store.Write(kKey, "Path", RegValue::String("c:\\a \"b\"")));
    EXPECT_TRUE(store.Write(kKey, "Odd", RegValue::String("line\r\nbreak")));
    store.CreateKey(kFilters);
    ASSERT_TRUE(store.Flush());
  }
  PosixSettingsStore again(dir.Path());
  EXPECT_EQ(again.Read(kKey, "Version")->AsString(), "7.0");
  EXPECT_EQ(again.Read(kKey, "Columns")->AsDword(), 0xdeadbeefu);
  EXPECT_EQ(again.Read(kKey, "Preferences"), RegValue::Binary(bytes));
  EXPECT_EQ(again.Read(kKey, "Path")->AsString(), "c:\\a \"b\"");
  EXPECT_EQ(again.Read(kKey, "Odd")->AsString(), "line\r\nbreak");
  EXPECT_TRUE(again.KeyExists(kFilters));
  EXPECT_TRUE(again.TakeProblems().empty());
}

TEST(SettingsStore, FileIsRegeditTextReadableByPeople) {
  TempDir dir;
  PosixSettingsStore store(dir.Path());
  store.Write(kKey, "Version", RegValue::String("7.0"));
  store.Write(kKey, "Columns", RegValue::Dword(3));
  store.Write(kFilters, "0", RegValue::String("*.txt"));
  ASSERT_TRUE(store.Flush());
  const std::string text = ReadFile(dir / "Varnoke.reg");
  EXPECT_EQ(text.rfind("REGEDIT4\n", 0), 0u);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Orvelia\\Varnoke]\n"
                      "\"Version\"=\"7.0\"\n\"Columns\"=dword:00000003\n"),
            std::string::npos);
  EXPECT_NE(
      text.find("[HKEY_CURRENT_USER\\Software\\Orvelia\\Varnoke\\Filters]\n\"0\"=\"*.txt\"\n"),
      std::string::npos);
  struct stat st {};
  ASSERT_EQ(::stat((dir / "Varnoke.reg").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);  // settings are the user's own
}

TEST(SettingsStore, NamesCompareWithoutCaseAndValuesKeepTheirOrder) {
  TempDir dir;
  PosixSettingsStore store(dir.Path());
  store.Write(kFilters, "b", RegValue::String("1"));
  store.Write(kFilters, "A", RegValue::String("2"));
  store.Write(kFilters, "c", RegValue::String("3"));
  store.Write("software\\ORVELIA\\varnoke\\filters", "B", RegValue::String("4"));
  EXPECT_EQ(store.ValueNames(kFilters), (std::vector<std::string>{"b", "A", "c"}));
  EXPECT_EQ(store.Read(kFilters, "a")->AsString(), "2");
  EXPECT_EQ(store.Read(kFilters, "b")->AsString(), "4");  // replaced in its place
  store.DeleteValue(kFilters, "C");
  EXPECT_EQ(store.ValueNames(kFilters), (std::vector<std::string>{"b", "A"}));
  EXPECT_EQ(store.SubkeyNames(kKey), (std::vector<std::string>{"Filters"}));
  ASSERT_TRUE(store.Flush());
  PosixSettingsStore again(dir.Path());
  EXPECT_EQ(again.ValueNames(kFilters), (std::vector<std::string>{"b", "A"}));
}

TEST(SettingsStore, WrongTypeOrSizeReadsAsNothing) {
  EXPECT_FALSE(RegValue::String("12").AsDword());
  EXPECT_FALSE(RegValue::Dword(1).AsString());
  EXPECT_FALSE((RegValue{kRegDword, {1, 2, 3}}.AsDword()));
  EXPECT_EQ((RegValue{kRegSz, {'a', 'b', 0, 'c'}}.AsString()), "ab");
}

TEST(SettingsStore, RefusesNamesThatCannotBeStored) {
  TempDir dir;
  PosixSettingsStore store(dir.Path());
  EXPECT_FALSE(store.Write(kKey, "two\nlines", RegValue::String("x")));
  EXPECT_FALSE(store.Write("Software\\a\rb", "n", RegValue::String("x")));
  EXPECT_TRUE(store.ValueNames(kKey).empty());
}

TEST(SettingsStore, DeleteAllValuesKeepsSubkeys) {
  TempDir dir;
  PosixSettingsStore store(dir.Path());
  store.Write(kKey, "x", RegValue::Dword(1));
  store.Write(kFilters, "0", RegValue::String("*.*"));
  store.DeleteAllValues(kKey);
  EXPECT_TRUE(store.ValueNames(kKey).empty());
  EXPECT_EQ(store.ValueNames(kFilters).size(), 1u);
}

TEST(SettingsStore, WriterAppliesOnlyItsOwnChangesToWhatAnotherWrote) {
  TempDir dir;
  PosixSettingsStore first(dir.Path());
  PosixSettingsStore second(dir.Path());
  first.Write(kKey, "AddWinPos", RegValue::String("first"));
  second.Write(kKey, "EditWinPos", RegValue::String("second"));
  ASSERT_TRUE(first.Flush());
  ASSERT_TRUE(second.Flush());
  PosixSettingsStore after(dir.Path());
  EXPECT_EQ(after.Read(kKey, "AddWinPos")->AsString(), "first");
  EXPECT_EQ(after.Read(kKey, "EditWinPos")->AsString(), "second");
  // The second writer now also sees what the first wrote.
  EXPECT_EQ(second.Read(kKey, "AddWinPos")->AsString(), "first");
}

TEST(SettingsStore, DamagedFileIsKeptAsideAndReported) {
  TempDir dir;
  const std::string damaged = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\"x\"=dword:zz\n";
  WriteFile(dir / "Varnoke.reg", damaged);
  PosixSettingsStore store(dir.Path());
  const auto problems = store.TakeProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].File, dir / "Varnoke.reg");
  EXPECT_EQ(problems[0].KeptAs, dir / "Varnoke.reg.bad");
  EXPECT_EQ(ReadFile(dir / "Varnoke.reg.bad"), damaged);
  EXPECT_FALSE(store.KeyExists("Software"));
  store.Write(kKey, "Version", RegValue::String("7.0"));
  ASSERT_TRUE(store.Flush());
  EXPECT_EQ(ReadFile(dir / "Varnoke.reg.bad"), damaged);  // never overwritten
  EXPECT_TRUE(store.TakeProblems().empty());

  // A second damaged file does not replace the first one kept.
  WriteFile(dir / "Varnoke.reg", "garbage");
  PosixSettingsStore third(dir.Path());
  ASSERT_EQ(third.TakeProblems().size(), 1u);
  EXPECT_EQ(ReadFile(dir / "Varnoke.reg.bad"), damaged);
  EXPECT_EQ(ReadFile(dir / "Varnoke.reg.bad.2"), "garbage");
}

TEST(SettingsStore, FileDamagedWhileRunningIsKeptAsideAtFlush) {
  TempDir dir;
  PosixSettingsStore store(dir.Path());
  store.Write(kKey, "Name", RegValue::String("Pic"));
  WriteFile(dir / "Varnoke.reg", "not a settings file");
  ASSERT_TRUE(store.Flush());
  EXPECT_EQ(ReadFile(dir / "Varnoke.reg.bad"), "not a settings file");
  ASSERT_EQ(store.TakeProblems().size(), 1u);
  PosixSettingsStore after(dir.Path());
  EXPECT_EQ(after.Read(kKey, "Name")->AsString(), "Pic");
}

TEST(SettingsStore, UnreadableFileIsNeverReplaced) {
  TempDir dir;
  // A directory in the file's place cannot be read, not even by root.
  ASSERT_EQ(::mkdir((dir / "Varnoke.reg").c_str(), 0700), 0);
  PosixSettingsStore store(dir.Path());
  const auto problems = store.TakeProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_TRUE(problems[0].KeptAs.empty());
  store.Write(kKey, "Name", RegValue::String("x"));
  EXPECT_FALSE(store.Flush());
  EXPECT_TRUE(std::filesystem::is_directory(dir / "Varnoke.reg"));
  ASSERT_EQ(::rmdir((dir / "Varnoke.reg").c_str()), 0);
  EXPECT_TRUE(store.Flush());  // the change was kept for another try
  EXPECT_EQ(PosixSettingsStore(dir.Path()).Read(kKey, "Name")->AsString(), "x");
}

}  // namespace
}  // namespace varnoke
