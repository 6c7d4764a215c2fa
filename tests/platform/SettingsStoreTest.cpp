#include "platform/posix/PosixSettingsStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>

#include "platform/posix/RegeditText.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

constexpr std::string_view kKey = "Software\\Orvelia\\Varnoke";
constexpr std::string_view kFilters = "Software\\Orvelia\\Varnoke\\Filters";

// No file: an empty store, no problem and nothing written. Values keep their type through a
// flush and a read; a value of another type or size reads as nothing.
TEST(SettingsStore, TypedValuesSurviveAFlushAndARead) {
  TempDir dir;
  const std::array<std::uint8_t, 3> bytes{0x00, 0xff, 0x10};
  {
    PosixSettingsStore store(dir.Path());
    EXPECT_FALSE(store.KeyExists(kKey));
    EXPECT_TRUE(store.TakeProblems().empty());
    EXPECT_TRUE(store.Flush());
    EXPECT_FALSE(FileExists(dir / "Varnoke.reg"));
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
  EXPECT_FALSE(again.Read(kKey, "Missing"));
  EXPECT_TRUE(again.KeyExists(kFilters));
  EXPECT_TRUE(again.TakeProblems().empty());
  EXPECT_FALSE(RegValue::String("12").AsDword());
  EXPECT_FALSE(RegValue::Dword(1).AsString());
  EXPECT_FALSE((RegValue{kRegDword, {1, 2, 3}}.AsDword()));
  EXPECT_EQ((RegValue{kRegSz, {'a', 'b', 0, 'c'}}.AsString()), "ab");
}

TEST(SettingsStore, FileIsRegeditTextReadableByPeopleAndTheUsersOwn) {
  TempDir dir;
  PosixSettingsStore store(dir.Path());
  store.Write(kKey, "Version", RegValue::String("7.0"));
  store.Write(kKey, "Columns", RegValue::Dword(3));
  store.Write(kFilters, "0", RegValue::String("*.txt"));
  ASSERT_TRUE(store.Flush());
  // As regedit exports a key: every parent has its section.
  EXPECT_EQ(
      ReadFile(dir / "Varnoke.reg"),
      "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\n[HKEY_CURRENT_USER\\Software\\Orvelia]\n\n"
      "[HKEY_CURRENT_USER\\Software\\Orvelia\\Varnoke]\n\"Version\"=\"7.0\"\n"
      "\"Columns\"=dword:00000003\n\n"
      "[HKEY_CURRENT_USER\\Software\\Orvelia\\Varnoke\\Filters]\n\"0\"=\"*.txt\"\n");
  struct stat st {};
  ASSERT_EQ(::stat((dir / "Varnoke.reg").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// Names compare without case and values keep their order; a rewritten value stays in its
// place; names that cannot be stored are refused; deleting all values keeps the subkeys.
TEST(SettingsStore, NamesCompareWithoutCaseAndValuesKeepTheirOrder) {
  TempDir dir;
  PosixSettingsStore store(dir.Path());
  store.Write(kKey, "x", RegValue::Dword(1));
  store.Write(kFilters, "b", RegValue::String("1"));
  store.Write(kFilters, "A", RegValue::String("2"));
  store.Write(kFilters, "c", RegValue::String("3"));
  store.Write("software\\ORVELIA\\varnoke\\filters", "B", RegValue::String("4"));
  EXPECT_FALSE(store.Write(kKey, "two\nlines", RegValue::String("x")));
  EXPECT_FALSE(store.Write("Software\\a\rb", "n", RegValue::String("x")));
  EXPECT_EQ(store.ValueNames(kFilters), (std::vector<std::string>{"b", "A", "c"}));
  EXPECT_EQ(store.Read(kFilters, "a")->AsString(), "2");
  EXPECT_EQ(store.Read(kFilters, "b")->AsString(), "4");
  store.DeleteValue(kFilters, "C");
  EXPECT_EQ(store.SubkeyNames(kKey), (std::vector<std::string>{"Filters"}));
  store.DeleteAllValues(kKey);
  EXPECT_TRUE(store.ValueNames(kKey).empty());
  ASSERT_TRUE(store.Flush());
  PosixSettingsStore again(dir.Path());
  EXPECT_EQ(again.ValueNames(kFilters), (std::vector<std::string>{"b", "A"}));
  EXPECT_TRUE(again.ValueNames(kKey).empty());
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

TEST(SettingsStoreFormat, ReadsWhatRegeditWrites) {
  const std::string text =
      "REGEDIT4\r\n\r\n"
      "; a comment\r\n"
      "[HKEY_CURRENT_USER\\Software\\Orvelia\\Varnoke]\r\n"
      "\"Version\"=\"7.0\"\r\n"
      "\"Options\"=hex:01,02,\\\r\n"
      "  03,04\r\n"
      "\"Columns\"=dword:000000ff\r\n"
      "@=\"default\"\r\n"
      "\"Multi\"=hex(7):61,00,00\r\n"
      "\"Text\"=hex(1):61,62,00\r\n";
  auto tree = ParseRegeditText(text);
  ASSERT_TRUE(tree);
  const SettingsKeyNode* key = tree->Find("Software\\Orvelia\\Varnoke");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->FindValue("version")->AsString(), "7.0");
  EXPECT_EQ(key->FindValue("Options")->Data, (std::vector<std::uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(key->FindValue("Options")->Type, kRegBinary);
  EXPECT_EQ(key->FindValue("Columns")->AsDword(), 255u);
  EXPECT_EQ(key->FindValue("")->AsString(), "default");
  EXPECT_EQ(key->FindValue("Multi")->Type, 7u);
  EXPECT_EQ(key->FindValue("Multi")->Data, (std::vector<std::uint8_t>{0x61, 0, 0}));
  EXPECT_EQ(key->FindValue("Text")->AsString(), "ab");
}

TEST(SettingsStoreFormat, WritesAndReadsBackEveryKindOfValue) {
  SettingsTree tree;
  SettingsKeyNode& key = tree.Create("Software\\Orvelia\\Varnoke");
  std::vector<std::uint8_t> long_binary(68);
  for (std::size_t i = 0; i < long_binary.size(); ++i)
    long_binary[i] = static_cast<std::uint8_t>(i * 7);
  key.SetValue("Options", RegValue::Binary(long_binary));
  key.SetValue("Empty", RegValue::Binary({}));
  key.SetValue("Text", RegValue::String("a\\b\"c\xe9"));
  key.SetValue("Control", RegValue::String(std::string("x\0y\n", 4)));
  key.SetValue("EmptyText", RegValue::String(""));
  key.SetValue("", RegValue::Dword(7));
  key.SetValue("Other", RegValue{0x2a, {9, 8}});
  tree.Create("Software\\Orvelia\\Varnoke\\Filters");
  tree.Root().SetValue("AtRoot", RegValue::String("r"));
  const std::string text = FormatRegeditText(tree);
  auto back = ParseRegeditText(text);
  ASSERT_TRUE(back) << text;
  EXPECT_EQ(*back, tree) << text;
}

// Damaged text is refused whole, never read in part.
TEST(SettingsStoreFormat, DamagedTextIsRefused) {
  const std::string key = "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n";
  for (const std::string& text :
       {std::string(), std::string("[HKEY_CURRENT_USER\\a]\n"),
        std::string("Windows Registry Editor Version 5.00\n"),
        std::string("REGEDIT4\n\"a\"=\"b\"\n"), std::string("REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\n"),
        std::string("REGEDIT4\n[HKEY_CURRENT_USER\\a\n"), key + "\"a\"=\"b\n",
        key + "\"a\"=\"\\q\"\n", key + "\"a\"=\"b\"c\n", key + "\"a\"=dword:123456789\n",
        key + "\"a\"=hex:1,2\n", key + "\"a\"=hex:01,\n", key + "\"a\"=-\n", key + "\"a\"\n",
        key + "\"a\"=hex(x):00\n"})
    EXPECT_FALSE(ParseRegeditText(text)) << text;
}

constexpr int kRounds = 40;

// One writer process: waits for the start signal, then writes and flushes its own
// values round after round. Ends with 0 when every flush succeeded.
[[noreturn]] void Writer(const std::string& dir, char who, int startFd) {
  PosixSettingsStore store(dir);
  char go = 0;
  if (::read(startFd, &go, 1) != 1) ::_exit(2);
  for (int i = 0; i < kRounds; ++i) {
    store.Write(kKey, std::string(1, who) + std::to_string(i), RegValue::Dword(i));
    store.Write("Software\\Orvelia\\Varnoke\\Filters", "0", RegValue::String(std::string(1, who)));
    if (!store.Flush()) ::_exit(1);
  }
  ::_exit(0);
}

TEST(SettingsStoreProcesses, TwoWritersAtTheSameMomentLoseNothing) {
  TempDir dir;
  int pipeFds[2];
  ASSERT_EQ(::pipe(pipeFds), 0);
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = ::fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      ::close(pipeFds[1]);
      Writer(dir.Path(), c == 0 ? 'A' : 'B', pipeFds[0]);
    }
  }
  ::close(pipeFds[0]);
  ASSERT_EQ(::write(pipeFds[1], "gg", 2), 2);  // both start together
  ::close(pipeFds[1]);
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  PosixSettingsStore after(dir.Path());
  EXPECT_TRUE(after.TakeProblems().empty());
  for (char who : {'A', 'B'}) {
    for (int i = 0; i < kRounds; ++i) {
      auto value = after.Read(kKey, std::string(1, who) + std::to_string(i));
      ASSERT_TRUE(value) << who << i;
      EXPECT_EQ(value->AsDword(), static_cast<std::uint32_t>(i));
    }
  }
  EXPECT_EQ(after.ValueNames(kKey).size(), 2u * kRounds);
  EXPECT_EQ(after.ValueNames("Software\\Orvelia\\Varnoke\\Filters").size(), 1u);
  EXPECT_FALSE(FileExists(dir / "Varnoke.reg.bad"));
}

}  // namespace
}  // namespace varnoke
