#pragma once
// Running a program of the build as a real process: started with arguments and
// environment settings of its own, its output dropped, and waited for.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace varnoke::testing {

// Starts `arguments` (the program first) with `environment` ("NAME=value") added.
inline pid_t StartProcess(std::vector<std::string> arguments,
                          std::vector<std::string> environment) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    for (std::string& assignment : environment) ::putenv(assignment.data());
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr))
      ::_exit(126);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  return pid;
}

// The exit status of a process; -1 when a signal ended it.
inline int WaitProcess(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace varnoke::testing
