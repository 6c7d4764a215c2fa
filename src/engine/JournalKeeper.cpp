#include "engine/JournalKeeper.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "engine/JournalMessages.h"
#include "engine/RenameFiles.h"

namespace varnoke {
namespace {

constexpr int kMaxSuffix = 10'000;

// Where the files of a journaled run are now, as its records and the disk tell.
struct EntryTrace {
  std::string At;  // empty: the file went to the trash (TrashedAt) or cannot be found
  std::string TrashedAt;
  bool InTrash = false;
  bool CopyMade = false;
  bool CopyCertain = false;  // the copy is known as the run's own, not only by its name
  std::string CopyAt;        // a copy: where it is (its planned place unless found elsewhere)
  bool TimesSet = false;
  bool AttrSet = false;
  // Whole copies of the file that a move to another file system cut short left beside it.
  std::vector<std::string> Duplicates;
};

struct TrashedFile {
  std::string Original;
  std::string TrashedAt;
};

struct Trace {
  std::vector<EntryTrace> Entries;
  std::vector<TrashedFile> Trashed;  // files that stood in the way, oldest first
};

// A change whose record after it is missing happened or not as the disk shows.
bool Happened(const JournalChange& c, FileSystem& fs) {
  if (c.State != ChangeState::Unknown) return c.State == ChangeState::Done;
  switch (c.Op) {
    case JournalOp::Move:
    case JournalOp::Aside:
    case JournalOp::Settle:
      return !fs.Exists(c.From) && fs.Exists(c.To);
    case JournalOp::Copy:
      return fs.Exists(c.To);
    case JournalOp::Trash:
    case JournalOp::TrashSource:
      return !fs.Exists(c.From);
    case JournalOp::Times:
    case JournalOp::Attributes:
      return true;  // setting them again, or back, does no harm
  }
  return false;
}

bool IsTemporaryName(const PathRules& rules, std::string_view path) {
  const SplitPath parts = rules.Split(path);
  return parts.Ext == "tmp" && parts.Name.rfind(".varnoke-", 0) == 0;
}

struct FileIdHash {
  std::size_t operator()(const FileId& id) const {
    return std::hash<std::uint64_t>()(id.Inode * 0x9E3779B97F4A7C15ULL ^ id.Device);
  }
};

// What identifies each entry's file (its own identity and those of the copies that
// moves to another file system made of it) and the run's copies of it, gathered from
// the run's journal and from the journals of its recoveries cut short.
struct Identities {
  std::vector<std::vector<FileId>> Own;
  std::vector<std::vector<FileId>> Copies;
  std::unordered_map<FileId, int, FileIdHash> EntryOf;  // every identity of the run's files

  explicit Identities(const JournalRun& run) : Own(run.Entries.size()), Copies(run.Entries.size()) {
    for (std::size_t i = 0; i < run.Entries.size(); ++i)
      if (run.Entries[i].Id) Add(Own, static_cast<int>(i), run.Entries[i].Id);
    Take(run, nullptr);
  }
  // A recovery's entry k is the file of the run's entry that has its identity.
  void TakeRecovery(const JournalRun& recovery) {
    std::vector<int> of(recovery.Entries.size(), -1);
    for (std::size_t k = 0; k < recovery.Entries.size(); ++k)
      if (auto it = EntryOf.find(recovery.Entries[k].Id);
          recovery.Entries[k].Id && it != EntryOf.end())
        of[k] = it->second;
    Take(recovery, &of);
  }
  bool Known() const { return !EntryOf.empty(); }

