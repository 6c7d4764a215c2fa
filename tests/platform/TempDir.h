#pragma once
// A fresh directory under /tmp for one test, removed with everything in it afterwards,
// and small helpers to make files in it.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace varnoke::testing {

class TempDir {
 public:
  explicit TempDir(const char* base = "/tmp") {
    std::string pattern = std::string(base) + "/varnoke-test-XXXXXX";
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ec;
    // Give write permission back first, so read-only entries can go.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      if (it->is_directory(ec)) ::chmod(it->path().c_str(), 0700);
    }
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

  // Writes a file with the given contents; returns its full path.
  std::string Write(std::string_view name, std::string_view contents = "") const {
    const std::string full = *this / name;
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    if (!out) throw std::runtime_error("cannot write " + full);
    return full;
  }

  std::string MakeDir(std::string_view name) const {
    const std::string full = *this / name;
    if (::mkdir(full.c_str(), 0755) != 0) throw std::runtime_error("cannot mkdir " + full);
    return full;
  }

 private:
  std::string path_;
};

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
