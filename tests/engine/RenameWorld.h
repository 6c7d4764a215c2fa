#pragma once
// A place to run renaming cases in (a fresh temporary directory on the real file system,
// or the in-memory one), a file list with its preview and a scripted user, and a run
// given as data with the checks every run must pass.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "engine/AddFile.h"
#include "engine/PreparePreview.h"
#include "engine/RenameFiles.h"
#include "engine/RenameMessages.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/ScriptedSession.h"
#include "support/PrevEntry.h"
#include "support/TempDir.h"
#include "support/TrashHome.h"

namespace varnoke::testing {

using Strings = std::vector<std::string>;

class World {
 public:
  // A fresh temporary directory under the Linux rules, with an empty trash.
  World() : dir_(std::in_place), fs_(new PosixFileSystem), root_(dir_->Path()) { EmptyTrash(); }
  // The in-memory file system with the world at /w (c:\w under the Windows rules); a
  // folding store ignores case as a vfat mount does.
  explicit World(FakeFileSystem::Style style, bool folding = false)
      : fake_(new FakeFileSystem(style, folding)),
        fs_(fake_),
        root_(style == FakeFileSystem::Style::Windows ? "c:\\w" : "/w") {
    fake_->AddDirectory(root_);
  }
  FileSystem& Fs() { return *fs_; }
  FakeFileSystem* Fake() { return fake_; }

  // The full path of a name relative to the world ("sub/b"); a full path as it is.
  std::string At(std::string_view rel) const {
    if (rel.starts_with('/') || rel.starts_with(root_)) return std::string(rel);
    std::string out = rel.empty() ? root_ : root_ + "/" + std::string(rel);
    std::replace(out.begin(), out.end(), '/', fs_->Rules().Separator());
    return out;
  }
  // Writes a file, or makes a directory for a name that ends in "/".
  void Write(std::string_view rel, std::string_view content = {}) {
    const std::string path = At(rel.substr(0, rel.find_last_not_of('/') + 1));
    if (rel.ends_with('/'))
      fake_ ? fake_->AddDirectory(path) : void(std::filesystem::create_directories(path));
    else
      fake_ ? fake_->AddFile(path, content, {1000, 2000, 3000}) : WriteFile(path, content);
  }
  std::optional<std::string> Read(std::string_view rel) const {
    if (!fake_) return FileExists(At(rel)) ? std::optional(ReadFile(At(rel))) : std::nullopt;
    const std::optional<FakeFile> file = fake_->File(At(rel));
    return file ? std::optional(file->Content) : std::nullopt;
  }
  // Every file as "name=content", named relative to the world where it lies in it; sorted.
  Strings Files() const {
    Strings out;
    if (fake_) {
      for (const std::string& path : fake_->FilePaths()) out.push_back(Entry(path));
    } else {
      for (const auto& e : std::filesystem::recursive_directory_iterator(root_))
        if (!e.is_directory()) out.push_back(Entry(e.path()));
    }
    std::sort(out.begin(), out.end());
    return out;
  }
  // The contents of the files in the trash, sorted.
  Strings Trashed() const {
    Strings out;
    if (fake_) {
      for (const TrashedFile& t : fake_->Trash()) out.push_back(t.File.Content);
    } else if (FileExists(kTrashHome / "Trash/files")) {
      for (const auto& e : std::filesystem::directory_iterator(kTrashHome / "Trash/files"))
        out.push_back(ReadFile(e.path()));
    }
    std::sort(out.begin(), out.end());
    return out;
  }

 private:
  std::string Entry(std::string path) const {
    const std::string content = *Read(path);
    if (path.starts_with(root_ + fs_->Rules().Separator())) path.erase(0, root_.size() + 1);
    std::replace(path.begin(), path.end(), fs_->Rules().Separator(), '/');
    return path + "=" + content;
  }

  std::optional<TempDir> dir_;
  FakeFileSystem* fake_ = nullptr;
  std::unique_ptr<FileSystem> fs_;
  std::string root_;
};

// A file list, its preview, the options and a scripted user over one world.
struct RenameRun {
  explicit RenameRun(World& world) : world(world), preview(world.Fs().Rules().FoldsCase()) {}

