// The desktop program on a machine without a display: one line that points at the
// console program, and exit status 2, instead of the toolkit's abort.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#ifndef VARNOKE_DESKTOP_PATH
#define VARNOKE_DESKTOP_PATH ""  // not built: the test is skipped
#endif

namespace varnoke {
namespace {

TEST(DesktopStart, WithoutADisplayPointsAtTheConsoleProgram) {
  const std::string program = VARNOKE_DESKTOP_PATH;
  if (program.empty()) GTEST_SKIP() << "varnoke is not built";
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" + program +
                              "' /L:/nothing.vls 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
  const int status = ::pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_EQ(out,
            "varnoke: no display to show a window on; to rename without one, use varnoke-cli "
            "(varnoke-cli --help).\n");
}

}  // namespace
}  // namespace varnoke
