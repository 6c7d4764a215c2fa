#include "engine/RunJournal.h"

#include <cstdio>

#include "engine/JournalMessages.h"

namespace varnoke {
namespace {

// Entries are written in blocks of about this size; they all reach the disk before
// the first change.
constexpr std::size_t kEntryBlock = 1 << 20;
// Writes between two flushes to disk: a power cut loses at most the last batch.
// Each flush also commits the file system's pending changes (the renames so far), which
// costs the most; a power cut loses at most the records since the last one, and
// recovery then asks the disk.
constexpr long kFlushEvery = 65536;
constexpr int kNameTries = 100;

}  // namespace

std::string JournalName(FileTime started, int attempt) {
  const SystemTime t = FileTimeToSystemTime(started).value_or(SystemTime{});
  char name[64];
  std::snprintf(name, sizeof name, "run-%04u%02u%02u-%02u%02u%02u-%03u", unsigned{t.Year},
                unsigned{t.Month}, unsigned{t.Day}, unsigned{t.Hour}, unsigned{t.Minute},
                unsigned{t.Second}, unsigned{t.Milliseconds});
  std::string text = name;
  if (attempt > 0) text += "-" + std::to_string(attempt);
  return text + ".vnj";
}

RunJournal::RunJournal(JournalDirectory& directory, JournalHeader header, const Translation& tr)
    : directory_(directory), tr_(tr) {
  IoError error;
  for (int attempt = 0; attempt < kNameTries && !file_; ++attempt) {
    name_ = JournalName(header.Started, attempt);
    file_ = directory_.Create(name_, error);
    if (!file_ && error.Code != EEXIST) break;
  }
  if (!file_) {
    problem_ =
        JournalNotMadeProblem(tr_, directory_.Where(), FsStatus::Failure(error.Code).Reason());
    name_.clear();
    return;
  }
  // The header goes in at once: a journal that runs out of space later still tells
  // whose it is, and that it was given up.
  AppendHeaderRecords(buffer_, header);
  Write(false);
}

RunJournal::~RunJournal() = default;

void RunJournal::AddEntry(const JournalEntry& entry) {
  if (!file_) return;
  AppendEntryRecord(buffer_, entries_++, entry);
  if (buffer_.size() >= kEntryBlock) Write(false);
}

void RunJournal::Begin() {
  if (!file_) return;
  AppendBeginRecord(buffer_, entries_);
  Write(true);
}

long RunJournal::Before(JournalOp op, int entry, std::string_view from, std::string_view to) {
  const long seq = nextSeq_++;
  if (!file_) return seq;
  JournalChange change;
  change.Op = op;
  change.Entry = entry;
  change.From = from;
  change.To = to;
  AppendChangeRecord(buffer_, seq, change);
  Write(++writesSinceFlush_ >= kFlushEvery);
  changing_ = seq;
  return seq;
}

void RunJournal::NewFile(const FileId& id) {
  if (!file_ || changing_ < 0) return;
  AppendMadeRecord(buffer_, changing_, id);
  Write(false);
}

void RunJournal::After(long seq, const FsStatus& status, std::string_view trashedAt) {
  changing_ = -1;
  if (!file_) return;
  AppendOutcomeRecord(buffer_, seq, status.Error(), trashedAt);
  Write(false);
}

void RunJournal::End(int changed, int failed) {
  if (!file_) return;
  AppendEndRecord(buffer_, changed, failed, entries_);
  Write(true);
}

FsStatus RecordedTrash(RunJournal* journal, FileSystem& fs, JournalOp op, int entry,
                       std::string_view path) {
  std::string trashedAt;
  if (!journal) return fs.TrashAndLocate(path, trashedAt);
  const long seq = journal->Before(op, entry, path, {});
  const FsStatus status = fs.TrashAndLocate(path, trashedAt);
  journal->After(seq, status, trashedAt);
  return status;
}

void RunJournal::Discard() {
  if (!file_) return;
  file_.reset();
  directory_.Remove(name_);
  buffer_.clear();
}

void RunJournal::Write(bool flush) {
  if (!file_ || buffer_.empty()) return;
  bool ok = file_->Append(buffer_);
  buffer_.clear();
  if (ok && flush) {
    ok = file_->Flush();
    writesSinceFlush_ = 0;
  }
  if (!ok) GiveUp();
}

// A journal that cannot be written on any more is marked so, and never offered as a
// run cut short: its records end before the run's changes do. Where not even the mark
// fits, the journal is set aside under a name no program reads as a journal.
void RunJournal::GiveUp() {
  problem_ = JournalGivenUpProblem(tr_, directory_.Where() + "/" + name_);
  std::string mark;
  AppendGivenUpRecord(mark);
  const bool marked = file_->AppendLast(mark) && file_->Flush();
  file_.reset();
  if (!marked && !directory_.Rename(name_, name_ + ".given-up")) directory_.Remove(name_);
}

}  // namespace varnoke
