#include "platform/posix/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace varnoke {

namespace {

constexpr const char* kLockName = "/Varnoke_Mutex_Object.lock";
constexpr const char* kChannelName = "/Varnoke_Transfer";

// A directory only we may enter: ours, and no access for group or others.
bool PrivateDirectory(const std::string& dir) {
  struct stat st {};
  return ::lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
         (st.st_mode & 077) == 0;
}

}  // namespace

std::string RuntimeDirectory() {
  if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg != nullptr && xdg[0] == '/') {
    if (PrivateDirectory(xdg)) return xdg;
  }
  const std::string fallback = "/tmp/runtime-" + std::to_string(::getuid());
  ::mkdir(fallback.c_str(), 0700);  // fails harmlessly when it exists
  return PrivateDirectory(fallback) ? fallback : std::string();
}

InstanceLock::InstanceLock(const std::string& runtimeDirectory) {
  if (runtimeDirectory.empty()) return;
  channel_ = runtimeDirectory + kChannelName;
  const std::string path = runtimeDirectory + kLockName;
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd_ < 0) return;
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    state_ = State::Ours;
  } else if (errno == EWOULDBLOCK) {
    state_ = State::Theirs;
  }
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);  // releases the lock
}

bool SendToChannel(const std::string& channelPath, std::string_view bytes) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (channelPath.empty() || channelPath.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, channelPath.c_str(), channelPath.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  bool sent = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  while (sent && !bytes.empty()) {
    const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0)
      sent = false;
    else
      bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  ::close(fd);
  return sent;
}

}  // namespace varnoke
