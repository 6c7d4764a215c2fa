#pragma once
// The program's files and the settings for runs that use neither (planning, renaming):
// real stores, with settings kept in a directory that does not exist, so nothing is
// read from or left on the machine.
#include "platform/posix/PosixFileStore.h"
#include "platform/posix/PosixSettingsStore.h"

namespace varnoke {

struct IdleStores {
  PosixFileStore Store;
  PosixSettingsStore Settings{"/nonexistent/varnoke-idle-settings"};
};

}  // namespace varnoke
