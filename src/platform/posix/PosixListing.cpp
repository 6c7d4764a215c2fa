// Listing files on Linux without opening them: one statx and one read of the stored
// attributes per file, busy files answered from one look at the whole system.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <string>

#include "platform/posix/BusySnapshot.h"
#include "platform/posix/DosAttrib.h"
#include "platform/posix/PosixAttributes.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/StatxInfo.h"

namespace varnoke {
namespace {

FileKey KeyOf(const struct statx& status) {
  return {makedev(status.stx_dev_major, status.stx_dev_minor), status.stx_ino};
}

bool StatusOf(const std::string& path, int flags, struct statx& status) {
  return ::statx(AT_FDCWD, path.c_str(), flags, kStatxMask, &status) == 0;
}

// Whether this process may read the file. The owner's read bit answers for our own
// files; anything else (another owner, an access list, root's override) is asked.
bool MayRead(const std::string& path, const struct statx& status, uid_t self) {
  if (status.stx_uid == self && (status.stx_mode & S_IRUSR)) return true;
  return ::faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) == 0;
}

// What a link names (the link itself when it dangles); nullopt when that is a
// directory, or the link is gone.
std::optional<struct statx> LinkStatus(const std::string& path, bool& dangling) {
  struct statx status;
  dangling = false;
  if (!StatusOf(path, 0, status)) {
    if (!StatusOf(path, AT_SYMLINK_NOFOLLOW, status)) return std::nullopt;
    dangling = true;
  }
  if (S_ISDIR(status.stx_mode)) return std::nullopt;
  return status;
}

class PosixListing final : public Listing {
 public:
  PosixListing() : snapshot_(BusySnapshot::Take()), self_(::geteuid()) {}

  std::optional<ListedFile> List(std::string_view given) const override {
    const std::string path(given);
    struct statx status;
    if (!StatusOf(path, AT_SYMLINK_NOFOLLOW, status)) return std::nullopt;
    bool follow = false;
    ListedFile out;
    if (S_ISLNK(status.stx_mode)) {
      // A link is an entry of its own: its target's data, never busy, since renaming
      // the link leaves the file that another program uses where it is.
      bool dangling = false;
      const std::optional<struct statx> named = LinkStatus(path, dangling);
      if (!named) return std::nullopt;
      status = *named;
      follow = !dangling;
      out.Busy = !dangling && !S_ISREG(status.stx_mode);
    } else if (S_ISDIR(status.stx_mode)) {
      return std::nullopt;
    } else {
      out.Busy = !S_ISREG(status.stx_mode) || !MayRead(path, status, self_) ||
                 snapshot_.Holds(KeyOf(status));
    }
    if (out.Busy) return out;
    DosAttribBuffer buffer;
    out.Info = InfoOf(status, ComputeAttributes(status.stx_mode, BaseName(path),
                                                ReadDosAttrib(path.c_str(), follow, buffer)));
    return out;
  }

 private:
  BusySnapshot snapshot_;
  uid_t self_;
};

}  // namespace

std::shared_ptr<const Listing> PosixFileSystem::BeginListing() {
  return std::make_shared<PosixListing>();
}

bool PosixFileSystem::IsBusy(std::string_view given, Access access) {
  const std::string path(given);
  struct statx status;
  if (!StatusOf(path, AT_SYMLINK_NOFOLLOW, status)) return true;
  if (S_ISLNK(status.stx_mode)) {
    bool dangling = false;
    const std::optional<struct statx> named = LinkStatus(path, dangling);
    return !named || (!dangling && !S_ISREG(named->stx_mode));
  }
  if (!S_ISREG(status.stx_mode) || !MayRead(path, status, ::geteuid())) return true;
  if (access == Access::ReadWrite) {
    // Windows refuses to open a read-only file for writing even to an administrator,
    // so the mode counts as well as the open, which also fails for a running program.
    if ((status.stx_mode & S_IWUSR) == 0) return true;
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) return true;
    ::close(fd);
  }
  const FileKey key = KeyOf(status);
  return BusySnapshot::Take(&key).Holds(key);
}

}  // namespace varnoke
