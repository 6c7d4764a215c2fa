#include "engine/JournalKeeper.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "engine/JournalMessages.h"
#include "engine/JournalTrace.h"
#include "engine/RenameFiles.h"

namespace varnoke {
namespace {

constexpr int kMaxSuffix = 10'000;

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

JournalKeeper::JournalKeeper(JournalDirectory& journals, FileSystem& fs, Clock& clock,
                             const Translation& tr)
    : journals_(journals), fs_(fs), clock_(clock), tr_(tr) {}

std::unique_ptr<RunJournal> JournalKeeper::NewRun(std::string origin, const TFiles& options,
                                                  std::string workingDirectory) {
  Prune(kJournalsKept - 1);
  JournalHeader header;
  header.Started = clock_.NowUtc();
  header.Transport = options.Transport;
  header.DeleteOnConflict = options.Has(DeleteOnConflict);
  header.Origin = std::move(origin);
  header.Directory = std::move(workingDirectory);
  return std::make_unique<RunJournal>(journals_, std::move(header), tr_);
}

std::unique_ptr<JournalKeeper::Held> JournalKeeper::Take(const std::string& name,
                                                         JournalOutcome& outcome, bool preferNew) {
  auto held = std::make_unique<Held>();
  held->Name = name;
  held->File = journals_.Hold(name);
  if (!held->File) {
    const std::string refusal = journals_.Refusal(name);
    outcome.Problem = refusal.empty() ? JournalHeldMessage(tr_, journals_.Where() + "/" + name)
                                      : JournalRefusedMessage(tr_, refusal);
    return nullptr;
  }
  const FileBytes bytes = journals_.Read(name);
  JournalReading reading = ReadJournal(bytes.Bytes);
  if (bytes.Error || !reading.Run) {
    const std::string where = journals_.Where() + "/" + name;
    held->File.reset();
    journals_.Rename(name, name + ".bad");
    outcome.Problem = JournalUnreadableMessage(
        tr_, where, bytes.Error ? tr_.Text(kJournalCannotBeRead) : reading.Problem);
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
      outcome.Problem = JournalHeldMessage(tr_, journals_.Where() + "/" + other);
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
      problems.push_back(
          JournalUnreadableMessage(tr_, journals_.Where() + "/" + name,
                                   bytes.Error ? tr_.Text(kJournalCannotBeRead) : reading.Problem));
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
    outcome.Problem = NothingToRecoverMessage(tr_, name);
    return outcome;
  }
  outcome = way == RecoveryWay::Finish ? Forward(*held, session)
                                       : Reverse(*held, RunKind::Rollback, session);
  std::string mark;
  AppendRecoveredRecord(mark, way == RecoveryWay::Finish ? "finish" : "rollback");
  for (auto& [recovery, file] : held->Recoveries)
    if (!file->Append(mark) || !file->Flush())
      outcome.Messages.push_back(NotMarkedRecoveredMessage(tr_, recovery));
  if (!held->File->Append(mark) || !held->File->Flush())
    outcome.Messages.push_back(NotMarkedRecoveredMessage(tr_, name));
  return outcome;
}

JournalOutcome JournalKeeper::Undo(const std::string& name, Session& session) {
  JournalOutcome outcome;
  std::unique_ptr<Held> held = Take(name, outcome, false);
  if (!held) return outcome;
  if (!held->Run.Complete || !held->Run.UndoneBy.empty() || held->Run.Header.Kind != RunKind::Run) {
    outcome.Problem = NothingToUndoMessage(tr_, name);
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
                                Session& session, const Translation& tr, JournalOutcome& outcome,
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
  RunJournal journal(journals, std::move(header), tr);
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
void RemoveDuplicates(FileSystem& fs, const EntryTrace& e, const Translation& tr,
                      JournalOutcome& outcome) {
  if (e.Duplicates.empty()) return;
  const std::optional<FileInfo> kept = InfoOf(fs, e.At);
  for (const std::string& copy : e.Duplicates) {
    const std::optional<FileInfo> info = InfoOf(fs, copy);
    if (!kept || !info || info->Size != kept->Size || info->Times.Written != kept->Times.Written) {
      outcome.Messages.push_back(ChangedSinceRunMessage(tr, copy));
      ++outcome.LeftAsTheyWere;
    } else if (const FsStatus removed = fs.Delete(copy); !removed) {
      outcome.Messages.push_back(CopyNotRemovedMessage(tr, copy, removed.Reason()));
      ++outcome.LeftAsTheyWere;
    }
  }
}

// A copy the run made goes to the trash, once it is seen to be as the run left it (a copy
// the user changed since stays). Where there is no trash, a copy known as the run's own
// is removed: its source is still there.
void RemoveCopy(FileSystem& fs, const JournalEntry& entry, const EntryTrace& e, bool undo,
                const Translation& tr, JournalOutcome& outcome) {
  const std::string& copy = e.CopyAt.empty() ? entry.NewPath : e.CopyAt;
  if (!fs.Exists(copy)) return;  // an earlier recovery of the run removed it
  const FileTime written = e.TimesSet ? entry.NewTimes.Written : entry.OldTimes.Written;
  if (undo ? !Unchanged(fs, copy, entry.Size, written) : !AsTheRunLeftIt(fs, copy, entry)) {
    outcome.Messages.push_back(ChangedSinceRunMessage(tr, copy));
    ++outcome.LeftAsTheyWere;
    return;
  }
  FsStatus removed = fs.DeleteToTrash(copy);
  if (!removed && e.CopyCertain) removed = fs.Delete(copy);
  if (removed) {
    ++outcome.Reached;
  } else {
    outcome.Messages.push_back(CopyNotRemovedMessage(tr, copy, removed.Reason()));
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
    if (copies && e.CopyMade) RemoveCopy(fs_, entry, e, undo, tr_, outcome);
    if (e.At.empty()) {
      outcome.Messages.push_back(NotFoundMessage(tr_, entry.NewPath));
      ++outcome.LeftAsTheyWere;
      continue;
    }
    RemoveDuplicates(fs_, e, tr_, outcome);
    const bool moved = e.At != entry.OldPath;
    // A lost record cannot tell whether new times or attributes were set: the old ones
    // are given back wherever the run was to change them.
    const bool restamp = !copies && (e.TimesSet || e.AttrSet || entry.NewTimes != entry.OldTimes ||
                                     entry.NewAttr != entry.OldAttr);
    if (!moved && !restamp) continue;
    if (undo ? !Unchanged(fs_, e.At, entry.Size, nowTimes.Written)
             : moved && !AsTheRunLeftIt(fs_, e.At, entry)) {
      outcome.Messages.push_back(ChangedSinceRunMessage(tr_, e.At));
      ++outcome.LeftAsTheyWere;
      continue;
    }
    if (moved && !moving.count(entry.OldPath) && fs_.Exists(entry.OldPath)) {
      outcome.Messages.push_back(PlaceTakenMessage(tr_, e.At, entry.OldPath));
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
      RunJob(items, kTransportMove, false, kind, held.Name, journals_, fs_, clock_, session, tr_,
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
      outcome.Messages.push_back(TrashUnknownMessage(tr_, original));
      ++outcome.LeftAsTheyWere;
    } else if (fs_.Exists(original) && !fs_.Exists(trashedAt)) {
      ++outcome.Reached;  // an earlier recovery of the run brought it back
    } else if (fs_.Exists(original)) {
      outcome.Messages.push_back(PlaceTakenMessage(tr_, trashedAt, original));
      ++outcome.LeftAsTheyWere;
    } else if (const FsStatus back = fs_.RestoreFromTrash(trashedAt, original); !back) {
      outcome.Messages.push_back(NotRestoredMessage(tr_, original, back.Reason()));
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
      outcome.Messages.push_back(NotMarkedUndoneMessage(tr_, held.Name));
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
      outcome.Messages.push_back(NotFoundMessage(tr_, entry.OldPath));
      ++outcome.LeftAsTheyWere;
      continue;
    }
    RemoveDuplicates(fs_, e, tr_, outcome);
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
    // A copy an earlier rollback sent to the trash comes back rather than being made again.
    if (copies && !e.CopyTrashedAt.empty() && !fs_.Exists(entry.NewPath) &&
        fs_.RestoreFromTrash(e.CopyTrashedAt, entry.NewPath)) {
      ++outcome.Reached;
      continue;
    }
    if (!there && !moving.count(entry.NewPath) && fs_.Exists(entry.NewPath)) {
      if (!run.Header.DeleteOnConflict) {
        outcome.Messages.push_back(PlaceTakenMessage(tr_, e.At, entry.NewPath));
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
             journals_, fs_, clock_, session, tr_, outcome, journalName);
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
    const JournalEntry& entry = run.Entries[i];
    // A file under its own old name waits nowhere, whatever that name looks like.
    if (e.At.empty() || e.At == entry.OldPath || !IsTemporaryName(rules, e.At) || !fs_.Exists(e.At))
      continue;
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
      outcome.Messages.push_back(PlaceTakenMessage(tr_, e.At, entry.OldPath));
  }
  return outcome;
}

}  // namespace varnoke