 private:
  void Add(std::vector<std::vector<FileId>>& to, int entry, const FileId& id) {
    to[static_cast<std::size_t>(entry)].push_back(id);
    EntryOf.emplace(id, entry);
  }
  void Take(const JournalRun& run, const std::vector<int>* of) {
    for (const JournalChange& c : run.Changes) {
      if (!c.Made || c.Entry < 0) continue;
      const int entry = of ? (*of)[static_cast<std::size_t>(c.Entry)] : c.Entry;
      if (entry < 0) continue;
      Add(c.Op == JournalOp::Copy ? Copies : Own, entry, c.Made);
    }
  }
};

// What the file at `path` is now; nullopt when it cannot be read.
std::optional<FileInfo> InfoOf(FileSystem& fs, std::string_view path) {
  if (auto file = fs.OpenExclusive(path, Access::Read)) return file->Query();
  return std::nullopt;
}

// Whether the file at `path` may be as the run left it: its size, and the last-write time
// it had before the run or the one the run gave it (which of them a lost record cannot tell).
bool AsTheRunLeftIt(FileSystem& fs, std::string_view path, const JournalEntry& entry) {
  const std::optional<FileInfo> info = InfoOf(fs, path);
  return info && info->Size == entry.Size &&
         (info->Times.Written == entry.OldTimes.Written ||
          info->Times.Written == entry.NewTimes.Written);
}

std::string DirectoryOf(const PathRules& rules, std::string_view path) {
  return rules.DisplayDirectory(rules.Split(path).Path);
}

// The records' account: where each change that happened took the file.
Trace TraceByRecords(const JournalRun& run, FileSystem& fs) {
  Trace t;
  t.Entries.resize(run.Entries.size());
  for (std::size_t i = 0; i < run.Entries.size(); ++i) t.Entries[i].At = run.Entries[i].OldPath;
  for (const JournalChange& c : run.Changes) {
    if (c.Entry < 0 || !Happened(c, fs)) continue;
    EntryTrace& e = t.Entries[static_cast<std::size_t>(c.Entry)];
    switch (c.Op) {
      case JournalOp::Move:
      case JournalOp::Aside:
      case JournalOp::Settle:
        e.At = c.To;
        break;
      case JournalOp::Copy:
        e.CopyMade = true;
        e.CopyCertain = c.State == ChangeState::Done;
        e.CopyAt = c.To;
        break;
      case JournalOp::Trash:
        t.Trashed.push_back({c.From, c.TrashedAt});
        break;
      case JournalOp::TrashSource:
        e.InTrash = true;
        e.TrashedAt = c.TrashedAt;
        e.At.clear();
        break;
      case JournalOp::Times:
        e.TimesSet = true;
        break;
      case JournalOp::Attributes:
        e.AttrSet = true;
        break;
    }
  }
  return t;
}

// A file not found by what it is (an older journal, or files copied since with new
// identities) that is not where the records say is looked for under the other names the
// run gave it. `unresolved`: the entries to look for; all when empty.
// `known`: paths that hold files found by what they are, none of them these entries'.
void FindByNames(const JournalRun& run, Trace& t, FileSystem& fs,
                 const std::vector<bool>& unresolved = {},
                 const std::unordered_set<std::string>& known = {}) {
  std::unordered_set<std::string> held = known;
  std::vector<std::size_t> lost;
  for (std::size_t i = 0; i < t.Entries.size(); ++i) {
    EntryTrace& e = t.Entries[i];
    const bool look = unresolved.empty() || unresolved[i];
    if (e.At.empty() || (look && run.Entries[i].OldPath.empty())) continue;
    if (!look || (!known.count(e.At) && fs.Exists(e.At)))
      held.insert(e.At);
    else
      lost.push_back(i);
  }
  for (const std::size_t i : lost) {
    EntryTrace& e = t.Entries[i];
    std::vector<std::string> names = {run.Entries[i].OldPath, run.Entries[i].NewPath};
    for (const JournalChange& c : run.Changes)
      if (c.Entry == static_cast<int>(i) && !c.To.empty()) names.push_back(c.To);
    e.At.clear();
    for (const std::string& name : names)
      if (!held.count(name) && fs.Exists(name)) {
        e.At = name;
        held.insert(name);
        break;
      }
  }
}

// A copy the records do not tell of (a power cut) that stands at its planned place, is
// none of the files the run knows, and has the size and time the run gave it, is taken as
// the run's, though not for certain: it may go to the trash, never away for good. A file
// that stood in the way there is no copy.
void FindCopiesByPlace(const JournalRun& run, const Identities& ids, Trace& t, FileSystem& fs) {
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    const JournalEntry& entry = run.Entries[i];
    EntryTrace& e = t.Entries[i];
    if (entry.OldPath.empty() || e.CopyCertain) continue;
    const std::optional<FileId> there = fs.IdOf(entry.NewPath);
    const bool copy = there && !ids.EntryOf.count(*there) &&
                      !(entry.InTheWay && *there == entry.InTheWay) &&
                      AsTheRunLeftIt(fs, entry.NewPath, entry);
    e.CopyMade = copy;
    e.CopyAt = copy ? entry.NewPath : std::string();
  }
}

// A move to another file system copies, then removes the source. Where a power cut lost
// the record of the copy and the source is still there, a file at the planned place on
// the other file system that no record accounts for and that holds the very bytes of the
// source is that copy: one of the two goes, as a duplicate.
void FindUnrecordedMoveCopies(const JournalRun& run, const Identities& ids, bool preferNew,
                              Trace& t, FileSystem& fs) {
  const PathRules& rules = fs.Rules();
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    const JournalEntry& entry = run.Entries[i];
    EntryTrace& e = t.Entries[i];
    if (!entry.Id || e.At != entry.OldPath || !e.Duplicates.empty()) continue;
    const std::optional<FileId> there = fs.IdOf(entry.NewPath);
    const std::optional<FileId> targetDirectory = fs.IdOf(DirectoryOf(rules, entry.NewPath));
    if (!there || ids.EntryOf.count(*there) || (entry.InTheWay && *there == entry.InTheWay) ||
        !targetDirectory || targetDirectory->Device == entry.Id.Device ||
        !AsTheRunLeftIt(fs, entry.NewPath, entry) || !fs.SameContent(entry.OldPath, entry.NewPath))
      continue;
    e.At = preferNew ? entry.NewPath : entry.OldPath;
    e.Duplicates.push_back(preferNew ? entry.OldPath : entry.NewPath);
  }
}

