// File lists (".vls") and option sets (".vns") as stored.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/FileListFile.h"
#include "files/FileMessages.h"
#include "files/OptionSetFile.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/testing/ScriptedSession.h"
#include "support/SampleOptions.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::ReadFile;
using testing::RecordWithEveryFieldSet;
using testing::TempDir;
using testing::WriteFile;
using Strings = std::vector<std::string>;

// One full path per entry, each ended by CR LF (Windows entries with their dot), over what
// was there, read back in order; an empty list empties the file. Events run after every 20th
// line added, every 10th imported and every 20th entry saved. A file that cannot be read
// adds nothing and says so; one that cannot be written stays whole.
TEST(FileListFile, EntriesRoundTripLetEventsRunAndFailuresChangeNothing) {
  TempDir dir;
  PosixFileStore files;
  ScriptedSession session;
  TVrnFiles list;
  list.AddEntry(false, dir.Path(), "b", "txt", 1, 0x20, 1, 2, 3);
  list.AddEntry(false, dir / "sub", "Makefile", "", 2, 0x20, 1, 2, 3);
  list.AddEntry(true, dir.Path(), "a.tar", "gz", 0, 0, 0, 0, 0);
  WriteFile(dir / "list.vls", "/previous\r\n/longer than the new text\r\n");
  ASSERT_FALSE(SaveFileList(files, session, PosixPathRules(), list, dir / "list.vls"));
  const Strings paths = {dir / "b.txt", dir / "sub/Makefile", dir / "a.tar.gz"};
  EXPECT_EQ(ReadFile(dir / "list.vls"), paths[0] + "\r\n" + paths[1] + "\r\n" + paths[2] + "\r\n");
  Strings back;
  auto add = [&](std::string_view line) { back.emplace_back(line); };
  ASSERT_FALSE(ReadFileList(files, session, dir / "list.vls", kAddPumpInterval, add));
  EXPECT_EQ(back, paths);
  ASSERT_FALSE(SaveFileList(files, session, PosixPathRules(), TVrnFiles(), dir / "list.vls"));
  EXPECT_EQ(std::filesystem::file_size(dir / "list.vls"), 0u);

  std::string pumps;
  WriteFile(dir / "many.vls", std::string(45, '\n'));
  back.clear();
  session.OnPump = [&] { pumps += std::to_string(back.size()) + " "; };
  for (int interval : {kAddPumpInterval, kImportPumpInterval})
    ASSERT_FALSE(ReadFileList(files, session, dir / "many.vls", interval, add));
  for (int i = 0; i < 38; ++i) list.AddEntry(false, "/d", "f", "", 0, 0, 0, 0, 0);
  FormatFileList(list, PosixPathRules(), session);  // 41 entries: after the 20th and the 40th
  // Lines added when events ran: 45 added with a pause every 20, 45 more every 10, then 2 saving.
  EXPECT_EQ(pumps, "20 40 55 65 75 85 90 90 ");

  Strings lines{"stale"};
  EXPECT_EQ(LoadListLines(files, dir / "none.vls", lines, EnglishTexts()),
            "Cannot open file " + dir / "none.vls");
  EXPECT_TRUE(lines.empty());
  back.clear();
  EXPECT_EQ(ReadFileList(files, session, dir / "none.vls", kAddPumpInterval, add),
            "Cannot open file " + dir / "none.vls");
  EXPECT_TRUE(back.empty());
  ASSERT_EQ(::chmod((dir / "many.vls").c_str(), 0444), 0);
  for (const std::string& path : {dir / "many.vls", dir / "missing/x.vls"})
    EXPECT_EQ(SaveFileList(files, session, PosixPathRules(), list, path),
              "Cannot create file " + path);
  EXPECT_EQ(ReadFile(dir / "many.vls"), std::string(45, '\n'));
}

