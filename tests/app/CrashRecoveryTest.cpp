// Renamings killed with SIGKILL at random points of their journal, then finished and
// rolled back from copies of the same killed state: every original content is there
// exactly once, under the name the finished run gives it or under its own name after a
// rollback, and no file keeps a temporary name. The run has swaps, a cycle, a chain,
// plain renames and a file in the way, in both conflict modes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>

#include "support/TempDir.h"

#ifndef VARNOKE_CLI_PATH
#define VARNOKE_CLI_PATH ""
#endif

namespace varnoke {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::WriteFile;

const std::string kSet =
    fs::path(__FILE__).parent_path().string() + "/../../examples/pic-numbering.vns";

int EnvNumber(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::atoi(value) : fallback;
}

std::string Pic(int k) {
  char name[32];
  std::snprintf(name, sizeof name, "Pic%06d.jpg", k);
  return name;
}

// Name -> content of every file in a directory (none when it does not exist).
using Contents = std::map<std::string, std::string>;
Contents Read(const std::string& dir) {
  Contents contents;
  std::error_code none;
  for (const auto& entry : fs::directory_iterator(dir, none))
    contents[entry.path().filename().string()] = ReadFile(entry.path().string());
  return contents;
}

// The first few names whose content differs, for the failure message.
std::string Difference(const Contents& got, const Contents& want) {
  std::string text;
  int shown = 0;
  for (const auto& [name, content] : want)
    if (auto it = got.find(name); (it == got.end() || it->second != content) && shown++ < 5)
      text +=
          " want " + name + "=" + content.substr(0, content.size() - 1) + " got " +
          (it == got.end() ? std::string("nothing") : it->second.substr(0, it->second.size() - 1)) +
          ";";
  for (const auto& [name, content] : got)
    if (!want.count(name) && shown++ < 10) text += " extra " + name + ";";
  return text;
}

int Shell(const std::string& command) {
  return std::system(command.c_str());
}

class CrashRecoveryTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (std::string(VARNOKE_CLI_PATH).empty()) GTEST_SKIP() << "varnoke-cli is not built";
    files = EnvNumber("VARNOKE_CRASH_FILES", kDefaultFiles);
    points = EnvNumber("VARNOKE_CRASH_POINTS", kDefaultPoints);
    master = root.MakeDir("master");
    fs::create_directories(master + "/data");  // the trash goes in there
    fs::create_directories(master + "/home");
    work = root / "work";
    // List position k is planned the name Pic(k). Positions of the first fifth swap in
    // pairs, the second fifth is one cycle, the third a chain (Pic(first) is free, the
    // last takes "chain.jpg"), the rest plain renames; the last position's new name is
    // held by a file that is not in the list. When files in the way go to the trash the
    // run reaches those names; when it asks, planning gives taken names a "#1".
    const int fifth = files / 5;
    std::string list;
    auto add = [&](int k, const std::string& source) {
      WriteFile(master + "/d/" + source, "content of " + source + "\n");
      list += work + "/d/" + source + "\n";
      expected[Pic(k)] = "content of " + source + "\n";
    };
    for (int k = 1; k <= files; ++k) {
      if (k <= 2 * fifth)
        add(k, k <= fifth ? Pic(k % 2 ? k + 1 : k - 1) : Pic(k < 2 * fifth ? k + 1 : fifth + 1));
      else if (k <= 3 * fifth)
        add(k, k < 3 * fifth ? Pic(k + 1) : "chain.jpg");
      else if (k < files)
        add(k, "plain-" + std::to_string(k) + ".jpg");
      else
        add(k, "last.jpg");
    }
    WriteFile(master + "/d/" + Pic(files), "content of the file in the way\n");
    WriteFile(master + "/list.vls", list);
    original = Read(master + "/d");
  }

  std::vector<std::string> Environment() const {
    return {"XDG_STATE_HOME=" + work + "/state",
            "XDG_DATA_HOME=" + work + "/data",
            "VARNOKE_CONFIG_DIR=" + work + "/config",
            "HOME=" + work + "/home",
            "LC_ALL=C",
            "TZ=UTC"};
  }
  pid_t Start(std::vector<std::string> arguments) {
    std::vector<std::string> environment = Environment();
    arguments.insert(arguments.begin(), VARNOKE_CLI_PATH);
    const pid_t pid = ::fork();
    if (pid == 0) {
      for (std::string& assignment : environment) ::putenv(assignment.data());
      std::vector<char*> argv;
      for (std::string& a : arguments) argv.push_back(a.data());
      argv.push_back(nullptr);
      if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr))
        ::_exit(126);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    return pid;
  }
  int Wait(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::vector<std::string> RunArguments() const {
    std::vector<std::string> arguments = {"/O:" + kSet, "/L:" + work + "/list.vls", "/R", "--yes"};
    if (GetParam()) arguments.push_back("--set=delete-on-conflict=on");
    return arguments;
  }
  std::string JournalDir() const { return work + "/state/Orvelia/Varnoke/journal"; }
  // The one journal of the work tree; empty before it exists.
  std::string JournalPath() const {
    std::error_code none;
    for (const auto& entry : fs::directory_iterator(JournalDir(), none)) return entry.path();
    return {};
  }
  // Whether the journal's records reach `size` bytes (a live journal is longer than its
  // records: it grows by chunks of zero bytes that records fill).
  bool JournalReaches(off_t size) const {
    const std::string path = JournalPath();
    if (path.empty()) return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    char byte = 0;
    const bool reached = fd >= 0 && ::pread(fd, &byte, 1, size - 1) == 1 && byte != 0;
    if (fd >= 0) ::close(fd);
    return reached;
  }
  void Fresh() {
    ASSERT_EQ(Shell("rm -rf '" + work + "' && cp -a '" + master + "' '" + work + "'"), 0);
  }
  // Where the trash keeps what the run sent there.
  Contents Trash() const { return Read(work + "/data/Trash/files"); }

  // No temporary name, and the contents of the directory and the trash together are
  // the original contents, each exactly once.
  void ExpectEveryContentOnce(const Contents& dir) {
    std::multiset<std::string> seen, wanted;
    for (const auto& [name, content] : dir) {
      EXPECT_EQ(name.find(".varnoke-"), std::string::npos) << name;
      seen.insert(content);
    }
    for (const auto& [name, content] : Trash()) seen.insert(content);
    for (const auto& [name, content] : original) wanted.insert(content);
    EXPECT_TRUE(seen == wanted);
  }

  // Kept small for the test suite; VARNOKE_CRASH_FILES=10000 VARNOKE_CRASH_POINTS=20 for
  // the full-size run.
  static constexpr int kDefaultFiles = 2'000;
  static constexpr int kDefaultPoints = 10;
  testing::TempDir root;
  std::string master, work;
  int files = 0, points = 0;
  Contents expected;  // new name -> content after the whole run that trashes
  Contents original;
};

