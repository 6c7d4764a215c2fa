#pragma once
// The directory that the last moves happened in, held open so that the next move there
// names its files relative to it, without a lookup of the whole path. A hold unused for
// a second is dropped and the directory opened again: meanwhile it may have been moved
// or replaced, and a run of moves follows one another far more closely.
#include <chrono>
#include <mutex>
#include <string>
#include <string_view>

namespace varnoke {

class HeldDirectory {
 public:
  HeldDirectory() = default;
  ~HeldDirectory();
  HeldDirectory(const HeldDirectory&) = delete;
  HeldDirectory& operator=(const HeldDirectory&) = delete;

  // Renames `from` to `to` inside `directory` (both plain names), never replacing a
  // file; the errno value, 0 on success, -1 when the directory could not be held.
  int RenameNoReplace(std::string_view directory, const char* from, const char* to);

 private:
  std::mutex mutex_;
  std::string path_;
  int fd_ = -1;
  std::chrono::steady_clock::time_point lastUse_;
};

}  // namespace varnoke
