#pragma once
// Name conflicts while planning: a planned target taken by a file on disk or by an
// earlier planned entry, settled by a "#n" suffix unless the options delete the file
// in the way when the run comes.
#include "engine/ExistingNames.h"
#include "model/TFiles.h"
#include "model/TVrnFile.h"
#include "model/TVrnPrevFile.h"

namespace varnoke {

// Sets w.Conflict when w's target is taken, and unless DeleteOnConflict is set gives
// w a free name by AddConflictSuffix. A target that is the source itself (the same
// name as the platform compares names, or the same file under another spelling) is
// never a conflict. Existence is tested only for names that changed.
void TestConflict(TVrnPrevFile& w, const TVrnFile& source, const TVrnPrevFiles& preview,
                  const TFiles& options, ExistingNames& onDisk);

// Appends "#1", "#2", ... to w.Name until neither a file on disk nor an entry of the
// preview has that name.
void AddConflictSuffix(TVrnPrevFile& w, const TVrnPrevFiles& preview, ExistingNames& onDisk);

}  // namespace varnoke
