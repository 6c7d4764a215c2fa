#include "platform/posix/PosixSettingsStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/posix/RegeditText.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;
using Names = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kKey = "Software\\Orvelia\\Varnoke";
constexpr std::string_view kFilters = "Software\\Orvelia\\Varnoke\\Filters";

// No file: an empty store and nothing written. Then the file is regedit text as regedit
// exports a key (every parent its section), the user's own; names compare without case,
// values keep the order they were first stored in, names that cannot be stored are refused;
// deleting all values keeps the subkeys. A value of another type or size reads as nothing.
TEST(SettingsStore, FileIsRegeditTextOfTheUsersOwnAndDamagedFilesAreKeptAside) {
  TempDir dir;
  PosixSettingsStore store(dir.Path());
  EXPECT_TRUE(store.Flush());
  EXPECT_FALSE(FileExists(dir / "Varnoke.reg"));
  store.Write(kKey, "Version", RegValue::String("7.0"));
  store.Write(kKey, "Columns", RegValue::Dword(3));
  store.Write(kKey, "Preferences", RegValue::Binary(Bytes{0x00, 0xff, 0x10}));
  for (const char* name : {"b", "A", "c"}) store.Write(kFilters, name, RegValue::String(name));
  store.Write("software\\ORVELIA\\varnoke\\filters", "B", RegValue::String("*.txt"));
  store.DeleteValue(kFilters, "C");
  EXPECT_FALSE(store.Write(kKey, "two\nlines", RegValue::String("x")));
  EXPECT_FALSE(store.Write("Software\\a\rb", "n", RegValue::String("x")));
  ASSERT_TRUE(store.Flush());
  EXPECT_EQ(
      ReadFile(dir / "Varnoke.reg"),
      "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\n[HKEY_CURRENT_USER\\Software\\Orvelia]\n\n"
      "[HKEY_CURRENT_USER\\Software\\Orvelia\\Varnoke]\n\"Version\"=\"7.0\"\n"
      "\"Columns\"=dword:00000003\n\"Preferences\"=hex:00,ff,10\n\n"
      "[HKEY_CURRENT_USER\\Software\\Orvelia\\Varnoke\\Filters]\n\"b\"=\"*.txt\"\n\"A\"=\"A\"\n");
  EXPECT_EQ(std::filesystem::status(dir / "Varnoke.reg").permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  PosixSettingsStore again(dir.Path());
  EXPECT_EQ(again.Read(kFilters, "a"), RegValue::String("A"));
  again.DeleteAllValues(kKey);
  EXPECT_TRUE(again.ValueNames(kKey).empty());
  EXPECT_EQ(again.SubkeyNames(kKey), Names{"Filters"});
  EXPECT_FALSE((RegValue{kRegDword, {1, 2, 3}}.AsDword()));
  EXPECT_EQ((RegValue{kRegSz, {'a', 'b', 0, 'c'}}.AsString()), "ab");

  // Each writer applies only its own changes to what the file holds when it flushes, and then
  // sees the other's too. A damaged file is kept aside, never overwritten, and reported, also
  // when it was damaged while a store was open; a file that cannot be read is never replaced,
  // and the change waits for another try.
  PosixSettingsStore first(dir.Path()), second(dir.Path());
  first.Write(kKey, "AddWinPos", RegValue::String("first"));
  second.Write(kKey, "EditWinPos", RegValue::String("second"));
  ASSERT_TRUE(first.Flush() && second.Flush());
  EXPECT_EQ(second.Read(kKey, "AddWinPos"), RegValue::String("first"));

  const std::string damaged = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\"x\"=dword:zz\n";
  WriteFile(dir / "Varnoke.reg", damaged);
  second.Write(kKey, "Name", RegValue::String("Pic"));
  ASSERT_TRUE(second.Flush());
  EXPECT_EQ(second.TakeProblems().size(), 1u);
  EXPECT_EQ(PosixSettingsStore(dir.Path()).Read(kKey, "Name"), RegValue::String("Pic"));
  WriteFile(dir / "Varnoke.reg", "garbage");
  PosixSettingsStore third(dir.Path());  // damaged when read: kept beside the first
  EXPECT_EQ(ReadFile(dir / "Varnoke.reg.bad"), damaged);
  EXPECT_EQ(ReadFile(dir / "Varnoke.reg.bad.2"), "garbage");

  TempDir other;  // a directory in the file's place cannot be read, not even by root
  ASSERT_EQ(::mkdir((other / "Varnoke.reg").c_str(), 0700), 0);
  PosixSettingsStore unreadable(other.Path());
  ASSERT_EQ(unreadable.TakeProblems().size(), 1u);
  unreadable.Write(kKey, "Name", RegValue::String("x"));
  EXPECT_FALSE(unreadable.Flush());
  EXPECT_TRUE(std::filesystem::is_directory(other / "Varnoke.reg"));
  ASSERT_EQ(::rmdir((other / "Varnoke.reg").c_str()), 0);
  EXPECT_TRUE(unreadable.Flush());
  EXPECT_EQ(PosixSettingsStore(other.Path()).Read(kKey, "Name"), RegValue::String("x"));
}

// What regedit writes: CR LF, comments, continued hex lines, other types. Every kind of value
// round-trips: long and empty binaries, texts with quotes, escapes, control characters (as
// hex(1)) or nothing, the default value, a value of another type, a value at the root.
TEST(SettingsStoreFormat, ReadsWhatRegeditWritesRoundTripsEveryValueAndRefusesDamage) {
  // clang-format off
  const struct { const char *Line, *Name; RegValue Value; } cases[] = {
      {"\"Version\"=\"7.0\"", "Version", RegValue::String("7.0")},
      {"\"Options\"=hex:01,02,\\\r\n  03,04", "Options", RegValue::Binary(Bytes{1, 2, 3, 4})},
      {"\"Columns\"=dword:000000ff", "Columns", RegValue::Dword(255)},
      {"\"Multi\"=hex(7):61,00,00", "Multi", RegValue{7, {0x61, 0, 0}}},
  };
  // clang-format on
  std::string text =
      "REGEDIT4\r\n\r\n; a comment\r\n[HKEY_CURRENT_USER\\Software\\Orvelia\\Varnoke]";
  SettingsTree expected;
  for (const auto& [line, name, value] : cases) {
    text += std::string("\r\n") + line;
    expected.Create(kKey).SetValue(name, value);
  }
  EXPECT_EQ(ParseRegeditText(text + "\r\n"), expected);
  SettingsTree tree;
  SettingsKeyNode& key = tree.Create(kKey);
  key.SetValue("Options", RegValue::Binary(Bytes(68, 0xa5)));
  key.SetValue("Empty", RegValue::Binary({}));
  key.SetValue("Text", RegValue::String("a\\b\"c\xe9"));
  key.SetValue("Control", RegValue::String(std::string("x\0y\n", 4)));
  key.SetValue("EmptyText", RegValue::String(""));
  key.SetValue("", RegValue::Dword(7));
  key.SetValue("Other", RegValue{0x2a, {9, 8}});
  tree.Create(kFilters);
  tree.Root().SetValue("AtRoot", RegValue::String("r"));
  const std::string written = FormatRegeditText(tree);
  EXPECT_EQ(ParseRegeditText(written), tree) << written;
  // Damaged text is refused whole, never read in part.
  const std::string head = "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n";
  // clang-format off
  const std::string damaged[] = {
      "",
      "Windows Registry Editor Version 5.00\n",
      "REGEDIT4\n\"a\"=\"b\"\n",
      "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\n",
      "REGEDIT4\n[HKEY_CURRENT_USER\\a\n",
      head + "\"a\"=\"b\n",
      head + "\"a\"=\"\\q\"\n",
      head + "\"a\"=\"b\"c\n",
      head + "\"a\"=dword:123456789\n",
      head + "\"a\"=hex:1,2\n",
      head + "\"a\"=hex:01,\n",
      head + "\"a\"=-\n",
      head + "\"a\"\n",
      head + "\"a\"=hex(x):00\n",
  };
  // clang-format on
  for (const std::string& text : damaged) EXPECT_FALSE(ParseRegeditText(text)) << text;
}

// Two processes write and flush their own values round after round, started at the same
// moment: every value of both is kept, and no file was found damaged.
TEST(SettingsStoreProcesses, TwoWritersAtTheSameMomentLoseNothing) {
  constexpr int kRounds = 40;
  TempDir dir;
  auto write = [&](char who) {
    PosixSettingsStore store(dir.Path());
    bool flushed = true;
    for (int i = 0; i < kRounds; ++i) {
      store.Write(kKey, who + std::to_string(i), RegValue::Dword(i));
      store.Write(kFilters, "0", RegValue::String(std::string(1, who)));
      flushed &= store.Flush();
    }
    return flushed;
  };
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  char go;
  if (child == 0) {
    ::close(start[1]);
    ::_exit(::read(start[0], &go, 1) == 0 && write('B') ? 0 : 1);  // goes when the parent does
  }
  ::close(start[0]);
  ::close(start[1]);
  EXPECT_TRUE(write('A'));
  int status = 0;
  EXPECT_TRUE(::waitpid(child, &status, 0) == child && WIFEXITED(status) && !WEXITSTATUS(status));
  PosixSettingsStore after(dir.Path());
  for (char who : {'A', 'B'})
    for (int i = 0; i < kRounds; ++i)
      EXPECT_EQ(after.Read(kKey, who + std::to_string(i)), RegValue::Dword(i));
  EXPECT_EQ(after.ValueNames(kFilters).size(), 1u);
  EXPECT_FALSE(FileExists(dir / "Varnoke.reg.bad"));
}

}  // namespace
}  // namespace varnoke
