#pragma once
// Turning the start-up parameters into one file list: options sets loaded, file
// lists read and searches run, strictly from left to right.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/FileListOwner.h"
#include "engine/Services.h"

namespace varnoke {

// A parameter that could not be carried out, with the file or directory it names and
// the cause ("File not found", "File access denied", ...). The desktop program skips
// a missing file silently, as it always has; the console names every problem.
// A line of a file list that listed no file (missing, a directory) is a problem of its
// own (ListLine, Path the line): the first kNamedLinesAtMost of each list are named, the
// last of them counting how many more there were.
struct StartupProblem {
  enum class Kind { OptionSet, FileList, SearchDirectory, ListLine };
  Kind What = Kind::OptionSet;
  std::string Parameter;  // as given
  std::string Path;       // the file or directory it names
  std::string Cause;
  std::size_t More = 0;  // lines of the same list that listed nothing, not named
};

struct ParsedCommandLine {
  // The one list the parameters filled; none when there were no parameters.
  std::optional<FileListOwner> List;
  // In parameter order.
  std::vector<StartupProblem> Problems;
  // An options set could not be loaded: its options are not in the list, so an
  // automatic run must not rename with what the list has.
  bool OptionSetFailed() const;
};

// /O: and /L: naming no existing file add nothing and show nothing; a set or list
// that exists but cannot be read is shown as the general error handler and the list
// reader show it. Lines of a list holding a NUL are left out and named (LinesWithNul).
// A search value that is no full path, or names no directory, is reported ("Varnoke
// error"). Each of these is also a problem in the result, and the other parameters are
// still processed. Parameters without a switch are ignored, but every parameter after
// "--files" is a file to list (as a file manager's "Open with" hands them over).
ParsedCommandLine ParseCommandLine(std::span<const std::string> parameters, const TFiles& defaults,
                                   int& listCounter, Services& services);

}  // namespace varnoke