// Files the run sent to the trash whose records a power cut lost: a file planned in the
// way, and an entry's own file found nowhere else, are looked for in the trash by what
// they are.
void FindInTrash(const JournalRun& run, const Identities& ids, std::vector<bool>& unresolved,
                 Trace& t, FileSystem& fs) {
  const PathRules& rules = fs.Rules();
  std::unordered_set<std::string> directories;
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    const JournalEntry& entry = run.Entries[i];
    if (entry.InTheWay) directories.insert(DirectoryOf(rules, entry.NewPath));
    if (unresolved[i] && !ids.Own[i].empty()) directories.insert(DirectoryOf(rules, entry.OldPath));
  }
  if (directories.empty()) return;
  std::unordered_set<std::string> folders;
  for (const std::string& directory : directories)
    for (std::string& folder : fs.TrashFolders(directory)) folders.insert(std::move(folder));
  std::unordered_map<FileId, std::string, FileIdHash> trashed;
  for (const std::string& folder : folders)
    fs.EnumerateIds(folder, [&](std::string_view name, const FileId& id) {
      trashed.emplace(id, folder + rules.Separator() + std::string(name));
    });
  std::unordered_set<std::string> told;
  for (const TrashedFile& f : t.Trashed)
    if (!f.TrashedAt.empty()) told.insert(f.TrashedAt);
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    const JournalEntry& entry = run.Entries[i];
    EntryTrace& e = t.Entries[i];
    if (entry.InTheWay) {
      auto it = trashed.find(entry.InTheWay);
      if (it != trashed.end() && !told.count(it->second)) {
        // A record that names the trashing without where the trash keeps the file is
        // completed; otherwise the trashing is one the records lost.
        auto known = std::find_if(t.Trashed.begin(), t.Trashed.end(), [&](const TrashedFile& f) {
          return f.Original == entry.NewPath && f.TrashedAt.empty();
        });
        if (known != t.Trashed.end())
          known->TrashedAt = it->second;
        else
          t.Trashed.push_back({entry.NewPath, it->second});
        told.insert(it->second);
      }
    }
    if (!unresolved[i]) continue;
    for (const FileId& id : ids.Own[i])
      if (auto it = trashed.find(id);
          it != trashed.end() && AsTheRunLeftIt(fs, it->second, entry)) {
        e.InTrash = true;
        e.TrashedAt = it->second;
        e.At.clear();
        unresolved[i] = false;
        break;
      }
  }
}

// The disk has the last word: each file is found by what it is, wherever the run, a
// recovery of it, or a change whose record a power cut lost, took it in the directories
// the run worked in. Where a file stands under several names (a move to another file
// system cut short between its copy and the removal of its source), the name the
// recovery goes for (`preferNew`: the planned one, else the old one) is taken, and the
// others are whole copies of it.
// Returns the entries not found so, which the names are left to tell.
// `known` gets every path found to hold a file of the run.
std::vector<bool> FindByIdentity(const JournalRun& run, const Identities& ids, bool preferNew,
                                 Trace& t, FileSystem& fs, std::unordered_set<std::string>& known) {
  std::vector<bool> unresolved(run.Entries.size(), false);
  const PathRules& rules = fs.Rules();
  std::unordered_set<std::string> directories;
  for (const JournalEntry& e : run.Entries) {
    if (e.OldPath.empty()) continue;
    directories.insert(DirectoryOf(rules, e.OldPath));
    directories.insert(DirectoryOf(rules, e.NewPath));
  }
  // Paths of every file of the run, by identity.
  std::unordered_map<FileId, std::vector<std::string>, FileIdHash> found;
  std::unordered_map<std::string, FileId> idAt;
  for (const std::string& directory : directories) {
    const std::string base = directory.empty() || directory.back() == rules.Separator()
                                 ? directory
                                 : directory + rules.Separator();
    fs.EnumerateIds(directory, [&](std::string_view name, const FileId& id) {
      if (!ids.EntryOf.count(id)) return;
      std::string path = base + std::string(name);
      idAt.emplace(path, id);
      found[id].push_back(std::move(path));
    });
  }
  std::unordered_set<std::string> claimed;
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    const JournalEntry& entry = run.Entries[i];
    EntryTrace& e = t.Entries[i];
    if (entry.OldPath.empty()) continue;
    // An identity is a file's only with its size and time: a number the system gave
    // again to another file after this one was removed is not it.
    auto isThisFile = [&](const std::string& path) { return AsTheRunLeftIt(fs, path, entry); };
    // The file itself, renamed, also keeps its creation time where the system keeps one.
    auto isTheFileItself = [&](const std::string& path) {
      const std::optional<FileInfo> info = InfoOf(fs, path);
      return info && info->Size == entry.Size &&
             (info->Times.Written == entry.OldTimes.Written ||
              info->Times.Written == entry.NewTimes.Written) &&
             (entry.OldTimes.Created == 0 || info->Times.Created == entry.OldTimes.Created);
    };
    // The run's copy of the file (copy mode), known by its own identity.
    for (const FileId& id : ids.Copies[i])
      if (auto it = found.find(id); it != found.end())
        for (const std::string& path : it->second)
          if (!claimed.count(path) && isThisFile(path) &&
              (e.CopyAt.empty() || !e.CopyCertain || path == entry.NewPath)) {
            e.CopyMade = e.CopyCertain = true;
            e.CopyAt = path;
          }
    if (e.CopyCertain) claimed.insert(e.CopyAt);
    std::vector<std::string> candidates;
    for (const FileId& id : ids.Own[i])
      if (auto it = found.find(id); it != found.end())
        for (const std::string& path : it->second)
          if (!claimed.count(path) && (id == entry.Id ? isTheFileItself(path) : isThisFile(path)))
            candidates.push_back(path);
    if (candidates.empty()) {
      // In the trash if the records say so; else the names tell, but a name that holds a
      // file the run knows by another identity is not this file's.
      unresolved[i] = true;
      continue;
    }
    auto rank = [&](const std::string& path) {
      const std::string& first = preferNew ? entry.NewPath : entry.OldPath;
      const std::string& second = preferNew ? entry.OldPath : entry.NewPath;
      if (path == first) return 0;
      if (path == second) return 1;
      if (path == e.At) return 2;
      if (IsTemporaryName(rules, path)) return 3;
      return 4;
    };
    const std::string primary = *std::min_element(
        candidates.begin(), candidates.end(),
        [&](const std::string& a, const std::string& b) { return rank(a) < rank(b); });
    const FileId primaryId = idAt.at(primary);
    e.At = primary;
    e.InTrash = false;  // found: an earlier recovery brought it back
    claimed.insert(primary);
    // Another name of the same file is a link the user made, not a copy to remove.
    for (const std::string& path : candidates)
      if (path != primary && !(idAt.at(path) == primaryId)) {
        e.Duplicates.push_back(path);
        claimed.insert(path);
      }
  }
  if (run.Header.Transport == kTransportCopy) FindCopiesByPlace(run, ids, t, fs);
  if (run.Header.Transport == kTransportMove) FindUnrecordedMoveCopies(run, ids, preferNew, t, fs);
  FindInTrash(run, ids, unresolved, t, fs);
  known = std::move(claimed);
  return unresolved;
}

