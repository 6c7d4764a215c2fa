#pragma once
// Times taken of the listed photos and videos: read only when something needs them (the
// date codes, the sort, new file times), on every core, once per entry, with progress
// and Cancel on long lists; and the sort by them.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/Services.h"
#include "model/TFiles.h"
#include "model/TVrnFile.h"
#include "model/TVrnPrevFile.h"
#include "platform/CaptureTimes.h"

namespace varnoke {

// A stamp as local wall-clock time: as written where the file gives no offset (the
// camera's clock), else converted from that offset to the local time of that date.
std::optional<FileTime> LocalTimeOf(const TakenStamp& stamp, Clock& clock);

// Whether planning this entry with these options needs its time taken: for a date code
// of its new name or extension, or for a new file time.
bool NeedsTimeTaken(const TFiles& options, const TVrnFile& file);

// The entry's time taken, if it has one (read before).
inline std::optional<FileTime> TimeTakenOf(const TVrnFile& file) {
  if (file.TakenState != TVrnFile::Taken::Found) return std::nullopt;
  return file.TimeTaken;
}

// Reads the times taken of the first `count` entries (all: -1) that `needed` selects
// and that have none read yet. Busy entries and every entry without a reader
// (ctx.Taken) have none. False when the user cancelled: then no entry keeps anything of
// this reading.
bool ReadTimesTaken(const TVrnFiles& files, const Services& ctx,
                    const std::function<bool(const TVrnFile&)>& needed, int count = -1);

// Sorts stably by time taken; an entry without one sorts by its last-write time in local
// time among the others. False, and the list as it was, when the user cancelled the
// reading.
bool SortByTimeTaken(TVrnFiles& files, const Services& ctx);

// The file list's sort by time taken, after its eight keys of fields.
inline constexpr int kTimeTakenSortKey = kFileSortKeyCount;

// Sorts by one of the list's keys, 0 to 7, or by time taken. False when the list was
// left as it was: a key outside them, or Cancel while the times were read.
bool SortFileList(TVrnFiles& files, int key, const Services& ctx);

// What the preview says of its files without a time taken: one note for the date codes
// of their names, one for their new file times, where the options use each; in the
// language of `tr`.
std::vector<std::string> TimeTakenNotes(const Translation& tr, const TVrnPrevFiles& preview,
                                        const TFiles& options);

}  // namespace varnoke
