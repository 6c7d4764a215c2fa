#pragma once
// The add-files dialog's work apart from its widgets: where it opens, which files of a
// directory its list shows for a filter, and the hand-over of the marked files to the
// file list.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/TFiles.h"
#include "platform/FileSystem.h"
#include "platform/Session.h"

namespace varnoke {

// Where the dialog opens: the owner's remembered directory (AddFiles); an empty one
// first becomes `startWhenEmpty`, so the owner remembers it from then on.
std::string AddFilesStart(TFiles& owner, std::string_view startWhenEmpty);

// The patterns of a filter: several may be given, separated by ";"; blanks around each
// are dropped and empty ones left out. A filter without any pattern shows every file.
std::vector<std::string> FilterPatterns(std::string_view filter);

// The names (without directory) of the files of `directory` that match one of the
// filter's patterns as Windows matches them: hidden, system and read-only files
// included, directories left out, each name once, in name order with letter case
// aside (ties in byte order). Empty when the directory cannot be read.
std::vector<std::string> ListDirectoryFiles(FileSystem& fs, std::string_view directory,
                                            std::string_view filter);

// The full path of a file of the directory: a separator goes between them unless the
// directory ends in one already (a root).
std::string PathInDirectory(std::string_view directory, std::string_view name, char separator);

// OK: hands every marked name, in list order, as a full path in `directory` to
// `addFile`, with the busy cursor on; after each marked item whose index leaves 9 when
// divided by 10, pending events run. `marked` holds one flag per name.
void AddMarkedFiles(std::string_view directory, const std::vector<std::string>& names,
                    const std::vector<bool>& marked, char separator, Session& session,
                    const std::function<void(std::string_view)>& addFile);

}  // namespace varnoke
