#pragma once
// The run journal's records: what a run is about to change and what became of it, as
// lines of tab-separated fields (a backslash escapes a tab, a line end or itself in a
// path, so any name round-trips). docs/journal.md describes the format.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/FileTime.h"
#include "platform/FileSystem.h"

namespace varnoke {

// Version 2 adds what identifies each file (its entries' and its copies'), so that
// recovery finds a file under any name the run gave it; version 1 is still read.
inline constexpr int kJournalVersion = 2;
inline constexpr std::string_view kJournalMagic = "varnoke-journal";

// What a journaled run was: a renaming of its own, or the undoing, rolling back or
// finishing of an earlier one (named in JournalHeader::Of).
enum class RunKind { Run, Undo, Rollback, Finish };

// The changes a run makes on disk.
enum class JournalOp {
  Move,         // the entry's file to its planned place (a rename or a move)
  Copy,         // a copy of the entry's file to its planned place
  Aside,        // a file of the run, in an earlier entry's way, to a temporary name
  Settle,       // a file from its temporary name to where it stays
  Trash,        // the file standing at a planned place to the trash
  TrashSource,  // the entry's own file to the trash (the file in the way could not go)
  Times,        // planned times set on the file at From
  Attributes,   // planned attributes set on the file at From
};

struct JournalHeader {
  FileTime Started = 0;  // UTC
  RunKind Kind = RunKind::Run;
  std::uint8_t Transport = 0;
  bool DeleteOnConflict = false;
  std::string Origin;     // who ran it: the command line or the window
  std::string Of;         // for an undo, rollback or finishing: the journal it acts on
  std::string Directory;  // the working directory that relative paths of the run start from
};

struct JournalEntry {
  std::string OldPath;
  std::string NewPath;
  std::uint64_t Size = 0;
  std::uint32_t OldAttr = 0;
  std::uint32_t NewAttr = 0;
  FileTimes OldTimes;
  FileTimes NewTimes;
  FileId Id;  // what the file was right before the run; not known in older journals
  // What the file standing at the planned place was, where planning found one there.
  FileId InTheWay;
};

enum class ChangeState { Unknown, Done, Failed };

struct JournalChange {
  JournalOp Op = JournalOp::Move;
  int Entry = -1;  // -1: a file that is no entry of the run (a file in the way)
  std::string From;
  std::string To;
  ChangeState State = ChangeState::Unknown;  // Unknown: the run ended before it said
  int Error = 0;
  std::string TrashedAt;  // Trash, TrashSource: where the trash keeps the file
  FileId Made;            // Move, Copy: the new file a copy made, recorded before it had its name
};

struct JournalRun {
  JournalHeader Header;
  std::vector<JournalEntry> Entries;
  bool Begun = false;  // every entry is recorded; changes may follow
  std::vector<JournalChange> Changes;
  bool Complete = false;
  int Changed = 0;
  int Failed = 0;
  std::string UndoneBy;     // the journal of the run that undid this one
  std::string RecoveredAs;  // "finish" or "rollback" after a recovery
  bool GivenUp = false;     // the journal could not be written on: the run went on without it
};

// Writing: each function appends whole lines to `out`.
void AppendHeaderRecords(std::string& out, const JournalHeader& header);
void AppendEntryRecord(std::string& out, int index, const JournalEntry& entry);
void AppendBeginRecord(std::string& out, int entries);
void AppendChangeRecord(std::string& out, long seq, const JournalChange& change);
void AppendOutcomeRecord(std::string& out, long seq, int error, std::string_view trashedAt);
void AppendEndRecord(std::string& out, int changed, int failed, int entries);
void AppendUndoneRecord(std::string& out, std::string_view by);
void AppendRecoveredRecord(std::string& out, std::string_view how);
void AppendMadeRecord(std::string& out, long seq, const FileId& made);
void AppendGivenUpRecord(std::string& out);

struct JournalReading {
  std::optional<JournalRun> Run;  // nullopt: Problem says why
  std::string Problem;            // "damaged at line N: ..." or "not a journal of this program"
};

// Reads a whole journal. A last line without its line end is a write cut short by a
// crash and is ignored; anything else that is not a record of this version makes the
// journal damaged, and it is never acted on.
JournalReading ReadJournal(std::string_view bytes);

// What the beginning and the end of a journal tell without reading the rest: enough to
// list and prune runs. Acting on a run always reads the whole journal.
struct JournalGlance {
  JournalHeader Header;
  bool Complete = false;
  int Entries = 0;
  int Changed = 0;
  std::string UndoneBy;
  std::string RecoveredAs;
  bool GivenUp = false;
  // Nothing is left to do: complete, recovered, or given up.
  bool Settled() const { return Complete || !RecoveredAs.empty() || GivenUp; }
};
// `head`: the journal's first bytes (its first two lines at least); `tail`: its last
// bytes (all of them for a small journal). nullopt when the head is no journal's.
std::optional<JournalGlance> GlanceAtJournal(std::string_view head, std::string_view tail);

std::string_view RunKindName(RunKind kind);

// Whether the records tell of a change made to the file of each entry (a change whose
// outcome never came counts as not made). A file is counted once however many changes
// it took: a rename, new times and new attributes are one changed file.
std::vector<bool> ChangedEntries(const JournalRun& run);
// How many files the records tell were changed.
int ChangedFiles(const JournalRun& run);

// Makes every path of the run's entries and changes a full path: a list may have named
// its files relative to the working directory of the program that ran it.
void MakePathsFull(JournalRun& run, const PathRules& rules);

}  // namespace varnoke
