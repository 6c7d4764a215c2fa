#pragma once
// How the front ends tell of journals: a run in one line, the outcome of a recovery or
// an undo, and the question offering to recover a run cut short.
#include <string>
#include <string_view>

#include "engine/JournalKeeper.h"
#include "platform/Clock.h"

namespace varnoke {

// "2026-12-07 10:15:02  1,204 files (1,200 changed)  varnoke-cli /O:... /R"
std::string RunLine(const RunSummary& run, Clock& clock);

// "Finished: 1200 file(s) reached their places, 4 left as they were." and its messages.
std::string OutcomeText(std::string_view done, const JournalOutcome& outcome);

// The question at start-up; Yes finishes, No rolls back, Cancel leaves it for later.
std::string RecoveryQuestion(const RunSummary& run, Clock& clock);
inline constexpr std::string_view kRecoveryCaption = "Varnoke: renaming cut short";
inline constexpr std::string_view kRecoveryLaterText =
    "Left for later: the next start asks again, and varnoke-cli --recover finish|rollback "
    "settles it without questions.";

// "Undo the renaming of 12 files that started 2026-12-07 10:15:02 (...)?": the files the
// run changed, which are the files an undo gives back.
std::string UndoQuestion(const RunSummary& run, Clock& clock);

}  // namespace varnoke
