#pragma once
// Runs the varnoke-cli executable as a child process for end-to-end tests: with
// standard input read from a text (no terminal) or on a pseudo-terminal that plays
// the typed answers, and with the environment pointed into a test directory.
#include <string>
#include <vector>

namespace varnoke::testing {

struct CliResult {
  int Status = -1;  // exit status; -1 when the child did not exit normally
  std::string Out;  // standard output (on a terminal: everything the terminal showed)
  std::string Err;  // standard error (empty on a terminal)
};

// Standard input holds `input`. `env` entries ("NAME=value") replace those of the
// test's own environment.
CliResult RunCli(const std::vector<std::string>& args, const std::string& input,
                 const std::vector<std::string>& env);

// Standard input, output and error are one pseudo-terminal; every line of `typed`
// is typed after the next prompt ("? ") appears.
CliResult RunCliOnTerminal(const std::vector<std::string>& args,
                           const std::vector<std::string>& typed,
                           const std::vector<std::string>& env);

// The environment for a run inside `dir`: settings, data and home directories there.
std::vector<std::string> TestEnvironment(const std::string& dir);

}  // namespace varnoke::testing
