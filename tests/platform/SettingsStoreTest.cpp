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
TEST(SettingsStore, FileIsRegeditTextOfTheUsersOwn) {
  TempDir dir;
  PosixSettingsStore store(dir.Path());
  EXPECT_FALSE(store.KeyExists(kKey));
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
  struct stat st {};
  ASSERT_EQ(::stat((dir / "Varnoke.reg").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  PosixSettingsStore again(dir.Path());
  EXPECT_EQ(again.Read(kFilters, "a"), RegValue::String("A"));
  EXPECT_FALSE(again.Read(kKey, "Missing"));
  again.DeleteAllValues(kKey);
  EXPECT_TRUE(again.ValueNames(kKey).empty());
  EXPECT_EQ(again.SubkeyNames(kKey), Names{"Filters"});
  EXPECT_TRUE(again.TakeProblems().empty());
  EXPECT_FALSE((RegValue{kRegDword, {1, 2, 3}}.AsDword()));
  EXPECT_EQ((RegValue{kRegSz, {'a', 'b', 0, 'c'}}.AsString()), "ab");
}

// Each writer applies only its own changes to what the file holds when it flushes, and then
// sees the other's too. A damaged file is kept aside, never overwritten, and reported once,
// also when it was damaged while a store was open; a file that cannot be read is never
// replaced, and the change waits for another try.
TEST(SettingsStore, WritersKeepEachOthersChangesAndDamagedFilesAreKeptAside) {
  TempDir dir;
  PosixSettingsStore first(dir.Path()), second(dir.Path());
  first.Write(kKey, "AddWinPos", RegValue::String("first"));
  second.Write(kKey, "EditWinPos", RegValue::String("second"));
  ASSERT_TRUE(first.Flush() && second.Flush());
  EXPECT_EQ(second.Read(kKey, "AddWinPos"), RegValue::String("first"));

  const std::string damaged = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\"x\"=dword:zz\n";
  WriteFile(dir / "Varnoke.reg", damaged);
  second.Write(kKey, "Name", RegValue::String("Pic"));
  ASSERT_TRUE(second.Flush());
  const std::vector<SettingsProblem> problems = second.TakeProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].File, dir / "Varnoke.reg");
  EXPECT_EQ(problems[0].KeptAs, dir / "Varnoke.reg.bad");
  EXPECT_EQ(PosixSettingsStore(dir.Path()).Read(kKey, "Name"), RegValue::String("Pic"));
  WriteFile(dir / "Varnoke.reg", "garbage");
  PosixSettingsStore third(dir.Path());
  EXPECT_EQ(third.TakeProblems().size(), 1u);
  EXPECT_TRUE(third.TakeProblems().empty());
  EXPECT_FALSE(third.KeyExists("Software"));
  EXPECT_EQ(ReadFile(dir / "Varnoke.reg.bad"), damaged);
  EXPECT_EQ(ReadFile(dir / "Varnoke.reg.bad.2"), "garbage");

  TempDir other;  // a directory in the file's place cannot be read, not even by root
  ASSERT_EQ(::mkdir((other / "Varnoke.reg").c_str(), 0700), 0);
  PosixSettingsStore store(other.Path());
  ASSERT_EQ(store.TakeProblems().size(), 1u);
  store.Write(kKey, "Name", RegValue::String("x"));
  EXPECT_FALSE(store.Flush());
  EXPECT_TRUE(std::filesystem::is_directory(other / "Varnoke.reg"));
  ASSERT_EQ(::rmdir((other / "Varnoke.reg").c_str()), 0);
  EXPECT_TRUE(store.Flush());
  EXPECT_EQ(PosixSettingsStore(other.Path()).Read(kKey, "Name"), RegValue::String("x"));
}

// What regedit writes: CR LF, comments, continued hex lines, other types. Every kind of value
// round-trips: long and empty binaries, texts with quotes, escapes, control characters (as
// hex(1)) or nothing, the default value, a value of another type, a value at the root.
TEST(SettingsStoreFormat, ReadsWhatRegeditWritesRoundTripsEveryValueAndRefusesDamage) {
  // clang-format off
  const struct { const char *Line, *Name; RegValue Value; } cases[] = {
      {"\"Version\"=\"7.0\"", "version", RegValue::String("7.0")},
      {"\"Options\"=hex:01,02,\\\r\n  03,04", "Options", RegValue::Binary(Bytes{1, 2, 3, 4})},
      {"\"Columns\"=dword:000000ff", "Columns", RegValue::Dword(255)},
      {"\"Multi\"=hex(7):61,00,00", "Multi", RegValue{7, {0x61, 0, 0}}},
  };
  // clang-format on
  std::string text =
      "REGEDIT4\r\n\r\n; a comment\r\n[HKEY_CURRENT_USER\\Software\\Orvelia\\Varnoke]";
  for (const auto& c : cases) text += std::string("\r\n") + c.Line;
  const std::optional<SettingsTree> read = ParseRegeditText(text + "\r\n");
  ASSERT_TRUE(read);
  for (const auto& [line, name, value] : cases) {
    const RegValue* got = read->Find(kKey)->FindValue(name);
    ASSERT_TRUE(got) << line;
    EXPECT_EQ(*got, value) << line;
  }
  SettingsTree tree;
  SettingsKeyNode& key = tree.Create(kKey);
  Bytes options(68);
  for (std::size_t i = 0; i < options.size(); ++i) options[i] = static_cast<std::uint8_t>(i * 7);
  key.SetValue("Options", RegValue::Binary(options));
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
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = ::fork();
    ASSERT_GE(children[c], 0);
    if (children[c] != 0) continue;
    ::close(start[1]);
    PosixSettingsStore store(dir.Path());
    char go = 0;
    if (::read(start[0], &go, 1) != 1) ::_exit(2);
    for (int i = 0; i < kRounds; ++i) {
      store.Write(kKey, std::string(1, 'A' + c) + std::to_string(i), RegValue::Dword(i));
      store.Write(kFilters, "0", RegValue::String(std::string(1, 'A' + c)));
      if (!store.Flush()) ::_exit(1);
    }
    ::_exit(0);
  }
  ::close(start[0]);
  ASSERT_EQ(::write(start[1], "gg", 2), 2);
  ::close(start[1]);
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  PosixSettingsStore after(dir.Path());
  for (char who : {'A', 'B'})
    for (int i = 0; i < kRounds; ++i)
      EXPECT_EQ(after.Read(kKey, std::string(1, who) + std::to_string(i)), RegValue::Dword(i));
  EXPECT_EQ(after.ValueNames(kFilters).size(), 1u);
  EXPECT_FALSE(FileExists(dir / "Varnoke.reg.bad"));
}

}  // namespace
}  // namespace varnoke