// Where every file of the run is now. `recoveries`: the journals of recoveries of this
// run that were cut short, oldest first.
Trace TraceRun(const JournalRun& run, const std::vector<JournalRun>& recoveries, bool preferNew,
               FileSystem& fs) {
  Trace t = TraceByRecords(run, fs);
  Identities ids(run);
  for (const JournalRun& recovery : recoveries) ids.TakeRecovery(recovery);
  if (!ids.Known()) {
    FindByNames(run, t, fs);
    return t;
  }
  std::unordered_set<std::string> known;
  const std::vector<bool> unresolved = FindByIdentity(run, ids, preferNew, t, fs, known);
  FindByNames(run, t, fs, unresolved, known);
  return t;
}

// One file of a job: from where it is to where it goes, with its times and attributes.
struct JobItem {
  int Entry = -1;
  std::string From;
  std::string To;
  std::uint64_t Size = 0;
  FileTimes FromTimes, ToTimes;
  std::uint32_t FromAttr = 0, ToAttr = 0;
  bool Conflict = false;
};

// Notes become messages of the outcome; every question gets the answer that changes
// nothing, so recovery and undo never ask.
class ReportingSession final : public Session {
 public:
  ReportingSession(Session& ui, std::vector<std::string>& messages)
      : ui_(ui), messages_(messages) {}
  void pump() override { ui_.pump(); }
  void start(std::string_view label, int max) override { ui_.start(label, max); }
  void step() override { ui_.step(); }
  void hide() override { ui_.hide(); }
  void show() override { ui_.show(); }
  void finish() override { ui_.finish(); }
  void busyCursor(bool on) override { ui_.busyCursor(on); }
  Answer ask(std::string_view text, std::string_view, Buttons buttons, Icon) override {
    messages_.emplace_back(text);
    return SafeAnswer(buttons);
  }

 private:
  Session& ui_;
  std::vector<std::string>& messages_;
};

// What the ends of a journal tell (see GlanceAtJournal).
std::optional<JournalGlance> Glance(JournalDirectory& journals, const std::string& name) {
  constexpr std::size_t kHead = 1 << 16;
  constexpr std::size_t kTail = 1 << 12;
  const std::optional<std::uint64_t> size = journals.SizeOf(name);
  if (!size) return std::nullopt;
  if (*size <= kHead) {
    const FileBytes whole = journals.Read(name);
    if (whole.Error) return std::nullopt;
    return GlanceAtJournal(whole.Bytes, whole.Bytes);
  }
  const FileBytes head = journals.ReadPart(name, 0, kHead);
  const FileBytes tail = journals.ReadPart(name, *size - kTail, kTail);
  if (head.Error || tail.Error) return std::nullopt;
  return GlanceAtJournal(head.Bytes, tail.Bytes);
}

bool IsRecoveryOfAJournal(const JournalGlance& glance) {
  return glance.Header.Kind == RunKind::Rollback || glance.Header.Kind == RunKind::Finish;
}

}  // namespace

struct JournalKeeper::Held {
  std::string Name;
  std::unique_ptr<AppendFile> File;
  JournalRun Run;
  Trace Where;
  // Recoveries of this run that were cut short, held while this one is recovered.
  std::vector<std::pair<std::string, std::unique_ptr<AppendFile>>> Recoveries;
};

JournalKeeper::JournalKeeper(JournalDirectory& journals, FileSystem& fs, Clock& clock)
    : journals_(journals), fs_(fs), clock_(clock) {}

std::unique_ptr<RunJournal> JournalKeeper::NewRun(std::string origin, const TFiles& options,
                                                  std::string workingDirectory) {
  Prune(kJournalsKept - 1);
  JournalHeader header;
  header.Started = clock_.NowUtc();
  header.Transport = options.Transport;
  header.DeleteOnConflict = options.Has(DeleteOnConflict);
  header.Origin = std::move(origin);
  header.Directory = std::move(workingDirectory);
  return std::make_unique<RunJournal>(journals_, std::move(header));
}

