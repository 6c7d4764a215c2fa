// Two real processes of the desktop program (offscreen): the first one running, later
// starts handing their parameters over. What the running instance did is seen on disk:
// a list file named VARNOKE.TMP that it read through a hand-over is deleted.
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
  // Starts varnoke in `cwd` on the offscreen platform, with this test's own settings and
  // runtime directory.
  pid_t Start(const std::vector<std::string>& arguments, const std::string& cwd) {
    // Everything is made before the fork: the child only switches and runs.
    std::vector<std::string> environment = {"QT_QPA_PLATFORM=offscreen",
                                            "XDG_RUNTIME_DIR=" + dir / "run",
                                            "VARNOKE_CONFIG_DIR=" + dir / "config",
                                            "XDG_CONFIG_HOME=" + dir / "config",
                                            "XDG_DATA_HOME=" + dir / "data",
                                            "HOME=" + dir.Path()};
    std::vector<char*> argv{const_cast<char*>(VARNOKE_DESKTOP_PATH)};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (::chdir(cwd.c_str()) != 0) ::_exit(126);
      for (std::string& assignment : environment) ::putenv(assignment.data());
      ::freopen("/dev/null", "w", stderr);
      ::execv(VARNOKE_DESKTOP_PATH, argv.data());
      ::_exit(127);
    }
    return pid;
  }
  // A later start: it must end by itself, with status 0.
  int RunLater(const std::vector<std::string>& arguments, const std::string& cwd) {
    int status = -1;
    ::waitpid(Start(arguments, cwd), &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // The first instance, once it takes hand-overs.
  pid_t StartFirst(const std::vector<std::string>& arguments = {}) {
    const pid_t pid = Start(arguments, dir.Path());
    running.push_back(pid);
    EXPECT_TRUE(Eventually([&] { return Connects(); })) << "the first instance never listened";
    return pid;
  }
  bool Connects() const {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = dir / "run/Varnoke_Transfer";
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
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
  // At a first start the list file is kept.
  const std::string first = TemporaryList(dir.MakeDir("first"));
  StartFirst({"/L:" + first});
  EXPECT_TRUE(std::filesystem::exists(first));
  // A later start without parameters ends at once (the running instance comes forward).
  EXPECT_EQ(RunLater({}, dir.Path()), 0);
  // A relative path is named from the later start's directory. (/R with a set and a list
  // is an automatic run of the later start itself, before any hand-over.)
  const std::string relative = TemporaryList(dir.MakeDir("rel"));
  EXPECT_EQ(RunLater({"/L:VARNOKE.TMP", "bare"}, dir / "rel"), 0);
  EXPECT_TRUE(Eventually([&] { return !std::filesystem::exists(relative); }));
  EXPECT_TRUE(std::filesystem::exists(files + "/a.txt"));
  // Garbage and a connection dropped mid-parameter cost the running instance nothing.
  {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = dir / "run/Varnoke_Transfer";
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string garbage(100'000, '\x7f');
    ::send(fd, garbage.data(), garbage.size(), MSG_NOSIGNAL);
    ::close(fd);
  }
  // Two later starts at once: each one's parameters arrive whole.
  const std::string one = TemporaryList(dir.MakeDir("one")),
                    two = TemporaryList(dir.MakeDir("two"));
  const pid_t a = Start({"/L:" + one}, dir.Path()), b = Start({"/L:" + two}, dir.Path());
  int statusA = -1, statusB = -1;
  ::waitpid(a, &statusA, 0);
  ::waitpid(b, &statusB, 0);
  EXPECT_EQ(WEXITSTATUS(statusA), 0);
  EXPECT_EQ(WEXITSTATUS(statusB), 0);
  EXPECT_TRUE(
      Eventually([&] { return !std::filesystem::exists(one) && !std::filesystem::exists(two); }));
}

TEST_F(SingleInstance, AKilledFirstInstanceLeavesNothingInTheWay) {
  const pid_t first = StartFirst();
  ::kill(first, SIGKILL);
  ::waitpid(first, nullptr, 0);
  running.clear();
  EXPECT_TRUE(std::filesystem::exists(dir / "run/Varnoke_Transfer"));  // the stale socket
  // The next start is the running instance again, and takes hand-overs.
  StartFirst();
  const std::string handed = TemporaryList(dir.MakeDir("after"));
  EXPECT_EQ(RunLater({"/L:" + handed}, dir.Path()), 0);
  EXPECT_TRUE(Eventually([&] { return !std::filesystem::exists(handed); }));
}

}  // namespace
}  // namespace varnoke
