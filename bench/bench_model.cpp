// The file list's cost: bytes per entry for 1,000,000 entries of realistic names,
// and sorting them by name against std::stable_sort of the same names as strings.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "PairTiming.h"
#include "model/TVrnFile.h"

namespace {

constexpr int kEntries = 1'000'000;

struct NameParts {
  std::string Path, Name, Ext;
};

// Camera pictures, documents, music and source files in a few thousand directories,
// in a shuffled order; the same every run.
std::vector<NameParts> RealisticNames() {
  static const char* const kWords[] = {"Report", "Holiday", "Invoice", "Budget", "Meeting",
                                       "Notes",  "Summary", "Draft",   "Final",  "Scan"};
  static const char* const kExts[] = {"jpg", "JPG", "docx", "pdf", "mp3", "txt", "cpp", "png"};
  std::mt19937 random(20240601);
  std::vector<NameParts> out;
  out.reserve(kEntries);
  char name[96];
  for (int i = 0; i < kEntries; ++i) {
    NameParts p;
    const int dir = i / 400;  // 400 files a directory, added one directory after another
    p.Path =
        "/home/user/Pictures/" + std::to_string(2000 + dir % 25) + "/Trip " + std::to_string(dir);
    switch (random() % 4) {
      case 0:
        std::snprintf(name, sizeof name, "IMG_%08u_%06u",
                      static_cast<unsigned>(random() % 100000000),
                      static_cast<unsigned>(random() % 1000000));
        break;
      case 1:
        std::snprintf(name, sizeof name, "%s %s v%u", kWords[random() % 10], kWords[random() % 10],
                      static_cast<unsigned>(random() % 20));
        break;
      case 2:
        std::snprintf(name, sizeof name, "%02u - Track %u", static_cast<unsigned>(random() % 30),
                      static_cast<unsigned>(random() % 1000));
        break;
      default:
        std::snprintf(name, sizeof name, "f%u", static_cast<unsigned>(random() % 100000));
        break;
    }
    p.Name = name;
    p.Ext = kExts[random() % 8];
    out.push_back(std::move(p));
  }
  return out;
}

const std::vector<NameParts>& Names() {
  static const std::vector<NameParts> names = RealisticNames();
  return names;
}

std::size_t HeapInUse() {
  const struct mallinfo2 info = ::mallinfo2();
  return info.uordblks + info.hblkhd;
}

varnoke::TVrnFiles BuildList(const std::vector<NameParts>& names) {
  varnoke::TVrnFiles files;
  for (const NameParts& p : names)
    files.AddEntry(false, p.Path, p.Name, p.Ext, 1234, 0x20, 1, 2, 3);
  return files;
}

// Heap bytes the list holds per entry, its vector's spare room included (the list
// grows one AddFile at a time, as it does in the program).
void BM_BytesPerEntry(benchmark::State& state) {
  const auto& names = Names();
  double perEntry = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    varnoke::TVrnFiles files = BuildList(names);
    const std::size_t after = HeapInUse();
    perEntry = static_cast<double>(after - before) / kEntries;
    benchmark::DoNotOptimize(files.Count());
  }
  state.counters["bytes_per_entry"] = perEntry;
  state.counters["sizeof_TVrnFile"] = sizeof(varnoke::TVrnFile);
}

// TVrnFiles::Sort(1) against std::stable_sort of the names as std::string, each on
// a fresh unsorted copy; "ratio" is the list's time over the strings' time.
void BM_SortByNameOverStrings(benchmark::State& state) {
  const auto& names = Names();
  const varnoke::TVrnFiles unsortedList = BuildList(names);
  std::vector<std::string> unsortedStrings;
  unsortedStrings.reserve(names.size());
  for (const NameParts& p : names) unsortedStrings.push_back(p.Name);
  varnoke::bench::PairTiming timing;
  for (auto _ : state) {
    state.PauseTiming();
    varnoke::TVrnFiles list = unsortedList;
    std::vector<std::string> strings = unsortedStrings;
    state.ResumeTiming();
    timing.Run([&] { list.Sort(1); }, [&] { std::stable_sort(strings.begin(), strings.end()); });
    if (list.Items(0).Name() != strings.front() ||
        list.Items(kEntries - 1).Name() != strings.back())
      state.SkipWithError("the two sorts disagree");
  }
  timing.Report(state, "list", "strings");
}

BENCHMARK(BM_BytesPerEntry)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SortByNameOverStrings)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
