#pragma once
// The journals of past runs: finding a run cut short and finishing or rolling it back,
// the history of complete runs and their undoing, and keeping only the newest. Every
// file ends under a name the journal accounts for; nothing is overwritten: a file that
// cannot go where it should stays where it is, with a message naming it and the cause.
#include <memory>
#include <string>
#include <vector>

#include "engine/RunJournal.h"
#include "model/TFiles.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/JournalFiles.h"
#include "platform/Session.h"

namespace varnoke {

enum class RecoveryWay { Finish, Rollback };

struct JournalOutcome {
  int Reached = 0;  // files that reached the place they were to go to
  int LeftAsTheyWere = 0;
  std::vector<std::string> Messages;  // one per file left, and what the run had to say
  std::string Problem;                // not empty: the journal was not acted on at all
  // Every file that was moved, once each, from where it was before to where it is after
  // (all at once: a swap is two pairs): lists that show it follow it.
  std::vector<std::pair<std::string, std::string>> Moved;
};

struct RunSummary {
  std::string Name;
  JournalHeader Header;
  int Files = 0;    // the entries of the run
  int Changed = 0;  // the files it changed (so far, for a run cut short)
};

inline constexpr int kJournalsKept = 20;

class JournalKeeper {
 public:
  // Its messages are in the language of `tr`.
  JournalKeeper(JournalDirectory& journals, FileSystem& fs, Clock& clock, const Translation& tr);

  // A journal for a new run (older journals beyond the kept number are removed first).
  // `workingDirectory`: where the run's relative paths, if any, start from.
  std::unique_ptr<RunJournal> NewRun(std::string origin, const TFiles& options,
                                     std::string workingDirectory = {});

  // Journals of runs cut short that no running program holds, oldest first. A damaged
  // or foreign journal is set aside (".bad") and named in `problems`.
  std::vector<RunSummary> Unfinished(std::vector<std::string>& problems);
  JournalOutcome Recover(const std::string& name, RecoveryWay way, Session& session);

  // Complete runs not yet undone, newest first; at most `limit`.
  std::vector<RunSummary> History(int limit = kJournalsKept);
  JournalOutcome Undo(const std::string& name, Session& session);

  // Removes all but the newest `keep` settled journals (a run cut short stays).
  void Prune(int keep = kJournalsKept);

 private:
  struct Held;
  // The journal, read and held, with where its files are now; `preferNew`: a file
  // found under both its names is taken at its planned one.
  std::unique_ptr<Held> Take(const std::string& name, JournalOutcome& outcome, bool preferNew);
  JournalOutcome Reverse(Held& held, RunKind kind, Session& session);
  JournalOutcome Forward(Held& held, Session& session);

  JournalDirectory& journals_;
  FileSystem& fs_;
  Clock& clock_;
  const Translation& tr_;
};

}  // namespace varnoke
