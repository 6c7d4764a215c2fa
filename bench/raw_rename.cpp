// The floor that bench/compare.sh measures varnoke-cli against: the same in-place
// renames with exactly the system calls the job needs and nothing else. Per file:
// listing (exclusive open, flock, statx, getxattr of user.DOSATTRIB, close), one
// existence test of the new name, one renameat2 that never replaces a file.
//
//   raw_rename LIST PREFIX DIGITS    renames the files named in LIST (one full path
//                                    per line) to PREFIX + number + old extension
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

bool ListFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = flock(fd, LOCK_EX | LOCK_NB) == 0;
  struct statx st;
  ok = ok && statx(fd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &st) == 0;
  char attr[64];
  (void)fgetxattr(fd, "user.DOSATTRIB", attr, sizeof attr);
  close(fd);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const bool bare = argc == 5 && std::strcmp(argv[1], "--bare") == 0;
  if (argc != 4 && !bare) {
    std::fprintf(stderr, "usage: raw_rename [--bare] LIST PREFIX DIGITS\n");
    return 2;
  }
  char** args = argv + (bare ? 2 : 1);
  std::ifstream in(args[0]);
  std::vector<std::string> paths;
  for (std::string line; std::getline(in, line);) paths.push_back(line);
  const std::string prefix = args[1];
  const int digits = std::atoi(args[2]);

  std::vector<bool> listed(paths.size(), true);
  if (!bare) {
    for (std::size_t i = 0; i < paths.size(); ++i) listed[i] = ListFile(paths[i]);
  }

  int failed = 0;
  char number[32];
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (!listed[i]) {
      ++failed;
      continue;
    }
    const std::string& from = paths[i];
    const std::size_t slash = from.rfind('/');
    const std::size_t dot = from.rfind('.');
    const std::string ext = dot != std::string::npos && dot > slash ? from.substr(dot) : "";
    std::snprintf(number, sizeof number, "%0*zu", digits, i + 1);
    const std::string to = from.substr(0, slash + 1) + prefix + number + ext;
    struct stat st;
    if ((!bare && fstatat(AT_FDCWD, to.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) ||
        renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
      ++failed;
    }
  }
  return failed == 0 ? 0 : 1;
}
