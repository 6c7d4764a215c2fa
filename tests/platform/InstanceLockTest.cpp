#include "platform/posix/InstanceLock.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "support/TempDir.h"

namespace varnoke {
namespace {

TEST(InstanceLock, OneHolderAtATimeAndNothingLeftByACrash) {
  testing::TempDir dir;
  {
    InstanceLock first(dir.Path());
    EXPECT_EQ(first.Held(), InstanceLock::State::Ours);
    EXPECT_EQ(InstanceLock(dir.Path()).Held(), InstanceLock::State::Theirs);
    EXPECT_EQ(first.ChannelPath(), dir.Path() + "/Varnoke_Transfer");
  }
  EXPECT_EQ(InstanceLock(dir.Path()).Held(), InstanceLock::State::Ours);
  // A holder killed outright leaves the lock free.
  const pid_t child = ::fork();
  if (child == 0) {
    InstanceLock held(dir.Path());
    ::raise(SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(InstanceLock(dir.Path()).Held(), InstanceLock::State::Ours);
  EXPECT_EQ(InstanceLock("").Held(), InstanceLock::State::Unavailable);
}

TEST(InstanceLock, TheHandOverReachesTheListenerWhole) {
  testing::TempDir dir;
  const std::string path = dir.Path() + "/Varnoke_Transfer";
  EXPECT_FALSE(SendToChannel(path, "nobody listens"));
  const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(server, 4), 0);
  const std::string bytes(100'000, 'x');  // more than one socket buffer's worth
  const pid_t child = ::fork();
  if (child == 0) ::_exit(SendToChannel(path, bytes) ? 0 : 1);
  const int client = ::accept(server, nullptr, nullptr);
  std::string got;
  char buffer[4096];
  for (ssize_t n; (n = ::read(client, buffer, sizeof buffer)) > 0;)
    got.append(buffer, std::size_t(n));
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(got, bytes);
  ::close(client);
  ::close(server);
}

}  // namespace
}  // namespace varnoke
