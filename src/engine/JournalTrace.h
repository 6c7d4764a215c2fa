#pragma once
// Where the files of a journaled run are now, as its records and the disk tell: each
// file is found by what it is (its device and inode, checked by its size and times) in
// the directories the run worked in and in the trash, under whatever name the run, a
// recovery of it, or a change whose record a power cut lost, gave it; where the disk
// tells nothing, the records and the names the run gave it decide.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/JournalRecords.h"
#include "platform/FileSystem.h"

namespace varnoke {

// Where the files of a journaled run are now, as its records and the disk tell.
struct EntryTrace {
  std::string At;  // empty: the file went to the trash (TrashedAt) or cannot be found
  std::string TrashedAt;
  bool InTrash = false;
  bool CopyMade = false;
  bool CopyCertain = false;  // the copy is known as the run's own, not only by its name
  std::string CopyAt;        // a copy: where it is (its planned place unless found elsewhere)
  // A copy the run made that an earlier rollback sent to the trash: where the trash keeps it.
  std::string CopyTrashedAt;
  bool TimesSet = false;
  bool AttrSet = false;
  // Whole copies of the file that a move to another file system cut short left beside it.
  std::vector<std::string> Duplicates;
};

struct TrashedByTheRun {
  std::string Original;
  std::string TrashedAt;
};

struct Trace {
  std::vector<EntryTrace> Entries;
  std::vector<TrashedByTheRun> Trashed;  // files that stood in the way, oldest first
};

// The records' account: where each change that `happened` took each file (a change
// whose record after it is missing is one the caller must judge).
Trace TraceByRecords(const JournalRun& run,
                     const std::function<bool(const JournalChange&)>& happened);

// Where every file of the run is now. `recoveries`: the journals of recoveries of this
// run that were cut short, oldest first. `preferNew`: a file found under both its old and
// its planned name (a move to another file system cut short) is taken at the planned one.
Trace TraceRun(const JournalRun& run, const std::vector<JournalRun>& recoveries, bool preferNew,
               FileSystem& fs);

bool IsTemporaryName(const PathRules& rules, std::string_view path);

// What the file at `path` is now; nullopt when it cannot be read.
std::optional<FileInfo> InfoOf(FileSystem& fs, std::string_view path);

// Whether the file at `path` may be as the run left it: its size, and the last-write time
// it had before the run or the one the run gave it (which of them a lost record cannot
// tell). `itself`: the entry's own file, renamed, which also keeps its creation time where
// the system keeps one, so a number the system gave again to another file is not it.
bool AsTheRunLeftIt(FileSystem& fs, std::string_view path, const JournalEntry& entry,
                    bool itself = false);

}  // namespace varnoke
