#pragma once
// The journal a run keeps while it changes the disk: its entries first, made durable
// before the first change, then a record before every change and one after it, each
// appended whole before the run goes on. Appends are flushed to disk in batches.
#include <memory>
#include <string>
#include <string_view>

#include "engine/JournalRecords.h"
#include "platform/FileSystem.h"
#include "platform/JournalFiles.h"
#include "platform/Translation.h"

namespace varnoke {

class RunJournal final : public NewFileWatch {
 public:
  // Creates a new journal in `directory`, named after the run's start; Open() tells
  // whether that worked. Its problems are told in the language of `tr`.
  RunJournal(JournalDirectory& directory, JournalHeader header, const Translation& tr);
  ~RunJournal() override;
  RunJournal(const RunJournal&) = delete;
  RunJournal& operator=(const RunJournal&) = delete;

  // False when no journal could be made; Problem() says why.
  bool Open() const { return file_ != nullptr; }
  const std::string& Name() const { return name_; }
  // Empty while all is well; otherwise why the journal is not (or no longer) kept.
  const std::string& Problem() const { return problem_; }

  // The entries, then Begin: after it they are on disk and changes may follow.
  void AddEntry(const JournalEntry& entry);
  void Begin();

  // Before a change: returns its number for After.
  long Before(JournalOp op, int entry, std::string_view from, std::string_view to);
  // After it: success, or the system's reason; where the trash keeps a trashed file.
  void After(long seq, const FsStatus& status, std::string_view trashedAt = {});
  // The run ended as reported; the journal is complete and flushed.
  void End(int changed, int failed);
  // A run with nothing to do leaves no journal.
  void Discard();

  // The change in progress (between Before and After) made a new file: a copy's
  // identity, recorded before the copy takes its name.
  void NewFile(const FileId& id) override;

 private:
  void Write(bool flush);
  void GiveUp();

  JournalDirectory& directory_;
  const Translation& tr_;
  std::unique_ptr<AppendFile> file_;
  std::string name_;
  std::string problem_;
  std::string buffer_;  // records not yet written
  int entries_ = 0;
  long nextSeq_ = 0;
  long changing_ = -1;  // the change between Before and After
  long writesSinceFlush_ = 0;
};

// A change on disk, recorded before and after it is made when there is a journal; a copy
// it makes (a copy, or a move to another file system) is recorded before it takes its
// name. A template, not a std::function: a hundred thousand changes make no allocation.
template <typename Change>
FsStatus RecordedChange(RunJournal* journal, FileSystem& fs, JournalOp op, int entry,
                        std::string_view from, std::string_view to, Change&& change) {
  if (!journal) return change();
  const long seq = journal->Before(op, entry, from, to);
  fs.WatchNewFiles(journal);
  const FsStatus status = change();
  fs.WatchNewFiles(nullptr);
  journal->After(seq, status);
  return status;
}

// A file sent to the trash, recorded with where the trash keeps it.
FsStatus RecordedTrash(RunJournal* journal, FileSystem& fs, JournalOp op, int entry,
                       std::string_view path);

// The file name of a journal of a run that started at `started` (UTC), the n-th try.
std::string JournalName(FileTime started, int attempt);

}  // namespace varnoke
