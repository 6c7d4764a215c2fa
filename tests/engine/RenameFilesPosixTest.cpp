// Renaming on real files in a fresh temporary directory: the cases of every world, a
// source held locked by another process, and a move to another file system.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/RenameMessages.h"
#include "engine/RenameWorld.h"
#include "platform/posix/PosixFileSystem.h"

namespace varnoke::testing {
namespace {

namespace fsys = std::filesystem;

// A fresh directory made with mkdtemp below `parent`, removed with everything in it.
class TempDir {
 public:
  explicit TempDir(const std::string& parent = "/tmp") {
    std::string pattern = parent + "/varnoke-rename-XXXXXX";
    if (::mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) fsys::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

class PosixWorld final : public World {
 public:
  FileSystem& Fs() override { return fs_; }
  std::string At(std::string_view rel) const override {
    if (!rel.empty() && rel[0] == '/') return std::string(rel);
    return rel.empty() ? dir_.Path() : dir_.Path() + "/" + std::string(rel);
  }
  void Write(std::string_view rel, std::string_view content) override {
    fsys::create_directories(fsys::path(At(rel)).parent_path());
    std::ofstream(At(rel), std::ios::binary) << content;
  }
  void MakeDirectory(std::string_view rel) override { fsys::create_directories(At(rel)); }
  std::optional<std::string> Read(std::string_view rel) override {
    std::ifstream in(At(rel), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<std::string> Names(std::string_view rel = {}) override {
    std::vector<std::string> out;
    for (const auto& e : fsys::directory_iterator(At(rel)))
      if (!e.is_directory()) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
  }

 private:
  TempDir dir_;
  PosixFileSystem fs_;
};

INSTANTIATE_TEST_SUITE_P(RealFiles, RenameCases, ::testing::Values(WorldFactory([] {
                           return std::unique_ptr<World>(new PosixWorld());
                         })),
                         [](const auto&) { return std::string("Posix"); });

// Another process that holds an exclusive flock on a file until it is released.
class LockHolder {
 public:
  explicit LockHolder(const std::string& path) {
    int ready[2], release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      ::close(release[1]);
      const int fd = ::open(path.c_str(), O_RDONLY);
      const char ok = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? '1' : '0';
      if (::write(ready[1], &ok, 1) != 1) ::_exit(1);
      char byte;
      while (::read(release[0], &byte, 1) > 0) {
      }
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    release_ = release[1];
    char ok = '0';
    held_ = ::read(ready[0], &ok, 1) == 1 && ok == '1';
    ::close(ready[0]);
  }
  ~LockHolder() {
    if (release_ >= 0) ::close(release_);
    if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
  }
  bool Held() const { return held_; }

 private:
  pid_t pid_ = -1;
  int release_ = -1;
  bool held_ = false;
};

TEST(RenameOnRealFiles, SourceLockedByAnotherProcessKeepsItsNameWithOneMessage) {
  PosixWorld world;
  RenameSetup setup(world);
  world.Write("held.txt", "H");
  world.Write("free.txt", "F");
  LockHolder holder(world.At("held.txt"));
  ASSERT_TRUE(holder.Held());
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
  EXPECT_EQ(setup.Run().Renamed, 1);
  EXPECT_TRUE(world.Names().empty());
  EXPECT_EQ(world.Read(other.Path() + "/b.txt"), "across");
  EXPECT_EQ(setup.EntryPath(0), other.Path() + "/b.txt");
}

}  // namespace
}  // namespace varnoke::testing
