#pragma once
// Runs the varnoke-cli executable built beside the tests as a child process, with its
// settings, data and home directories inside a test directory (TZ=UTC, LC_ALL=C).
#include <string>
#include <vector>

namespace varnoke::testing {

struct CliResult {
  int Status = -1;  // exit status; -1 when the child did not exit normally
  std::string Out;  // standard output (on a terminal: everything shown, lines ended by "\n")
  std::string Err;  // standard error (empty on a terminal)
};

// Without a terminal, standard input holds the `typed` lines. On a terminal, one
// pseudo-terminal is standard input, output and error, and each typed line is typed
// once the next prompt ("? ") appears.
CliResult RunCli(const std::vector<std::string>& args, const std::vector<std::string>& typed,
                 bool onTerminal, const std::string& dir);

}  // namespace varnoke::testing
