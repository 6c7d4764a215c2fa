#pragma once
// A small tmpfs mounted on a fresh directory for one test: a disk that fills up, a
// second file system to move across, a read-only file system. Mounting needs root;
// where it is refused, Mounted() is false and the test skips with the reason.
#include <sys/mount.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "support/TempDir.h"

namespace varnoke::testing {

class TmpfsMount {
 public:
  // `options` such as "size=1m" or "size=1m,ro" (ro is applied after mounting).
  explicit TmpfsMount(const std::string& size, bool readOnly = false) : point_(dir_ / "mnt") {
    dir_.MakeDir("mnt");
    const std::string data = "size=" + size + ",mode=0777";
    if (::mount("tmpfs", point_.c_str(), "tmpfs", 0, data.c_str()) != 0) {
      why_ = std::string("mounting a tmpfs was refused: ") + std::strerror(errno);
      return;
    }
    mounted_ = true;
    if (readOnly &&
        ::mount("tmpfs", point_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, data.c_str()) != 0)
      why_ = std::string("remounting read-only was refused: ") + std::strerror(errno);
  }
  ~TmpfsMount() {
    if (mounted_) ::umount2(point_.c_str(), MNT_DETACH);
  }
  TmpfsMount(const TmpfsMount&) = delete;
  TmpfsMount& operator=(const TmpfsMount&) = delete;

  bool Ready() const { return mounted_; }
  const std::string& Why() const { return why_; }
  const std::string& Path() const { return point_; }
  std::string operator/(const std::string& name) const { return point_ + "/" + name; }
  // Bytes in use on the mount.
  unsigned long long Used() const {
    struct statvfs s;
    if (::statvfs(point_.c_str(), &s) != 0) return 0;
    return (s.f_blocks - s.f_bfree) * s.f_frsize;
  }

 private:
  TempDir dir_;
  std::string point_;
  bool mounted_ = false;
  std::string why_;
};

}  // namespace varnoke::testing
