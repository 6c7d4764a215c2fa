#pragma once
// Another process that holds an exclusive flock on a file until this object goes,
// the way a program that keeps a file open for itself makes it busy.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

namespace varnoke::testing {

class LockHolder {
 public:
  explicit LockHolder(const std::string& path) {
    int ready[2], release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0) throw std::runtime_error("pipe failed");
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
      // Only its own two pipe ends stay open: an inherited release end of another
      // holder would keep that holder's child alive after it was released.
      for (int fd = 3; fd < 1024; ++fd)
        if (fd != ready[1] && fd != release[0]) ::close(fd);
      const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
      char ok = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? 1 : 0;
      if (::write(ready[1], &ok, 1) != 1) ::_exit(2);
      char c;
      while (::read(release[0], &c, 1) > 0) {
      }
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    releaseFd_ = release[1];
    char ok = 0;
    const bool got = ::read(ready[0], &ok, 1) == 1;
    ::close(ready[0]);
    if (!got || !ok) {
      Release();
      throw std::runtime_error("the child could not lock " + path);
    }
  }
  ~LockHolder() { Release(); }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

  // Ends the child; its lock goes with it.
  void Release() {
    if (pid_ <= 0) return;
    ::close(releaseFd_);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int releaseFd_ = -1;
};

}  // namespace varnoke::testing
