#pragma once
// Helpers for the Linux file-system tests.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdint>
#include <ctime>
#include <string>

#include "support/TempDir.h"

namespace varnoke::testing {

// Sets a file's access and write times to whole seconds since 1970; true on success.
inline bool SetUnixTimes(const std::string& path, std::int64_t atime, std::int64_t mtime) {
  const timespec times[2] = {{static_cast<time_t>(atime), 0}, {static_cast<time_t>(mtime), 0}};
  return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

// Whether the directory's file system keeps user extended attributes.
inline bool HasUserXattrs(const std::string& directory) {
  const std::string probe = directory + "/.xattr-probe";
  const int fd = ::open(probe.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool ok = ::fsetxattr(fd, "user.varnoke-probe", "1", 1, 0) == 0;
  ::close(fd);
  ::unlink(probe.c_str());
  return ok;
}

}  // namespace varnoke::testing
