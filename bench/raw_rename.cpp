// The floor that bench/compare.sh measures varnoke-cli against: the same in-place
// renames with exactly the system calls the job needs and nothing else. Per file:
// listing (statx, lgetxattr of user.DOSATTRIB), then one renameat2 relative to the
// held directory that never replaces a file; the existence tests of the new names are
// answered from one read of the directory.
//
//   raw_rename LIST PREFIX DIGITS    renames the files named in LIST (one full path
//                                    per line, all in one directory) to PREFIX +
//                                    number + old extension
//   raw_rename --bare LIST ...       nothing but the renameat2 calls
//   raw_rename --list LIST           the listing calls alone
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

bool ListFile(const std::string& path) {
  struct statx st;
  if (statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &st) != 0)
    return false;
  char attr[256];
  (void)lgetxattr(path.c_str(), "user.DOSATTRIB", attr, sizeof attr);
  return true;
}

std::unordered_set<std::string> NamesIn(const std::string& directory) {
  std::unordered_set<std::string> names;
  if (DIR* dir = opendir(directory.c_str())) {
    while (const dirent* d = readdir(dir)) names.insert(d->d_name);
    closedir(dir);
  }
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 && argv[1][0] == '-' ? argv[1] : "";
  char** args = argv + (mode.empty() ? 1 : 2);
  const int left = argc - (mode.empty() ? 1 : 2);
  if ((mode == "--list" && left != 1) || (mode != "--list" && left != 3) ||
      (!mode.empty() && mode != "--list" && mode != "--bare")) {
    std::fprintf(stderr, "usage: raw_rename [--bare] LIST PREFIX DIGITS | --list LIST\n");
    return 2;
  }
  std::ifstream in(args[0]);
  std::vector<std::string> paths;
  for (std::string line; std::getline(in, line);) paths.push_back(line);

  std::vector<bool> listed(paths.size(), true);
  int failed = 0;
  if (mode != "--bare") {
    for (std::size_t i = 0; i < paths.size(); ++i) failed += !(listed[i] = ListFile(paths[i]));
  }
  if (mode == "--list" || paths.empty()) return failed == 0 ? 0 : 1;

  const std::string prefix = args[1];
  const int digits = std::atoi(args[2]);
  const std::size_t slash = paths[0].rfind('/');
  const std::string directory = paths[0].substr(0, slash);
  const std::unordered_set<std::string> taken =
      mode == "--bare" ? std::unordered_set<std::string>() : NamesIn(directory);
  const int dirFd = open(directory.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  char number[32];
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (!listed[i]) continue;
    const std::string from = paths[i].substr(slash + 1);
    const std::size_t dot = from.rfind('.');
    const std::string ext = dot != std::string::npos ? from.substr(dot) : "";
    std::snprintf(number, sizeof number, "%0*zu", digits, i + 1);
    const std::string to = prefix + number + ext;
    if (taken.count(to) ||
        renameat2(dirFd, from.c_str(), dirFd, to.c_str(), RENAME_NOREPLACE) != 0) {
      ++failed;
    }
  }
  return failed == 0 ? 0 : 1;
}
