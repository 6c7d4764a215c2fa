#pragma once
// A file list following its files when something else moved them: a recovery or an undo
// of this program, which tells where each file went, or a run of another program, which
// the run journals tell of. An entry whose file is found nowhere leaves the list and is
// named, so that no renaming acts on a file that is not there.
#include <string>
#include <utility>
#include <vector>

#include "model/PathRules.h"
#include "model/TVrnFile.h"
#include "platform/FileSystem.h"
#include "platform/JournalFiles.h"

namespace varnoke {

// Files moved at once, each from where it was to where it is now.
using FileMoves = std::vector<std::pair<std::string, std::string>>;

// Every entry naming a file that moved names it where it is now: its directory, name and
// extension change, what was listed of the file stays (as after a renaming). Paths
// compare spelled plainly, letter case aside where the rules ignore it. Returns how many
// entries changed.
int FollowMoves(TVrnFiles& files, const FileMoves& moves, const PathRules& rules);

// The positions of the entries whose file is not where they name it, ascending. A
// directory with many entries is read once rather than asked about file by file.
std::vector<int> EntriesNotThere(const TVrnFiles& files, FileSystem& fs);

struct ListedFilesCheck {
  int FoundAgain = 0;             // entries that now name their files where they went
  std::vector<std::string> Gone;  // the paths of the entries that left the list
};

// Before a list is renamed or edited: an entry whose file is not where it names it follows
// the file to where the journals of later runs took it (`journals` may be null), when a
// file of the listed size is there, and is listed anew there; every other such entry
// leaves the list.
ListedFilesCheck FindListedFiles(TVrnFiles& files, FileSystem& fs, JournalDirectory* journals);

}  // namespace varnoke