// Lines as they stand, split at CR LF, a lone CR or a lone LF; a last line without a break
// counts, a break at the very end adds no empty line. A line holding a NUL names no file
// (the system would end the path at the NUL): it is left out, and the lines left out are
// named in one note, escaped, twenty at most.
TEST(FileListFile, LinesSplitAtEveryBreakAndThoseHoldingANulNamedOnce) {
  using namespace std::string_literals;
  const std::string kHead = "A line that holds a NUL character names no file. Left out:\r\n";
  std::string many, manyNamed = kHead;
  for (int i = 0; i < 23; ++i) many += "/d/" + std::to_string(i) + "\0x\r\n"s;
  for (int i = 0; i < 20; ++i) manyNamed += "/d/" + std::to_string(i) + "\\x00x\r\n";
  manyNamed += "... and 3 more";
  // clang-format off
  const struct { std::string Text; Strings Added, Notes; } cases[] = {
      {"", {}, {}}, {"\r\n", {""}, {}}, {"/a\r\n/b\r\n", {"/a", "/b"}, {}},
      {"/a\n/b\n", {"/a", "/b"}, {}}, {"/a\r/b\r", {"/a", "/b"}, {}},
      {"/a\n\r/b\r\r\n/c", {"/a", "", "/b", "", "/c"}, {}},
      {" /a b \r\n\t\r\n", {" /a b ", "\t"}, {}},
      {"/d/a\r\n/d/d\0junk\r\n/d/b\r\n\0\r\n"s, {"/d/a", "/d/b"}, {kHead + "/d/d\\x00junk\r\n\\x00"}},
      {many, {}, {manyNamed}},
  };
  // clang-format on
  TempDir dir;
  PosixFileStore files;
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.Text));
    WriteFile(dir / "list.vls", c.Text);
    ScriptedSession session;
    Strings added, notes;
    ASSERT_FALSE(ReadFileList(files, session, dir / "list.vls", kAddPumpInterval,
                              [&](std::string_view line) { added.emplace_back(line); }));
    EXPECT_EQ(added, c.Added);
    for (const AskedQuestion& q : session.Questions) {
      notes.push_back(q.Text);
      EXPECT_EQ(q.Caption, kApplicationTitle);
      EXPECT_EQ(q.Kind, Buttons::Ok);
    }
    EXPECT_EQ(notes, c.Notes);
  }
}

// A set whose fixed part is all zero bytes, with the given texts (each shorter than 256).
std::string SetBytes(std::initializer_list<std::string_view> texts) {
  std::string out(kOptionsBlockSize, '\0');
  for (std::string_view t : texts) out += char(t.size()) + std::string(3, '\0') + std::string(t);
  return out;
}

