#pragma once
// A fresh directory under /tmp for one test, removed with everything in it when
// the test ends, and small helpers to put files into it and read them back.
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace varnoke::testing {

class TempDir {
 public:
  // `base` is the directory to make it in (another file system such as /dev/shm).
  explicit TempDir(const char* base = "/tmp") {
    std::string pattern = std::string(base) + "/varnoke-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    // Give back write permission so that read-only test files can be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
      ::chmod(it->path().c_str(), 0700);
    }
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

  // Writes a file with the given contents; returns its full path.
  std::string Write(std::string_view name, std::string_view contents = "") const;

  std::string MakeDir(std::string_view name) const {
    const std::string full = *this / name;
    if (::mkdir(full.c_str(), 0755) != 0) throw std::runtime_error("cannot mkdir " + full);
    return full;
  }

 private:
  std::string path_;
};

inline void WriteFile(const std::string& path, std::string_view content) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

inline std::string TempDir::Write(std::string_view name, std::string_view contents) const {
  const std::string full = *this / name;
  WriteFile(full, contents);
  return full;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool FileExists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

}  // namespace varnoke::testing
