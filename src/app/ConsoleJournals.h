#pragma once
// varnoke-cli and the run journals: --recover, --history and --undo, and the offer to
// finish or roll back a renaming that was cut short.
#include <iosfwd>

#include "app/ConsoleArguments.h"
#include "engine/Services.h"

namespace varnoke {

// Runs --recover, --history or --undo; returns the exit status (0 when every file is
// where it belongs, 1 when a file was left as it was or a journal could not be used).
int RunJournalCommand(const ConsoleArguments& arguments, Services& services, std::ostream& out,
                      std::ostream& err);

}  // namespace varnoke
