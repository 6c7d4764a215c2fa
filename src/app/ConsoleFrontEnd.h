#pragma once
// varnoke-cli's whole run: the automatic run's decision, the settings read at the
// start and written at the end, one list filled from the parameters, the plan, and
// with /R (answered Yes) the renaming. Returns the exit status.
#include <iosfwd>
#include <string>

#include "app/ConsoleArguments.h"
#include "app/ConsoleSession.h"
#include "engine/Services.h"

namespace varnoke {

struct ConsoleStreams {
  std::istream& In;
  std::ostream& Out;
  std::ostream& Err;
  bool InIsTerminal = false;   // answers can be typed
  bool ErrIsTerminal = false;  // a progress bar can be drawn
  int TerminalRows = 0;        // the terminal's height; 0 when unknown (24 are assumed)
};

// Runs the parameters of `arguments` with the session of `services` (a ConsoleSession
// in the mode AnswerModeFor gives) (help, version and argument errors are the
// caller's): 0 when every planned change was made or the plan was printed, 1 when a
// file was left unrenamed, an asked-for run did not take place, or list and search
// parameters listed no file; 2 when an options set named with /O: cannot be used
// (nothing is renamed then). Parameters that could not be used, and lines of a list
// that name no file, are named on the error stream. On a terminal the plan is shown
// before the automatic run's question.
int RunConsole(const ConsoleArguments& arguments, Services& services, ConsoleStreams& streams);

// How the console's session answers: --yes, a terminal to ask on, or nobody (the safe
// answer).
AnswerMode AnswerModeFor(const ConsoleArguments& arguments, const ConsoleStreams& streams);

}  // namespace varnoke
