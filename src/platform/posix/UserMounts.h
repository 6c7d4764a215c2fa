#pragma once
// Which mounted file systems a drive box offers: those that hold the user's own files,
// not the kernel's views of itself (/proc, /sys, cgroups, devices) nor the system's
// scratch space under /run, /sys and /dev.
#include <string>
#include <string_view>
#include <vector>

namespace varnoke {

struct MountEntry {
  std::string Type;   // as /proc/self/mounts names it: "ext4", "tmpfs", "overlay"...
  std::string Point;  // where it is mounted
};

// Whether a file system of `type` mounted at `point` holds user files. A tmpfs the user
// mounted elsewhere (/tmp, /mnt/x) does; an overlay only when it is the root itself (a
// container's), never the layers of another one.
bool HoldsUserFiles(std::string_view type, std::string_view point);

// The drives to offer: "/" first, then each mount that holds user files once, in mount
// order, then the home directory when it is not among them (none when `home` is "/" or
// empty). Trailing separators are dropped.
std::vector<std::string> UserVolumes(const std::vector<MountEntry>& mounts, std::string_view home);

}  // namespace varnoke
