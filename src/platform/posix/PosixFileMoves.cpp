// The changing side of the Linux file system: moves and copies that never replace a
// file, deletion, and the desktop trash.
#include <dirent.h>
#include <fcntl.h>
#include <gio/gio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <ctime>
#include <mutex>
#include <set>
#include <string>

#include "platform/posix/DosAttrib.h"
#include "platform/posix/PosixFileSystem.h"

namespace varnoke {
namespace {

std::string CPath(std::string_view path) {
  return std::string(path);
}

// Copies the rest of `in` into `out`: copy_file_range where the kernel can, else
// read and write.
bool CopyData(int in, int out) {
  bool kernelCopy = true;
  for (;;) {
    if (kernelCopy) {
      const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
      if (n > 0) continue;
      if (n == 0) return true;
      if (errno == EINTR) continue;
      if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP &&
          errno != EPERM)
        return false;
      kernelCopy = false;
    }
    std::array<char, 1 << 16> buffer;
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(out, buffer.data() + done, static_cast<std::size_t>(n - done));
      if (w < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      done += w;
    }
  }
}

// The stored DOS attributes go with the data (best effort: the target may lack xattrs).
void CopyDosAttrib(int in, int out) {
  std::array<char, 256> value;
  const ssize_t n = ::fgetxattr(in, kDosAttribName, value.data(), value.size());
  if (n >= 0) ::fsetxattr(out, kDosAttribName, value.data(), static_cast<std::size_t>(n), 0);
}

// rename(2) without replacing, or link + unlink where the file system refuses the flag.
// Returns 0 or the errno of the failure.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
  if (::link(from.c_str(), to.c_str()) != 0) return errno;  // EEXIST: never replaced
  if (::unlink(from.c_str()) == 0) return 0;
  const int error = errno;
  ::unlink(to.c_str());
  return error;
}

enum class CopyKind { Copy, Move };

FsStatus FailedWith(int error) {
  return FsStatus::Failure(error);
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Named temporaries of copies, for file systems without unnamed files.
constexpr std::string_view kPartialPrefix = ".varnoke-part-";
// A named temporary younger than this may belong to a copy that is just starting.
constexpr time_t kStalePartialSeconds = 60;

// Removes what killed copies left in `directory`: our own temporaries that nobody
// holds locked and that have not been written to for a while. Once per directory and
// process.
void RemoveStalePartials(const std::string& directory) {
  static std::mutex mutex;
  static std::set<std::string> cleaned;
  {
    const std::lock_guard<std::mutex> lock(mutex);
    if (!cleaned.insert(directory).second) return;
  }
  DIR* dir = ::opendir(directory.c_str());
  if (!dir) return;
  const int dirFd = ::dirfd(dir);
  const time_t now = ::time(nullptr);
  while (const dirent* d = ::readdir(dir)) {
    if (std::string_view(d->d_name).substr(0, kPartialPrefix.size()) != kPartialPrefix) continue;
    const int fd = ::openat(dirFd, d->d_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) continue;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime > kStalePartialSeconds &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlinkat(dirFd, d->d_name, 0);
    ::close(fd);
  }
  ::closedir(dir);
}

// Where a copy is written until it is whole: an unnamed file in the target's
// directory (O_TMPFILE), or where the file system has none, a named temporary held
// locked while it is written. A killed copy leaves nothing under the target name.
class PartialFile {
 public:
  ~PartialFile() {
    if (fd_ < 0) return;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    ::close(fd_);
  }
  PartialFile() = default;
  PartialFile(const PartialFile&) = delete;
  PartialFile& operator=(const PartialFile&) = delete;

  // 0 or the errno of the failure.
  int Open(const std::string& target) {
    const std::string directory = DirectoryOf(target);
    fd_ = ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd_ >= 0) return 0;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
    RemoveStalePartials(directory);
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 16; ++attempt) {
      temp_ = directory + "/" + std::string(kPartialPrefix) + std::to_string(::getpid()) + "-" +
              std::to_string(counter++);
      fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
      if (fd_ >= 0) {
        ::flock(fd_, LOCK_EX | LOCK_NB);  // tells a cleaner that the copy is alive
        return 0;
      }
      if (errno != EEXIST) break;
    }
    const int error = errno;
    temp_.clear();
    return error;
  }

  int Fd() const { return fd_; }

  // Gives the whole copy its name without replacing anything: 0 or the errno.
  int Publish(const std::string& target) {
    int error = 0;
    if (temp_.empty()) {
      const std::string self = "/proc/self/fd/" + std::to_string(fd_);
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) != 0) {
        error = errno;
        // Without /proc the descriptor itself is linked (needs privilege).
        if (error == ENOENT && ::linkat(fd_, "", AT_FDCWD, target.c_str(), AT_EMPTY_PATH) == 0)
          error = 0;
      }
    } else {
      error = RenameNoReplace(temp_, target);
      if (error == 0) temp_.clear();
    }
    return error;
  }

 private:
  int fd_ = -1;
  std::string temp_;
};

