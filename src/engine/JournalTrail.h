#pragma once
// Where the run journals say files went: each run, oldest first, as the moves its records
// tell (each file from where it was to where the run left it), so that a list can follow
// its files after a run of another program (varnoke-cli --undo, say) moved them.
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/JournalRecords.h"
#include "model/PathRules.h"
#include "platform/JournalFiles.h"

namespace varnoke {

// The moves a run's records tell of, by the path each file left: where it went, or an
// empty path for a file that went to the trash. A change whose outcome never came is
// taken as not made.
std::unordered_map<std::string, std::string> MovesOfRun(const JournalRun& run);

class JournalTrail {
 public:
  // Reads every journal that is the user's own; one that cannot be read tells nothing.
  JournalTrail(JournalDirectory& journals, const PathRules& rules);

  // Where the file last seen at `path` is now: taken from the newest run that moved a
  // file away from `path`, then through every later run. nullopt when no run moved a
  // file from there, or the file went to the trash.
  std::optional<std::string> WhereNow(const std::string& path) const;

 private:
  std::vector<std::unordered_map<std::string, std::string>> runs_;  // oldest first
};

}  // namespace varnoke