std::unique_ptr<JournalKeeper::Held> JournalKeeper::Take(const std::string& name,
                                                         JournalOutcome& outcome, bool preferNew) {
  auto held = std::make_unique<Held>();
  held->Name = name;
  held->File = journals_.Hold(name);
  if (!held->File) {
    const std::string refusal = journals_.Refusal(name);
    outcome.Problem = refusal.empty() ? JournalHeldMessage(journals_.Where() + "/" + name)
                                      : JournalRefusedMessage(refusal);
    return nullptr;
  }
  const FileBytes bytes = journals_.Read(name);
  JournalReading reading = ReadJournal(bytes.Bytes);
  if (bytes.Error || !reading.Run) {
    const std::string where = journals_.Where() + "/" + name;
    held->File.reset();
    journals_.Rename(name, name + ".bad");
    outcome.Problem =
        JournalUnreadableMessage(where, bytes.Error ? "it cannot be read" : reading.Problem);
    return nullptr;
  }
  held->Run = std::move(*reading.Run);
  MakePathsFull(held->Run, fs_.Rules());
  // An earlier recovery of this run that was itself cut short moved files too: what
  // its journal tells of them counts, and it is settled with this one.
  std::vector<JournalRun> recoveries;
  for (const std::string& other : journals_.Names()) {
    const std::optional<JournalGlance> glance = Glance(journals_, other);
    if (!glance || glance->Header.Of != name || glance->Settled() ||
        (glance->Header.Kind != RunKind::Rollback && glance->Header.Kind != RunKind::Finish))
      continue;
    std::unique_ptr<AppendFile> hold = journals_.Hold(other);
    if (!hold) {
      outcome.Problem = JournalHeldMessage(journals_.Where() + "/" + other);
      return nullptr;
    }
    JournalReading recovery = ReadJournal(journals_.Read(other).Bytes);
    if (!recovery.Run) continue;  // nothing of it can be told; the disk still can
    MakePathsFull(*recovery.Run, fs_.Rules());
    recoveries.push_back(std::move(*recovery.Run));
    held->Recoveries.emplace_back(other, std::move(hold));
  }
  held->Where = TraceRun(held->Run, recoveries, preferNew, fs_);
  return held;
}

std::vector<RunSummary> JournalKeeper::Unfinished(std::vector<std::string>& problems) {
  std::vector<RunSummary> found;
  for (const std::string& name : journals_.Names()) {
    // A settled run is told by the journal's ends; only the others are read whole.
    // A recovery cut short is settled with the run it recovers, never on its own.
    if (const std::optional<JournalGlance> glance = Glance(journals_, name);
        glance && (glance->Settled() || IsRecoveryOfAJournal(*glance)))
      continue;
    std::unique_ptr<AppendFile> hold = journals_.Hold(name);
    if (!hold) continue;  // a live run's journal
    const FileBytes bytes = journals_.Read(name);
    JournalReading reading = ReadJournal(bytes.Bytes);
    if (bytes.Error || !reading.Run) {
      hold.reset();
      journals_.Rename(name, name + ".bad");
      problems.push_back(JournalUnreadableMessage(
          journals_.Where() + "/" + name, bytes.Error ? "it cannot be read" : reading.Problem));
      continue;
    }
    const JournalRun& run = *reading.Run;
    if (!run.Begun) {
      // Cut short before its first change: there is nothing to finish or undo.
      hold.reset();
      journals_.Remove(name);
      continue;
    }
    if (run.Complete || !run.RecoveredAs.empty() || run.GivenUp) continue;
    found.push_back({name, run.Header, static_cast<int>(run.Entries.size()), ChangedFiles(run)});
  }
  return found;
}

std::vector<RunSummary> JournalKeeper::History(int limit) {
  std::vector<RunSummary> runs;
  std::vector<std::string> names = journals_.Names();
  for (auto it = names.rbegin(); it != names.rend() && static_cast<int>(runs.size()) < limit;
       ++it) {
    const std::optional<JournalGlance> glance = Glance(journals_, *it);
    if (!glance || !glance->Complete || glance->Header.Kind != RunKind::Run ||
        !glance->UndoneBy.empty() || glance->Changed == 0)
      continue;
    runs.push_back({*it, glance->Header, glance->Entries, glance->Changed});
  }
  return runs;
}

void JournalKeeper::Prune(int keep) {
  std::vector<std::string> names = journals_.Names();
  int kept = 0;
  for (auto it = names.rbegin(); it != names.rend(); ++it) {
    if (kept < keep) {
      ++kept;
      continue;
    }
    // A run cut short stays until it is recovered; a damaged journal is kept aside.
    const std::optional<JournalGlance> glance = Glance(journals_, *it);
    if (!glance || !glance->Settled()) continue;
    std::unique_ptr<AppendFile> hold = journals_.Hold(*it);
    if (hold) {
      hold.reset();
      journals_.Remove(*it);
    }
  }
}