  World& world;
  TVrnFiles files;
  TVrnPrevFiles preview;
  TFiles options;  // files are left in their directory unless a case says otherwise
  ScriptedSession session;
  FixedClock clock{kUnixEpoch + 1'600'000'000ULL * kTicksPerSecond, 0};
  FormatSettings settings = EnglishFormatSettings();
  IdleStores idle;

  Services Planning() { return {world.Fs(), idle.Store, idle.Settings, clock, settings, session}; }

  // Lists the names with AddFile and plans every listed file with PreparePreview; the
  // session then records the run alone, with the answers it was given.
  void ListAndPlan(const Strings& names) {
    for (const std::string& name : names) AddFile(world.Fs(), files, world.At(name));
    PreparePreview(files, options, preview, Planning());
    ScriptedSession run;
    run.Answers = session.Answers;
    session = run;
  }
  // Lists `from` and plans it by hand to `to`, with its listed times and attributes.
  TVrnPrevFile& Plan(std::string_view from, std::string_view to, bool conflict = false) {
    EXPECT_TRUE(AddFile(world.Fs(), files, world.At(from))) << from;
    const TVrnFile& f = files.Items(files.Count() - 1);
    const SplitPath target = world.Fs().Rules().Split(world.At(to));
    TVrnPrevFile p = PrevEntry(files.Count() - 1, target.Path, target.Name, target.Ext);
    std::tie(p.Busy, p.Conflict, p.Size, p.Attr) = std::tuple(f.Busy, conflict, f.Size, f.Attr);
    std::tie(p.Created, p.Accessed, p.Written) = std::tuple(f.Created, f.Accessed, f.Written);
    preview.AddCopy(p);
    return preview.Items(preview.Count() - 1);
  }
  RenameReport Run() { return RenameFiles(files, preview, options, world.Fs(), session); }

  // The full path the file entry at `i` names now (without the dot the Windows rules
  // write for an empty extension).
  std::string EntryPath(int i) const {
    const TVrnFile& f = files.Items(i);
    std::string path = world.Fs().Rules().Join(f.Path(), f.Name(), f.Ext());
    if (f.Ext().empty() && path.ends_with('.')) path.pop_back();
    return path;
  }
};

// Names "f0001.txt" ... for shifts.
inline std::string Numbered(int n) {
  return "f" + std::to_string(10000 + n).substr(1) + ".txt";
}

// One run given as data. On disk: "name=content", "dir/" for a directory. Planned: "from>to"
// by hand (a conflict where the target is on disk), or a bare name listed and planned with
// the options as staged. The stage runs after the plans by hand and before planning; the
// user refuses every question unless it says otherwise. The end: every file in the world, the
// trash's contents, the questions asked, where each file entry points, and the report.
struct Scenario {
  std::string What;
  Strings Disk = {}, Planned = {};
  std::function<void(RenameRun&)> Stage = {};
  Strings After = {}, Trashed = {}, Asked = {}, Entries = {};
  RenameReport Report = {};
  std::function<void(RenameRun&)> Check = {};
};

// Runs a scenario in a world. Every run also shows its progress from start to finish, one
// step per entry it settled and a pump every ten entries, and asks only with the progress
// and the busy cursor out of the way, each kind of question with its caption and icon.
inline void Expect(const Scenario& c, World& world) {
  SCOPED_TRACE(c.What);
  RenameRun s(world);
  for (const std::string& d : c.Disk)
    world.Write(d.substr(0, d.find('=')), d.substr(d.find('=') + 1));
  Strings listed;
  for (const std::string& m : c.Planned) {
    const std::size_t gt = m.find('>');
    if (gt == std::string::npos)
      listed.push_back(m);
    else
      s.Plan(m.substr(0, gt), m.substr(gt + 1), world.Fs().Exists(world.At(m.substr(gt + 1))));
  }
  if (c.Stage) c.Stage(s);
  if (!listed.empty()) s.ListAndPlan(listed);
  const std::string start =
      "start:" + std::string(kRenamingLabel.Source) + ":" + std::to_string(s.preview.Count());
  const RenameReport r = s.Run();

  Strings after = c.After, asked;
  std::sort(after.begin(), after.end());
  EXPECT_EQ(world.Files(), after);
  EXPECT_EQ(world.Trashed(), c.Trashed);
  for (const AskedQuestion& q : s.session.Questions) {
    asked.push_back(q.Text);
    // A note with the program's title and OK alone, or a warning that can stop the run.
    const bool note = q.Kind == Buttons::Ok;
    EXPECT_EQ(q.Caption, note                                 ? kVarnokeCaption
                         : q.Text == kNameConflictText.Source ? kNameConflictCaption.Source
                                                              : kRenameFailedCaption.Source);
    EXPECT_EQ(q.Symbol, note ? Icon::None : Icon::Warning);
    // Enter on the conflict question keeps the file in the way.
    if (q.Text == kNameConflictText.Source) {
      EXPECT_EQ(q.Keeping, Answer::Cancel);
    }
  }
  EXPECT_EQ(asked, c.Asked);
  Strings entries, expected = c.Entries;
  for (int i = 0; i < s.files.Count(); ++i) entries.push_back(s.EntryPath(i));
  for (std::string& e : expected) e = world.At(e);
  EXPECT_EQ(entries, expected);
  const auto fields = [](const RenameReport& x) {
    return std::tuple(x.Changed, x.Unchanged, x.Failed, x.Stopped);
  };
  EXPECT_EQ(fields(r), fields(c.Report));

  const std::string question = "hide busy:0 ask show busy:1 ";
  std::string events;  // without the steps, and every question that let the run go on
  for (const std::string& e : s.session.Events)
    if (e != "step") events += (e.starts_with("ask:") ? "ask" : e) + " ";
  for (std::size_t at; (at = events.find(question)) != std::string::npos;)
    events.erase(at, question.size());
  // Also a run stopped at a question ends with the busy cursor switched off once.
  EXPECT_EQ(events, s.files.Count() == 0 ? "" : start + " busy:1 busy:0 finish ");
  EXPECT_EQ(s.session.Steps, r.Changed + r.Unchanged + r.Failed);
  EXPECT_EQ(s.session.Pumps, (s.session.Steps + r.Stopped) / 10);
  if (c.Check) c.Check(s);
}

// Runs a scenario in memory under the Linux rules, on a store that minds case and on one
// that ignores it.
inline void ExpectInMemory(const Scenario& c) {
  for (const bool folding : {false, true}) {
    SCOPED_TRACE(folding ? "store ignores case" : "store minds case");
    World world(FakeFileSystem::Style::Posix, folding);
    Expect(c, world);
  }
}

}  // namespace varnoke::testing
