#include "platform/posix/PartialFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <mutex>
#include <set>

namespace varnoke {

int RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
  if (::link(from.c_str(), to.c_str()) != 0) return errno;  // EEXIST: never replaced
  if (::unlink(from.c_str()) == 0) return 0;
  const int error = errno;
  ::unlink(to.c_str());
  return error;
}

namespace {

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A named temporary younger than this may belong to a copy that is just starting.
constexpr time_t kStalePartialSeconds = 60;

}  // namespace

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

PartialFile::~PartialFile() {
  if (fd_ < 0) return;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  ::close(fd_);
}

int PartialFile::Open(const std::string& target, bool unnamed) {
  const std::string directory = DirectoryOf(target);
  if (unnamed) {
    fd_ = ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd_ >= 0) return 0;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
  }
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

int PartialFile::Publish(const std::string& target) {
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

}  // namespace varnoke
