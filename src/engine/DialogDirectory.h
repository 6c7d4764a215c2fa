#pragma once
// Where the file dialogs of the file lists and options sets open: where the user's own
// files are, not the program's data directory.
#include <string>
#include <string_view>

#include "engine/FileListOwner.h"
#include "platform/FileSystem.h"

namespace varnoke {

// The directory a file dialog opens in. For the list the command acts on: the directory
// of the list's own file (a list saved, added to from a list file or imported is
// captioned with that file's path), else that of its first entry. Without either, the
// directory last chosen in a file dialog; else `home`. Only an existing directory is
// taken; `list` may be null and `lastChosen` empty.
std::string DialogDirectory(FileSystem& fs, const FileListOwner* list, std::string_view lastChosen,
                            std::string_view home);

// The directory of a file chosen in a file dialog: the one to remember as the last.
std::string ChosenDirectory(const PathRules& rules, std::string_view chosenFile);

}  // namespace varnoke
