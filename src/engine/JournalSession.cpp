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
    run.Go = services.Ui.ask(NoJournalQuestion(services.Ui.texts(), refusal), kVarnokeCaption,
                             Buttons::OkCancel, Icon::Warning) == Answer::Ok;
    return run;
  }
  run.Journal = JournalKeeper(*services.Journals, services.Fs, services.Time, services.Ui.texts())
                    .NewRun(std::move(origin), options, services.WorkingDirectory);
  if (!run.Journal->Open()) {
    run.Go = services.Ui.ask(NoJournalQuestion(services.Ui.texts(), run.Journal->Problem()),
                             kVarnokeCaption, Buttons::OkCancel, Icon::Warning) == Answer::Ok;
    run.Journal.reset();
  }
  return run;
}

std::vector<std::string> JournalRefusals(JournalDirectory& journals, const Translation& tr) {
  if (const std::string refusal = journals.Refusal({}); !refusal.empty())
    return {JournalRefusedMessage(tr, refusal)};
  std::vector<std::string> messages;
  for (const std::string& name : journals.Names())
    if (const std::string refusal = journals.Refusal(name); !refusal.empty())
      messages.push_back(JournalRefusedMessage(tr, refusal));
  return messages;
}

void OfferRecovery(Services& services, const std::function<void(const std::string&)>& tell,
                   const std::function<void(const FileMoves&)>& follow) {
  if (!services.Journals) return;
  const Translation& tr = services.Ui.texts();
  for (const std::string& refused : JournalRefusals(*services.Journals, tr)) tell(refused);
  JournalKeeper keeper(*services.Journals, services.Fs, services.Time, tr);
  std::vector<std::string> problems;
  const std::vector<RunSummary> runs = keeper.Unfinished(problems);
  for (const std::string& problem : problems) tell(problem);
  for (const RunSummary& run : runs) {
    const Answer answer =
        services.Ui.ask(RecoveryQuestion(tr, run, services.Time), tr.Text(kRecoveryCaption),
                        Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel) {
      tell(tr.Text(kRecoveryLaterText));
      continue;
    }
    const bool finish = answer == Answer::Yes;
    const JournalOutcome outcome =
        keeper.Recover(run.Name, finish ? RecoveryWay::Finish : RecoveryWay::Rollback, services.Ui);
    if (follow && !outcome.Moved.empty()) follow(outcome.Moved);
    tell(OutcomeText(tr, finish ? kFinishedDone : kRolledBackDone, outcome));
  }
}

std::optional<RunSummary> LastUndoable(Services& services) {
  if (!services.Journals) return std::nullopt;
  std::vector<RunSummary> last =
      JournalKeeper(*services.Journals, services.Fs, services.Time, services.Ui.texts()).History(1);
  if (last.empty()) return std::nullopt;
  return std::move(last.front());
}

UndoReport UndoLastRun(Services& services) {
  const std::optional<RunSummary> last = LastUndoable(services);
  if (!last) return {};
  const Translation& tr = services.Ui.texts();
  if (services.Ui.ask(UndoQuestion(tr, *last, services.Time), kVarnokeCaption, Buttons::YesNo,
                      Icon::Question) != Answer::Yes)
    return {};
  JournalKeeper keeper(*services.Journals, services.Fs, services.Time, tr);
  JournalOutcome outcome = keeper.Undo(last->Name, services.Ui);
  return {OutcomeText(tr, kUndoneDone, outcome), std::move(outcome.Moved)};
}

}  // namespace varnoke
