// The changing side of the Linux file system: moves and copies that never replace a
// file, deletion, and the desktop trash.
#include <fcntl.h>
#include <gio/gio.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
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

enum class CopyKind { Copy, Move };

// Copies a regular file to a new file `to` (created with O_EXCL, so nothing is ever
// replaced), carrying the mode and the last-write time; a move also carries the
// access time and the owner and flushes the data before it reports success. A
// failed copy leaves no partial target behind.
bool CopyToNewFile(const std::string& from, const std::string& to, CopyKind kind) {
  const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (in < 0) return false;
  struct stat st;
  if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(in);
    return false;
  }
  const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
  if (out < 0) {
    ::close(in);
    return false;
  }
  bool ok = CopyData(in, out);
  if (ok) CopyDosAttrib(in, out);
  if (ok && kind == CopyKind::Move) {
    // Keep the owner where we may (root moving another user's file); a failure is
    // no reason to keep the file from moving.
    if (::fchown(out, st.st_uid, st.st_gid) != 0) {
    }
  }
  ok = ok && ::fchmod(out, st.st_mode & 07777) == 0;
  std::array<timespec, 2> times{};
  times[0] = st.st_atim;
  times[1] = st.st_mtim;
  if (kind == CopyKind::Copy) times[0].tv_nsec = UTIME_OMIT;
  ok = ok && ::futimens(out, times.data()) == 0;
  if (ok && kind == CopyKind::Move) ok = ::fsync(out) == 0;
  ok = (::close(out) == 0) && ok;
  ::close(in);
  if (!ok) ::unlink(to.c_str());
  return ok;
}

// A move to another file system: copy, then remove the source. If the source cannot
// be removed the copy goes again, so the file is never left twice.
bool MoveAcross(const std::string& from, const std::string& to) {
  struct stat st;
  if (::lstat(from.c_str(), &st) != 0) return false;
  if (S_ISLNK(st.st_mode)) {
    std::array<char, 4096> target;
    const ssize_t n = ::readlink(from.c_str(), target.data(), target.size() - 1);
    if (n < 0) return false;
    target[static_cast<std::size_t>(n)] = '\0';
    if (::symlink(target.data(), to.c_str()) != 0) return false;  // EEXIST: no replace
  } else if (!CopyToNewFile(from, to, CopyKind::Move)) {
    return false;
  }
  if (::unlink(from.c_str()) == 0) return true;
  ::unlink(to.c_str());
  return false;
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
bool RenameThroughSideName(const std::string& from, const std::string& to) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const std::string side = SideName(from, attempt);
    const int error = RenameNoReplace(from, side);
    if (error == EEXIST) continue;
    if (error != 0) return false;
    if (RenameNoReplace(side, to) == 0) return true;
    // `to` is another entry after all (a hard link of the same file): put it back.
    RenameNoReplace(side, from);
    return false;
  }
  return false;
}

}  // namespace

bool PosixFileSystem::MoveNoReplace(std::string_view fromView, std::string_view toView) {
  const std::string from = CPath(fromView), to = CPath(toView);
  const int error = RenameNoReplace(from, to);
  if (error == 0) return true;
  if (error == EXDEV) return MoveAcross(from, to);
  if (error == EEXIST && from != to && SameEntry(from, to)) return RenameThroughSideName(from, to);
  return false;
}

bool PosixFileSystem::CopyNoReplace(std::string_view from, std::string_view to) {
  return CopyToNewFile(CPath(from), CPath(to), CopyKind::Copy);
}

bool PosixFileSystem::Delete(std::string_view path) {
  return ::unlink(CPath(path).c_str()) == 0;
}

bool PosixFileSystem::DeleteToTrash(std::string_view path) {
  // GIO's freedesktop.org trash: the home trash or $topdir/.Trash-$uid, and a clean
  // refusal where no trash can exist. Nothing is deleted for good instead.
  GFile* file = g_file_new_for_path(CPath(path).c_str());
  GError* error = nullptr;
  const gboolean ok = g_file_trash(file, nullptr, &error);
  if (error) g_error_free(error);
  g_object_unref(file);
  return ok != FALSE;
}

}  // namespace varnoke
