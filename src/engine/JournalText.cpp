#include "engine/JournalText.h"

#include <cstdio>

namespace varnoke {
namespace {

std::string LocalDate(FileTime utc, Clock& clock) {
  const FileTime local = clock.UtcToLocal(utc).value_or(utc);
  const SystemTime t = FileTimeToSystemTime(local).value_or(SystemTime{});
  char text[64];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", unsigned{t.Year},
                unsigned{t.Month}, unsigned{t.Day}, unsigned{t.Hour}, unsigned{t.Minute},
                unsigned{t.Second});
  return text;
}

std::string Files(int n) {
  return std::to_string(n) + (n == 1 ? " file" : " files");
}

}  // namespace

std::string RunLine(const RunSummary& run, Clock& clock) {
  return LocalDate(run.Header.Started, clock) + "  " + Files(run.Files) + " (" +
         std::to_string(run.Changed) + " changed)  " + run.Header.Origin;
}

std::string OutcomeText(std::string_view done, const JournalOutcome& outcome) {
  if (!outcome.Problem.empty()) return outcome.Problem + "\n";
  std::string text = std::string(done) + ": " + std::to_string(outcome.Reached) +
                     " file(s) where they belong, " + std::to_string(outcome.LeftAsTheyWere) +
                     " left as they were.\n";
  for (const std::string& message : outcome.Messages) text += "  " + message + "\n";
  return text;
}

std::string RecoveryQuestion(const RunSummary& run, Clock& clock) {
  return "A renaming of " + Files(run.Files) + " that started " +
         LocalDate(run.Header.Started, clock) + " (" + run.Header.Origin +
         ") was cut short after " + Files(run.Changed) +
         " had changed.\n\nYes finishes it, No rolls it back to the names before it, Cancel leaves "
         "it for later.";
}

std::string UndoQuestion(const RunSummary& run, Clock& clock) {
  return "Undo the renaming of " + Files(run.Changed) + " that started " +
         LocalDate(run.Header.Started, clock) + " (" + run.Header.Origin +
         ")?\n\nEvery file goes back to its old name, times and attributes; a file changed "
         "since, or whose old name another file holds now, stays as it is.";
}

}  // namespace varnoke
