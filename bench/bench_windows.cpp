// The windows over a million entries (the in-memory file system, offscreen platform):
// filling a list window, sorting it by name against std::stable_sort of the names,
// repainting after a jump to the end, the window's memory beside the list's, and
// opening the preview against planning alone.
//
//   bench_windows [N]          N entries, 1,000,000 by default
#include <malloc.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "engine/ListEditing.h"
#include "engine/PreparePreview.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/QuietSession.h"
#include "windows/ListGrid.h"
#include "windows/TNameListForm.h"
#include "windows/TPreviewForm.h"

namespace varnoke {
namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::size_t HeapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;  // small blocks and the large ones mapped on their own
}

void Report(const char* what, double value, const char* unit, double target, const char* of) {
  std::printf("%-44s %12.2f %-3s target %s %.1f %s: %s\n", what, value, unit, "<=", target, of,
              value <= target ? "met" : "MISSED");
}

int Run(int n) {
  // Names in a shuffled order, so that sorting has work to do.
  std::vector<int> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), std::mt19937(7));
  FakeFileSystem fs(FakeFileSystem::Style::Posix);
  std::vector<std::string> paths;
  paths.reserve(order.size());
  for (const int i : order) {
    char name[40];
    std::snprintf(name, sizeof name, "/data/IMG_%07d.jpg", i);
    paths.emplace_back(name);
    fs.AddFile(paths.back(), "", FileTimes{1, 2, 3}, 0x20);
  }
  IdleStores idle;
  FixedClock clock(0x01D0000000000000ULL, 0);
  const FormatSettings regional = EnglishFormatSettings();
  QuietSession session;
  Services services{fs, idle.Store, idle.Settings, clock, regional, session, "/tmp/", "/tmp/"};
  DesktopState state{services, {}, 0};

  // The list alone, for its memory.
  std::size_t listBytes = 0;
  {
    const std::size_t before = HeapBytes();
    TVrnFiles alone;
    AddPaths(fs, alone, paths, session, 10);
    listBytes = HeapBytes() - before;
  }

  const std::size_t beforeWindow = HeapBytes();
  auto* window = new TNameListForm(state);
  window->resize(640, 480);
  window->show();
  QApplication::processEvents();
  auto start = Clock::now();
  window->AddPaths(paths, 10);
  window->RefreshGrid();
  QApplication::processEvents();
  const double fillMs = MsSince(start);
  const std::size_t windowBytes = HeapBytes() - beforeWindow;

  std::vector<std::string> names;
  names.reserve(paths.size());
  for (const TVrnFile& f : window->List().Files) names.emplace_back(f.Name());
  start = Clock::now();
  std::stable_sort(names.begin(), names.end());
  const double plainSortMs = MsSince(start);
  double listSortMs = 0;
  {
    TVrnFiles copy = window->List().Files;
    start = Clock::now();
    copy.Sort(1);
    listSortMs = MsSince(start);
  }
  start = Clock::now();
  window->PopSortClick(2);
  QApplication::processEvents();
  const double sortMs = MsSince(start);

  // A jump to the end and the repaint it takes, the slowest of ten.
  ListGrid* grid = window->Grid();
  double repaintMs = 0;
  for (int round = 0; round < 10; ++round) {
    start = Clock::now();
    round % 2 == 0 ? grid->scrollToBottom() : grid->scrollToTop();
    grid->viewport()->repaint();
    repaintMs = std::max(repaintMs, MsSince(start));
  }

  TFiles& options = window->List().Options;
  options.Flags = ChangeName | Enumerate;
  options.Name = "Pic";
  options.Digits = 7;
  // Planning alone before and after the preview, the faster counts: the first run
  // also pays for warming the caches.
  const auto planAlone = [&] {
    const auto begin = Clock::now();
    TVrnPrevFiles preview(fs.Rules().FoldsCase());
    PreparePreview(window->List().Files, options, preview, services);
    return MsSince(begin);
  };
  double planMs = planAlone();
  start = Clock::now();
  {
    TPreviewForm preview(window->List(), window->Icons(), services, window);
    preview.show();
    QApplication::processEvents();
  }
  const double previewMs = MsSince(start);
  planMs = std::min(planMs, planAlone());
  delete window;

  std::printf("%d entries\n", n);
  std::printf("%-44s %12.1f ms\n", "fill a list window", fillMs);
  std::printf("%-44s %12.1f ms\n", "std::stable_sort of the names", plainSortMs);
  std::printf("%-44s %12.1f ms\n", "the list's own sort by name", listSortMs);
  Report("sort the window by name", sortMs, "ms", 2 * plainSortMs, "ms (2x stable_sort)");
  Report("repaint after a jump (slowest of 10)", repaintMs, "ms", 16, "ms");
  std::printf("%-44s %12.1f MB\n", "the list alone", listBytes / 1e6);
  Report("the window beside its list",
         100.0 * (double(windowBytes) - double(listBytes)) / double(listBytes), "%", 10, "%");
  std::printf("%-44s %12.1f ms\n", "planning alone", planMs);
  Report("opening the preview beyond planning", previewMs - planMs, "ms", 500, "ms");
  return 0;
}

}  // namespace
}  // namespace varnoke

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const int n = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
  return varnoke::Run(n > 0 ? n : 1'000'000);
}
