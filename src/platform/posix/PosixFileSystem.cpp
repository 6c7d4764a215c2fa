#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <mntent.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "model/Attributes.h"
#include "platform/posix/DosAttrib.h"
#include "platform/posix/PosixAttributes.h"
#include "platform/posix/PosixTime.h"
#include "platform/posix/StatxInfo.h"
#include "platform/posix/UserDirectories.h"
#include "platform/posix/UserMounts.h"

namespace varnoke {
namespace {

// string_view is not NUL-terminated; the system calls need a C string.
std::string CPath(std::string_view path) {
  return std::string(path);
}

// The stored root directory is the empty string.
std::string DirectoryPath(std::string_view directory) {
  return directory.empty() ? std::string("/") : std::string(directory);
}

// The access and write times to set (a null pointer leaves that time as it is).
std::array<timespec, 2> TimesToSet(const FileTime* accessed, const FileTime* written) {
  std::array<timespec, 2> times{};
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_nsec = UTIME_OMIT;
  if (accessed) times[0] = TimespecFromFileTime(*accessed);
  if (written) times[1] = TimespecFromFileTime(*written);
  return times;
}

class PosixOpenFile final : public OpenFile {
 public:
  PosixOpenFile(int fd, Access access, std::string_view path, const struct statx& status)
      : fd_(fd), access_(access), name_(BaseName(path)), status_(status) {}
  ~PosixOpenFile() override { ::close(fd_); }
  PosixOpenFile(const PosixOpenFile&) = delete;
  PosixOpenFile& operator=(const PosixOpenFile&) = delete;

  std::optional<FileInfo> Query() override {
    // The status read when the file was opened serves the first query: listing a
    // file then costs one statx, not two.
    if (!statusFresh_ && ::statx(fd_, "", AT_EMPTY_PATH, kStatxMask, &status_) != 0)
      return std::nullopt;
    statusFresh_ = false;
    DosAttribBuffer buffer;
    return InfoOf(status_, ComputeAttributes(status_.stx_mode, name_, ReadDosAttrib(fd_, buffer)));
  }

  bool SetTimes(const FileTime* created, const FileTime* accessed,
                const FileTime* written) override {
    (void)created;  // Linux offers no way to set a birth time.
    if (access_ != Access::ReadWrite) return false;
    if (!accessed && !written) return true;
    statusFresh_ = false;
    return ::futimens(fd_, TimesToSet(accessed, written).data()) == 0;
  }

 private:
  int fd_;
  Access access_;
  std::string name_;
  struct statx status_;
  bool statusFresh_ = true;
};

// A symbolic link to a file, held as itself: it cannot be opened or locked, its
// target's data is what the list shows, and its times are set on the link alone, so
// nothing done to the entry reaches the file it points to.
class PosixLinkFile final : public OpenFile {
 public:
  PosixLinkFile(std::string path, const struct statx& status)
      : path_(std::move(path)), status_(status) {}

  std::optional<FileInfo> Query() override {
    if (!statusFresh_ && !StatusOf(path_.c_str(), status_)) return std::nullopt;
    statusFresh_ = false;
    DosAttribBuffer buffer;
    const bool dangling = S_ISLNK(status_.stx_mode);
    return InfoOf(status_, ComputeAttributes(status_.stx_mode, BaseName(path_),
                                             ReadDosAttrib(path_.c_str(), !dangling, buffer)));
  }

  bool SetTimes(const FileTime*, const FileTime* accessed, const FileTime* written) override {
    if (!accessed && !written) return true;
    statusFresh_ = false;
    return ::utimensat(AT_FDCWD, path_.c_str(), TimesToSet(accessed, written).data(),
                       AT_SYMLINK_NOFOLLOW) == 0;
  }

  // The status of what the link names; of the link itself when it dangles.
  static bool StatusOf(const char* path, struct statx& status) {
    return ::statx(AT_FDCWD, path, 0, kStatxMask, &status) == 0 ||
           ::statx(AT_FDCWD, path, AT_SYMLINK_NOFOLLOW, kStatxMask, &status) == 0;
  }

