// Planning speed and memory: the standard method with numbering (every name changes,
// so every file takes one existence test and one look-up among the earlier entries),
// against a raw loop of one lstat per file over the same new names.
//
//   bench_planning                       real files for 100,000; planning alone (no
//                                        name taken, no system call) and the in-memory
//                                        file system for 100,000 and 1,000,000
//   VARNOKE_BENCH_REAL_MILLION=1 ...     also 1,000,000 real files, created once and
//                                        removed after (run it on its own, with
//                                        --benchmark_filter=/1000000: a million
//                                        cached names slow every later lookup)
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "engine/PreparePreview.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/QuietSession.h"

namespace varnoke {
namespace {

std::string FileName(int i) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "f%07d", i);
  return buf;
}

TFiles NumberingOptions() {
  TFiles o;
  o.Flags = ChangeName | Enumerate;
  o.Name = "Pic";
  o.Digits = 7;
  return o;
}

// A directory of n empty files under /tmp, made once per size and removed at exit.
struct RealTree {
  std::string dir;
  TVrnFiles files;
  explicit RealTree(int n) {
    std::string pattern = "/tmp/varnoke-bench-XXXXXX";
    if (!::mkdtemp(pattern.data())) std::abort();
    dir = pattern;
    files.Reserve(n);
    for (int i = 0; i < n; ++i) {
      const std::string name = FileName(i);
      const int fd = ::open((dir + "/" + name + ".txt").c_str(), O_CREAT | O_WRONLY, 0644);
      if (fd < 0) std::abort();
      ::close(fd);
      files.AddEntry(false, dir, name, "txt", 0, 0x20, 0, 0, 0);
    }
  }
  ~RealTree() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

RealTree& Tree(int n) {
  static std::map<int, std::unique_ptr<RealTree>> trees;
  auto& t = trees[n];
  if (!t) t = std::make_unique<RealTree>(n);
  return *t;
}

struct FakeTree {
  FakeFileSystem fs{FakeFileSystem::Style::Posix};
  TVrnFiles files;
  explicit FakeTree(int n) {
    files.Reserve(n);
    for (int i = 0; i < n; ++i) {
      const std::string name = FileName(i);
      fs.AddFile("/data/" + name + ".txt");
      files.AddEntry(false, "/data", name, "txt", 0, 0x20, 0, 0, 0);
    }
  }
};

// A disk on which no new name is taken: every existence test answers at once, so
// what is measured is planning alone.
class EmptyDisk final : public FileSystem {
 public:
  const PathRules& Rules() const override { return rules_; }
  std::unique_ptr<OpenFile> OpenExclusive(std::string_view, Access) override { return nullptr; }
  std::shared_ptr<const Listing> BeginListing() override { return nullptr; }
  bool IsBusy(std::string_view, Access) override { return true; }
  std::optional<std::uint32_t> GetAttributes(std::string_view) override { return std::nullopt; }
  bool SetAttributes(std::string_view, std::uint32_t) override { return false; }
  bool Exists(std::string_view) override { return false; }
  bool SameFile(std::string_view a, std::string_view b) override { return a == b; }
  FsStatus MoveNoReplace(std::string_view, std::string_view) override { return Refused(); }
  FsStatus CopyNoReplace(std::string_view, std::string_view) override { return Refused(); }
  FsStatus Delete(std::string_view) override { return Refused(); }
  FsStatus DeleteToTrash(std::string_view) override { return Refused(); }
  std::optional<std::size_t> MaxNameLength(std::string_view) override { return 255; }
  bool Enumerate(std::string_view, const std::function<bool(const DirEntry&)>&) override {
    return false;
  }
  std::vector<std::string> Volumes() override { return {"/"}; }

 private:
  static FsStatus Refused() { return FsStatus::Failure(std::errc::operation_not_permitted); }
  PosixPathRules rules_;
};

void Plan(benchmark::State& state, FileSystem& fs, const TVrnFiles& files) {
  FixedClock clock(0x01D0000000000000ULL, 0);
  QuietSession session;
  const FormatSettings settings = EnglishFormatSettings();
  const TFiles options = NumberingOptions();
  IdleStores idle;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    TVrnPrevFiles preview(fs.Rules().FoldsCase());
    PreparePreview(files, options, preview,
                   Services{fs, idle.Store, idle.Settings, clock, settings, session});
    bytes = mallinfo2().uordblks - before;
    if (preview.Count() != files.Count() || preview.Items(1).Name != "Pic0000002")
      state.SkipWithError("unexpected plan");
    state.PauseTiming();
    preview.Clear();  // releasing a million entries is not planning
    state.ResumeTiming();
  }
  const double n = static_cast<double>(files.Count());
  state.counters["per_file"] = benchmark::Counter(
      n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["bytes_per_entry"] = static_cast<double>(bytes) / n;
}

void BM_PlanEmptyDisk(benchmark::State& state) {
  TVrnFiles files;
  const int n = static_cast<int>(state.range(0));
  files.Reserve(n);
  for (int i = 0; i < n; ++i) files.AddEntry(false, "/data", FileName(i), "txt", 0, 0x20, 0, 0, 0);
  EmptyDisk fs;
  Plan(state, fs, files);
}

// One lstat per new name, nothing else.
int StatNewNames(const RealTree& tree) {
  int found = 0;
  std::string path;
  for (int i = 0; i < tree.files.Count(); ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/Pic%07d.txt", i + 1);
    path.assign(tree.dir).append(name);
    struct stat st;
    found += ::lstat(path.c_str(), &st) == 0;
  }
  return found;
}

void BM_PlanRealFiles(benchmark::State& state) {
  RealTree& tree = Tree(static_cast<int>(state.range(0)));
  StatNewNames(tree);  // both sides start with the kernel's name cache warm
  PosixFileSystem fs;
  Plan(state, fs, tree.files);
}

void BM_PlanFakeFiles(benchmark::State& state) {
  FakeTree tree(static_cast<int>(state.range(0)));
  Plan(state, tree.fs, tree.files);
}

// The floor.
void BM_RawStatLoop(benchmark::State& state) {
  RealTree& tree = Tree(static_cast<int>(state.range(0)));
  const int n = tree.files.Count();
  StatNewNames(tree);  // both sides start with the kernel's name cache warm
  for (auto _ : state) benchmark::DoNotOptimize(StatNewNames(tree));
  state.counters["per_file"] = benchmark::Counter(
      n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void RealSizes(benchmark::internal::Benchmark* b) {
  b->Arg(100'000);
  if (const char* v = std::getenv("VARNOKE_BENCH_REAL_MILLION"); v && *v == '1') b->Arg(1'000'000);
}

BENCHMARK(BM_PlanRealFiles)->Apply(RealSizes)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RawStatLoop)->Apply(RealSizes)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlanEmptyDisk)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK(BM_PlanFakeFiles)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

}  // namespace
}  // namespace varnoke

BENCHMARK_MAIN();
