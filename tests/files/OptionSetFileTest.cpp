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

TEST(OptionSetFile, EmptyRecordIsEightyEightBytesAndReadsBack) {
  TempDir dir;
  PosixFileStore files;
  TFiles empty;
  empty.Filters.clear();
  ASSERT_FALSE(SaveOptionSet(files, dir / "empty.vns", empty));
  const std::string bytes = ReadFile(dir / "empty.vns");
  EXPECT_EQ(bytes.size(), 88u);
  TFiles loaded = FullRecord();
  ASSERT_FALSE(LoadOptionSet(files, dir / "empty.vns", loaded));
  EXPECT_EQ(loaded, empty);
  EXPECT_TRUE(loaded.Filters.empty());
}

TEST(OptionSetFile, FullRecordRoundTripsWithFiltersInOrder) {
  TempDir dir;
  PosixFileStore files;
  const TFiles record = FullRecord();
  ASSERT_FALSE(SaveOptionSet(files, dir / "full.vns", record));
  TFiles loaded;
  ASSERT_FALSE(LoadOptionSet(files, dir / "full.vns", loaded));
  EXPECT_EQ(loaded, record);
  // The layout: block, five texts, then the filters.
  const std::string bytes = ReadFile(dir / "full.vns");
  const OptionsBlock block = record.EncodeBlock();
  EXPECT_EQ(bytes.substr(0, 68), std::string(block.begin(), block.end()));
  EXPECT_EQ(bytes.substr(68), Text("Pic") + Text("jpg") + Text("/target/") + Text("/home/u/") +
                                  Text("yyyy") + Text("*.txt") + Text("a*"));
}

TEST(OptionSetFile, FileEndingAfterDateStringEmptiesTheFilters) {
  auto record = ParseOptionSet(SetBytes({"n", "e", "p", "a", "d"}));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Name, "n");
  EXPECT_EQ(record->DateString, "d");
  EXPECT_TRUE(record->Filters.empty());
  // A zero block is taken as it is, without range checks.
  EXPECT_EQ(record->Digits, 0);
  EXPECT_EQ(record->Transport, 0);
}

TEST(OptionSetFile, TextEndsAtItsFirstZeroByte) {
  auto record = ParseOptionSet(
      SetBytes({std::string_view("ab\0c", 4), "", "", "", "", std::string_view("*.\0x", 4)}));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Name, "ab");
  EXPECT_EQ(record->Filters, (std::vector<std::string>{"*."}));
}

struct Malformed {
  const char* What;
  std::string Bytes;
};

class OptionSetMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(OptionSetMalformed, ReportsReadBeyondEndAndChangesNothing) {
  TempDir dir;
  WriteFile(dir / "bad.vns", GetParam().Bytes);
  PosixFileStore files;
  TFiles record = FullRecord();
  EXPECT_EQ(LoadOptionSet(files, dir / "bad.vns", record), std::string(kReadBeyondEndOfFile));
  EXPECT_EQ(record, FullRecord());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, OptionSetMalformed,
    ::testing::Values(
        Malformed{"empty", ""}, Malformed{"shorter_than_the_block", std::string(67, '\x7f')},
        Malformed{"no_texts", std::string(68, '\0')},
        Malformed{"cut_inside_a_length", std::string(68, '\0') + std::string(3, '\0')},
        Malformed{"cut_inside_a_text", std::string(68, '\0') + Length(5) + "abc"},
        Malformed{"negative_length", std::string(68, '\0') + Length(-1) + "abcd"},
        Malformed{"huge_length", std::string(68, '\0') + Length(0x7fffffff) + "abc"},
        Malformed{"length_one_past_the_end", SetBytes({"", "", "", ""}) + Length(2) + "x"},
        Malformed{"four_texts_only", SetBytes({"a", "b", "c", "d"})},
        Malformed{"stray_bytes_after_the_filters", SetBytes({"", "", "", "", "", "*.*"}) + "\x01"},
        Malformed{"negative_filter_length",
                  SetBytes({"", "", "", "", ""}) + Length(INT32_MIN) + "xxxx"}),
    [](const auto& info) { return std::string(info.param.What); });

TEST(OptionSetFile, LoadFailuresGiveTheGeneralHandlersText) {
  TempDir dir;
  PosixFileStore files;
  TFiles record = FullRecord();
  EXPECT_EQ(LoadOptionSet(files, dir / "missing.vns", record), std::string(kFileNotFound));
  EXPECT_EQ(LoadOptionSet(files, dir.Path(), record), std::string(kFileAccessDenied));
  EXPECT_EQ(record, FullRecord());
}

TEST(OptionSetFile, FailedSaveLeavesTheOldFileWhole) {
  TempDir dir;
  PosixFileStore files;
  WriteFile(dir / "kept.vns", "old content");
  ASSERT_EQ(::chmod((dir / "kept.vns").c_str(), 0444), 0);
  EXPECT_EQ(SaveOptionSet(files, dir / "kept.vns", FullRecord()), std::string(kFileAccessDenied));
  EXPECT_EQ(ReadFile(dir / "kept.vns"), "old content");
  EXPECT_EQ(SaveOptionSet(files, dir / "no/such/dir.vns", FullRecord()),
            std::string(kFileNotFound));
  // Saving over a writable set replaces it and leaves no temporary file behind.
  WriteFile(dir / "over.vns", "old");
  ASSERT_FALSE(SaveOptionSet(files, dir / "over.vns", TFiles()));
  EXPECT_EQ(ReadFile(dir / "over.vns").size(), 88u);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 2);
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
}

TEST(OptionSetFile, ExtensionIsAppendedOnlyToANameWithout) {
  PosixPathRules posix;
  WindowsPathRules windows;
  EXPECT_EQ(WithOptionSetExtension("/home/u/sets/mine", posix), "/home/u/sets/mine.vns");
  EXPECT_EQ(WithOptionSetExtension("/home/u/sets/mine.txt", posix), "/home/u/sets/mine.txt");
  EXPECT_EQ(WithOptionSetExtension("/home/u/old.sets/mine", posix), "/home/u/old.sets/mine.vns");
  EXPECT_EQ(WithOptionSetExtension("/home/u/mine.", posix), "/home/u/mine.");
  EXPECT_EQ(WithOptionSetExtension("c:\\a.b\\mine", windows), "c:\\a.b\\mine.vns");
  EXPECT_EQ(WithOptionSetExtension("c:mine", windows), "c:mine.vns");
  EXPECT_EQ(WithOptionSetExtension("c:\\mine.VNS", windows), "c:\\mine.VNS");
}

TEST(OptionSetFile, ErrnoValuesMapToTheMessagesKinds) {
  EXPECT_EQ(IoErrorFromErrno(ENOENT).Kind, IoErrorKind::NotFound);
  EXPECT_EQ(IoErrorFromErrno(EACCES).Kind, IoErrorKind::AccessDenied);
  EXPECT_EQ(IoErrorFromErrno(EROFS).Kind, IoErrorKind::AccessDenied);
  EXPECT_EQ(IoErrorFromErrno(ENOSPC).Kind, IoErrorKind::DiskFull);
  EXPECT_EQ(IoErrorFromErrno(EIO), (IoError{IoErrorKind::Other, EIO}));
}

}  // namespace
}  // namespace varnoke
