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

std::string OutcomeText(const Translation& tr, const UiText& done, const JournalOutcome& outcome) {
  if (!outcome.Problem.empty()) return outcome.Problem + "\n";
  const UiPlural reached = {VARNOKE_UI_N("Journal", "%n file(s) where they belong"),
                            "%n file(s) where they belong"};
  const UiPlural left = {VARNOKE_UI_N("Journal", "%n left as they were"), "%n left as they were"};
  std::string text = Arg(tr.Text(VARNOKE_UI3("Journal", "%1: %2, %3.",
                                             "what was done, the files where they belong, the "
                                             "files left as they were")),
                         {tr.Text(done), tr.Plural(reached, outcome.Reached),
                          tr.Plural(left, outcome.LeftAsTheyWere)}) +
                     "\n";
  for (const std::string& message : outcome.Messages) text += "  " + message + "\n";
  return text;
}

std::string RecoveryQuestion(const Translation& tr, const RunSummary& run, Clock& clock) {
  const UiPlural question = {
      VARNOKE_UI_N("Journal",
                   "A renaming of %1 that started %2 (%3) was cut short after %n files had "
                   "changed.\n\nYes finishes it, No rolls it back to the names before it, "
                   "Cancel leaves it for later."),
      "A renaming of %1 that started %2 (%3) was cut short after %n file had changed.\n\nYes "
      "finishes it, No rolls it back to the names before it, Cancel leaves it for later."};
  const UiPlural files = {VARNOKE_UI_N("Journal", "%n files"), "%n file"};
  return Arg(
      tr.Plural(question, run.Changed),
      {tr.Plural(files, run.Files), LocalDate(run.Header.Started, clock), run.Header.Origin});
}

std::string UndoQuestion(const Translation& tr, const RunSummary& run, Clock& clock) {
  const UiPlural question = {
      VARNOKE_UI_N("Journal",
                   "Undo the renaming of %n files that started %1 (%2)?\n\nEvery file goes back "
                   "to its old name, times and attributes; a file changed since, or whose old "
                   "name another file holds now, stays as it is."),
      "Undo the renaming of %n file that started %1 (%2)?\n\nEvery file goes back to its old "
      "name, times and attributes; a file changed since, or whose old name another file holds "
      "now, stays as it is."};
  return Arg(tr.Plural(question, run.Changed),
             {LocalDate(run.Header.Started, clock), run.Header.Origin});
}

}  // namespace varnoke
