// In-place rename of 100,000 files (f000001.txt to Pic000001.txt) in one directory:
// a bare loop of renameat2 calls against RenameFiles on a preview that PreparePreview
// planned for the same files, in the same binary and run (listing and planning untimed). Prints the
// ratio at the end (target: at most 1.25).
//
//   bench_rename [--files=N] [google-benchmark flags]   directory: $TMPDIR or /tmp
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "engine/AddFile.h"
#include "engine/PreparePreview.h"
#include "engine/RenameFiles.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/ScriptedSession.h"

namespace {

using namespace varnoke;

int g_files = 100'000;

std::string Numbered(std::string_view prefix, int n) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%06d", n);
  return std::string(prefix) + digits;
}

// A fresh directory of g_files empty files f000001.txt ...; removed on destruction.
class FileSet {
 public:
  FileSet() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/varnoke-bench-XXXXXX";
    if (!::mkdtemp(pattern.data())) std::abort();
    dir_ = pattern;
    for (int n = 1; n <= g_files; ++n) {
      const int fd = ::open(Path(Numbered("f", n)).c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
      if (fd < 0) std::abort();
      ::close(fd);
    }
  }
  ~FileSet() { std::filesystem::remove_all(dir_); }
  std::string Path(std::string_view name) const { return dir_ + "/" + std::string(name) + ".txt"; }
  const std::string& Dir() const { return dir_; }

 private:
  std::string dir_;
};

void BM_RawRenameat2(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    {
      FileSet set;
      ::sync();  // both loops start from a clean journal
      state.ResumeTiming();
      int failed = 0;
      for (int n = 1; n <= g_files; ++n) {
        const std::string from = set.Path(Numbered("f", n)), to = set.Path(Numbered("Pic", n));
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0)
          ++failed;
      }
      state.PauseTiming();
      if (failed) state.SkipWithError("a rename failed");
    }
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * g_files);
}

void BM_RenameFiles(benchmark::State& state) {
  PosixFileSystem fs;
  FixedClock clock(kUnixEpoch, 0);
  const FormatSettings settings = EnglishFormatSettings();
  for (auto _ : state) {
    state.PauseTiming();
    {
      FileSet set;
      TVrnFiles files;
      files.Reserve(g_files);
      for (int n = 1; n <= g_files; ++n) AddFile(fs, files, set.Path(Numbered("f", n)));
      // Planned as the option set "Pic" with six digits plans it.
      TFiles options;
      options.Set(ChangeName, true);
      options.Set(Enumerate, true);
      options.Name = "Pic";
      options.Digits = 6;
      TVrnPrevFiles preview(fs.Rules().FoldsCase());
      preview.Reserve(g_files);
      ScriptedSession planning;
      IdleStores idle;
      PreparePreview(files, options, preview,
                     Services{fs, idle.Store, idle.Settings, clock, settings, planning});
      ScriptedSession session;
      ::sync();  // listing and planning leave nothing to write back during the run
      state.ResumeTiming();
      const RenameReport report = RenameFiles(files, preview, options, fs, session);
      state.PauseTiming();
      if (report.Done() != g_files) state.SkipWithError("a rename failed");
    }
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * g_files);
}

BENCHMARK(BM_RawRenameat2)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RenameFiles)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps the mean real time of every benchmark to print the ratio afterwards.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        times[run.benchmark_name()] = run.GetAdjustedRealTime();
        cpu[run.benchmark_name()] = run.GetAdjustedCPUTime();
      }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;  // real time
  std::map<std::string, double> cpu;    // time of this process (the machine may be shared)
};

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--files=", 8) == 0) {
      g_files = std::atoi(argv[i] + 8);
      std::memmove(argv + i, argv + i + 1, sizeof(char*) * static_cast<std::size_t>(argc - i));
      --argc;
      --i;
    }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const std::string raw = "BM_RawRenameat2/iterations:3/real_time";
  const std::string ours = "BM_RenameFiles/iterations:3/real_time";
  if (reporter.times.count(raw) && reporter.times.count(ours))
    std::printf("files: %d  RenameFiles / renameat2 loop: %.3f real, %.3f cpu (target <= 1.25)\n",
                g_files, reporter.times[ours] / reporter.times[raw],
                reporter.cpu[ours] / reporter.cpu[raw]);
  benchmark::Shutdown();
  return 0;
}
