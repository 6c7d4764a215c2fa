#pragma once
// A place to run renaming cases in: the in-memory file system or a fresh temporary
// directory on the real one, behind one small interface, plus a way to list files and
// plan their new names by hand.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/RenameFiles.h"
#include "model/FormatSettings.h"
#include "model/TFiles.h"
#include "model/TVrnFile.h"
#include "model/TVrnPrevFile.h"
#include "platform/FileSystem.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/ScriptedSession.h"
#include "support/TempDir.h"

namespace varnoke::testing {

class World {
 public:
  virtual ~World() = default;
  virtual FileSystem& Fs() = 0;
  // The full path of a name relative to the world's directory ("a.txt", "sub/b"); a
  // path that begins with "/" is taken as it is.
  virtual std::string At(std::string_view rel) const = 0;
  virtual void Write(std::string_view rel, std::string_view content) = 0;
  virtual void MakeDirectory(std::string_view rel) = 0;
  virtual std::optional<std::string> Read(std::string_view rel) = 0;
  // Names of the files in a directory (relative to the world's), sorted.
  virtual std::vector<std::string> Names(std::string_view rel = {}) = 0;
  // The in-memory file system, when the world is one.
  virtual FakeFileSystem* Fake() { return nullptr; }
};

using WorldFactory = std::function<std::unique_ptr<World>()>;

class FakeWorld final : public World {
 public:
  // The Windows style puts the world at c:\w and turns "/" in relative names into "\".
  explicit FakeWorld(bool caseInsensitive = false,
                     FakeFileSystem::Style style = FakeFileSystem::Style::Posix)
      : fs_(style, caseInsensitive),
        root_(style == FakeFileSystem::Style::Windows ? "c:\\w" : "/w") {
    fs_.AddDirectory(root_);
  }
  FileSystem& Fs() override { return fs_; }
  std::string At(std::string_view rel) const override {
    if (!rel.empty() && rel[0] == '/') return std::string(rel);
    if (rel.empty()) return root_;
    std::string out = root_ + fs_.Rules().Separator() + std::string(rel);
    for (char& c : out)
      if (c == '/') c = fs_.Rules().Separator();
    return out;
  }
  void Write(std::string_view rel, std::string_view content) override {
    fs_.AddFile(At(rel), content, {1000, 2000, 3000});
  }
  void MakeDirectory(std::string_view rel) override { fs_.AddDirectory(At(rel)); }
  std::optional<std::string> Read(std::string_view rel) override {
    auto file = fs_.File(At(rel));
    return file ? std::optional<std::string>(file->Content) : std::nullopt;
  }
  std::vector<std::string> Names(std::string_view rel = {}) override;
  FakeFileSystem* Fake() override { return &fs_; }

 private:
  FakeFileSystem fs_;
  std::string root_;
};

// A fresh temporary directory on the real file system, under the Linux rules.
class PosixWorld final : public World {
 public:
  FileSystem& Fs() override { return fs_; }
  std::string At(std::string_view rel) const override {
    if (!rel.empty() && rel[0] == '/') return std::string(rel);
    return rel.empty() ? dir_.Path() : dir_.Path() + "/" + std::string(rel);
  }
  void Write(std::string_view rel, std::string_view content) override;
  void MakeDirectory(std::string_view rel) override;
  std::optional<std::string> Read(std::string_view rel) override;
  std::vector<std::string> Names(std::string_view rel = {}) override;

 private:
  TempDir dir_;
  PosixFileSystem fs_;
};

// A file list, a preview planned by hand, the options and a scripted session over one
// world.
struct RenameSetup {
  explicit RenameSetup(World& world) : world(world), preview(world.Fs().Rules().FoldsCase()) {}

  World& world;
  TVrnFiles files;
  TVrnPrevFiles preview;
  TFiles options;  // files are left in their directory unless a case says otherwise
  ScriptedSession session;
  FixedClock clock{kUnixEpoch + 1'600'000'000ULL * kTicksPerSecond, 0};
  FormatSettings settings = EnglishFormatSettings();

  // Lists a file as AddFile would (busy when it cannot be opened exclusively).
  int List(std::string_view rel);
  // Lists every name with AddFile and plans them all with PreparePreview.
  void ListAndPlan(const std::vector<std::string>& names);
  // Lists `from` and plans it to `to` with its listed times and attributes.
  TVrnPrevFile& Plan(std::string_view from, std::string_view to, bool conflict = false);
  RenameReport Run() { return RenameFiles(files, preview, options, world.Fs(), session); }

  // The full path the file entry at `fileIndex` names now.
  std::string EntryPath(int fileIndex) const;
};

// A suite run once per world (the fake and a real temporary directory).
class RenameCases : public ::testing::TestWithParam<WorldFactory> {
 protected:
  void SetUp() override {
    world = GetParam()();
    if (!world) GTEST_SKIP() << "this world is not available here";
    setup = std::make_unique<RenameSetup>(*world);
  }
  std::unique_ptr<World> world;
  std::unique_ptr<RenameSetup> setup;
};

// Names "f0001.txt" ... for shifts.
std::string Numbered(int n);

}  // namespace varnoke::testing