JournalOutcome JournalKeeper::Recover(const std::string& name, RecoveryWay way, Session& session) {
  JournalOutcome outcome;
  std::unique_ptr<Held> held = Take(name, outcome, way == RecoveryWay::Finish);
  if (!held) return outcome;
  if (held->Run.Complete || !held->Run.RecoveredAs.empty() || held->Run.GivenUp) {
    outcome.Problem = "The run journal " + name + " is of a complete renaming; nothing to recover.";
    return outcome;
  }
  outcome = way == RecoveryWay::Finish ? Forward(*held, session)
                                       : Reverse(*held, RunKind::Rollback, session);
  std::string mark;
  AppendRecoveredRecord(mark, way == RecoveryWay::Finish ? "finish" : "rollback");
  for (auto& [recovery, file] : held->Recoveries)
    if (!file->Append(mark) || !file->Flush())
      outcome.Messages.push_back("The run journal " + recovery +
                                 " could not be marked as recovered.");
  if (!held->File->Append(mark) || !held->File->Flush())
    outcome.Messages.push_back("The run journal " + name + " could not be marked as recovered.");
  return outcome;
}

JournalOutcome JournalKeeper::Undo(const std::string& name, Session& session) {
  JournalOutcome outcome;
  std::unique_ptr<Held> held = Take(name, outcome, false);
  if (!held) return outcome;
  if (!held->Run.Complete || !held->Run.UndoneBy.empty() || held->Run.Header.Kind != RunKind::Run) {
    outcome.Problem = "The run journal " + name + " is of no complete renaming to undo.";
    return outcome;
  }
  return Reverse(*held, RunKind::Undo, session);
}

namespace {

// Carries out the items with the renaming run itself (which steps files of the job out
// of each other's way and never overwrites), journaled as `kind` of journal `of`.
// Returns where each item's file is afterwards.
std::vector<std::string> RunJob(const std::vector<JobItem>& items, std::uint8_t transport,
                                bool deleteOnConflict, RunKind kind, const std::string& of,
                                JournalDirectory& journals, FileSystem& fs, Clock& clock,
                                Session& session, JournalOutcome& outcome,
                                std::string& journalName) {
  std::vector<std::string> where;
  if (items.empty()) return where;
  const PathRules& rules = fs.Rules();
  TVrnFiles files;
  TVrnPrevFiles preview(rules.FoldsCase());
  preview.Reserve(static_cast<int>(items.size()));
  for (std::size_t k = 0; k < items.size(); ++k) {
    const JobItem& item = items[k];
    const SplitPath from = rules.Split(item.From);
    files.AddEntry(false, from.Path, from.Name, from.Ext, item.Size, item.FromAttr,
                   item.FromTimes.Created, item.FromTimes.Accessed, item.FromTimes.Written);
    const SplitPath to = rules.Split(item.To);
    TVrnPrevFile p;
    p.FileIndex = static_cast<std::int32_t>(k);
    p.SetPath(to.Path);
    p.Name = to.Name;
    p.Ext = to.Ext;
    p.Size = item.Size;
    p.Attr = item.ToAttr;
    p.Created = item.ToTimes.Created;
    p.Accessed = item.ToTimes.Accessed;
    p.Written = item.ToTimes.Written;
    p.Conflict = item.Conflict;
    preview.AddCopy(p);
  }
  TFiles options;
  options.Transport = transport;
  options.Set(DeleteOnConflict, deleteOnConflict);
  JournalHeader header;
  header.Started = clock.NowUtc();
  header.Kind = kind;
  header.Transport = transport;
  header.DeleteOnConflict = deleteOnConflict;
  header.Origin = std::string(RunKindName(kind)) + " of " + of;
  header.Of = of;
  RunJournal journal(journals, std::move(header));
  if (!journal.Open()) outcome.Messages.push_back(journal.Problem());
  journalName = journal.Name();
  ReportingSession quiet(session, outcome.Messages);
  RenameFiles(files, preview, options, fs, quiet, &journal);
  for (int k = 0; k < files.Count(); ++k) {
    const TVrnFile& f = files.Items(k);
    where.push_back(rules.Join(f.Path(), f.Name(), f.Ext()));
  }
  return where;
}

// Whether the file at `path` is still as the run left it.
bool Unchanged(FileSystem& fs, std::string_view path, std::uint64_t size, FileTime written) {
  const std::optional<FileInfo> info = InfoOf(fs, path);
  return info && info->Size == size && info->Times.Written == written;
}

// The whole copies a move to another file system left beside the file it moved (cut
// short between the copy and the removal of its source) go, once each is seen to be the
// same as the file that stays; one that differs stays, with a message.
void RemoveDuplicates(FileSystem& fs, const EntryTrace& e, JournalOutcome& outcome) {
  if (e.Duplicates.empty()) return;
  const std::optional<FileInfo> kept = InfoOf(fs, e.At);
  for (const std::string& copy : e.Duplicates) {
    const std::optional<FileInfo> info = InfoOf(fs, copy);
    if (!kept || !info || info->Size != kept->Size || info->Times.Written != kept->Times.Written) {
      outcome.Messages.push_back(ChangedSinceRunMessage(copy));
      ++outcome.LeftAsTheyWere;
    } else if (const FsStatus removed = fs.Delete(copy); !removed) {
      outcome.Messages.push_back(CopyNotRemovedMessage(copy, removed.Reason()));
      ++outcome.LeftAsTheyWere;
    }
  }
}

// A copy the run made goes to the trash, once it is seen to be as the run left it (a copy
// the user changed since stays). Where there is no trash, a copy known as the run's own
// is removed: its source is still there.
void RemoveCopy(FileSystem& fs, const JournalEntry& entry, const EntryTrace& e, bool undo,
                JournalOutcome& outcome) {
  const std::string& copy = e.CopyAt.empty() ? entry.NewPath : e.CopyAt;
  if (!fs.Exists(copy)) return;  // an earlier recovery of the run removed it
  const FileTime written = e.TimesSet ? entry.NewTimes.Written : entry.OldTimes.Written;
  if (undo ? !Unchanged(fs, copy, entry.Size, written) : !AsTheRunLeftIt(fs, copy, entry)) {
    outcome.Messages.push_back(ChangedSinceRunMessage(copy));
    ++outcome.LeftAsTheyWere;
    return;
  }
  FsStatus removed = fs.DeleteToTrash(copy);
  if (!removed && e.CopyCertain) removed = fs.Delete(copy);
  if (removed) {
    ++outcome.Reached;
  } else {
    outcome.Messages.push_back(CopyNotRemovedMessage(copy, removed.Reason()));
    ++outcome.LeftAsTheyWere;
  }
}

}  // namespace

