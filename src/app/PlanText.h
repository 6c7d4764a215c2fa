#pragma once
// The plan for a reader (varnoke-cli without /R): one line per planned file, its
// present full path, an arrow and its planned one, with the conflict and busy marks.
#include <iosfwd>

#include "model/PathRules.h"
#include "model/TVrnFile.h"
#include "model/TVrnPrevFile.h"

namespace varnoke {

void WritePlanText(std::ostream& out, const TVrnFiles& files, const TVrnPrevFiles& preview,
                   const PathRules& rules);

}  // namespace varnoke