TEST_P(CrashRecoveryTest, AKilledRunIsFinishedOrRolledBackWithEveryFileAccountedFor) {
  // A whole run first: what finishing must reach, and how long its journal grows.
  Fresh();
  ASSERT_EQ(Wait(Start(RunArguments())), 0);
  const Contents whole = Read(work + "/d");
  if (GetParam()) {
    ASSERT_TRUE(whole == expected);
  }
  const off_t full = static_cast<off_t>(ReadFile(JournalPath()).size());
  const std::string journal = ReadFile(fs::directory_iterator(JournalDir())->path().string());
  const off_t begun = static_cast<off_t>(journal.find("\ngo\t") + 1);
  ASSERT_GT(full, begun);

  std::mt19937 random(2026 + GetParam());
  std::uniform_int_distribution<off_t> at(begun, full - 1);
  int killed = 0, temporaryLeft = 0, finishedWhole = 0, rolledBackWhole = 0;
  for (int point = 0; point < points; ++point) {
    Fresh();
    const off_t threshold = at(random);
    const pid_t pid = Start(RunArguments());
    int status = 0;
    bool ended = false;
    while (!ended && !JournalReaches(threshold)) ended = ::waitpid(pid, &status, WNOHANG) == pid;
    if (!ended) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      killed += WIFSIGNALED(status) ? 1 : 0;
    }
    for (const auto& [name, content] : Read(work + "/d"))
      temporaryLeft += name.find(".varnoke-") != std::string::npos;
    const std::string killedState = root / "killed";
    ASSERT_EQ(Shell("rm -rf '" + killedState + "' && cp -a '" + work + "' '" + killedState + "'"),
              0);

    // Finishing reaches the whole run's names.
    EXPECT_EQ(Wait(Start({"--recover", "finish"})), 0) << "point " << point;
    const Contents finished = Read(work + "/d");
    ExpectEveryContentOnce(finished);
    finishedWhole += finished == whole;
    EXPECT_TRUE(finished == whole) << "point " << point << Difference(finished, whole);

    // Rolling back from the same killed state gives every file its own name again.
    ASSERT_EQ(Shell("rm -rf '" + work + "' && cp -a '" + killedState + "' '" + work + "'"), 0);
    // A kill after the journal's last record leaves a complete run: undoing it rolls back.
    const bool complete =
        ReadFile(fs::directory_iterator(JournalDir())->path().string()).find("\nend\t") !=
        std::string::npos;
    EXPECT_EQ(Wait(Start(complete ? std::vector<std::string>{"--undo"}
                                  : std::vector<std::string>{"--recover", "rollback"})),
              0)
        << "point " << point;
    const Contents rolledBack = Read(work + "/d");
    EXPECT_TRUE(Trash().empty());
    rolledBackWhole += rolledBack == original;
    EXPECT_TRUE(rolledBack == original) << "point " << point << Difference(rolledBack, original);
  }
  std::printf(
      "[ crash    ] %s: %d files, %d kills of %d points, %d temporary names left by the "
      "kills; finished whole %d, rolled back whole %d\n",
      GetParam() ? "delete-on-conflict" : "asking", files, killed, points, temporaryLeft,
      finishedWhole, rolledBackWhole);
}

INSTANTIATE_TEST_SUITE_P(BothConflictModes, CrashRecoveryTest, ::testing::Bool());

}  // namespace
}  // namespace varnoke
