#pragma once
// The decision about an automatic run, taken before anything else at start-up.
#include <functional>
#include <span>
#include <string>

#include "platform/Session.h"

namespace varnoke {

// With the run switch, an options set and a file list or search, asks whether to
// rename and, on Yes, calls `run` (which plans and renames the files of the one list
// the parameters fill). Returns true when the automatic run was carried out; false
// means a normal start with the same parameters (no run switch, a switch missing,
// which is reported, or the answer No).
bool RunAutomatically(std::span<const std::string> parameters, Session& session,
                      const std::function<void()>& run);

}  // namespace varnoke
