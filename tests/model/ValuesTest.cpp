// The model's values: times and increases, path rules and wildcards, the options record.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "model/FileTime.h"
#include "model/PathRules.h"
#include "model/TFiles.h"
#include "model/WindowsWildcard.h"
#include "support/CalendarTime.h"
#include "support/SampleOptions.h"

namespace varnoke {
namespace {

using testing::RecordWithEveryFieldSet;

// Each row: the last valid value before a boundary of one field, both ways with its weekday
// (ignored when joining), and the first value past it, which fails without carry. Then every
// day of four centuries, sub-millisecond ticks dropped when split; above the signed range fails.
TEST(FileTime, ConvertsBothWaysAndRefusesWhatWin32Refuses) {
  auto t = [](auto... fields) { return Fields(fields...); };
  // clang-format off
  const struct { SystemTime Valid; int Weekday; FileTime Ticks; SystemTime Past; } cases[] = {
      {t(1601, 1, 1), 1, 0, t(1600, 12, 31)},
      {t(30827, 12, 31, 23, 59, 59, 999), 5, 0x7FFF35F4F06C58F0ULL, t(30828, 1, 1)},
      {t(1970, 1, 1), 4, kUnixEpoch, t(1970, 0, 1)},
      {t(1980, 1, 1), 2, IncreaseBase, t(1980, 1, 0)},
      {t(2000, 2, 29), 2, 125962560000000000ULL, t(2000, 2, 30)},  // leap: by 400
      {t(1900, 2, 28), 3, 94404960000000000ULL, t(1900, 2, 29)},   // none: by 100
      {t(2001, 2, 28), 3, 126277920000000000ULL, t(2001, 2, 29)},
      {t(2000, 4, 30), 0, 126015264000000000ULL, t(2000, 4, 31)},
      {t(2000, 12, 31), 0, 126226944000000000ULL, t(2000, 13, 1)},
      {t(2000, 1, 1, 23), 6, 125912412000000000ULL, t(2000, 1, 1, 24)},
      {t(2000, 1, 1, 0, 59), 6, 125911619400000000ULL, t(2000, 1, 1, 0, 60)},
      {t(2000, 1, 1, 0, 0, 59), 6, 125911584590000000ULL, t(2000, 1, 1, 0, 0, 60)},
      {t(2000, 1, 1, 0, 0, 0, 999), 6, 125911584009990000ULL, t(2000, 1, 1, 0, 0, 0, 1000)},
  };
  // clang-format on
  for (auto [st, weekday, ticks, past] : cases) {
    st.DayOfWeek = 9;
    EXPECT_EQ(SystemTimeToFileTime(st), ticks);
    st.DayOfWeek = weekday;
    EXPECT_EQ(FileTimeToSystemTime(ticks), st);
    EXPECT_FALSE(SystemTimeToFileTime(past)) << ticks;
  }
  EXPECT_TRUE(FileTimeToSystemTime(0x7FFFFFFFFFFFFFFFULL));
  EXPECT_FALSE(FileTimeToSystemTime(0x8000000000000000ULL));
  for (FileTime day = 0; day < 146097 + 400; ++day) {
    const auto st = FileTimeToSystemTime(day * kTicksPerDay + 12345678);
    ASSERT_TRUE(st) << day;
    ASSERT_EQ(SystemTimeToFileTime(*st), day * kTicksPerDay + 12340000) << day;
  }
}

// Increases are stored as calendar times in 1980 that must be dates themselves, decoded
// field by field (a fresh record's zero shows as a negative year); a date advances field by
// field without carry, keeping its milliseconds, and a result that is no date fails.
TEST(Increase, EncodesFrom1980AndAdvancesFieldsWithoutCarry) {
  auto t = [](auto... fields) { return Fields(fields...); };
  // clang-format off
  const struct { Increase By; std::optional<SystemTime> Stored, From, To; } cases[] = {
      {{0, 0, 0, 23, 59, 59}, t(1980, 1, 1, 23, 59, 59), t(2000, 1, 1), t(2000, 1, 1, 23, 59, 59)},
      {{0, 0, 0, 0, 1}, t(1980, 1, 1, 0, 1), t(2000, 1, 1, 0, 0, 0, 5), t(2000, 1, 1, 0, 1, 0, 5)},
      {{0, 1}, t(1980, 2, 1), t(2000, 1, 29), t(2000, 2, 29)},
      {{0, 1}, t(1980, 2, 1), t(2000, 12, 1), {}},
      {{0, 0, 3}, t(1980, 1, 4), t(2000, 2, 28), {}},
      {{10, 11, 30}, t(1990, 12, 31), t(2000, 1, 1), t(2010, 12, 31)},
      {{0, 1, 30}, {}, {}, {}},  // February 31st
      {{0, 0, 0, 0, 0, 60}, {}, {}, {}},
      {{0, 0, -1}, {}, {}, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    const auto stored = c.Stored ? SystemTimeToFileTime(*c.Stored) : std::nullopt;
    EXPECT_EQ(EncodeIncrease(c.By), stored) << &c - cases;
    if (!stored) continue;
    EXPECT_EQ(DecodeIncrease(*stored), c.By) << &c - cases;
    EXPECT_EQ(AdvanceByIncrease(*SystemTimeToFileTime(*c.From), *stored),
              c.To ? SystemTimeToFileTime(*c.To) : std::nullopt)
        << &c - cases;
  }
  EXPECT_EQ(DecodeIncrease(0), (Increase{-379, 0, 0, 0, 0, 0}));
}

// Each path splits into its parts and the parts join to the path the entry is written as,
// which splits the same. The Windows rules lower-case the directory (ASCII only), end it at
// "\" or ":", drop a trailing dot and write the dot always; names compare without ASCII case.
// The Linux rules keep the directory as found, the root as "", "\" as a name's character, a
// trailing dot in the name, and compare exactly. (More Linux names: the AddFile tests.)
// The plain spelling of a path: "." components and doubled separators dropped, and every
// "dir/.." with them, as text; a root is its own parent, a leading ".." of a relative path
// stays.
TEST(PathRules, SplitJoinCompareAndPlainSpellingFollowThePlatform) {
  // clang-format off
  const struct { bool Windows; const char* Full; SplitPath Parts; const char* Joined; } cases[] = {
      {true, R"(C:\Data\Re.Port.DOC)", {R"(c:\data)", "Re.Port", "DOC"}, R"(c:\data\Re.Port.DOC)"},
      {true, R"(C:\boot.ini)", {"c:", "boot", "ini"}, R"(c:\boot.ini)"},
      {true, R"(C:\Dir.X\Makefile)", {R"(c:\dir.x)", "Makefile", ""}, R"(c:\dir.x\Makefile.)"},
      {true, R"(C:\Home\.profile)", {R"(c:\home)", "", "profile"}, R"(c:\home\.profile)"},
      {true, R"(C:name.txt)", {"c:", "name", "txt"}, R"(c:\name.txt)"},
      {true, R"(\\Srv\Sh\Ä.txt)", {R"(\\srv\sh)", "Ä", "txt"}, R"(\\srv\sh\Ä.txt)"},
      {false, "/Data/Makefile.", {"/Data", "Makefile.", ""}, "/Data/Makefile."},
      {false, "/etc.d/.config.bak", {"/etc.d", ".config", "bak"}, "/etc.d/.config.bak"},
      {false, "/vmlinuz", {"", "vmlinuz", ""}, "/vmlinuz"},
  };
  // clang-format on
  const WindowsPathRules windows;
  const PosixPathRules posix;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Full);
    const PathRules& rules = c.Windows ? static_cast<const PathRules&>(windows) : posix;
    const SplitPath got = rules.Split(c.Full);
    EXPECT_EQ(got, c.Parts);
    const std::string joined = rules.Join(got.Path, got.Name, got.Ext);
    EXPECT_EQ(joined, c.Joined);
    EXPECT_EQ(rules.Split(joined), c.Parts);
    EXPECT_EQ(rules.SameName(joined, AsciiUpperCopy(joined)), c.Windows);
    EXPECT_EQ(rules.FoldsCase(), c.Windows);
    EXPECT_EQ(rules.StripTrailingSeparator(got.Path + rules.Separator()), got.Path);
    EXPECT_EQ(rules.StripTrailingSeparator(got.Path), got.Path);
  }
  EXPECT_FALSE(windows.SameName("\xC4.txt", "\xE4.txt"));
  EXPECT_TRUE(posix.SameName("/a/b.txt", "/a/b.txt"));
  EXPECT_EQ(windows.DisplayDirectory("c:"), "c:\\");
  EXPECT_EQ(windows.DisplayDirectory(R"(c:\data)"), R"(c:\data)");
  EXPECT_EQ(posix.DisplayDirectory(""), "/");
  EXPECT_EQ(posix.DisplayDirectory("/Photos"), "/Photos");
  // The Windows rules guard a name that is empty or begins with a dot, a dot file's own
  // too; the Linux rules: PosixPlanning in the engine's tests.
  EXPECT_TRUE(windows.NeedsNameGuard(".cfg", "", ".cfg", ""));
  EXPECT_FALSE(windows.NeedsNameGuard("a", "", "", "x"));
  using namespace std::string_view_literals;
  for (const std::string_view part : {"a/b"sv, "x\0"sv, "/"sv})
    EXPECT_TRUE(windows.HoldsForbiddenCharacter(part) && posix.HoldsForbiddenCharacter(part));
  EXPECT_TRUE(windows.HoldsForbiddenCharacter("a\\b"));
  EXPECT_FALSE(posix.HoldsForbiddenCharacter("a\\b:c?.d"));
  EXPECT_EQ(AsciiLowerCopy("ABC xyz \xC4\xD6 09@[`{"), "abc xyz \xC4\xD6 09@[`{");
  EXPECT_EQ(AsciiUpperCopy("abc XYZ \xE4\xF6 09@[`{"), "ABC XYZ \xE4\xF6 09@[`{");
  // clang-format off
  const struct { bool Windows; const char* Full; const char* Plain; } plain[] = {
      {false, "/d/a.t", "/d/a.t"}, {false, "/d/.profile", "/d/.profile"},
      {false, "/d/./a.t", "/d/a.t"}, {false, "/d//a.t", "/d/a.t"}, {false, "//d/a.t", "/d/a.t"},
      {false, "/d/x/../a.t", "/d/a.t"}, {false, "/d/x/y/../../a.t", "/d/a.t"},
      {false, "/../d/a.t", "/d/a.t"}, {false, "/d/../../a", "/a"}, {false, "/d/x/..", "/d"},
      {false, "../d/../a", "../a"}, {false, "/d/..a/b", "/d/..a/b"}, {false, "/d/x./../a", "/d/a"},
      {true, R"(c:\d\.\a.t)", R"(c:\d\a.t)"}, {true, R"(c:\d\x\..\a.t)", R"(c:\d\a.t)"},
      {true, R"(c:\..\d\a.t)", R"(c:\d\a.t)"}, {true, R"(c:\d\\a.t)", R"(c:\d\a.t)"},
      {true, R"(\\srv\sh\x\..\a)", R"(\\srv\sh\a)"},
  };
  // clang-format on
  for (const auto& c : plain) {
    SCOPED_TRACE(c.Full);
    const PathRules& rules = c.Windows ? static_cast<const PathRules&>(windows) : posix;
    EXPECT_EQ(rules.LexicallyPlain(c.Full), c.Plain);
    EXPECT_EQ(rules.LexicallyPlain(c.Plain), c.Plain);
    EXPECT_TRUE(!rules.IsLexicallyPlain(c.Full) || std::string_view(c.Full) == c.Plain);
  }
}

// As Windows lists directories: "*.*" is everything, "*." the names without extension, case
// and the last dot, "?" one character or none where the name's part ends, ASCII-only folding.
TEST(WindowsWildcard, MatchesAsWindowsListsDirectories) {
  // clang-format off
  const struct { const char* Pattern; std::vector<std::string> Matching, Other; } cases[] = {
      {"*.*", {"readme", "a.b.c", ".profile"}, {}},
      {"*", {"anything.at.all"}, {}},
      {"*.", {"Makefile"}, {"old.files", ".hidden"}},
      {"*.txt", {"A.TXT", "a.b.txt"}, {"a.txt.bak", "atxt"}},
      {"a*", {"a.txt", "A"}, {"b.txt"}},
      {"a?c", {"abc"}, {"ac"}},
      {"a??.t?", {"ab.t", "abc.tx"}, {"abcd.t", "ab.txt"}},
      {"Report", {"rEPORT"}, {"report.doc"}},
      {"", {""}, {"a"}},
      {"\xc9t\xe9", {}, {"\xe9t\xe9"}},
  };
  // clang-format on
  for (const auto& c : cases)
    for (bool matches : {true, false})
      for (const std::string& name : matches ? c.Matching : c.Other)
        EXPECT_EQ(MatchesWindowsWildcard(name, c.Pattern), matches) << c.Pattern << " ~ " << name;
  const std::string name(200, 'a');  // many stars stay fast
  EXPECT_FALSE(MatchesWindowsWildcard(name, std::string(60, '*') + "b"));
  EXPECT_TRUE(MatchesWindowsWildcard(name + ".x", "*a*a*a*a*a*a*a*a*.*x"));
}

// Every field little-endian in block order, whatever its range; decoding takes the fixed part
// whole and leaves the texts.
TEST(TFiles, BlockLayoutIsByteExactAndDecodingTakesOnlyTheFixedPart) {
  TFiles o = RecordWithEveryFieldSet();
  o.Set(SearchSubdirs, false);
  o.Set(DateFromClock, true);
  o.Step = 0x0102;
  o.Start = -2;
  o.Transport = 7;  // out of the dialog's range: kept as it is
  o.CreatedInc = kResetDate;
  // clang-format off
  const OptionsBlock expected = {
      0x01, 0x04, 0x01, 0x00, 3, 5, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 7, 2, 2, 0xAB,
      11, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0,
      0xEF, 0xCD, 0xAB, 0x89, 0x67, 0x45, 0x23, 0x01,
      0xFF, 0x7F, 0x2A, 0x9E, 0x9F, 0xE7, 0xA8, 0x01, 15, 0, 0, 0, 0, 0, 0, 0,
      16, 0, 0, 0, 0, 0, 0, 0, 0x21, 0x01, 2, 9};
  // clang-format on
  EXPECT_EQ(o.EncodeBlock(), expected);
  TFiles back = RecordWithEveryFieldSet();
  back.DecodeBlock(expected);
  EXPECT_EQ(back, o);
}

// Each reset against a whole record: what it sets and, as much, what it leaves (the search's
// texts and the columns). The start-up defaults are the reset values, but for dates of zero.
TEST(TFiles, ResetsChangeTheirGroupOnly) {
  auto dates = [](TFiles& o) {
    return std::array{&o.CreatedDate, &o.AccessedDate, &o.ModifiedDate,
                      &o.CreatedInc,  &o.AccessedInc,  &o.ModifiedInc};
  };
  const TFiles sample = RecordWithEveryFieldSet();
  TFiles name = sample, date = sample, attr = sample, all = sample;
  for (TFiles* o : {&name, &all}) {
    o->Flags = o->CaseMode = o->EditParts = 0;
    std::tie(o->Digits, o->Step, o->Start, o->Transport) = std::tuple(1, 1, 1, kTransportLeave);
    o->Name = o->Ext = o->Path = o->DateString = "";
  }
  for (TFiles* o : {&date, &all}) {
    o->DateFlags = o->IncreaseFlags = 0;
    for (FileTime* t : dates(*o)) *t = kResetDate;
  }
  for (TFiles* o : {&attr, &all}) o->AttrMask = o->AttrValues = 0;
  for (const auto& [reset, expected] : {std::pair(&Resetname1Click, name),
                                        {&Resetdate1Click, date},
                                        {&Resetattribute1Click, attr},
                                        {&Resetall1Click, all}}) {
    TFiles o = sample;
    reset(o);
    EXPECT_EQ(o, expected);
  }
  TFiles fresh;
  Resetall1Click(fresh);
  for (FileTime* t : dates(fresh)) *t = 0;
  EXPECT_EQ(fresh, TFiles());
}

}  // namespace
}  // namespace varnoke
