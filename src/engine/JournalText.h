#pragma once
// How the front ends tell of journals: a run in one line, the outcome of a recovery or
// an undo, and the questions offering to recover a run cut short and to undo the last one.
#include <string>
#include <string_view>

#include "engine/JournalKeeper.h"
#include "platform/Clock.h"
#include "platform/Translation.h"

namespace varnoke {

// "2026-12-07 10:15:02  1204 files (1200 changed)  varnoke-cli /O:... /R", as the
// console lists runs.
std::string RunLine(const RunSummary& run, Clock& clock);

// What was done, as the outcome begins.
inline constexpr UiText kFinishedDone = VARNOKE_UI("Journal", "Finished");
inline constexpr UiText kRolledBackDone = VARNOKE_UI("Journal", "Rolled back");
inline constexpr UiText kUndoneDone = VARNOKE_UI("Journal", "Undone");

// "Finished: 1200 file(s) where they belong, 4 left as they were." and its messages.
std::string OutcomeText(const Translation& tr, const UiText& done, const JournalOutcome& outcome);

// The question at start-up; Yes finishes, No rolls back, Cancel leaves it for later.
std::string RecoveryQuestion(const Translation& tr, const RunSummary& run, Clock& clock);
inline constexpr UiText kRecoveryCaption = VARNOKE_UI("Journal", "Varnoke: renaming cut short");
inline constexpr UiText kRecoveryLaterText =
    VARNOKE_UI("Journal",
               "Left for later: the next start asks again, and varnoke-cli --recover "
               "finish|rollback settles it without questions.");

// "Undo the renaming of 12 files that started 2026-12-07 10:15:02 (...)?": the files the
// run changed, which are the files an undo gives back.
std::string UndoQuestion(const Translation& tr, const RunSummary& run, Clock& clock);

}  // namespace varnoke
