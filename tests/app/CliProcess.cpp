#include "app/CliProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

#ifndef VARNOKE_CLI_PATH
#define VARNOKE_CLI_PATH "varnoke-cli"
#endif

extern char** environ;

namespace varnoke::testing {

namespace {

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& overrides) {
  std::vector<std::string> merged;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    bool replaced = false;
    for (const std::string& o : overrides) replaced |= o.substr(0, o.find('=')) == name;
    if (!replaced) merged.push_back(entry);
  }
  merged.insert(merged.end(), overrides.begin(), overrides.end());
  return merged;
}

[[noreturn]] void ExecCli(const std::vector<std::string>& args,
                          const std::vector<std::string>& env) {
  std::vector<std::string> all = {CliPath()};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> merged = MergedEnvironment(env);
  std::vector<char*> envp;
  for (std::string& e : merged) envp.push_back(e.data());
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

// Reads what is there; false at end of data.
bool Drain(int fd, std::string& into) {
  char buffer[4096];
  const ssize_t n = ::read(fd, buffer, sizeof buffer);
  if (n <= 0) return false;
  into.append(buffer, static_cast<std::size_t>(n));
  return true;
}

}  // namespace

std::string CliPath() {
  return VARNOKE_CLI_PATH;
}

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
  int in[2], out[2], err[2];
  if (::pipe(in) || ::pipe(out) || ::pipe(err)) throw std::runtime_error("pipe failed");
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    ::dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) ::close(fd);
    ExecCli(args, env);
  }
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  ::signal(SIGPIPE, SIG_IGN);
  // The answers fit a pipe's buffer; a child that reads none must not block us.
  (void)!::write(in[1], input.data(), input.size());
  ::close(in[1]);
  CliResult result;
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  int open = 2;
  while (open > 0 && ::poll(fds, 2, -1) > 0) {
    for (pollfd& p : fds) {
      if (p.fd >= 0 && (p.revents & (POLLIN | POLLHUP)) &&
          !Drain(p.fd, p.fd == out[0] ? result.Out : result.Err)) {
        ::close(p.fd);
        p.fd = -1;
        --open;
      }
    }
  }
  result.Status = Wait(pid);
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
  std::size_t next = 0;
  std::size_t seen = 0;  // prompts answered so far end before this offset
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  for (;;) {
    pollfd p = {master, POLLIN, 0};
    if (::poll(&p, 1, 200) > 0 && !Drain(master, result.Out)) break;  // EIO once the child ends
    const std::size_t prompt = result.Out.find("? ", seen);
    if (prompt != std::string::npos && next < typed.size()) {
      const std::string line = typed[next++] + "\n";
      (void)!::write(master, line.data(), line.size());
      seen = prompt + 2;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      break;
    }
  }
  ::close(master);
  result.Status = Wait(pid);
  return result;
}

}  // namespace varnoke::testing
