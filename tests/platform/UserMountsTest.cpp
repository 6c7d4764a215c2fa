// Which mounts the drive boxes offer: the ones that hold user files, the root first and
// the home directory with them.
#include "platform/posix/UserMounts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnoke {
namespace {

TEST(UserMounts, OnlyMountsThatHoldUserFiles) {
  const struct {
    const char* Type;
    const char* Point;
    bool Holds;
  } cases[] = {
      {"ext4", "/", true},
      {"ext4", "/home", true},
      {"btrfs", "/srv/data", true},
      {"vfat", "/run/media/ann/STICK", true},  // removable media mounted below /run
      {"fuse.sshfs", "/mnt/remote", true},
      {"tmpfs", "/tmp", true},
      {"tmpfs", "/mnt/x", true},
      {"tmpfs", "/runner", true},  // only /run itself and below it is the system's
      {"tmpfs", "/run", false},
      {"tmpfs", "/run/user/1000", false},
      {"tmpfs", "/dev/shm", false},
      {"tmpfs", "/sys/fs/cgroup", false},
      {"overlay", "/", true},
      {"overlay", "/var/lib/docker/overlay2/abc/merged", false},
      {"proc", "/proc", false},
      {"sysfs", "/sys", false},
      {"cgroup", "/sys/fs/cgroup/cpu", false},
      {"cgroup2", "/sys/fs/cgroup/unified", false},
      {"devtmpfs", "/dev", false},
      {"devpts", "/dev/pts", false},
      {"mqueue", "/dev/mqueue", false},
      {"debugfs", "/sys/kernel/debug", false},
      {"tracefs", "/sys/kernel/tracing", false},
      {"securityfs", "/sys/kernel/security", false},
      {"pstore", "/sys/fs/pstore", false},
      {"bpf", "/sys/fs/bpf", false},
      {"configfs", "/sys/kernel/config", false},
      {"fusectl", "/sys/fs/fuse/connections", false},
      {"hugetlbfs", "/dev/hugepages", false},
      {"autofs", "/proc/sys/fs/binfmt_misc", false},
      {"binfmt_misc", "/proc/sys/fs/binfmt_misc", false},
      {"proc", "/mnt/chroot/proc", false},  // a pseudo file system wherever it is mounted
  };
  for (const auto& c : cases)
    EXPECT_EQ(HoldsUserFiles(c.Type, c.Point), c.Holds) << c.Type << " on " << c.Point;
}

TEST(UserMounts, TheRootFirstThenEachUserMountOnceThenTheHome) {
  using Volumes = std::vector<std::string>;
  const std::vector<MountEntry> mounts = {
      {"proc", "/proc"},        {"tmpfs", "/dev/shm"}, {"ext4", "/data/"}, {"ext4", "/"},
      {"tmpfs", "/run/user/0"}, {"ext4", "/data"},     {"tmpfs", "/tmp"},
  };
  const struct {
    const char* Home;
    Volumes Expected;
  } cases[] = {
      {"/home/ann/", {"/", "/data", "/tmp", "/home/ann"}},
      {"/home/ann", {"/", "/data", "/tmp", "/home/ann"}},
      {"/data/", {"/", "/data", "/tmp"}},  // a home that is a mount is listed once
      {"/", {"/", "/data", "/tmp"}},
      {"", {"/", "/data", "/tmp"}},
  };
  for (const auto& c : cases) EXPECT_EQ(UserVolumes(mounts, c.Home), c.Expected) << c.Home;
  EXPECT_EQ(UserVolumes({}, "/root/"), (Volumes{"/", "/root"}));  // no mount table: the root
}

}  // namespace
}  // namespace varnoke
