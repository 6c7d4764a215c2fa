#pragma once
// The listing of `varnoke-cli --list FILE...`: every file as AddFile sees it, one
// tab-separated line each under a header, for people and for scripts.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "model/TVrnFile.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace varnoke {

inline constexpr std::string_view kFileListingHeader =
    "Path\tName\tExt\tSize\tAttr\tCreated\tAccessed\tWritten\tBusy\n";

// One line per entry: the directory as shown to the user, name, extension, size,
// attributes in hex, the three times as local "YYYY-MM-DD hh:mm:ss" (empty for a
// zero time), and "yes" or "no" for busy. Tabs, line breaks and other control
// characters in names are written as \t, \n, \xHH (and a backslash as \\), so
// every entry stays on its line.
void WriteFileListing(std::ostream& out, const TVrnFiles& files, const PathRules& rules,
                      Clock& clock);

// A path as the program lists it: a relative path is taken from `currentDirectory`.
std::string AbsolutePath(std::string_view path, std::string_view currentDirectory);

// Lists `paths` (relative ones from the current directory) into a fresh list and
// writes it to `out`; every path that adds nothing (missing, a directory) is named
// on `err`. Returns how many paths added nothing.
int ListFiles(std::ostream& out, std::ostream& err, FileSystem& fs, Clock& clock,
              const std::vector<std::string>& paths, std::string_view currentDirectory);

}  // namespace varnoke
