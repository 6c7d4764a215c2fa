#include "engine/JournalTrace.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "model/TFiles.h"

namespace varnoke {

bool IsTemporaryName(const PathRules& rules, std::string_view path) {
  const SplitPath parts = rules.Split(path);
  return parts.Ext == "tmp" && parts.Name.rfind(".varnoke-", 0) == 0;
}

std::optional<FileInfo> InfoOf(FileSystem& fs, std::string_view path) {
  if (auto file = fs.OpenExclusive(path, Access::Read)) return file->Query();
  return std::nullopt;
}

bool AsTheRunLeftIt(FileSystem& fs, std::string_view path, const JournalEntry& entry, bool itself) {
  const std::optional<FileInfo> info = InfoOf(fs, path);
  return info && info->Size == entry.Size &&
         (info->Times.Written == entry.OldTimes.Written ||
          info->Times.Written == entry.NewTimes.Written) &&
         (!itself || entry.OldTimes.Created == 0 || info->Times.Created == entry.OldTimes.Created);
}

namespace {

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

std::string DirectoryOf(const PathRules& rules, std::string_view path) {
  return rules.DisplayDirectory(rules.Split(path).Path);
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
    if (!ids.Copies[i].empty() && !t.Entries[i].CopyMade)
      directories.insert(DirectoryOf(rules, entry.NewPath));
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
  for (const TrashedByTheRun& f : t.Trashed)
    if (!f.TrashedAt.empty()) told.insert(f.TrashedAt);
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    const JournalEntry& entry = run.Entries[i];
    EntryTrace& e = t.Entries[i];
    if (entry.InTheWay) {
      auto it = trashed.find(entry.InTheWay);
      if (it != trashed.end() && !told.count(it->second)) {
        // A record that names the trashing without where the trash keeps the file is
        // completed; otherwise the trashing is one the records lost.
        auto known =
            std::find_if(t.Trashed.begin(), t.Trashed.end(), [&](const TrashedByTheRun& f) {
              return f.Original == entry.NewPath && f.TrashedAt.empty();
            });
        if (known != t.Trashed.end())
          known->TrashedAt = it->second;
        else
          t.Trashed.push_back({entry.NewPath, it->second});
        told.insert(it->second);
      }
    }
    if (!e.CopyMade)
      for (const FileId& id : ids.Copies[i])
        if (auto it = trashed.find(id);
            it != trashed.end() && AsTheRunLeftIt(fs, it->second, entry))
          e.CopyTrashedAt = it->second;
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
    // The run's copy of the file (copy mode), known by its own identity.
    for (const FileId& id : ids.Copies[i])
      if (auto it = found.find(id); it != found.end())
        for (const std::string& path : it->second)
          if (!claimed.count(path) && AsTheRunLeftIt(fs, path, entry) &&
              (e.CopyAt.empty() || !e.CopyCertain || path == entry.NewPath)) {
            e.CopyMade = e.CopyCertain = true;
            e.CopyAt = path;
          }
    // A copy known by what it is and found in none of the run's directories is gone (an
    // earlier rollback sent it to the trash): the records' word that it was made is old.
    bool copyHere = false;
    for (const FileId& id : ids.Copies[i]) copyHere = copyHere || found.count(id);
    if (!ids.Copies[i].empty() && !copyHere) {
      e.CopyMade = e.CopyCertain = false;
      e.CopyAt.clear();
    }
    if (e.CopyCertain) claimed.insert(e.CopyAt);
    std::vector<std::string> candidates;
    for (const FileId& id : ids.Own[i])
      if (auto it = found.find(id); it != found.end())
        for (const std::string& path : it->second)
          if (!claimed.count(path) && AsTheRunLeftIt(fs, path, entry, id == entry.Id))
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

}  // namespace

Trace TraceByRecords(const JournalRun& run,
                     const std::function<bool(const JournalChange&)>& happened) {
  Trace t;
  t.Entries.resize(run.Entries.size());
  for (std::size_t i = 0; i < run.Entries.size(); ++i) t.Entries[i].At = run.Entries[i].OldPath;
  for (const JournalChange& c : run.Changes) {
    if (!happened(c)) continue;
    if (c.Entry < 0) {  // a file that is no entry's: only ever one in the way
      if (c.Op == JournalOp::Trash) t.Trashed.push_back({c.From, c.TrashedAt});
      continue;
    }
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

Trace TraceRun(const JournalRun& run, const std::vector<JournalRun>& recoveries, bool preferNew,
               FileSystem& fs) {
  Trace t = TraceByRecords(run, [&](const JournalChange& c) { return Happened(c, fs); });
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

}  // namespace varnoke