// Copies a regular file to a new file `to`, carrying the mode and the last-write time;
// a move also carries the access time and the owner. The data is written aside and
// flushed, and only then takes the target name (never replacing a file), so neither a
// failure nor a kill leaves a partial file under that name.
FsStatus CopyToNewFile(const std::string& from, const std::string& to, CopyKind kind) {
  const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (in < 0) return FailedWith(errno);
  struct stat st {};
  if (const int error = ::fstat(in, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EINVAL) {
    ::close(in);
    return FailedWith(error);
  }
  // A target taken already fails now, before any data is written.
  struct stat existing;
  if (::lstat(to.c_str(), &existing) == 0) {
    ::close(in);
    return FailedWith(EEXIST);
  }
  PartialFile out;
  int error = out.Open(to);
  errno = 0;
  if (error == 0 && !CopyData(in, out.Fd())) error = errno;
  if (error == 0) {
    CopyDosAttrib(in, out.Fd());
    // Keep the owner where we may (root moving another user's file); a failure is
    // no reason to keep the file from moving.
    if (kind == CopyKind::Move && ::fchown(out.Fd(), st.st_uid, st.st_gid) != 0) {
    }
    std::array<timespec, 2> times{};
    times[0] = st.st_atim;
    times[1] = st.st_mtim;
    if (kind == CopyKind::Copy) times[0].tv_nsec = UTIME_OMIT;
    if (::fchmod(out.Fd(), st.st_mode & 07777) != 0 || ::futimens(out.Fd(), times.data()) != 0 ||
        ::fsync(out.Fd()) != 0)
      error = errno;
  }
  if (error == 0) error = out.Publish(to);
  ::close(in);
  return error == 0 ? FsStatus() : FailedWith(error);
}

// A move to another file system: copy, then remove the source. If the source cannot
// be removed the copy goes again, so the file is never left twice.
FsStatus MoveAcross(const std::string& from, const std::string& to) {
  struct stat st;
  if (::lstat(from.c_str(), &st) != 0) return FailedWith(errno);
  if (S_ISLNK(st.st_mode)) {
    std::array<char, 4096> target;
    const ssize_t n = ::readlink(from.c_str(), target.data(), target.size() - 1);
    if (n < 0) return FailedWith(errno);
    target[static_cast<std::size_t>(n)] = '\0';
    if (::symlink(target.data(), to.c_str()) != 0) return FailedWith(errno);  // EEXIST: no replace
  } else if (FsStatus copied = CopyToNewFile(from, to, CopyKind::Move); !copied) {
    return copied;
  }
  if (::unlink(from.c_str()) == 0) return {};
  const int error = errno;
  ::unlink(to.c_str());
  return FailedWith(error);
}

bool SameEntry(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  return ::lstat(a.c_str(), &sa) == 0 && ::lstat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

// A name in the directory of `path` that nothing uses yet (not created).
std::string SideName(const std::string& path, int attempt) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = path.rfind('/');
  std::string out = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  out += ".varnoke-move-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
         std::to_string(attempt);
  return out;
}

// A name that only differs in case on a mount that ignores case reaches the source
// itself; such a rename goes through a free side name.
FsStatus RenameThroughSideName(const std::string& from, const std::string& to) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const std::string side = SideName(from, attempt);
    const int error = RenameNoReplace(from, side);
    if (error == EEXIST) continue;
    if (error != 0) return FailedWith(error);
    if (RenameNoReplace(side, to) == 0) return {};
    // `to` is another entry after all (a hard link of the same file): put it back.
    RenameNoReplace(side, from);
    return FailedWith(EEXIST);
  }
  return FailedWith(EEXIST);
}

}  // namespace

FsStatus PosixFileSystem::MoveNoReplace(std::string_view fromView, std::string_view toView) {
  const std::string from = CPath(fromView), to = CPath(toView);
  const int error = RenameNoReplace(from, to);
  if (error == 0) return {};
  if (error == EXDEV) return MoveAcross(from, to);
  if (error == EEXIST && from != to && SameEntry(from, to)) return RenameThroughSideName(from, to);
  return FailedWith(error);
}

FsStatus PosixFileSystem::CopyNoReplace(std::string_view from, std::string_view to) {
  return CopyToNewFile(CPath(from), CPath(to), CopyKind::Copy);
}

FsStatus PosixFileSystem::Delete(std::string_view path) {
  if (::unlink(CPath(path).c_str()) == 0) return {};
  return FailedWith(errno);
}

FsStatus PosixFileSystem::DeleteToTrash(std::string_view path) {
  // GIO's freedesktop.org trash: the home trash or $topdir/.Trash-$uid, and a clean
  // refusal where no trash can exist. Nothing is deleted for good instead.
  GFile* file = g_file_new_for_path(CPath(path).c_str());
  GError* error = nullptr;
  const gboolean ok = g_file_trash(file, nullptr, &error);
  int code = 0;
  if (error) {
    code = error->domain != G_IO_ERROR                   ? EIO
           : error->code == G_IO_ERROR_NOT_FOUND         ? ENOENT
           : error->code == G_IO_ERROR_PERMISSION_DENIED ? EACCES
           : error->code == G_IO_ERROR_NOT_SUPPORTED     ? ENOTSUP
                                                         : EIO;
    g_error_free(error);
  }
  g_object_unref(file);
  return ok != FALSE ? FsStatus() : FailedWith(code);
}

}  // namespace varnoke
