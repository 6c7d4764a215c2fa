#pragma once
// Folders whose names begin with a dot are hidden on Linux: the directory trees leave
// them out unless the user asks for them.
#include <string>
#include <string_view>

namespace varnoke {

// Whether a folder of the absolute `directory`, itself or one above it, is hidden.
bool InHiddenFolder(std::string_view directory);

// The deepest directory of `directory`'s own path that lies in no hidden folder: the
// parent of the outermost hidden folder, or `directory` itself when none is hidden.
std::string OutsideHiddenFolders(std::string_view directory);

}  // namespace varnoke
