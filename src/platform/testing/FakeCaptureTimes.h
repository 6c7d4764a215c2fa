#pragma once
// Times taken for tests: what each path "records", the size and last-write time the
// file has when read, and how often each path was read. Safe to read from several
// threads, as the real reader is.
#include <map>
#include <mutex>
#include <string>

#include "platform/CaptureTimes.h"

namespace varnoke {

class FakeCaptureTimes final : public CaptureTimes {
 public:
  // The file at `path` records `stamp` (none: no time) and has this size and time when read.
  void Set(const std::string& path, std::optional<TakenStamp> stamp, std::uint64_t size = 0,
           FileTime written = 0) {
    const std::lock_guard lock(mutex_);
    files_[path] = TakenRead{stamp, size, written};
  }

  TakenRead Read(const std::string& path) override {
    const std::lock_guard lock(mutex_);
    ++reads_[path];
    const auto found = files_.find(path);
    return found == files_.end() ? TakenRead{} : found->second;
  }

  int ReadsOf(const std::string& path) const {
    const std::lock_guard lock(mutex_);
    const auto found = reads_.find(path);
    return found == reads_.end() ? 0 : found->second;
  }
  int Reads() const {
    const std::lock_guard lock(mutex_);
    int all = 0;
    for (const auto& [path, count] : reads_) all += count;
    return all;
  }

 private:
  mutable std::mutex mutex_;
  std::map<std::string, TakenRead> files_;
  std::map<std::string, int> reads_;
};

}  // namespace varnoke
