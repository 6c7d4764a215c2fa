#pragma once
// Where the real runs of the tests put the files they trash: $XDG_DATA_HOME points into
// a temporary directory before any test runs, since GLib reads it once per process.
#include <stdlib.h>

#include <filesystem>

#include "support/TempDir.h"

namespace varnoke::testing {

inline const TempDir kTrashHome;
inline const bool kTrashPointed = ::setenv("XDG_DATA_HOME", kTrashHome.Path().c_str(), 1) == 0;

// The trash as a fresh account has it: none yet.
inline void EmptyTrash() {
  std::filesystem::remove_all(kTrashHome / "Trash");
}

}  // namespace varnoke::testing
