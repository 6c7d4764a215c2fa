#pragma once
// Another process that holds a file until this object goes: by an exclusive flock (the
// default), a POSIX or an open-file-description lock, or just open for writing or for
// reading, the ways other programs hold the files they use.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

namespace varnoke::testing {

enum class Hold { Flock, PosixLock, OfdLock, OpenForWriting, OpenForReading };

class LockHolder {
 public:
  explicit LockHolder(const std::string& path, Hold how = Hold::Flock) {
    int ready[2], release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0) throw std::runtime_error("pipe failed");
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
      // Only its own two pipe ends stay open: an inherited release end of another
      // holder would keep that holder's child alive after it was released.
      for (int fd = 3; fd < 1024; ++fd)
        if (fd != ready[1] && fd != release[0]) ::close(fd);
      char ok = Take(path, how) ? 1 : 0;
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
  static bool Take(const std::string& path, Hold how) {
    // Locks on a descriptor open only for reading: the lock alone makes the file busy.
    const int mode = how == Hold::OpenForWriting ? O_WRONLY : O_RDONLY;
    const int fd = ::open(path.c_str(), mode | O_NONBLOCK);
    if (fd < 0) return false;
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    switch (how) {
      case Hold::Flock:
        return ::flock(fd, LOCK_EX) == 0;
      case Hold::PosixLock:
        return ::fcntl(fd, F_SETLK, &lock) == 0;
      case Hold::OfdLock:
        return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
      default:
        return true;
    }
  }

  pid_t pid_ = -1;
  int releaseFd_ = -1;
};

}  // namespace varnoke::testing
