#pragma once
// Timing two pieces of work in turn, iteration after iteration, so that both see the
// same caches and the same load, and reporting their ratio in wall time and in the
// thread's CPU time (kernel time included; steadier on a busy machine).
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <string>

namespace varnoke::bench {

class PairTiming {
 public:
  // Runs `ours` then `theirs` and adds their times.
  template <typename Ours, typename Theirs>
  void Run(Ours&& ours, Theirs&& theirs) {
    const auto t0 = std::chrono::steady_clock::now();
    const double c0 = ThreadSeconds();
    ours();
    const auto t1 = std::chrono::steady_clock::now();
    const double c1 = ThreadSeconds();
    theirs();
    const auto t2 = std::chrono::steady_clock::now();
    const double c2 = ThreadSeconds();
    oursWall_ += std::chrono::duration<double>(t1 - t0).count();
    theirsWall_ += std::chrono::duration<double>(t2 - t1).count();
    oursCpu_ += c1 - c0;
    theirsCpu_ += c2 - c1;
  }

  // Counters <ours>_s and <theirs>_s (mean wall seconds), ratio and cpu_ratio (ours
  // over theirs).
  void Report(benchmark::State& state, const std::string& ours, const std::string& theirs) const {
    const double n = static_cast<double>(state.iterations());
    state.counters[ours + "_s"] = oursWall_ / n;
    state.counters[theirs + "_s"] = theirsWall_ / n;
    state.counters["ratio"] = oursWall_ / theirsWall_;
    state.counters["cpu_ratio"] = oursCpu_ / theirsCpu_;
  }

 private:
  static double ThreadSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
  }

  double oursWall_ = 0, theirsWall_ = 0, oursCpu_ = 0, theirsCpu_ = 0;
};

}  // namespace varnoke::bench