// Rolling back or undoing: every file goes back to its old name with its old times
// and attributes, copies are removed, trashed files come back.
JournalOutcome JournalKeeper::Reverse(Held& held, RunKind kind, Session& session) {
  JournalOutcome outcome;
  const JournalRun& run = held.Run;
  const bool undo = kind == RunKind::Undo;
  const bool copies = run.Header.Transport == kTransportCopy;
  // A complete run's records tell every change it made: a file it did not change (one
  // that had vanished, or kept its name) has nothing to give back and is not named.
  const std::vector<bool> changed = ChangedEntries(run);
  std::vector<JobItem> items;
  std::unordered_set<std::string> moving;  // files of the job: never "in the way"
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    const EntryTrace& e = held.Where.Entries[i];
    if (!e.At.empty()) moving.insert(e.At);
  }
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    const JournalEntry& entry = run.Entries[i];
    const EntryTrace& e = held.Where.Entries[i];
    if (entry.OldPath.empty() || e.InTrash || (undo && !changed[i])) continue;
    const FileTimes nowTimes = e.TimesSet ? entry.NewTimes : entry.OldTimes;
    const std::uint32_t nowAttr = e.AttrSet ? entry.NewAttr : entry.OldAttr;
    if (copies && e.CopyMade) RemoveCopy(fs_, entry, e, undo, outcome);
    if (e.At.empty()) {
      outcome.Messages.push_back(NotFoundMessage(entry.NewPath));
      ++outcome.LeftAsTheyWere;
      continue;
    }
    RemoveDuplicates(fs_, e, outcome);
    const bool moved = e.At != entry.OldPath;
    // A lost record cannot tell whether new times or attributes were set: the old ones
    // are given back wherever the run was to change them.
    const bool restamp = !copies && (e.TimesSet || e.AttrSet || entry.NewTimes != entry.OldTimes ||
                                     entry.NewAttr != entry.OldAttr);
    if (!moved && !restamp) continue;
    if (undo ? !Unchanged(fs_, e.At, entry.Size, nowTimes.Written)
             : moved && !AsTheRunLeftIt(fs_, e.At, entry)) {
      outcome.Messages.push_back(ChangedSinceRunMessage(e.At));
      ++outcome.LeftAsTheyWere;
      continue;
    }
    if (moved && !moving.count(entry.OldPath) && fs_.Exists(entry.OldPath)) {
      outcome.Messages.push_back(PlaceTakenMessage(e.At, entry.OldPath));
      ++outcome.LeftAsTheyWere;
      continue;
    }
    JobItem item;
    item.Entry = static_cast<int>(i);
    item.From = e.At;
    item.To = entry.OldPath;
    item.Size = entry.Size;
    item.FromTimes = undo || copies ? nowTimes : entry.NewTimes;
    item.ToTimes = copies ? nowTimes : entry.OldTimes;
    item.FromAttr = undo || copies ? nowAttr : entry.NewAttr;
    item.ToAttr = copies ? nowAttr : entry.OldAttr;
    items.push_back(std::move(item));
  }
  std::string journalName;
  const std::vector<std::string> where =
      RunJob(items, kTransportMove, false, kind, held.Name, journals_, fs_, clock_, session,
             outcome, journalName);
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (where[k] != items[k].From) outcome.Moved.emplace_back(items[k].From, where[k]);
    if (where[k] == items[k].To)
      ++outcome.Reached;
    else
      ++outcome.LeftAsTheyWere;
  }
  // Files of the run that went to the trash come back once their places are free again.
  auto restore = [&](const std::string& original, const std::string& trashedAt) {
    if (trashedAt.empty()) {
      outcome.Messages.push_back(TrashUnknownMessage(original));
      ++outcome.LeftAsTheyWere;
    } else if (fs_.Exists(original) && !fs_.Exists(trashedAt)) {
      ++outcome.Reached;  // an earlier recovery of the run brought it back
    } else if (fs_.Exists(original)) {
      outcome.Messages.push_back(PlaceTakenMessage(trashedAt, original));
      ++outcome.LeftAsTheyWere;
    } else if (const FsStatus back = fs_.RestoreFromTrash(trashedAt, original); !back) {
      outcome.Messages.push_back(NotRestoredMessage(original, back.Reason()));
      ++outcome.LeftAsTheyWere;
    } else {
      ++outcome.Reached;
    }
  };
  for (std::size_t i = 0; i < run.Entries.size(); ++i)
    if (held.Where.Entries[i].InTrash)
      restore(run.Entries[i].OldPath, held.Where.Entries[i].TrashedAt);
  for (auto it = held.Where.Trashed.rbegin(); it != held.Where.Trashed.rend(); ++it)
    restore(it->Original, it->TrashedAt);
  if (undo) {
    std::string mark;
    AppendUndoneRecord(mark, journalName.empty() ? std::string("-") : journalName);
    if (!held.File->Append(mark) || !held.File->Flush())
      outcome.Messages.push_back("The run journal " + held.Name +
                                 " could not be marked as undone.");
  }
  return outcome;
}

