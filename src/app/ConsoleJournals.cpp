#include "app/ConsoleJournals.h"

#include <ostream>

#include "engine/JournalMessages.h"
#include "engine/JournalSession.h"
#include "engine/JournalText.h"

namespace varnoke {
namespace {

void TellProblems(const std::vector<std::string>& problems, std::ostream& err) {
  for (const std::string& problem : problems) err << "varnoke-cli: " << problem << "\n";
}

bool Clean(const JournalOutcome& outcome) {
  return outcome.Problem.empty() && outcome.LeftAsTheyWere == 0;
}

}  // namespace

int RunJournalCommand(const ConsoleArguments& arguments, Services& services, std::ostream& out,
                      std::ostream& err) {
  if (!services.Journals) {
    err << "varnoke-cli: no run journals are kept here.\n";
    return kExitUnrenamed;
  }
  // Nothing is read from a journal directory that is not the user's own; a journal that
  // is not is named and left alone.
  if (const std::string refusal = services.Journals->Refusal({}); !refusal.empty()) {
    err << "varnoke-cli: " << JournalRefusedMessage(services.Ui.texts(), refusal) << "\n";
    return kExitUnrenamed;
  }
  const std::vector<std::string> refused = JournalRefusals(*services.Journals, services.Ui.texts());
  TellProblems(refused, err);
  JournalKeeper keeper(*services.Journals, services.Fs, services.Time, services.Ui.texts());
  bool clean = refused.empty();
  if (!arguments.Recover.empty()) {
    std::vector<std::string> problems;
    const std::vector<RunSummary> runs = keeper.Unfinished(problems);
    TellProblems(problems, err);
    if (runs.empty()) err << "No renaming was cut short; nothing to recover.\n";
    const bool finish = arguments.Recover == "finish";
    for (const RunSummary& run : runs) {
      err << RunLine(run, services.Time) << "\n";
      const JournalOutcome outcome = keeper.Recover(
          run.Name, finish ? RecoveryWay::Finish : RecoveryWay::Rollback, services.Ui);
      err << OutcomeText(services.Ui.texts(), finish ? kFinishedDone : kRolledBackDone, outcome);
      clean = clean && Clean(outcome);
    }
    return clean && problems.empty() ? kExitDone : kExitUnrenamed;
  }
  if (arguments.History) {
    const std::vector<RunSummary> runs = keeper.History();
    if (runs.empty()) err << "No renaming to undo.\n";
    int n = 0;
    for (const RunSummary& run : runs) out << ++n << "  " << RunLine(run, services.Time) << "\n";
    return clean ? kExitDone : kExitUnrenamed;
  }
  const std::vector<RunSummary> runs = keeper.History(arguments.Undo);
  if (runs.empty()) {
    err << "No renaming to undo.\n";
    return kExitUnrenamed;
  }
  for (const RunSummary& run : runs) {
    err << "Undoing " << RunLine(run, services.Time) << "\n";
    const JournalOutcome outcome = keeper.Undo(run.Name, services.Ui);
    err << OutcomeText(services.Ui.texts(), kUndoneDone, outcome);
    clean = clean && Clean(outcome);
  }
  if (static_cast<int>(runs.size()) < arguments.Undo)
    err << "Only " << runs.size() << " renaming(s) could be undone.\n";
  return clean ? kExitDone : kExitUnrenamed;
}

}  // namespace varnoke
