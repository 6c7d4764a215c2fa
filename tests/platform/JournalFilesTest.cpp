#include <gtest/gtest.h>

#include <string>

#include "platform/posix/PosixJournalFiles.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

// Records stored through the mapping and blocks written directly, mixed, across the
// chunks the file grows by and across a second hold: read back byte for byte, with no
// zero bytes of reserved space in the journal's size.
TEST(JournalFiles, SmallRecordsAndLargeBlocksReadBackInOrder) {
  testing::TempDir dir;
  PosixJournalDirectory journals(dir.Path());
  IoError error{};
  std::string expected;
  auto append = [&](AppendFile& file, std::size_t size, char fill) {
    const std::string bytes(size, fill);
    ASSERT_TRUE(file.Append(bytes));
    expected += bytes;
  };
  {
    std::unique_ptr<AppendFile> file = journals.Create("run.vnj", error);
    ASSERT_TRUE(file);
    append(*file, 100, 'a');
    append(*file, 3 << 20, 'b');  // a block, then records that cross into the next chunk
    for (int i = 0; i < 20000; ++i) append(*file, 61, static_cast<char>('c' + i % 20));
    append(*file, 1 << 20, 'x');
    append(*file, 7, 'y');
    ASSERT_TRUE(file->Flush());
  }
  ASSERT_EQ(journals.SizeOf("run.vnj"), expected.size());
  {
    std::unique_ptr<AppendFile> file = journals.Hold("run.vnj");
    ASSERT_TRUE(file);
    append(*file, 5 << 20, 'z');
    append(*file, 3, 'w');
  }
  const FileBytes read = journals.Read("run.vnj");
  ASSERT_FALSE(read.Error);
  EXPECT_EQ(read.Bytes.size(), expected.size());
  EXPECT_TRUE(read.Bytes == expected);
}

}  // namespace
}  // namespace varnoke
