#pragma once
// CPU time of the calling thread, kernel time included: steadier than the wall
// clock on a machine that other work keeps busy.
#include <time.h>

namespace varnoke::bench {

inline double ThreadSeconds() {
  timespec t{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

}  // namespace varnoke::bench
