// What the look at busy files costs under a desktop-like load: CHILDREN sleeping
// processes holding DESCRIPTORS open files each (a few of them for writing), then the
// look that a listing takes once, timed ROUNDS times.
//
//   snapshot_cost [CHILDREN [DESCRIPTORS [ROUNDS]]]     defaults 300, 67, 20
// Prints the fastest, the median and the slowest look in milliseconds, and how many
// held files the look found.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/posix/BusySnapshot.h"

int main(int argc, char** argv) {
  const int children = argc > 1 ? std::atoi(argv[1]) : 300;
  const int descriptors = argc > 2 ? std::atoi(argv[2]) : 67;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 20;
  char dir[] = "/tmp/varnoke-snapshot-XXXXXX";
  if (!mkdtemp(dir)) return 1;

  int ready[2];
  if (pipe(ready) != 0) return 1;
  std::vector<pid_t> pids;
  for (int c = 0; c < children; ++c) {
    const pid_t pid = fork();
    if (pid < 0) break;
    if (pid == 0) {
      // Libraries, logs and sockets of a desktop program: mostly read, a few written.
      for (int d = 0; d < descriptors; ++d) {
        if (d % 10 == 0) {
          const std::string path =
              std::string(dir) + "/c" + std::to_string(c) + "-" + std::to_string(d);
          open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        } else {
          open("/dev/null", O_RDONLY);
        }
      }
      char one = 1;
      if (write(ready[1], &one, 1) != 1) _exit(1);
      pause();
      _exit(0);
    }
    pids.push_back(pid);
  }
  close(ready[1]);
  for (std::size_t n = 0; n < pids.size(); ++n) {
    char one;
    if (read(ready[0], &one, 1) != 1) break;
  }

  std::vector<double> ms;
  std::size_t held = 0;
  for (int r = 0; r < rounds; ++r) {
    const auto t0 = std::chrono::steady_clock::now();
    const varnoke::BusySnapshot snapshot = varnoke::BusySnapshot::Take();
    const auto t1 = std::chrono::steady_clock::now();
    held = snapshot.Size();
    ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  for (pid_t pid : pids) kill(pid, SIGTERM);
  for (pid_t pid : pids) waitpid(pid, nullptr, 0);
  std::string cleanup = std::string("rm -rf ") + dir;
  if (std::system(cleanup.c_str()) != 0) return 1;

  std::sort(ms.begin(), ms.end());
  std::printf(
      "%zu processes x %d descriptors: look %.1f ms fastest, %.1f median, %.1f slowest; "
      "%zu held files seen\n",
      pids.size(), descriptors, ms.front(), ms[ms.size() / 2], ms.back(), held);
  return 0;
}
