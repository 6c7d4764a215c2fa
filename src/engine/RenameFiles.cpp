#include "engine/RenameFiles.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "engine/PendingSources.h"
#include "engine/RenameMessages.h"
#include "model/Attributes.h"
#include "platform/SessionScopes.h"

namespace varnoke {

FsStatus MoveOrCopyFile(FileSystem& fs, std::uint8_t transport, std::string_view source,
                        std::string_view target) {
  return transport == kTransportCopy ? fs.CopyNoReplace(source, target)
                                     : fs.MoveNoReplace(source, target);
}

namespace {

// Tries for a free temporary or suffixed name before giving up on a directory.
constexpr int kMaxNameTries = 10'000;

// Where a file lies: directory (text shared between entries), name and extension.
struct Place {
  std::shared_ptr<const std::string> Path;
  std::string Name;
  std::string Ext;
};

Place PlaceOf(const TVrnFile& f) {
  return {f.SharedPath(), std::string(f.Name()), std::string(f.Ext())};
}
Place PlaceOf(const TVrnPrevFile& p) {
  return {p.SharedPath(), p.Name, p.Ext};
}

void Assign(TVrnFile& f, const Place& where) {
  f.SetSharedPath(where.Path);
  f.SetName(where.Name);
  f.SetExt(where.Ext);
}
void Assign(TVrnPrevFile& p, const Place& where) {
  p.SetSharedPath(where.Path);
  p.Name = where.Name;
  p.Ext = where.Ext;
}

class Run {
 public:
  Run(TVrnFiles& files, TVrnPrevFiles& preview, const TFiles& options, FileSystem& fs,
      Session& session, RunJournal* journal)
      : files_(files),
        preview_(preview),
        options_(options),
        fs_(fs),
        rules_(fs.Rules()),
        session_(session),
        journal_(journal && journal->Open() ? journal : nullptr),
        pending_(fs, preview.Count()) {}

  RenameReport Execute();

 private:
  enum class Outcome { Done, Unchanged, Failed, SourceTrashed, Stop };

  Outcome RenameOne(int i);
  Outcome Transfer(int i, TVrnPrevFile& p, TVrnFile& f, const std::string& source,
                   const std::string& target, const Place& old);
  Outcome SettleByDeleting(int i, TVrnPrevFile& p, TVrnFile& f, const std::string& source,
                           const std::string& target, const Place& old, bool plannedBusy);
  Outcome Vanished(int i, TVrnPrevFile& p, TVrnFile& f, const Place& old);
  Outcome Unmoved(int i, TVrnPrevFile& p, TVrnFile& f, const std::string& target, const Place& old,
                  const FsStatus& status);
  FsStatus Carry(int i, bool plannedBusy, std::string_view source, std::string_view target);
  bool MoveAside(int j);
  Place SettleAside(int i, const Place& original, const Place& planned);
  void SettleEveryAside();
  void GiveBack(int i, TVrnPrevFile& p, TVrnFile& f, const Place& old);
  // Whether there was anything to apply.
  bool ApplyTimesAndAttributes(int i, const TVrnPrevFile& p, const TVrnFile& f,
                               const std::string& target);
  void Note(std::string_view text);
  void RecordEntries();
  std::vector<FileId> IdentitiesOfSources();
  template <typename Change>
  FsStatus Recorded(JournalOp op, int entry, std::string_view from, std::string_view to,
                    Change&& change) {
    return RecordedChange(journal_, fs_, op, entry, from, to, std::forward<Change>(change));
  }
  FsStatus Move(JournalOp op, int entry, std::string_view from, std::string_view to) {
    return Recorded(op, entry, from, to, [&] { return fs_.MoveNoReplace(from, to); });
  }
  FsStatus Trash(JournalOp op, int entry, std::string_view path) {
    return RecordedTrash(journal_, fs_, op, entry, path);
  }

  TVrnFile* FileOf(const TVrnPrevFile& p) {
    if (p.FileIndex < 0 || p.FileIndex >= files_.Count()) return nullptr;
    return &files_.Items(p.FileIndex);
  }
  std::string Join(const Place& w) const {
    return rules_.Join(w.Path ? std::string_view(*w.Path) : std::string_view(), w.Name, w.Ext);
  }