// Finishing a run cut short: every file not yet at its planned place goes there (a
// place another file holds is settled as the run would have: the trash when the run
// was to send files in the way there, otherwise the file stays), then no file is left
// under a temporary name.
JournalOutcome JournalKeeper::Forward(Held& held, Session& session) {
  JournalOutcome outcome;
  const JournalRun& run = held.Run;
  const bool copies = run.Header.Transport == kTransportCopy;
  std::unordered_set<std::string> moving;
  for (const EntryTrace& e : held.Where.Entries)
    if (!e.At.empty()) moving.insert(e.At);
  std::vector<JobItem> items;
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    const JournalEntry& entry = run.Entries[i];
    EntryTrace& e = held.Where.Entries[i];
    if (entry.OldPath.empty() || e.InTrash) continue;
    if (e.At.empty()) {
      outcome.Messages.push_back(NotFoundMessage(entry.OldPath));
      ++outcome.LeftAsTheyWere;
      continue;
    }
    RemoveDuplicates(fs_, e, outcome);
    const bool there = copies ? e.CopyMade : e.At == entry.NewPath;
    // Set again wherever the run was to change them: a lost record, or a rollback cut
    // short, may have left the old ones.
    const bool restamp = entry.NewTimes != entry.OldTimes;
    const bool reattribute = entry.NewAttr != entry.OldAttr;
    if (there && !restamp && !reattribute) continue;
    JobItem item;
    item.Entry = static_cast<int>(i);
    item.From = e.At;
    item.To = there && !copies ? e.At : entry.NewPath;
    if (there && copies) continue;  // a whole copy took the planned times with it
    if (!there && !moving.count(entry.NewPath) && fs_.Exists(entry.NewPath)) {
      if (!run.Header.DeleteOnConflict) {
        outcome.Messages.push_back(PlaceTakenMessage(e.At, entry.NewPath));
        ++outcome.LeftAsTheyWere;
        continue;
      }
      item.Conflict = true;
    }
    item.Size = entry.Size;
    item.FromTimes = entry.OldTimes;
    item.ToTimes = entry.NewTimes;
    item.FromAttr = entry.OldAttr;
    item.ToAttr = entry.NewAttr;
    items.push_back(std::move(item));
  }
  std::string journalName;
  const std::vector<std::string> where =
      RunJob(items, run.Header.Transport, run.Header.DeleteOnConflict, RunKind::Finish, held.Name,
             journals_, fs_, clock_, session, outcome, journalName);
  for (std::size_t k = 0; k < items.size(); ++k) {
    EntryTrace& e = held.Where.Entries[static_cast<std::size_t>(items[k].Entry)];
    if (!copies) e.At = where[k];
    if (where[k] != items[k].From) outcome.Moved.emplace_back(items[k].From, where[k]);
    if (copies || where[k] == items[k].To)
      ++outcome.Reached;
    else
      ++outcome.LeftAsTheyWere;
  }
  // No file stays under a temporary name: back to its old name, else on to its planned
  // one, else beside its old name with a "#n" suffix.
  const PathRules& rules = fs_.Rules();
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    EntryTrace& e = held.Where.Entries[i];
    if (e.At.empty() || !IsTemporaryName(rules, e.At) || !fs_.Exists(e.At)) continue;
    const JournalEntry& entry = run.Entries[i];
    std::vector<std::string> places = {entry.OldPath};
    if (!copies) places.push_back(entry.NewPath);
    const SplitPath old = rules.Split(entry.OldPath);
    for (int n = 1; n <= kMaxSuffix; ++n)
      places.push_back(rules.Join(old.Path, old.Name + "#" + std::to_string(n), old.Ext));
    for (const std::string& place : places) {
      if (fs_.MoveNoReplace(e.At, place)) {
        // Each file once, from where it was before the recovery: a file the job above
        // left under this temporary name came from elsewhere.
        const auto earlier = std::find_if(outcome.Moved.begin(), outcome.Moved.end(),
                                          [&](const auto& m) { return m.second == e.At; });
        if (earlier == outcome.Moved.end())
          outcome.Moved.emplace_back(e.At, place);
        else if (earlier->first == place)
          outcome.Moved.erase(earlier);
        else
          earlier->second = place;
        e.At = place;
        break;
      }
      if (!fs_.Exists(place)) break;  // not a taken name: the move itself fails
    }
    if (IsTemporaryName(rules, e.At))
      outcome.Messages.push_back(PlaceTakenMessage(e.At, entry.OldPath));
  }
  return outcome;
}

}  // namespace varnoke
