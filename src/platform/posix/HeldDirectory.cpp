#include "platform/posix/HeldDirectory.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace varnoke {

namespace {
constexpr auto kHoldFor = std::chrono::seconds(1);
}

HeldDirectory::~HeldDirectory() {
  if (fd_ >= 0) ::close(fd_);
}

int HeldDirectory::RenameNoReplace(std::string_view directory, const char* from, const char* to) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto now = std::chrono::steady_clock::now();
  if (fd_ < 0 || directory != path_ || now - lastUse_ > kHoldFor) {
    if (fd_ >= 0) ::close(fd_);
    path_ = directory;
    fd_ = ::open(path_.empty() ? "/" : path_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return -1;
  }
  lastUse_ = now;
  return ::renameat2(fd_, from, fd_, to, RENAME_NOREPLACE) == 0 ? 0 : errno;
}

}  // namespace varnoke
