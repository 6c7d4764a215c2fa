#include "app/CliProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

#include "support/TempDir.h"

#ifndef VARNOKE_CLI_PATH
#define VARNOKE_CLI_PATH "varnoke-cli"
#endif

extern char** environ;

namespace varnoke::testing {

namespace {

[[noreturn]] void ExecCli(const std::vector<std::string>& args,
                          const std::vector<std::string>& env) {
  std::vector<std::string> all = {VARNOKE_CLI_PATH};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<std::string> merged;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    bool replaced = false;
    for (const std::string& o : env)
      replaced |= o.substr(0, o.find('=') + 1) == entry.substr(0, entry.find('=') + 1);
    if (!replaced) merged.push_back(entry);
  }
  merged.insert(merged.end(), env.begin(), env.end());
  std::vector<char*> argv, envp;
  for (std::string& a : all) argv.push_back(a.data());
  for (std::string& e : merged) envp.push_back(e.data());
  argv.push_back(nullptr);
  envp.push_back(nullptr);
  ::execve(argv[0], argv.data(), envp.data());
  ::_exit(127);
}

int Wait(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

std::vector<std::string> TestEnvironment(const std::string& dir) {
  return {"VARNOKE_CONFIG_DIR=" + dir + "/config",
          "XDG_CONFIG_HOME=" + dir + "/xdg-config",
          "XDG_DATA_HOME=" + dir + "/xdg-data",
          "XDG_RUNTIME_DIR=" + dir + "/run",
          "HOME=" + dir + "/home",
          "TZ=UTC",
          "LC_ALL=C"};
}

CliResult RunCli(const std::vector<std::string>& args, const std::string& input,
                 const std::vector<std::string>& env) {
  TempDir io;
  const std::string in = io.Write("in", input), out = io / "out", err = io / "err";
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::dup2(::open(in.c_str(), O_RDONLY), 0);
    ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT, 0600), 1);
    ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT, 0600), 2);
    ExecCli(args, env);
  }
  CliResult result;
  result.Status = Wait(pid);
  result.Out = ReadFile(out);
  result.Err = ReadFile(err);
  return result;
}

CliResult RunCliOnTerminal(const std::vector<std::string>& args,
                           const std::vector<std::string>& typed,
                           const std::vector<std::string>& env) {
  int master = -1;
  const pid_t pid = ::forkpty(&master, nullptr, nullptr, nullptr);
  if (pid < 0) throw std::runtime_error("forkpty failed");
  if (pid == 0) ExecCli(args, env);
  CliResult result;
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
  result.Status = Wait(pid);
  return result;
}

}  // namespace varnoke::testing
