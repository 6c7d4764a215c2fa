#include "files/OptionSetFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>

#include "files/FileMessages.h"
#include "platform/posix/PosixFileStore.h"
#include "support/SampleOptions.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

std::string Length(std::int32_t n) {
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(static_cast<std::uint32_t>(n) >> (8 * i));
  return out;
}

std::string Text(std::string_view s) {
  return Length(static_cast<std::int32_t>(s.size())) + std::string(s);
}

// A set whose fixed part is all zero bytes, with the given texts.
std::string SetBytes(std::initializer_list<std::string_view> texts) {
  std::string out(kOptionsBlockSize, '\0');
  for (std::string_view t : texts) out += Text(t);
  return out;
}

TFiles FullRecord() {
  return testing::RecordWithEveryFieldSet();
}

// The block, five texts, then the filters to the end of the file: 88 bytes when all are
// empty. Loading takes the whole record.
TEST(OptionSetFile, RecordsRoundTripWithFiltersInOrder) {
  TempDir dir;
  PosixFileStore files;
  const TFiles record = FullRecord();
  ASSERT_FALSE(SaveOptionSet(files, dir / "full.vns", record));
  const OptionsBlock block = record.EncodeBlock();
  EXPECT_EQ(ReadFile(dir / "full.vns"), std::string(block.begin(), block.end()) + Text("Pic") +
                                            Text("jpg") + Text("/target/") + Text("/home/u/") +
                                            Text("yyyy") + Text("*.txt") + Text("a*"));
  TFiles loaded;
  ASSERT_FALSE(LoadOptionSet(files, dir / "full.vns", loaded));
  EXPECT_EQ(loaded, record);
  ASSERT_FALSE(SaveOptionSet(files, dir / "full.vns", TFiles()));  // over a writable set
  EXPECT_EQ(ReadFile(dir / "full.vns").size(), 88u);
  ASSERT_FALSE(LoadOptionSet(files, dir / "full.vns", loaded));
  EXPECT_EQ(loaded, TFiles());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()),
            1);  // no temporary file left behind
}

// A file ending after the date string has no filters; a text ends at its first zero byte;
// the block is taken as it is, without range checks.
TEST(OptionSetFile, ShortAndZeroEndedTextsAreTakenAsTheyAre) {
  auto record = ParseOptionSet(SetBytes({"n", "e", "p", "a", "d"}));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->DateString, "d");
  EXPECT_TRUE(record->Filters.empty());
  EXPECT_EQ(record->Digits, 0);
  record = ParseOptionSet(
      SetBytes({std::string_view("ab\0c", 4), "", "", "", "", std::string_view("*.\0x", 4)}));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Name, "ab");
  EXPECT_EQ(record->Filters, (std::vector<std::string>{"*."}));
}

// Bytes that end early or hold a length beyond what is left change nothing.
TEST(OptionSetFile, DamagedSetIsReadBeyondEndAndChangesNothing) {
  const std::string block(68, '\0');
  const std::string damaged[] = {"",
                                 std::string(67, '\x7f'),
                                 block,
                                 block + std::string(3, '\0'),
                                 block + Length(5) + "abc",
                                 block + Length(-1) + "abcd",
                                 block + Length(0x7fffffff) + "abc",
                                 SetBytes({"", "", "", ""}) + Length(2) + "x",
                                 SetBytes({"a", "b", "c", "d"}),
                                 SetBytes({"", "", "", "", "", "*.*"}) + "\x01",
                                 SetBytes({"", "", "", "", ""}) + Length(INT32_MIN) + "xxxx"};
  TempDir dir;
  PosixFileStore files;
  for (const std::string& bytes : damaged) {
    WriteFile(dir / "bad.vns", bytes);
    TFiles record = FullRecord();
    EXPECT_EQ(LoadOptionSet(files, dir / "bad.vns", record), std::string(kReadBeyondEndOfFile))
        << ::testing::PrintToString(bytes);
    EXPECT_EQ(record, FullRecord());
  }
}

// Failures give the general handler's text; a failed load keeps the record, a failed save
// the old file.
TEST(OptionSetFile, FailuresGiveTheGeneralHandlersTextAndChangeNothing) {
  TempDir dir;
  PosixFileStore files;
  TFiles record = FullRecord();
  EXPECT_EQ(LoadOptionSet(files, dir / "missing.vns", record), std::string(kFileNotFound));
  EXPECT_EQ(LoadOptionSet(files, dir.Path(), record), std::string(kFileAccessDenied));
  EXPECT_EQ(record, FullRecord());
  WriteFile(dir / "kept.vns", "old content");
  ASSERT_EQ(::chmod((dir / "kept.vns").c_str(), 0444), 0);
  EXPECT_EQ(SaveOptionSet(files, dir / "kept.vns", record), std::string(kFileAccessDenied));
  EXPECT_EQ(ReadFile(dir / "kept.vns"), "old content");
  EXPECT_EQ(SaveOptionSet(files, dir / "no/such/dir.vns", record), std::string(kFileNotFound));
}

// A store that fails every save with one error, for the messages of other failures.
class FailingStore final : public FileStore {
 public:
  explicit FailingStore(IoError error) : error_(error) {}
  FileBytes ReadAll(std::string_view) override { return {{}, error_}; }
  std::optional<IoError> Save(std::string_view, std::string_view) override { return error_; }

 private:
  IoError error_;
};

TEST(OptionSetFile, OtherFailuresNameTheirKindOrNumber) {
  FailingStore full({IoErrorKind::DiskFull, 28});
  EXPECT_EQ(SaveOptionSet(full, "/x.vns", TFiles()), std::string(kDiskFull));
  FailingStore other({IoErrorKind::Other, 5});
  EXPECT_EQ(SaveOptionSet(other, "/x.vns", TFiles()), "I/O error 5");
  TFiles record = FullRecord();
  EXPECT_EQ(LoadOptionSet(other, "/x.vns", record), "I/O error 5");
  EXPECT_EQ(record, FullRecord());
  EXPECT_EQ(IoErrorFromErrno(ENOENT).Kind, IoErrorKind::NotFound);
  EXPECT_EQ(IoErrorFromErrno(EACCES).Kind, IoErrorKind::AccessDenied);
  EXPECT_EQ(IoErrorFromErrno(EROFS).Kind, IoErrorKind::AccessDenied);
  EXPECT_EQ(IoErrorFromErrno(ENOSPC).Kind, IoErrorKind::DiskFull);
  EXPECT_EQ(IoErrorFromErrno(EIO), (IoError{IoErrorKind::Other, EIO}));
}

TEST(OptionSetFile, ExtensionIsAppendedOnlyToANameWithout) {
  const struct {
    bool Windows;
    const char *Chosen, *Saved;
  } cases[] = {{false, "/home/u/sets/mine", "/home/u/sets/mine.vns"},
               {false, "/home/u/sets/mine.txt", "/home/u/sets/mine.txt"},
               {false, "/home/u/old.sets/mine", "/home/u/old.sets/mine.vns"},
               {false, "/home/u/mine.", "/home/u/mine."},
               {true, "c:\\a.b\\mine", "c:\\a.b\\mine.vns"},
               {true, "c:mine", "c:mine.vns"},
               {true, "c:\\mine.VNS", "c:\\mine.VNS"}};
  const WindowsPathRules windows;
  const PosixPathRules posix;
  for (const auto& c : cases) {
    const PathRules& rules = c.Windows ? static_cast<const PathRules&>(windows) : posix;
    EXPECT_EQ(WithOptionSetExtension(c.Chosen, rules), c.Saved);
  }
}

}  // namespace
}  // namespace varnoke