  TVrnFiles& files_;
  TVrnPrevFiles& preview_;
  const TFiles& options_;
  FileSystem& fs_;
  const PathRules& rules_;
  Session& session_;
  RunJournal* journal_;
  PendingSources pending_;
  // Preview positions whose file was moved out of an earlier entry's way and waits
  // under a temporary name (its source in pending_).
  std::unordered_set<int> aside_;
  int tempCounter_ = 0;
  // Failures the user chose to go on after: target directory and reason.
  std::set<std::pair<std::string, int>> acceptedFailures_;
  RenameReport report_;
};

RenameReport Run::Execute() {
  // Nothing to record: no journal, which a later start would find empty.
  if (journal_ && (files_.Count() == 0 || preview_.Count() == 0)) {
    journal_->Discard();
    journal_ = nullptr;
  }
  if (files_.Count() == 0) return report_;
  ProgressScope progress(session_, session_.texts().Text(kRenamingLabel), preview_.Count());
  PumpEvery pump(session_, 10);
  preview_.Sort(0);

  // Every file of the run is a pending source until its own turn, also one that keeps
  // its name: an earlier file planned onto it moves it aside rather than trashing it.
  const TVrnPrevFiles& planned = preview_;
  for (int i = 0; i < planned.Count(); ++i)
    if (const TVrnFile* f = FileOf(planned.Items(i)))
      pending_.Add(i, rules_.Join(f->Path(), f->Name(), f->Ext()));
  RecordEntries();

  for (int i = 0; i < preview_.Count(); ++i) {
    pump(i);
    const Outcome outcome = RenameOne(i);
    if (outcome == Outcome::Stop) {
      report_.Stopped = true;
      SettleEveryAside();
      break;
    }
    ++(outcome == Outcome::Done        ? report_.Changed
       : outcome == Outcome::Unchanged ? report_.Unchanged
                                       : report_.Failed);
    session_.step();
  }
  if (journal_) {
    journal_->End(report_.Changed, report_.Failed);
    if (!journal_->Problem().empty()) Note(journal_->Problem());
  }
  return report_;
}

void Run::RecordEntries() {
  if (!journal_) return;
  const TVrnPrevFiles& planned = preview_;
  const std::vector<FileId> ids = IdentitiesOfSources();
  JournalEntry e;
  for (int i = 0; i < planned.Count(); ++i) {
    const TVrnPrevFile& p = planned.Items(i);
    if (const TVrnFile* f = FileOf(p)) {
      e.OldPath = pending_.Source(i);
      e.NewPath = rules_.Join(p.Path(), p.Name, p.Ext);
      e.Size = f->Size;
      e.OldAttr = f->Attr;
      e.OldTimes = {f->Created, f->Accessed, f->Written};
      e.NewAttr = p.Attr;
      e.NewTimes = {p.Created, p.Accessed, p.Written};
      e.Id = ids[static_cast<std::size_t>(i)];
      // A file planned in the way may go to the trash: recovery knows it there by this.
      e.InTheWay = p.Conflict ? fs_.IdOf(e.NewPath).value_or(FileId()) : FileId();
    } else {
      e = JournalEntry();  // nothing to go by: never changed
    }
    journal_->AddEntry(e);
  }
  journal_->Begin();
  if (!journal_->Problem().empty()) {
    Note(journal_->Problem());
    journal_ = nullptr;
  }
}

// What each entry's file is right before the run, so that recovery finds it under any
// name the run may give it. A directory with many files of the run is read once (the
// identities come with the names); a few files are asked one by one.
std::vector<FileId> Run::IdentitiesOfSources() {
  constexpr std::size_t kReadWholeFrom = 64;
  std::vector<FileId> ids(static_cast<std::size_t>(preview_.Count()));
  // Entry positions by the directory of their source (the text up to its last separator).
  std::unordered_map<std::string_view, std::vector<int>> byDirectory;
  for (int i = 0; i < preview_.Count(); ++i) {
    if (!FileOf(preview_.Items(i))) continue;
    const std::string& source = pending_.Source(i);
    const std::size_t cut = source.rfind(rules_.Separator());
    byDirectory[std::string_view(source).substr(0, cut == std::string::npos ? 0 : cut)].push_back(
        i);
  }
  for (const auto& [directory, entries] : byDirectory) {
    std::unordered_map<std::string, FileId> listed;
    if (entries.size() >= kReadWholeFrom) {
      listed.reserve(entries.size());
      fs_.EnumerateIds(rules_.DisplayDirectory(directory),
                       [&](std::string_view name, const FileId& id) { listed.emplace(name, id); });
    }
    for (int i : entries) {
      const std::string& source = pending_.Source(i);
      const std::size_t cut = source.rfind(rules_.Separator());
      const std::string name = source.substr(cut == std::string::npos ? 0 : cut + 1);
      if (auto it = listed.find(name); it != listed.end())
        ids[static_cast<std::size_t>(i)] = it->second;
      else if (const std::optional<FileId> id = fs_.IdOf(source))
        ids[static_cast<std::size_t>(i)] = *id;
    }
  }
  return ids;
}

Run::Outcome Run::RenameOne(int i) {
  TVrnPrevFile& p = preview_.Items(i);
  TVrnFile* f = FileOf(p);
  if (!f) return Outcome::Failed;  // the list changed since planning: nothing to go by
  const std::string target = rules_.Join(p.Path(), p.Name, p.Ext);
  // Stays valid through this turn: only pending entries are ever moved aside.
  const std::string& source = pending_.Source(i);
  pending_.Remove(i);
  if (source != target) {
    const Place old = PlaceOf(*f);
    Assign(*f, PlaceOf(p));  // from here on the list shows the new name
    const Outcome outcome = Transfer(i, p, *f, source, target, old);
    if (outcome != Outcome::Done) return outcome;
    // A copy leaves its source: a source that waited aside goes back or beside its old name.
    if (aside_.count(i)) {
      if (options_.Transport == kTransportCopy)
        SettleAside(i, old, PlaceOf(p));
      else
        aside_.erase(i);
    }
  }
  const bool applied = !p.Busy && ApplyTimesAndAttributes(i, p, *f, target);
  return source != target || applied ? Outcome::Done : Outcome::Unchanged;
}

Run::Outcome Run::Transfer(int i, TVrnPrevFile& p, TVrnFile& f, const std::string& source,
                           const std::string& target, const Place& old) {
  const bool plannedBusy = p.Busy;
  // A later file of this run in the way steps aside instead of being deleted; one that is
  // still to be copied stays where it is, and the copy is asked about as for any file there.
  const int waiting = pending_.Find(target);
  if (waiting >= 0 && options_.Transport == kTransportCopy)
    return Unmoved(i, p, f, target, old, FsStatus::Failure(std::errc::file_exists));
  if (waiting >= 0 && !MoveAside(waiting) && fs_.Exists(target)) {
    Note(session_.texts().Text(kRenameBusyText));
    GiveBack(i, p, f, old);
    p.Busy = true;
    return Outcome::Failed;
  }
  if (p.Conflict && options_.Has(DeleteOnConflict))
    return SettleByDeleting(i, p, f, source, target, old, plannedBusy);
  const FsStatus carried = Carry(i, plannedBusy, source, target);
  if (carried) return Outcome::Done;
  // Why the move failed decides what the user is asked, if anything.
  if (!fs_.Exists(source)) return Vanished(i, p, f, old);
  if (plannedBusy) {
    Note(session_.texts().Text(kRenameBusyText));
    GiveBack(i, p, f, old);
    return Outcome::Failed;
  }
  if (!fs_.Exists(target)) return Unmoved(i, p, f, target, old, carried);
  // A file really stands in the way: the user decides whether it goes to the trash.
  if (AskAside(session_, session_.texts().Text(kNameConflictText),
               session_.texts().Text(kNameConflictCaption), Buttons::OkCancel, Icon::Warning,
               Answer::Cancel) == Answer::Cancel) {
    GiveBack(i, p, f, old);  // the file was not renamed: the list must not say so
    return Outcome::Stop;
  }
  return SettleByDeleting(i, p, f, source, target, old, plannedBusy);
}

Run::Outcome Run::SettleByDeleting(int i, TVrnPrevFile& p, TVrnFile& f, const std::string& source,
                                   const std::string& target, const Place& old, bool plannedBusy) {
  p.Busy = false;
  // Nothing goes to the trash for a file that is no longer there to take its place.
  if (!fs_.Exists(source)) return Vanished(i, p, f, old);
  FsStatus carried;
  if (!fs_.Exists(target) || fs_.SameFile(source, target)) {
    carried = Carry(i, plannedBusy, source, target);
  } else if (const FsStatus inTheWay = Trash(JournalOp::Trash, i, target)) {
    carried = Carry(i, plannedBusy, source, target);
  } else if (options_.Transport == kTransportCopy) {
    // The file being copied is never trashed in place of the file in the way.
    return Unmoved(i, p, f, target, old, FsStatus::Failure(std::errc::file_exists));
  } else if (const FsStatus own = Trash(JournalOp::TrashSource, i, source)) {
    // The file being renamed is in the trash; the file in the way stays as it was, and
    // the entry must not name that other file as its own.
    aside_.erase(i);
    GiveBack(i, p, f, old);
    return Outcome::SourceTrashed;
  } else {
    Note(NeitherDeletedMessage(session_.texts(), target, inTheWay.Reason(), Join(old),
                               own.Reason()));
    GiveBack(i, p, f, old);
    p.Busy = true;
    return Outcome::Failed;
  }
  if (carried) return Outcome::Done;
  // The retry after the deletion failed: the file is still where it was.
  if (!fs_.Exists(source)) return Vanished(i, p, f, old);
  return Unmoved(i, p, f, target, old, carried);
}

Run::Outcome Run::Vanished(int i, TVrnPrevFile& p, TVrnFile& f, const Place& old) {
  Note(VanishedMessage(session_.texts(), Join(old)));
  GiveBack(i, p, f, old);
  return Outcome::Failed;
}

// A move or copy that failed with no file in the way: the user learns the reason once
// per reason and target directory, so a run bound for a missing directory costs one
// answer, not one per file.
Run::Outcome Run::Unmoved(int i, TVrnPrevFile& p, TVrnFile& f, const std::string& target,
                          const Place& old, const FsStatus& status) {
  std::pair<std::string, int> cause{std::string(p.Path()), status.Error()};
  GiveBack(i, p, f, old);
  if (acceptedFailures_.count(cause)) return Outcome::Failed;
  const std::string text = RenameFailedMessage(
      session_.texts(), options_.Transport == kTransportCopy, Join(old), target, status.Reason());
  if (AskAside(session_, text, session_.texts().Text(kRenameFailedCaption), Buttons::OkCancel,
               Icon::Warning) == Answer::Cancel)
    return Outcome::Stop;
  acceptedFailures_.insert(std::move(cause));
  return Outcome::Failed;
}

// A file planned busy is moved only once nothing holds it any more: Linux would rename
// a file that another program has open or locked.
FsStatus Run::Carry(int i, bool plannedBusy, std::string_view source, std::string_view target) {
  if (plannedBusy && fs_.IsBusy(source, Access::Read))
    return FsStatus::Failure(std::errc::device_or_resource_busy);
  const bool copy = options_.Transport == kTransportCopy;
  // The journal names the entry's own old and planned paths by leaving them out.
  return Recorded(copy ? JournalOp::Copy : JournalOp::Move, i,
                  aside_.count(i) ? source : std::string_view(), {},
                  [&] { return MoveOrCopyFile(fs_, options_.Transport, source, target); });
}

bool Run::MoveAside(int j) {
  const TVrnPrevFiles& planned = preview_;
  const TVrnPrevFile& p = planned.Items(j);
  const TVrnFile* f = FileOf(p);
  if (!f) return false;
  const std::string source = pending_.Source(j);
  if (p.Busy && fs_.IsBusy(source, Access::Read)) return false;
  for (int tries = 0; tries < kMaxNameTries; ++tries) {
    std::string temp = rules_.Join(f->Path(), ".varnoke-" + std::to_string(++tempCounter_), "tmp");
    if (Move(JournalOp::Aside, j, source, temp)) {
      pending_.MoveTo(j, std::move(temp));
      aside_.insert(j);
      return true;
    }
    if (!fs_.Exists(temp)) return false;  // not a taken name: the move itself fails
  }
  return false;
}

// Takes the file of entry i from its temporary name: back to its old name, else on to
// its planned one (not for a copy, whose source stays a source), else beside its old
// name with a "#n" suffix. Returns where it is now.
Place Run::SettleAside(int i, const Place& original, const Place& planned) {
  const std::string temp = pending_.Source(i);
  aside_.erase(i);
  if (Move(JournalOp::Settle, i, temp, Join(original))) return original;
  if (options_.Transport != kTransportCopy && Move(JournalOp::Settle, i, temp, Join(planned)))
    return planned;
  for (int n = 1; n <= kMaxNameTries; ++n) {
    Place beside{original.Path, original.Name + "#" + std::to_string(n), original.Ext};
    const std::string path = Join(beside);
    if (Move(JournalOp::Settle, i, temp, path)) return beside;
    if (!fs_.Exists(path)) break;
  }
  // Nowhere to go: the entry names the temporary file, so the list still finds it.
  SplitPath left = rules_.Split(temp);
  return {std::make_shared<const std::string>(std::move(left.Path)), std::move(left.Name),
          std::move(left.Ext)};
}

// After a stop: every file still waiting aside goes back or on, and its entry says where.
void Run::SettleEveryAside() {
  std::vector<int> waiting(aside_.begin(), aside_.end());
  std::sort(waiting.begin(), waiting.end());
  for (int j : waiting) {
    TVrnPrevFile& p = preview_.Items(j);
    TVrnFile* f = FileOf(p);
    if (!f) continue;
    Assign(*f, SettleAside(j, PlaceOf(*f), PlaceOf(p)));
  }
}

// The rename did not happen: the entry and its file entry name the file where it is.
void Run::GiveBack(int i, TVrnPrevFile& p, TVrnFile& f, const Place& old) {
  const Place where = aside_.count(i) ? SettleAside(i, old, PlaceOf(p)) : old;
  Assign(f, where);
  Assign(p, where);
}

bool Run::ApplyTimesAndAttributes(int i, const TVrnPrevFile& p, const TVrnFile& f,
                                  const std::string& target) {
  const bool times = p.Created != f.Created || p.Accessed != f.Accessed || p.Written != f.Written;
  const bool attributes = p.Attr != f.Attr;
  auto setTimes = [&] {
    Recorded(JournalOp::Times, i, target, {}, [&] {
      auto held = fs_.OpenExclusive(target, Access::ReadWrite);
      return held && held->SetTimes(&p.Created, &p.Accessed, &p.Written)
                 ? FsStatus()
                 : FsStatus::Failure(std::errc::permission_denied);
    });
  };
  auto setAttributes = [&] {
    Recorded(JournalOp::Attributes, i, target, {}, [&] {
      return fs_.SetAttributes(target, p.Attr) ? FsStatus()
                                               : FsStatus::Failure(std::errc::permission_denied);
    });
  };
  // Times need the file open for writing: a file that the same plan makes writable
  // again is made so first, else its new times would be refused.
  const bool writableFirst =
      attributes && (f.Attr & kAttrReadOnly) != 0 && (p.Attr & kAttrReadOnly) == 0;
  if (attributes && writableFirst) setAttributes();
  if (times) setTimes();
  if (attributes && !writableFirst) setAttributes();
  return times || attributes;
}

void Run::Note(std::string_view text) {
  varnoke::Note(session_, text, kVarnokeCaption);
}

}  // namespace

RenameReport RenameFiles(TVrnFiles& files, TVrnPrevFiles& preview, const TFiles& options,
                         FileSystem& fs, Session& session, RunJournal* journal) {
  return Run(files, preview, options, fs, session, journal).Execute();
}

}  // namespace varnoke