 private:
  std::string path_;
  struct statx status_;
  bool statusFresh_ = true;
};

// A link opened for exclusive use: refused when it names a directory or anything else
// that is not a file, as the file itself would be.
std::unique_ptr<OpenFile> OpenLink(std::string path) {
  struct statx status;
  if (!PosixLinkFile::StatusOf(path.c_str(), status)) return nullptr;
  if (!S_ISREG(status.stx_mode) && !S_ISLNK(status.stx_mode)) return nullptr;
  return std::make_unique<PosixLinkFile>(std::move(path), status);
}

// mode and the attributes of an entry reached by `path` (links followed; a dangling
// link is taken as itself).
std::optional<std::uint32_t> AttributesOf(const char* path, std::string_view baseName) {
  struct stat st;
  bool follow = true;
  if (::stat(path, &st) != 0) {
    if (::lstat(path, &st) != 0) return std::nullopt;
    follow = false;
  }
  DosAttribBuffer buffer;
  return ComputeAttributes(st.st_mode, baseName, ReadDosAttrib(path, follow, buffer));
}

}  // namespace

std::unique_ptr<OpenFile> PosixFileSystem::OpenExclusive(std::string_view path, Access access) {
  // O_NONBLOCK: a FIFO must not hang the open (it is refused below, as is any entry
  // that is not a regular file).
  // O_NOFOLLOW: a link is an entry of its own, never a way to lock or change its target.
  const int flags =
      (access == Access::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW;
  std::string p = CPath(path);
  const int fd = ::open(p.c_str(), flags);
  if (fd < 0) return errno == ELOOP ? OpenLink(std::move(p)) : nullptr;
  struct statx status;
  bool ok = ::statx(fd, "", AT_EMPTY_PATH, kStatxMask, &status) == 0 && S_ISREG(status.stx_mode);
  // Windows refuses to open a read-only file for writing even to an administrator;
  // root would pass the permission check, so look at the mode as well.
  if (ok && access == Access::ReadWrite && (status.stx_mode & S_IWUSR) == 0) ok = false;
  if (ok && ::flock(fd, LOCK_EX | LOCK_NB) != 0) ok = false;
  if (!ok) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixOpenFile>(fd, access, path, status);
}

std::optional<std::uint32_t> PosixFileSystem::GetAttributes(std::string_view path) {
  return AttributesOf(CPath(path).c_str(), BaseName(path));
}

bool PosixFileSystem::SetAttributes(std::string_view path, std::uint32_t attr) {
  const std::string p = CPath(path);
  struct stat st;
  // Never through a link: its target is not an entry of the list.
  if (::lstat(p.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) return false;
  const bool readOnly = (attr & kAttrReadOnly) != 0;
  const mode_t oldMode = st.st_mode & 07777;
  // Read-only takes every write permission away; clearing it gives the owner's back.
  const mode_t newMode = readOnly ? (oldMode & ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH))
                                  : (oldMode | S_IWUSR);
  auto setMode = [&] {
    if (newMode == oldMode) return true;
    // No-follow calls, so a link put in the file's place meanwhile is not followed.
    if (::fchmodat(AT_FDCWD, p.c_str(), newMode, AT_SYMLINK_NOFOLLOW) == 0) return true;
    return errno == ENOTSUP && ::chmod(p.c_str(), newMode) == 0;
  };
  auto setStored = [&] {
    const std::string value = FormatDosAttrib(attr & (kAttrHidden | kAttrSystem | kAttrArchive));
    if (::lsetxattr(p.c_str(), kDosAttribName, value.data(), value.size(), 0) == 0) return true;
    // A file system without extended attributes cannot keep these bits; that is allowed.
    return errno == ENOTSUP || errno == EOPNOTSUPP;
  };
  // Writing a user attribute needs write permission on the file: store the bits while
  // the file is still writable, or after it has become so.
  return readOnly ? (setStored() && setMode()) : (setMode() && setStored());
}

bool PosixFileSystem::Exists(std::string_view path) {
  // Any entry but a directory, whatever its time stamp. A link counts as itself (also
  // a dangling one), except a link to a directory, which counts as that directory.
  const std::string p = CPath(path);
  struct stat st;
  if (::lstat(p.c_str(), &st) != 0) return false;
  if (!S_ISLNK(st.st_mode)) return !S_ISDIR(st.st_mode);
  return ::stat(p.c_str(), &st) != 0 || !S_ISDIR(st.st_mode);
}

bool PosixFileSystem::SameFile(std::string_view a, std::string_view b) {
  if (a == b) return true;
  struct stat sa, sb;
  if (::lstat(CPath(a).c_str(), &sa) != 0 || ::lstat(CPath(b).c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

namespace {

// Reads a directory; `withAttributes` decides whether every entry costs a status and
// an extended-attribute read.
bool ReadDirectory(std::string_view directory, bool withAttributes,
                   const std::function<bool(const DirEntry&)>& visit) {
  const std::string dirPath = DirectoryPath(directory);
  DIR* dir = ::opendir(dirPath.c_str());
  if (!dir) return false;
  const int dirFd = ::dirfd(dir);
  std::string entryPath = dirPath;
  if (entryPath.back() != '/') entryPath.push_back('/');
  const std::size_t prefix = entryPath.size();
  DirEntry entry;
  while (const dirent* d = ::readdir(dir)) {
    entry.Name = d->d_name;
    entry.Attr = 0;
    unsigned char type = d->d_type;
    if (type == DT_UNKNOWN) {  // a file system that does not say: ask, without following
      struct stat own;
      if (::fstatat(dirFd, d->d_name, &own, AT_SYMLINK_NOFOLLOW) == 0)
        type = S_ISDIR(own.st_mode) ? DT_DIR : S_ISLNK(own.st_mode) ? DT_LNK : DT_REG;
    }
    // A link is never a directory to walk into, wherever it points: a link to a
    // parent would make a search of the subdirectories endless.
    entry.IsDirectory = type == DT_DIR;
    entry.IsLink = type == DT_LNK;
    if (withAttributes) {
      // Attributes of what a link names; a dangling link's of the link itself.
      struct stat st;
      const bool follow = ::fstatat(dirFd, d->d_name, &st, 0) == 0;
      if (follow || ::fstatat(dirFd, d->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        entryPath.resize(prefix);
        entryPath.append(d->d_name);
        DosAttribBuffer buffer;
        entry.Attr = ComputeAttributes(st.st_mode, entry.Name,
                                       ReadDosAttrib(entryPath.c_str(), follow, buffer));
      }
    }
    if (!visit(entry)) break;
  }
  ::closedir(dir);
  return true;
}

}  // namespace

bool PosixFileSystem::Enumerate(std::string_view directory,
                                const std::function<bool(const DirEntry&)>& visit) {
  return ReadDirectory(directory, true, visit);
}

bool PosixFileSystem::EnumerateNames(std::string_view directory,
                                     const std::function<bool(const DirEntry&)>& visit) {
  return ReadDirectory(directory, false, visit);
}

std::optional<FileId> PosixFileSystem::IdOf(std::string_view path) {
  struct stat st;
  if (::lstat(CPath(path).c_str(), &st) != 0) return std::nullopt;
  return FileId{st.st_dev, st.st_ino};
}

bool PosixFileSystem::SameContent(std::string_view a, std::string_view b) {
  const int fa = ::open(CPath(a).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  const int fb =
      fa < 0 ? -1 : ::open(CPath(b).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  bool same = fa >= 0 && fb >= 0;
  struct stat sa {
  }, sb{};
  same = same && ::fstat(fa, &sa) == 0 && ::fstat(fb, &sb) == 0 && S_ISREG(sa.st_mode) &&
         S_ISREG(sb.st_mode) && sa.st_size == sb.st_size;
  std::array<char, 1 << 16> ba, bb;
  while (same) {
    const ssize_t na = ::read(fa, ba.data(), ba.size());
    if (na < 0 && errno == EINTR) continue;
    if (na <= 0) {
      same = na == 0;
      break;
    }
    ssize_t nb = 0;
    while (nb < na) {
      const ssize_t n = ::read(fb, bb.data() + nb, static_cast<std::size_t>(na - nb));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      nb += n;
    }
    same = nb == na && std::memcmp(ba.data(), bb.data(), static_cast<std::size_t>(na)) == 0;
  }
  if (fa >= 0) ::close(fa);
  if (fb >= 0) ::close(fb);
  return same;
}

// The inode numbers come with the names of one read of the directory: no status call
// per entry, so even a directory of a hundred thousand files costs a few milliseconds.
bool PosixFileSystem::EnumerateIds(
    std::string_view directory, const std::function<void(std::string_view, const FileId&)>& visit) {
  DIR* dir = ::opendir(DirectoryPath(directory).c_str());
  if (!dir) return false;
  struct stat st;
  if (::fstat(::dirfd(dir), &st) != 0) {
    ::closedir(dir);
    return false;
  }
  while (const dirent* d = ::readdir(dir)) {
    const std::string_view name = d->d_name;
    if (name == "." || name == "..") continue;
    visit(name, FileId{st.st_dev, d->d_ino});
  }
  ::closedir(dir);
  return true;
}

std::optional<std::size_t> PosixFileSystem::MaxNameLength(std::string_view directory) {
  errno = 0;
  const long max = ::pathconf(DirectoryPath(directory).c_str(), _PC_NAME_MAX);
  if (max <= 0) return std::nullopt;
  return static_cast<std::size_t>(max);
}

std::vector<std::string> PosixFileSystem::Volumes() {
  std::vector<MountEntry> mounts;
  if (FILE* table = ::setmntent("/proc/self/mounts", "r")) {
    mntent entry;
    std::array<char, 4096> buffer;
    while (::getmntent_r(table, &entry, buffer.data(), static_cast<int>(buffer.size())))
      mounts.push_back({entry.mnt_type, entry.mnt_dir});
    ::endmntent(table);
  }
  return UserVolumes(mounts, HomeDirectory());
}

}  // namespace varnoke
