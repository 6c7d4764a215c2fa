// The changing side of the Linux file system: moves and copies that never replace a
// file, deletion, and the desktop trash.
#include <fcntl.h>
#include <gio/gio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <string>

#include "platform/posix/DosAttrib.h"
#include "platform/posix/PartialFile.h"
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

enum class CopyKind { Copy, Move };

FsStatus FailedWith(int error) {
  return FsStatus::Failure(error);
}

// Copies a regular file to a new file `to`, carrying the mode and the last-write time;
// a move also carries the access time and the owner. The data is written aside and
// flushed, and only then takes the target name (never replacing a file), so neither a
// failure nor a kill leaves a partial file under that name.
FsStatus CopyToNewFile(const std::string& from, const std::string& to, CopyKind kind,
                       NewFileWatch* watch) {
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
  if (error == 0 && watch) {
    // The journal learns what the copy is before it takes its name: a run killed from
    // here on leaves a file that recovery knows as the run's own.
    struct stat made;
    if (::fstat(out.Fd(), &made) == 0) watch->NewFile(FileId{made.st_dev, made.st_ino});
  }
  if (error == 0) error = out.Publish(to);
  ::close(in);
  return error == 0 ? FsStatus() : FailedWith(error);
}

// A move to another file system: copy, then remove the source. If the source cannot
// be removed the copy goes again, so the file is never left twice.
FsStatus MoveAcross(const std::string& from, const std::string& to, NewFileWatch* watch) {
  struct stat st;
  if (::lstat(from.c_str(), &st) != 0) return FailedWith(errno);
  if (S_ISLNK(st.st_mode)) {
    std::array<char, 4096> target;
    const ssize_t n = ::readlink(from.c_str(), target.data(), target.size() - 1);
    if (n < 0) return FailedWith(errno);
    target[static_cast<std::size_t>(n)] = '\0';
    if (::symlink(target.data(), to.c_str()) != 0) return FailedWith(errno);  // EEXIST: no replace
    struct stat made;
    if (watch && ::lstat(to.c_str(), &made) == 0) watch->NewFile(FileId{made.st_dev, made.st_ino});
  } else if (FsStatus copied = CopyToNewFile(from, to, CopyKind::Move, watch); !copied) {
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
  // A rename inside one directory, the usual case, goes relative to that directory.
  const std::size_t slash = fromView.rfind('/');
  if (slash != std::string_view::npos && slash == toView.rfind('/') &&
      fromView.substr(0, slash) == toView.substr(0, slash) && slash + 1 < fromView.size() &&
      slash + 1 < toView.size()) {
    const std::string fromName = CPath(fromView.substr(slash + 1));
    const std::string toName = CPath(toView.substr(slash + 1));
    if (moveDirectory_.RenameNoReplace(fromView.substr(0, slash), fromName.c_str(),
                                       toName.c_str()) == 0)
      return {};
    // Any failure is looked at again by the whole paths below.
  }
  const std::string from = CPath(fromView), to = CPath(toView);
  const int error = RenameNoReplace(from, to);
  if (error == 0) return {};
  if (error == EXDEV) return MoveAcross(from, to, NewFileWatcher());
  if (error == EEXIST && from != to && SameEntry(from, to)) return RenameThroughSideName(from, to);
  return FailedWith(error);
}

FsStatus PosixFileSystem::CopyNoReplace(std::string_view from, std::string_view to) {
  return CopyToNewFile(CPath(from), CPath(to), CopyKind::Copy, NewFileWatcher());
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
