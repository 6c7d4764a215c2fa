#pragma once
// Listing one file by its full path: the single way every dialog, drop, paste, list
// file and command line adds a file to a file list.
#include <string_view>

#include "model/TVrnFile.h"
#include "platform/FileSystem.h"

namespace varnoke {

// Spells the path plainly, splits it by the file system's rules, opens the file for
// exclusive reading and appends an entry with its size, attributes and times. A file
// that exists but cannot be opened so is appended as busy, with all of those 0. A
// directory, a missing file, or a bare name without a directory part adds nothing.
// Returns whether an entry was appended.
bool AddFile(FileSystem& fs, TVrnFiles& files, std::string_view fullPath);

}  // namespace varnoke
