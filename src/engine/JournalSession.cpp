#include "engine/JournalSession.h"

#include "engine/JournalKeeper.h"
#include "engine/JournalMessages.h"
#include "engine/JournalText.h"
#include "engine/Messages.h"

namespace varnoke {

JournalForRun StartJournal(Services& services, std::string origin, const TFiles& options) {
  JournalForRun run;
  if (!services.Journals) return run;
  if (const std::string refusal = services.Journals->Refusal({}); !refusal.empty()) {
    run.Go = services.Ui.ask(NoJournalQuestion(refusal), kVarnokeCaption, Buttons::OkCancel,
                             Icon::Warning) == Answer::Ok;
    return run;
  }
  run.Journal = JournalKeeper(*services.Journals, services.Fs, services.Time)
                    .NewRun(std::move(origin), options, services.WorkingDirectory);
  if (!run.Journal->Open()) {
    run.Go = services.Ui.ask(NoJournalQuestion(run.Journal->Problem()), kVarnokeCaption,
                             Buttons::OkCancel, Icon::Warning) == Answer::Ok;
    run.Journal.reset();
  }
  return run;
}

std::vector<std::string> JournalRefusals(JournalDirectory& journals) {
  if (const std::string refusal = journals.Refusal({}); !refusal.empty())
    return {JournalRefusedMessage(refusal)};
  std::vector<std::string> messages;
  for (const std::string& name : journals.Names())
    if (const std::string refusal = journals.Refusal(name); !refusal.empty())
      messages.push_back(JournalRefusedMessage(refusal));
  return messages;
}

void OfferRecovery(Services& services, const std::function<void(const std::string&)>& tell,
                   const std::function<void(const FileMoves&)>& follow) {
  if (!services.Journals) return;
  for (const std::string& refused : JournalRefusals(*services.Journals)) tell(refused);
  JournalKeeper keeper(*services.Journals, services.Fs, services.Time);
  std::vector<std::string> problems;
  const std::vector<RunSummary> runs = keeper.Unfinished(problems);
  for (const std::string& problem : problems) tell(problem);
  for (const RunSummary& run : runs) {
    const Answer answer = services.Ui.ask(RecoveryQuestion(run, services.Time), kRecoveryCaption,
                                          Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel) {
      tell(std::string(kRecoveryLaterText));
      continue;
    }
    const bool finish = answer == Answer::Yes;
    const JournalOutcome outcome =
        keeper.Recover(run.Name, finish ? RecoveryWay::Finish : RecoveryWay::Rollback, services.Ui);
    if (follow && !outcome.Moved.empty()) follow(outcome.Moved);
    tell(OutcomeText(finish ? "Finished" : "Rolled back", outcome));
  }
}

std::optional<RunSummary> LastUndoable(Services& services) {
  if (!services.Journals) return std::nullopt;
  std::vector<RunSummary> last =
      JournalKeeper(*services.Journals, services.Fs, services.Time).History(1);
  if (last.empty()) return std::nullopt;
  return std::move(last.front());
}

UndoReport UndoLastRun(Services& services) {
  const std::optional<RunSummary> last = LastUndoable(services);
  if (!last) return {};
  if (services.Ui.ask(UndoQuestion(*last, services.Time), kVarnokeCaption, Buttons::YesNo,
                      Icon::Question) != Answer::Yes)
    return {};
  JournalKeeper keeper(*services.Journals, services.Fs, services.Time);
  JournalOutcome outcome = keeper.Undo(last->Name, services.Ui);
  return {OutcomeText("Undone", outcome), std::move(outcome.Moved)};
}

}  // namespace varnoke
