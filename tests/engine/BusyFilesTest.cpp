// Busy files as Linux programs hold them: listed and planned busy while another
// process keeps a lock of any kind on the file or has it open for writing, free again
// once that process ends; a file another process only reads is free.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/AddFile.h"
#include "engine/Messages.h"
#include "engine/PreparePreview.h"
#include "engine/RenameFiles.h"
#include "engine/RenameMessages.h"
#include "platform/LockHolder.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/ScriptedSession.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::Hold;
using testing::LockHolder;

TEST(BusyFiles, HeldByAnotherProcessUntilItEnds) {
  const struct {
    const char* What;
    Hold How;
    bool Busy;
  } cases[] = {
      {"flock", Hold::Flock, true},
      {"POSIX lock", Hold::PosixLock, true},
      {"open-file-description lock", Hold::OfdLock, true},
      {"open for writing", Hold::OpenForWriting, true},
      {"open for reading", Hold::OpenForReading, false},
  };
  testing::TempDir dir;
  PosixFileSystem fs;
  IdleStores idle;
  FixedClock clock(0, 0);
  const FormatSettings settings = EnglishFormatSettings();
  TFiles options;
  options.Flags = ChangeName | Enumerate;
  options.Name = "renamed";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    const std::string path = dir.Write("held.txt", "data");
    TVrnFiles files;
    ScriptedSession session;
    TVrnPrevFiles preview(false);
    {
      LockHolder holder(path, c.How);
      ASSERT_TRUE(AddFile(fs, files, path));
      EXPECT_EQ(files.Items(0).Busy, c.Busy);
      EXPECT_EQ(files.Items(0).Size, c.Busy ? 0u : 4u);
      files.Items(0).Busy = true;  // as if listed busy: planning looks again
      PreparePreview(files, options, preview,
                     Services{fs, idle.Store, idle.Settings, clock, settings, session});
      ASSERT_EQ(preview.Count(), 1);
      EXPECT_EQ(preview.Items(0).Busy, c.Busy);
      EXPECT_EQ(session.Questions.size(), c.Busy ? 1u : 0u);
      if (c.Busy) {
        EXPECT_EQ(session.Questions[0].Text, StillBusyMessage(path));
      }
      EXPECT_EQ(fs.IsBusy(path, Access::Read), c.Busy);
      if (c.Busy) {
        // The run looks again right before the move: still held, so kept with a message.
        EXPECT_EQ(RenameFiles(files, preview, options, fs, session).Changed, 0);
        EXPECT_TRUE(testing::FileExists(path));
        EXPECT_EQ(session.Questions.back().Text, kRenameBusyText);
      }
    }
    files.Clear();
    ASSERT_TRUE(AddFile(fs, files, path));
    EXPECT_FALSE(files.Items(0).Busy);
    EXPECT_FALSE(fs.IsBusy(path, Access::ReadWrite));
    if (c.Busy) {
      // Planned busy, but the holder has ended: the run renames it.
      preview.Items(0).Busy = true;
      preview.Items(0).Name = "renamed1";
      EXPECT_EQ(RenameFiles(files, preview, options, fs, session).Changed, 1);
      EXPECT_TRUE(testing::FileExists(dir / "renamed1.txt"));
      std::filesystem::remove(dir / "renamed1.txt");
    }
  }
}

}  // namespace
}  // namespace varnoke