// The block, five texts, then the filters to the end of the file (each text a signed 32-bit
// little-endian length and its bytes), over a set that was there, leaving no other file:
// 88 bytes when all are empty. Loading takes the whole record. Failures give the general
// handler's text; a failed load keeps the record, a failed save the old file. The extension
// is appended only to a name without one.
TEST(OptionSetFile, RecordsRoundTripAndFailuresChangeNothing) {
  TempDir dir;
  PosixFileStore files;
  TFiles record = RecordWithEveryFieldSet();
  for (const TFiles& saved : {TFiles(), record}) {
    ASSERT_FALSE(SaveOptionSet(files, dir / "full.vns", saved, EnglishTexts()));
    TFiles loaded;
    ASSERT_FALSE(LoadOptionSet(files, dir / "full.vns", loaded, EnglishTexts()));
    EXPECT_EQ(loaded, saved);
  }
  const OptionsBlock block = record.EncodeBlock();
  EXPECT_EQ(ReadFile(dir / "full.vns"),
            std::string(block.begin(), block.end()) +
                SetBytes({"Pic", "jpg", "/target/", "/home/u/", "yyyy", "*.txt", "a*"})
                    .substr(kOptionsBlockSize));
  EXPECT_EQ(FormatOptionSet(TFiles()).size(), 88u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

  WriteFile(dir / "bad.vns", "short");
  for (const auto& [path, error] : {std::pair(dir / "missing.vns", kFileNotFound.Source),
                                    {dir.Path(), kFileAccessDenied.Source},
                                    {dir / "bad.vns", kReadBeyondEndOfFile.Source}})
    EXPECT_EQ(LoadOptionSet(files, path, record, EnglishTexts()), error);
  EXPECT_EQ(record, RecordWithEveryFieldSet());
  ASSERT_EQ(::chmod((dir / "bad.vns").c_str(), 0444), 0);
  EXPECT_EQ(SaveOptionSet(files, dir / "bad.vns", record, EnglishTexts()),
            kFileAccessDenied.Source);
  EXPECT_EQ(ReadFile(dir / "bad.vns"), "short");
  EXPECT_EQ(SaveOptionSet(files, dir / "no/such/dir.vns", record, EnglishTexts()),
            kFileNotFound.Source);
  EXPECT_EQ(IoErrorMessage(EnglishTexts(), {IoErrorKind::DiskFull, ENOSPC}), kDiskFull.Source);
  EXPECT_EQ(IoErrorMessage(EnglishTexts(), {IoErrorKind::Other, EIO}), "I/O error 5");
  using enum IoErrorKind;
  // clang-format off
  for (const IoError e : {IoError{NotFound, ENOENT}, {AccessDenied, EACCES}, {AccessDenied, EROFS},
                          {DiskFull, ENOSPC}, {Other, EIO}})
    EXPECT_EQ(IoErrorFromErrno(e.Code), e);
  const struct { bool Windows; const char *Chosen, *Saved; } cases[] = {
      {false, "/u/old.sets/mine", "/u/old.sets/mine.vns"}, {false, "/u/mine.", "/u/mine."},
      {true, "c:\\a.b\\mine", "c:\\a.b\\mine.vns"}, {true, "c:mine", "c:mine.vns"},
      {true, "c:\\mine.VNS", "c:\\mine.VNS"},
  };
  // clang-format on
  const PosixPathRules posix;
  const WindowsPathRules windows;
  const PathRules* rules[] = {&posix, &windows};
  for (const auto& [isWindows, chosen, saved] : cases)
    EXPECT_EQ(WithOptionSetExtension(chosen, *rules[isWindows]), saved);
}

// A file ending after the date string has no filters; a text ends at its first zero byte;
// the block is taken as it is, without range checks. Bytes that end early (in the block, a
// length or a text) or hold a length that is negative or beyond what is left are refused.
TEST(OptionSetFile, ParsedAsFarAsTheBytesGo) {
  const std::string_view zeroEnded("ab\0c", 4);
  // clang-format off
  const struct { std::string Bytes; const char* Name; Strings Filters; } cases[] = {
      {SetBytes({zeroEnded, "", "", "", "d"}), "ab", {}},
      {SetBytes({"", "", "", "", "", zeroEnded}), "", {"ab"}},
      {std::string(67, '\x7f'), nullptr, {}},
      {SetBytes({}) + std::string("\x05\0\0\0abc", 7), nullptr, {}},
      {SetBytes({}) + "\xff\xff\xff\xff" "abcd", nullptr, {}},  // -1
      {SetBytes({}) + "\xff\xff\xff\x7f" "abc", nullptr, {}},  // 2^31 - 1
      {SetBytes({"a", "b", "c", "d"}), nullptr, {}},
      {SetBytes({"", "", "", "", "", "*.*"}) + "\x01", nullptr, {}},
      {SetBytes({"", "", "", "", ""}) + std::string("\0\0\0\x80xxxx", 8), nullptr, {}},  // -2^31
  };
  // clang-format on
  for (const auto& [bytes, name, filters] : cases) {
    const std::optional<TFiles> parsed = ParseOptionSet(bytes);
    ASSERT_EQ(parsed.has_value(), name != nullptr) << ::testing::PrintToString(bytes);
    if (!parsed) continue;
    EXPECT_EQ(std::tie(parsed->Name, parsed->Filters, parsed->Digits),
              std::tuple(name, filters, 0));
  }
}

}  // namespace
}  // namespace varnoke
