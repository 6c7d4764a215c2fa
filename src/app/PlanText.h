#pragma once
// The plan for a reader: one line per planned file, its present full path, an arrow
// and its planned one, with the conflict and busy marks. Control characters in names
// are escaped as --list escapes them, so every file stays on its line.
#include <iosfwd>

#include "model/PathRules.h"
#include "model/TVrnFile.h"
#include "model/TVrnPrevFile.h"

namespace varnoke {

// With `maxLines` above 0 at most that many lines are written; a longer plan ends
// in a line "... and N more" that counts the files not shown.
void WritePlanText(std::ostream& out, const TVrnFiles& files, const TVrnPrevFiles& preview,
                   const PathRules& rules, int maxLines = 0);

}  // namespace varnoke
