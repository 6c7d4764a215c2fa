#include "platform/posix/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace varnoke {
namespace {

int CloseKeepingError(int fd, int error) {
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a path names after following symbolic links (the path itself when it
// names no link or the link's target cannot be resolved).
std::string ResolvedTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char buffer[PATH_MAX];
  if (::realpath(path.c_str(), buffer) == nullptr) return path;
  return buffer;
}

void SyncDirectory(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

ReadOutcome ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {{}, errno};
  ReadOutcome out = ReadWholeDescriptor(fd);
  out.Error = CloseKeepingError(fd, out.Error);
  return out;
}

ReadOutcome ReadWholeDescriptor(int fd) {
  ReadOutcome out;
  struct stat st {};
  if (::fstat(fd, &st) != 0) return {{}, errno};
  if (S_ISDIR(st.st_mode)) return {{}, EISDIR};
  if (S_ISREG(st.st_mode) && st.st_size > 0)
    out.Bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      out.Error = errno;
      out.Bytes.clear();
      break;
    }
    if (n == 0) break;
    out.Bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return out;
}

int ReplaceFileAtomically(const std::string& requested, std::string_view bytes, unsigned newMode) {
  const std::string path = ResolvedTarget(requested);
  struct stat old {};
  const bool exists = ::stat(path.c_str(), &old) == 0;
  if (exists) {
    if (S_ISDIR(old.st_mode)) return EISDIR;
    if ((old.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0) return EACCES;
  }
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return errno;
  const mode_t mode = exists ? (old.st_mode & 07777) : [newMode] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(newMode & ~mask);
  }();
  int error = ::fchmod(fd, mode) == 0 ? 0 : errno;
  if (error == 0) error = WriteAll(fd, bytes);
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  error = CloseKeepingError(fd, error);
  if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return error;
  }
  SyncDirectory(DirectoryOf(path));
  return 0;
}

int CreateDirectories(const std::string& given) {
  std::string path = given;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty()) return 0;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
  const std::string parent = DirectoryOf(path);
  if (parent != path && parent != "." && parent != "/") {
    const int error = CreateDirectories(parent);
    if (error != 0) return error;
  }
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return errno;
  return 0;
}

}  // namespace varnoke
