// Busy files as Linux programs hold them: listed busy while another process keeps a lock
// of any kind on the file or has it open for writing, free again once that process ends;
// a file another process only reads is free. (Planning and the run look again through the
// same IsBusy: PreparePreviewTest and RenameFilesTest pin what they do with the answer.)
#include <gtest/gtest.h>

#include <optional>

#include "engine/AddFile.h"
#include "platform/LockHolder.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::Hold;
using testing::LockHolder;

TEST(BusyFiles, HeldByAnotherProcessUntilItEnds) {
  // clang-format off
  const struct { const char* What; Hold How; bool Busy; } cases[] = {
      {"flock", Hold::Flock, true}, {"POSIX lock", Hold::PosixLock, true},
      {"open-file-description lock", Hold::OfdLock, true},
      {"open for writing", Hold::OpenForWriting, true},
      {"open for reading", Hold::OpenForReading, false}};
  // clang-format on
  testing::TempDir dir;
  PosixFileSystem fs;
  const std::string path = dir.Write("held.txt", "data");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    for (const bool held : {true, false}) {
      std::optional<LockHolder> holder;
      if (held) holder.emplace(path, c.How);
      const bool busy = held && c.Busy;
      TVrnFiles files;
      ASSERT_TRUE(AddFile(fs, files, path));
      EXPECT_EQ(files.Items(0).Busy, busy);
      EXPECT_EQ(files.Items(0).Size, busy ? 0u : 4u);
      EXPECT_EQ(fs.IsBusy(path, Access::Read), busy);
      EXPECT_EQ(fs.IsBusy(path, Access::ReadWrite), busy);
    }
  }
}

}  // namespace
}  // namespace varnoke
