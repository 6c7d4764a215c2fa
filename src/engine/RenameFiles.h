#pragma once
// Carrying out a planned preview: every remaining entry is moved, renamed in place or
// copied, conflicts are settled as planned, the planned times and attributes are set,
// and the file entries take their new directories and names.
#include <cstdint>
#include <string_view>

#include "engine/RunJournal.h"
#include "model/TFiles.h"
#include "model/TVrnFile.h"
#include "model/TVrnPrevFile.h"
#include "platform/FileSystem.h"
#include "platform/Session.h"

namespace varnoke {

// Copies when `transport` is kTransportCopy, else moves; never replaces a file.
FsStatus MoveOrCopyFile(FileSystem& fs, std::uint8_t transport, std::string_view source,
                        std::string_view target);

struct RenameReport {
  int Changed = 0;       // entries that reached their plan with a change on disk
  int Unchanged = 0;     // entries whose plan changed nothing: no call was made for them
  int Failed = 0;        // entries that did not; the list and the preview show where they are
  bool Stopped = false;  // the user stopped the run at a name conflict
  // Entries that reached their planned place, changed or not.
  int Done() const { return Changed + Unchanged; }
  // Files were planned, and the run found nothing to do for any of them: the user is told
  // so, since nothing on disk shows it.
  bool NothingToDo() const { return Unchanged > 0 && Changed == 0 && Failed == 0 && !Stopped; }
};

// Runs the preview `preview`, planned from `files` with `options`, in file-list order.
// Files of this run that stand in each other's way (swaps, chains, cycles) wait under a
// temporary name in their own directory and are never deleted; whatever happens, no
// file is left under such a name. Only a file that really stands at a target while the
// file to take its place is still there may go to the trash: a file that vanished
// since it was listed is reported and costs no other file, and a failure that is no
// name conflict (a missing directory, a full disk, no permission) is reported with its
// reason, once per reason and directory. A copy never moves, renames or trashes a file
// being copied: a copy that would take the place of one is asked about as a failure.
// With a journal, every entry is recorded before the first change and every change
// before and after it is made, so that a run cut short can be finished or rolled back
// and a complete run undone.
RenameReport RenameFiles(TVrnFiles& files, TVrnPrevFiles& preview, const TFiles& options,
                         FileSystem& fs, Session& session, RunJournal* journal = nullptr);

}  // namespace varnoke
