// A move to another file system killed after its copy took its name and before its source
// was removed (the removal held back by strace until the kill): finishing removes the
// source, rolling back removes the copy, and either way the file is there once, with
// nothing sent to the trash.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

#ifndef VARNOKE_CLI_PATH
#define VARNOKE_CLI_PATH ""
#endif

namespace varnoke {
namespace {

namespace fs = std::filesystem;
using testing::FileExists;
using testing::ReadFile;
using testing::StartProcess;
using testing::WaitProcess;
using testing::WriteFile;

const std::string kSet =
    fs::path(__FILE__).parent_path().string() + "/../../examples/pic-numbering.vns";

std::string Strace() {
  for (const char* path : {"/usr/bin/strace", "/bin/strace"})
    if (::access(path, X_OK) == 0) return path;
  return {};
}

// The processes strace started.
std::vector<pid_t> ChildrenOf(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/children");
  std::vector<pid_t> children;
  for (pid_t child; in >> child;) children.push_back(child);
  return children;
}

dev_t DeviceOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_dev;
}

TEST(MoveAcrossCutShort, TheRunsOwnCopyIsKnownAndTheMoveFinishedOrUndone) {
  if (std::string(VARNOKE_CLI_PATH).empty()) GTEST_SKIP() << "varnoke-cli is not built";
  if (Strace().empty()) GTEST_SKIP() << "strace is not installed";
  for (const bool finish : {true, false}) {
    SCOPED_TRACE(finish ? "finished" : "rolled back");
    testing::TempDir root;
    testing::TempDir other("/dev/shm");
    if (DeviceOf(root.Path()) == DeviceOf(other.Path()))
      GTEST_SKIP() << "/dev/shm is on the same file system as /tmp";
    const std::string source = root / "d/x.txt";
    const std::string target = other / "T";
    const std::string copy = target + "/Pic000001.txt";
    WriteFile(source, "content of x\n");
    fs::create_directories(target);
    WriteFile(root / "list.vls", source + "\n");
    const std::vector<std::string> environment = {"XDG_STATE_HOME=" + root / "state",
                                                  "XDG_DATA_HOME=" + root / "data",
                                                  "VARNOKE_CONFIG_DIR=" + root / "config",
                                                  "HOME=" + root.Path(),
                                                  "LC_ALL=C",
                                                  "TZ=UTC"};
    // Every removal waits a minute on its way into the kernel: the source's among them.
    const pid_t tracer = StartProcess(
        {Strace(), "-f", "-o", "/dev/null", "-e", "trace=unlink,unlinkat", "-e",
         "inject=unlink,unlinkat:delay_enter=60000000", VARNOKE_CLI_PATH, "/O:" + kSet,
         "/L:" + root / "list.vls", "/R", "--yes", "--set=path=" + target, "--set=transport=move"},
        environment);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!FileExists(copy) && std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      ASSERT_NE(::waitpid(tracer, &status, WNOHANG), tracer) << "the run ended before its copy";
    }
    ASSERT_TRUE(FileExists(copy)) << "no copy within 30 seconds";
    for (const pid_t run : ChildrenOf(tracer)) ::kill(run, SIGKILL);
    ::kill(tracer, SIGKILL);
    WaitProcess(tracer);
    ASSERT_TRUE(FileExists(source));  // killed between the copy and the removal

    std::vector<std::string> recover = {VARNOKE_CLI_PATH, "--recover",
                                        finish ? "finish" : "rollback"};
    EXPECT_EQ(WaitProcess(StartProcess(recover, environment)), 0);
    EXPECT_EQ(FileExists(source), !finish);
    EXPECT_EQ(FileExists(copy), finish);
    EXPECT_EQ(ReadFile(finish ? copy : source), "content of x\n");
    EXPECT_FALSE(FileExists(root / "data/Trash/files"));
    EXPECT_FALSE(FileExists(target + "/.Trash-" + std::to_string(::getuid())));
  }
}

}  // namespace
}  // namespace varnoke
