#include "platform/posix/UserMounts.h"

#include <algorithm>
#include <iterator>

namespace varnoke {
namespace {

// The kernel's own views and interfaces: they never hold user files wherever mounted.
bool IsPseudoFileSystem(std::string_view type) {
  static constexpr std::string_view kPseudo[] = {
      "proc",       "sysfs",   "cgroup",    "cgroup2",    "devpts",      "devtmpfs",
      "mqueue",     "debugfs", "tracefs",   "securityfs", "pstore",      "bpf",
      "configfs",   "fusectl", "hugetlbfs", "autofs",     "binfmt_misc", "efivarfs",
      "rpc_pipefs", "nsfs",    "selinuxfs", "ramfs"};
  return std::find(std::begin(kPseudo), std::end(kPseudo), type) != std::end(kPseudo);
}

// Whether `point` is `directory` or lies below it.
bool AtOrBelow(std::string_view point, std::string_view directory) {
  return point.starts_with(directory) &&
         (point.size() == directory.size() || point[directory.size()] == '/');
}

// The system's scratch space: run-time state, shared memory, the cgroup tree's holder.
bool IsSystemScratch(std::string_view point) {
  return AtOrBelow(point, "/run") || AtOrBelow(point, "/sys") || AtOrBelow(point, "/dev");
}

std::string WithoutTrailingSeparator(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  return std::string(path);
}

}  // namespace

bool HoldsUserFiles(std::string_view type, std::string_view point) {
  if (IsPseudoFileSystem(type)) return false;
  if (type == "tmpfs" && IsSystemScratch(point)) return false;
  if (type == "overlay") return point == "/";
  return true;
}

std::vector<std::string> UserVolumes(const std::vector<MountEntry>& mounts, std::string_view home) {
  std::vector<std::string> out{"/"};
  const auto add = [&out](std::string volume) {
    if (std::find(out.begin(), out.end(), volume) == out.end()) out.push_back(std::move(volume));
  };
  for (const MountEntry& mount : mounts) {
    const std::string point = WithoutTrailingSeparator(mount.Point);
    if (HoldsUserFiles(mount.Type, point)) add(point);
  }
  const std::string ownHome = WithoutTrailingSeparator(home);
  if (!ownHome.empty() && ownHome != "/") add(ownHome);
  return out;
}

}  // namespace varnoke
