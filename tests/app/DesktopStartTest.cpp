// The desktop program's start as a process: without a display it points at the console
// program; as a later start it hands its parameters to the running instance and ends
// without needing a display at all.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/Transfer.h"
#include "platform/posix/InstanceLock.h"
#include "support/TempDir.h"

#ifndef VARNOKE_DESKTOP_PATH
#define VARNOKE_DESKTOP_PATH ""  // not built: the tests are skipped
#endif

namespace varnoke {
namespace {

class DesktopStart : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string(VARNOKE_DESKTOP_PATH).empty()) GTEST_SKIP() << "varnoke is not built";
  }
  // Runs varnoke in `cwd` without a display, with the runtime directory of this test;
  // returns its exit status and puts what it printed in `out`.
  int Run(const std::string& cwd, const std::string& arguments, std::string& out) {
    const std::string command = "cd '" + cwd + "' && env -u DISPLAY -u WAYLAND_DISPLAY " +
                                "-u QT_QPA_PLATFORM XDG_RUNTIME_DIR='" + runtime.Path() + "' '" +
                                VARNOKE_DESKTOP_PATH + "' " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    const int status = pipe ? ::pclose(pipe) : -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  testing::TempDir runtime;
};

TEST_F(DesktopStart, WithoutADisplayPointsAtTheConsoleProgram) {
  std::string out;
  EXPECT_EQ(Run(runtime.Path(), "/L:/nothing.vls", out), 2);
  EXPECT_EQ(out,
            "varnoke: no display to show a window on; to rename without one, use varnoke-cli "
            "(varnoke-cli --help).\n");
}

TEST_F(DesktopStart, ALaterStartHandsItsParametersOverNamedInFull) {
  InstanceLock running(runtime.Path());  // this test is the running instance
  ASSERT_EQ(running.Held(), InstanceLock::State::Ours);
  const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, running.ChannelPath().c_str(), running.ChannelPath().size() + 1);
  ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(server, 4), 0);
  const std::string work = runtime.MakeDir("work");
  std::string out;
  EXPECT_EQ(Run(work, "/L:lists/a.vls /R --files x.jpg", out), 0) << out;
  const int client = ::accept(server, nullptr, nullptr);
  TransferReceiver receiver;
  std::vector<std::vector<std::string>> transfers;
  char buffer[512];
  for (ssize_t n; (n = ::read(client, buffer, sizeof buffer)) > 0;)
    for (auto& t : receiver.Feed(std::string_view(buffer, static_cast<std::size_t>(n))))
      transfers.push_back(std::move(t));
  ::close(client);
  ::close(server);
  EXPECT_EQ(transfers, (std::vector<std::vector<std::string>>{
                           {"/L:" + work + "/lists/a.vls", "/R", "--files", work + "/x.jpg"}}));
}

}  // namespace
}  // namespace varnoke
