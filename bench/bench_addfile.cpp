// Listing 100,000 real files with AddFile against a bare loop of the same system
// calls (open, flock, statx, fgetxattr, close) over the same files, in one binary.
// BM_AddFileOverRawLoop: "ratio" is AddFile's wall time over the loop's, "cpu_ratio"
// the same in the thread's CPU time.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "PairTiming.h"
#include "engine/AddFile.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

constexpr int kFiles = 100'000;

// 100,000 small files in 100 directories under a fresh temporary directory,
// removed when the program ends.
class FileTree {
 public:
  FileTree() {
    const char* base = std::getenv("VARNOKE_BENCH_DIR");
    std::string pattern = std::string(base ? base : "/tmp") + "/varnoke-bench-XXXXXX";
    if (!::mkdtemp(pattern.data())) std::abort();
    root_ = pattern;
    paths_.reserve(kFiles);
    char name[64];
    for (int d = 0; d < 100; ++d) {
      const std::string dir = root_ + "/Trip " + std::to_string(d);
      ::mkdir(dir.c_str(), 0755);
      for (int i = 0; i < kFiles / 100; ++i) {
        std::snprintf(name, sizeof name, "/IMG_2024%04d_%06d.jpg", d, i);
        std::string path = dir + name;
        const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, "jpeg", 4) != 4) std::abort();
        ::close(fd);
        paths_.push_back(std::move(path));
      }
    }
  }
  ~FileTree() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  std::string root_;
  std::vector<std::string> paths_;
};

const FileTree& Tree() {
  static const FileTree tree;
  return tree;
}

int RawLoop(const std::vector<std::string>& paths) {
  int listed = 0;
  for (const std::string& path : paths) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    struct statx st;
    char attr[256];
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::statx(fd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &st) == 0) {
      benchmark::DoNotOptimize(::fgetxattr(fd, "user.DOSATTRIB", attr, sizeof attr));
      benchmark::DoNotOptimize(st.stx_size);
      ++listed;
    }
    ::close(fd);
  }
  return listed;
}

int AddAll(const std::vector<std::string>& paths) {
  varnoke::PosixFileSystem fs;
  varnoke::TVrnFiles files;
  for (const std::string& path : paths) varnoke::AddFile(fs, files, path);
  benchmark::DoNotOptimize(files.Count());
  return files.Count();
}

void BM_RawLoop(benchmark::State& state) {
  const auto& paths = Tree().Paths();
  for (auto _ : state) {
    if (RawLoop(paths) != kFiles) state.SkipWithError("raw loop missed files");
  }
  state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_AddFile(benchmark::State& state) {
  const auto& paths = Tree().Paths();
  for (auto _ : state) {
    if (AddAll(paths) != kFiles) state.SkipWithError("AddFile missed files");
  }
  state.SetItemsProcessed(state.iterations() * kFiles);
}

// Both loops in turn in every iteration, so that both see the same cache and load.
void BM_AddFileOverRawLoop(benchmark::State& state) {
  const auto& paths = Tree().Paths();
  varnoke::bench::PairTiming timing;
  for (auto _ : state) timing.Run([&] { AddAll(paths); }, [&] { RawLoop(paths); });
  timing.Report(state, "addfile", "raw");
}

BENCHMARK(BM_RawLoop)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AddFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AddFileOverRawLoop)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
