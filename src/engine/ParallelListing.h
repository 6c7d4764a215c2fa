#pragma once
// Listing many files at once on every core: the same AddFile per path, the entries
// appended in the order of the paths, as if they had been listed one by one.
#include <string>
#include <vector>

#include "model/TVrnFile.h"
#include "platform/FileSystem.h"

namespace varnoke {

// Lists `paths` into `files` after its present entries, from one listing; the
// listing must allow calls from several threads (the POSIX one only reads its look at
// the system). Short lists are listed on the calling thread. Returns the positions of
// the paths that added nothing, in order.
std::vector<std::size_t> AddFilesInParallel(FileSystem& fs, TVrnFiles& files,
                                            const std::vector<std::string>& paths);

// Collects the paths handed to it, to be listed together.
class PendingPaths {
 public:
  PendingPaths() = default;
  explicit PendingPaths(std::vector<std::string> paths) : paths_(std::move(paths)) {}
  void Add(std::string_view path) { paths_.emplace_back(path); }
  // Lists the collected paths on every core and forgets them; returns those that added
  // nothing (missing, a directory), in order.
  std::vector<std::string> ListInto(FileSystem& fs, TVrnFiles& files);
  // The same on the calling thread only.
  std::vector<std::string> ListOneByOne(FileSystem& fs, TVrnFiles& files);

 private:
  std::vector<std::string> paths_;
};

}  // namespace varnoke
