// Real processes of the desktop program (offscreen): the first one running, later starts
// handing their parameters over, with a display or without one. What the running instance
// did is seen on disk: a list file named VARNOKE.TMP that it read through a hand-over is
// deleted.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/Transfer.h"
#include "support/TempDir.h"

#ifndef VARNOKE_DESKTOP_PATH
#define VARNOKE_DESKTOP_PATH ""  // not built: the tests are skipped
#endif

namespace varnoke {
namespace {

class SingleInstance : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string(VARNOKE_DESKTOP_PATH).empty()) GTEST_SKIP() << "varnoke is not built";
    ::mkdir((dir / "run").c_str(), 0700);
    files = dir.MakeDir("files");
    dir.Write("files/a.txt", "a");
  }
  void TearDown() override {
    for (const pid_t pid : running) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
    }
  }
  // Starts varnoke in `cwd` on the offscreen platform or without any display, with this
  // test's own settings and runtime directory, its standard error in the file "stderr".
  pid_t Start(const std::vector<std::string>& arguments, const std::string& cwd,
              bool display = true) {
    // Everything is made before the fork: the child only switches and runs.
    const std::string err = dir / "stderr";
    std::vector<std::string> environment = {
        "XDG_RUNTIME_DIR=" + dir / "run", "VARNOKE_CONFIG_DIR=" + dir / "config",
        "XDG_CONFIG_HOME=" + dir / "config", "XDG_DATA_HOME=" + dir / "data", "HOME=" + dir.Path()};
    std::vector<char*> argv{const_cast<char*>(VARNOKE_DESKTOP_PATH)};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (::chdir(cwd.c_str()) != 0) ::_exit(126);
      for (std::string& assignment : environment) ::putenv(assignment.data());
      for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(name);
      if (display) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      if (!::freopen(err.c_str(), "w", stderr)) ::_exit(126);
      ::execv(VARNOKE_DESKTOP_PATH, argv.data());
      ::_exit(127);
    }
    return pid;
  }
  // A later start, which must end by itself: its exit status.
  int RunLater(const std::vector<std::string>& arguments, const std::string& cwd,
               bool display = true) {
    int status = -1;
    ::waitpid(Start(arguments, cwd, display), &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // The first instance, once it takes hand-overs.
  pid_t StartFirst(const std::vector<std::string>& arguments = {}) {
    const pid_t pid = Start(arguments, dir.Path());
    running.push_back(pid);
    EXPECT_TRUE(Eventually([&] {
      const int fd = Connect();
      ::close(fd);
      return fd >= 0;
    })) << "the first instance never listened";
    return pid;
  }
  // A connection to the running instance's channel; -1 when it takes none.
  int Connect() const {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = dir / "run/Varnoke_Transfer";
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    ::close(fd);
    return -1;
  }
  // Polls a condition that another process makes true, for at most 20 seconds.
  static bool Eventually(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
      if (condition()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
  }
  std::string TemporaryList(const std::string& where) {
    const std::string path = where + "/VARNOKE.TMP";
    testing::WriteFile(path, files + "/a.txt\r\n");
    return path;
  }

  testing::TempDir dir;
  std::string files;
  std::vector<pid_t> running;
};

TEST_F(SingleInstance, LaterStartsHandOverAndTheRunningInstanceActs) {
  // No instance and no display: nothing to hand over to, nothing to show.
  EXPECT_EQ(RunLater({"/L:/nothing.vls"}, dir.Path(), false), 2);
  EXPECT_EQ(testing::ReadFile(dir / "stderr"),
            "varnoke: no display to show a window on; to rename without one, use varnoke-cli "
            "(varnoke-cli --help).\n");
  // A killed first instance leaves a stale socket, and nothing in the way of the next.
  const pid_t killed = StartFirst();
  ::kill(killed, SIGKILL);
  ::waitpid(killed, nullptr, 0);
  running.clear();
  EXPECT_TRUE(std::filesystem::exists(dir / "run/Varnoke_Transfer"));
  // At a first start the list file is kept.
  const std::string first = TemporaryList(dir.MakeDir("first"));
  StartFirst({"/L:" + first});
  EXPECT_TRUE(std::filesystem::exists(first));
  // A later start without parameters ends at once (the running instance comes forward).
  EXPECT_EQ(RunLater({}, dir.Path()), 0);
  // A relative path is named from the later start's directory, one without a display too.
  // (/R with a set and a list is an automatic run of the later start itself, before any
  // hand-over.)
  const std::string relative = TemporaryList(dir.MakeDir("rel"));
  EXPECT_EQ(RunLater({"/L:VARNOKE.TMP", "bare"}, dir / "rel", false), 0);
  EXPECT_TRUE(Eventually([&] { return !std::filesystem::exists(relative); }));
  EXPECT_TRUE(std::filesystem::exists(files + "/a.txt"));
  // Garbage and a connection dropped mid-parameter cost the running instance nothing.
  const int fd = Connect();
  ASSERT_GE(fd, 0);
  const std::string garbage(100'000, '\x7f');
  ::send(fd, garbage.data(), garbage.size(), MSG_NOSIGNAL);
  ::close(fd);
  // Two later starts at once: each one's parameters arrive whole.
  const std::string one = TemporaryList(dir.MakeDir("one")),
                    two = TemporaryList(dir.MakeDir("two"));
  const pid_t a = Start({"/L:" + one}, dir.Path()), b = Start({"/L:" + two}, dir.Path());
  for (const pid_t later : {a, b}) {
    int status = -1;
    ::waitpid(later, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  EXPECT_TRUE(
      Eventually([&] { return !std::filesystem::exists(one) && !std::filesystem::exists(two); }));
}

}  // namespace
}  // namespace varnoke
