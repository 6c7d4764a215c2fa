#include "app/CliProcess.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "support/TempDir.h"

#ifndef VARNOKE_CLI_PATH
#define VARNOKE_CLI_PATH "varnoke-cli"
#endif

namespace varnoke::testing {

namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// The shell command that runs the program with the test environment.
std::string Command(const std::vector<std::string>& args, const std::string& dir) {
  std::string command = "env";
  for (const std::string& value :
       {"VARNOKE_CONFIG_DIR=" + dir + "/config", "XDG_CONFIG_HOME=" + dir + "/xdg-config",
        "XDG_DATA_HOME=" + dir + "/xdg-data", "XDG_RUNTIME_DIR=" + dir + "/run",
        "HOME=" + dir + "/home", std::string("TZ=UTC"), std::string("LC_ALL=C"),
        std::string(VARNOKE_CLI_PATH)})
    command += " " + Quoted(value);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  return command;
}

int ExitStatus(int status) {
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::vector<std::string>& typed,
                 bool onTerminal, const std::string& dir) {
  CliResult result;
  if (!onTerminal) {
    TempDir io;
    std::string input;
    for (const std::string& line : typed) input += line + "\n";
    const std::string in = io.Write("in", input), out = io / "out", err = io / "err";
    result.Status = ExitStatus(std::system(
        (Command(args, dir) + " <" + Quoted(in) + " >" + Quoted(out) + " 2>" + Quoted(err))
            .c_str()));
    result.Out = ReadFile(out);
    result.Err = ReadFile(err);
    return result;
  }
  const std::string command = Command(args, dir);
  int master = -1;
  const pid_t pid = ::forkpty(&master, nullptr, nullptr, nullptr);
  if (pid < 0) throw std::runtime_error("forkpty failed");
  if (pid == 0) {
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  std::size_t next = 0, seen = 0;  // prompts answered so far end before `seen`
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  char buffer[4096];
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd p = {master, POLLIN, 0};
    if (::poll(&p, 1, 200) > 0) {
      const ssize_t n = ::read(master, buffer, sizeof buffer);
      if (n <= 0) break;  // EIO once the child ends
      result.Out.append(buffer, static_cast<std::size_t>(n));
    }
    const std::size_t prompt = result.Out.find("? ", seen);
    if (prompt != std::string::npos && next < typed.size()) {
      const std::string line = typed[next++] + "\n";
      (void)!::write(master, line.data(), line.size());
      seen = prompt + 2;
    }
  }
  ::kill(pid, SIGKILL);  // a child still running after the deadline; harmless once it ended
  ::close(master);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.Status = ExitStatus(status);
  for (std::size_t at = result.Out.find("\r\n"); at != std::string::npos;
       at = result.Out.find("\r\n", at))
    result.Out.erase(at, 1);
  return result;
}

}  // namespace varnoke::testing
