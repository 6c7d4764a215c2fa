// Renaming on real files in a fresh temporary directory: the cases of every world, a
// source held locked by another process, and a move to another file system.
#include <sys/stat.h>
#include <unistd.h>

#include "engine/RenameMessages.h"
#include "engine/RenameWorld.h"
#include "platform/LockHolder.h"
#include "support/TempDir.h"

namespace varnoke::testing {
namespace {

INSTANTIATE_TEST_SUITE_P(RealFiles, RenameCases, ::testing::Values(WorldFactory([] {
                           return std::unique_ptr<World>(new PosixWorld());
                         })),
                         [](const auto&) { return std::string("Posix"); });

TEST(RenameOnRealFiles, SourceLockedByAnotherProcessKeepsItsNameWithOneMessage) {
  PosixWorld world;
  RenameSetup setup(world);
  world.Write("held.txt", "H");
  world.Write("free.txt", "F");
  LockHolder holder(world.At("held.txt"));
  TVrnPrevFile& held = setup.Plan("held.txt", "moved.txt");
  ASSERT_TRUE(held.Busy);  // listed busy: it cannot be opened exclusively
  setup.Plan("free.txt", "free2.txt");
  const RenameReport report = setup.Run();
  EXPECT_EQ(report.Failed, 1);
  EXPECT_EQ(world.Names(), (std::vector<std::string>{"free2.txt", "held.txt"}));
  EXPECT_EQ(setup.EntryPath(0), world.At("held.txt"));
  EXPECT_EQ(setup.preview.Items(0).Name, "held");
  ASSERT_EQ(setup.session.Questions.size(), 1u);
  EXPECT_EQ(setup.session.Questions[0].Text, kRenameBusyText);
}

TEST(RenameOnRealFiles, NewTimesReachTheRenamedFile) {
  PosixWorld world;
  RenameSetup setup(world);
  world.Write("a.txt", "A");
  TVrnPrevFile& p = setup.Plan("a.txt", "b.txt");
  p.Written = kUnixEpoch + 1'000'000'000ULL * kTicksPerSecond;  // 2001-09-09
  p.Accessed = p.Written + kTicksPerSecond;
  setup.Run();
  struct stat st {};
  ASSERT_EQ(::stat(world.At("b.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1'000'000'000);
  EXPECT_EQ(st.st_atim.tv_sec, 1'000'000'001);
}

TEST(RenameOnRealFiles, MoveToAnotherFileSystem) {
  TempDir other("/dev/shm");
  PosixWorld world;
  struct stat here {
  }, there{};
  if (other.Path().empty() || ::stat(world.At("").c_str(), &here) != 0 ||
      ::stat(other.Path().c_str(), &there) != 0 || here.st_dev == there.st_dev)
    GTEST_SKIP() << "no second file system to move to (tried /dev/shm)";
  RenameSetup setup(world);
  world.Write("a.txt", "across");
  setup.options.Transport = kTransportMove;
  setup.Plan("a.txt", other.Path() + "/b.txt");
  EXPECT_EQ(setup.Run().Done(), 1);
  EXPECT_TRUE(world.Names().empty());
  EXPECT_EQ(world.Read(other.Path() + "/b.txt"), "across");
  EXPECT_EQ(setup.EntryPath(0), other.Path() + "/b.txt");
}

}  // namespace
}  // namespace varnoke::testing
