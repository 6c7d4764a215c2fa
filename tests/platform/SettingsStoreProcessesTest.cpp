#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/posix/PosixSettingsStore.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

constexpr std::string_view kKey = "Software\\Orvelia\\Varnoke";
constexpr int kRounds = 40;

// One writer process: waits for the start signal, then writes and flushes its own
// values round after round. Ends with 0 when every flush succeeded.
[[noreturn]] void Writer(const std::string& dir, char who, int startFd) {
  PosixSettingsStore store(dir);
  char go = 0;
  if (::read(startFd, &go, 1) != 1) ::_exit(2);
  for (int i = 0; i < kRounds; ++i) {
    store.Write(kKey, std::string(1, who) + std::to_string(i), RegValue::Dword(i));
    store.Write("Software\\Orvelia\\Varnoke\\Filters", "0", RegValue::String(std::string(1, who)));
    if (!store.Flush()) ::_exit(1);
  }
  ::_exit(0);
}

TEST(SettingsStoreProcesses, TwoWritersAtTheSameMomentLoseNothing) {
  testing::TempDir dir;
  int pipeFds[2];
  ASSERT_EQ(::pipe(pipeFds), 0);
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = ::fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      ::close(pipeFds[1]);
      Writer(dir.Path(), c == 0 ? 'A' : 'B', pipeFds[0]);
    }
  }
  ::close(pipeFds[0]);
  ASSERT_EQ(::write(pipeFds[1], "gg", 2), 2);  // both start together
  ::close(pipeFds[1]);
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  PosixSettingsStore after(dir.Path());
  EXPECT_TRUE(after.TakeProblems().empty());
  for (char who : {'A', 'B'}) {
    for (int i = 0; i < kRounds; ++i) {
      auto value = after.Read(kKey, std::string(1, who) + std::to_string(i));
      ASSERT_TRUE(value) << who << i;
      EXPECT_EQ(value->AsDword(), static_cast<std::uint32_t>(i));
    }
  }
  EXPECT_EQ(after.ValueNames(kKey).size(), 2u * kRounds);
  EXPECT_EQ(after.ValueNames("Software\\Orvelia\\Varnoke\\Filters").size(), 1u);
  EXPECT_FALSE(testing::FileExists(dir / "Varnoke.reg.bad"));
}

}  // namespace
}  // namespace varnoke
