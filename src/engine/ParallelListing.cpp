#include "engine/ParallelListing.h"

#include <algorithm>
#include <thread>

#include "engine/AddFile.h"

namespace varnoke {

namespace {

// Below this many paths a thread costs more than it saves.
constexpr std::size_t kPathsPerThread = 2048;
constexpr unsigned kMaxThreads = 8;

}  // namespace

void AddFilesInParallel(FileSystem& fs, TVrnFiles& files, const std::vector<std::string>& paths) {
  const std::size_t cores =
      std::max(1u, std::min(kMaxThreads, std::thread::hardware_concurrency()));
  const std::size_t parts = std::min(cores, paths.size() / kPathsPerThread);
  files.Reserve(files.Count() + static_cast<int>(paths.size()));
  // One look at which files are busy, shared read-only by every thread.
  const ListingScope scope(fs);
  const Listing& listing = scope.Get();
  if (parts <= 1) {
    for (const std::string& path : paths) AddFile(fs, listing, files, path);
    return;
  }
  // Contiguous blocks, so that joining them in block order keeps the path order.
  std::vector<TVrnFiles> blocks(parts);
  {
    std::vector<std::jthread> workers;
    workers.reserve(parts);
    for (std::size_t b = 0; b < parts; ++b) {
      workers.emplace_back([&, b] {
        const std::size_t begin = paths.size() * b / parts;
        const std::size_t end = paths.size() * (b + 1) / parts;
        blocks[b].Reserve(static_cast<int>(end - begin));
        for (std::size_t i = begin; i < end; ++i) AddFile(fs, listing, blocks[b], paths[i]);
      });
    }
  }
  for (TVrnFiles& block : blocks) files.TakeAll(block);
}

void PendingPaths::ListInto(FileSystem& fs, TVrnFiles& files) {
  AddFilesInParallel(fs, files, paths_);
  paths_.clear();
}

void PendingPaths::ListOneByOne(FileSystem& fs, TVrnFiles& files) {
  const ListingScope scope(fs);
  for (const std::string& path : paths_) AddFile(fs, files, path);
  paths_.clear();
}

}  // namespace varnoke
