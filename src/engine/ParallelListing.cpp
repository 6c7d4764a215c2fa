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

std::vector<std::size_t> AddFilesInParallel(FileSystem& fs, TVrnFiles& files,
                                            const std::vector<std::string>& paths) {
  const std::size_t cores =
      std::max(1u, std::min(kMaxThreads, std::thread::hardware_concurrency()));
  const std::size_t parts = std::min(cores, paths.size() / kPathsPerThread);
  files.Reserve(files.Count() + static_cast<int>(paths.size()));
  // One look at which files are busy, shared read-only by every thread.
  const ListingScope scope(fs);
  const Listing& listing = scope.Get();
  std::vector<std::size_t> missed;
  if (parts <= 1) {
    for (std::size_t i = 0; i < paths.size(); ++i)
      if (!AddFile(fs, listing, files, paths[i])) missed.push_back(i);
    return missed;
  }
  // Contiguous blocks, so that joining them in block order keeps the path order.
  std::vector<TVrnFiles> blocks(parts);
  std::vector<std::vector<std::size_t>> blockMissed(parts);
  {
    std::vector<std::jthread> workers;
    workers.reserve(parts);
    for (std::size_t b = 0; b < parts; ++b) {
      workers.emplace_back([&, b] {
        const std::size_t begin = paths.size() * b / parts;
        const std::size_t end = paths.size() * (b + 1) / parts;
        blocks[b].Reserve(static_cast<int>(end - begin));
        for (std::size_t i = begin; i < end; ++i)
          if (!AddFile(fs, listing, blocks[b], paths[i])) blockMissed[b].push_back(i);
      });
    }
  }
  for (std::size_t b = 0; b < parts; ++b) {
    files.TakeAll(blocks[b]);
    missed.insert(missed.end(), blockMissed[b].begin(), blockMissed[b].end());
  }
  return missed;
}

std::vector<std::string> PendingPaths::ListInto(FileSystem& fs, TVrnFiles& files) {
  std::vector<std::string> missed;
  for (const std::size_t i : AddFilesInParallel(fs, files, paths_))
    missed.push_back(std::move(paths_[i]));
  paths_.clear();
  return missed;
}

std::vector<std::string> PendingPaths::ListOneByOne(FileSystem& fs, TVrnFiles& files) {
  const ListingScope scope(fs);
  std::vector<std::string> missed;
  for (std::string& path : paths_)
    if (!AddFile(fs, files, path)) missed.push_back(std::move(path));
  paths_.clear();
  return missed;
}

}  // namespace varnoke
