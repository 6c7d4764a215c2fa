#pragma once
// The journal as the front ends meet it: a journal for each run they start, and at
// their start the offer to finish or roll back a run cut short.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/FollowFiles.h"
#include "engine/JournalKeeper.h"
#include "engine/RunJournal.h"
#include "engine/Services.h"
#include "model/TFiles.h"

namespace varnoke {

struct JournalForRun {
  std::unique_ptr<RunJournal> Journal;  // null: the run keeps none
  bool Go = true;                       // false: the user would not rename without one
};

// A journal for a run of `origin` ("varnoke-cli /O:...", "window List 1"). When none can
// be made the user is asked whether to rename without one.
JournalForRun StartJournal(Services& services, std::string origin, const TFiles& options);

// Why the journal directory, or else each journal in it, is not used (not the user's own,
// writable by others, a symbolic link), one message each; empty when all are trusted.
std::vector<std::string> JournalRefusals(JournalDirectory& journals, const Translation& tr);

// Passes each refusal (JournalRefusals) to `tell`, then asks about each run cut short
// (Yes finishes it, No rolls it back, Cancel leaves it for later) and passes each
// outcome, and each journal that could not be used, to `tell`; where each recovery moved
// files goes to `follow` first, so that the lists showing them follow.
void OfferRecovery(Services& services, const std::function<void(const std::string&)>& tell,
                   const std::function<void(const FileMoves&)>& follow = {});

// The newest complete run that can still be undone.
std::optional<RunSummary> LastUndoable(Services& services);

// What an undo did, as a front end passes it on: what to tell the user (empty when
// nothing was done) and where every file it moved went, for the lists that show them.
struct UndoReport {
  std::string Text;
  FileMoves Moved;
};

// Asks whether to undo the newest complete run and does it.
UndoReport UndoLastRun(Services& services);

}  // namespace varnoke
