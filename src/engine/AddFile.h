#pragma once
// Listing one file by its full path: the single way every dialog, drop, paste, list
// file and command line adds a file to a file list.
#include <string_view>

#include "model/TVrnFile.h"
#include "platform/FileSystem.h"

namespace varnoke {

// Spells the path plainly, splits it by the file system's rules, lists the file and
// appends an entry with its size, attributes and times. A file that exists but is busy
// (held by another program, unreadable, no regular file) is appended as busy, with all
// of those 0. A directory, a missing file, a bare name without a directory part, or a
// text holding a NUL (see HoldsNul) adds nothing. Returns whether an entry was appended. Uses the
// listing of an open ListingScope, else begins one for this file alone.
bool AddFile(FileSystem& fs, TVrnFiles& files, std::string_view fullPath);

// The same with a given listing; safe on several threads at once, each with its own
// list.
bool AddFile(const FileSystem& fs, const Listing& listing, TVrnFiles& files,
             std::string_view fullPath);

}  // namespace varnoke
