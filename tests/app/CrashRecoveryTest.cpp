// Renamings killed with SIGKILL at random points of their journal, some of their journals
// then cut at a random record (a power cut), their recoveries killed at random points too,
// and recovered again, each time in a direction drawn at random: every original content is
// there exactly once, all under the names the whole run gives them or all under their own,
// no file keeps a temporary name, and the trash holds only what the run sent there. The run
// has swaps, a cycle, a chain, plain renames and a file in the way, in both conflict modes;
// it also moves files to another file system, and copies them. The same again with the
// kills at chosen system calls, held back by strace until the kill; and a move to another
// file system killed between its copy and the removal of its source.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

#ifndef VARNOKE_CLI_PATH
#define VARNOKE_CLI_PATH ""
#endif

namespace varnoke {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::WriteFile;

const std::string kSet = std::string(VARNOKE_TEST_APP_DIR) + "/../../examples/pic-numbering.vns";

int EnvNumber(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::atoi(value) : fallback;
}

// The program under test: VARNOKE_CLI names another build of it (a long run of this test
// goes on while the build tree changes).
std::string Cli() {
  const char* other = std::getenv("VARNOKE_CLI");
  return other && *other ? other : VARNOKE_CLI_PATH;
}

std::string Strace() {
  for (const char* path : {"/usr/bin/strace", "/bin/strace"})
    if (::access(path, X_OK) == 0) return path;
  return {};
}

// The process strace started for the program, once it has started it.
pid_t TraceeOf(pid_t tracer) {
  const std::string path =
      "/proc/" + std::to_string(tracer) + "/task/" + std::to_string(tracer) + "/children";
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  char buffer[64] = {};
  const ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
  ::close(fd);
  return n > 0 ? static_cast<pid_t>(std::atoi(buffer)) : 0;
}

// Whether a process is stopped by its tracer (state "t"); false once it is gone.
bool Stopped(pid_t pid) {
  const int fd = ::open(("/proc/" + std::to_string(pid) + "/stat").c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char buffer[512];
  const ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
  ::close(fd);
  if (n <= 0) return false;
  const std::string_view stat(buffer, static_cast<std::size_t>(n));
  const std::size_t close = stat.rfind(')');
  return close != std::string_view::npos && close + 2 < stat.size() && stat[close + 2] == 't';
}

// The system call a stopped process is in (its number), or -1 ("running", gone).
long CurrentCall(pid_t pid) {
  const int fd =
      ::open(("/proc/" + std::to_string(pid) + "/syscall").c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  char buffer[64] = {};
  const ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
  ::close(fd);
  return n > 0 && buffer[0] >= '0' && buffer[0] <= '9' ? std::atol(buffer) : -1;
}

// The numbers of the system calls named (comma-separated) among those the runs make.
std::vector<long> CallNumbers(const std::string& calls) {
  const std::pair<const char*, long> known[] = {{"renameat2", SYS_renameat2},
                                                {"rename", SYS_rename},
                                                {"linkat", SYS_linkat},
                                                {"unlink", SYS_unlink},
                                                {"unlinkat", SYS_unlinkat}};
  std::vector<long> numbers;
  for (const auto& [name, number] : known)
    if (("," + calls + ",").find(std::string(",") + name + ",") != std::string::npos)
      numbers.push_back(number);
  return numbers;
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

// The first few names missing, different or extra, for the failure message.
std::string Difference(const Contents& got, const Contents& want) {
  std::string text;
  int shown = 0;
  for (const auto& [name, content] : want)
    if (auto it = got.find(name); (it == got.end() || it->second != content) && shown++ < 5)
      text +=
          " want " + name + " as " + content + " got " + (it == got.end() ? "nothing" : it->second);
  for (const auto& [name, content] : got)
    if (!want.count(name) && shown++ < 10) text += " extra " + name + ";";
  return text;
}

// The modes of a run (the tests' parameter): the two conflict modes, a move to another
// file system, a copy.
enum class Mode { Asking, Deleting, Across, Copying };
constexpr const char* kModeNames[] = {"Asking", "Deleting", "Across", "Copying"};

// The program's environment with every directory it writes under `home`.
std::vector<std::string> EnvironmentIn(const std::string& home) {
  return {"XDG_STATE_HOME=" + home + "/state",
          "XDG_DATA_HOME=" + home + "/data",
          "VARNOKE_CONFIG_DIR=" + home + "/config",
          "HOME=" + home + "/home",
          "LC_ALL=C",
          "TZ=UTC"};
}

class CrashRecoveryTest : public ::testing::TestWithParam<Mode> {
 protected:
  void SetUp() override {
    if (Cli().empty()) GTEST_SKIP() << "varnoke-cli is not built";
    files = EnvNumber("VARNOKE_CRASH_FILES", kDefaultFiles);
    points = EnvNumber("VARNOKE_CRASH_POINTS", kDefaultPoints);
    master = root.MakeDir("master");
    fs::create_directories(master + "/data");  // the trash goes in there
    fs::create_directories(master + "/home");
    work = root / "work";
    // Moves to another file system go to a tmpfs; copies to a folder beside the files.
    target = GetParam() == Mode::Across    ? shm / "target"
             : GetParam() == Mode::Copying ? work + "/copies"
                                           : std::string();
    if (GetParam() == Mode::Copying) fs::create_directories(master + "/copies");
    // List position k is planned the name Pic(k). Positions of the first fifth swap in
    // pairs, the second fifth is one cycle, the third a chain (Pic(first) is free, the
    // last takes "chain.jpg"), the rest plain renames; the last position's new name is
    // held by a file that is not in the list. When files in the way go to the trash the
    // run reaches those names; when it asks, planning gives taken names a "#1".
    const int fifth = files / 5;
    std::string list;
    auto add = [&](const std::string& source) {
      WriteFile(master + "/d/" + source, "content of " + source + "\n");
      list += work + "/d/" + source + "\n";
    };
    for (int k = 1; k <= files; ++k) {
      if (k <= 2 * fifth)
        add(k <= fifth ? Pic(k % 2 ? k + 1 : k - 1) : Pic(k < 2 * fifth ? k + 1 : fifth + 1));
      else if (k <= 3 * fifth)
        add(k < 3 * fifth ? Pic(k + 1) : "chain.jpg");
      else if (k < files)
        add("plain-" + std::to_string(k) + ".jpg");
      else
        add("last.jpg");
    }
    if (target.empty()) WriteFile(master + "/d/" + Pic(files), "content of the file in the way\n");
    WriteFile(master + "/list.vls", list);
    Fresh();
    original = State();
  }

  std::vector<std::string> Environment() const { return EnvironmentIn(work); }
  // LeakSanitizer stops a sanitized build that runs under ptrace; strace's runs go without it.
  std::vector<std::string> TracedEnvironment() const {
    std::vector<std::string> environment = Environment();
    environment.push_back("ASAN_OPTIONS=detect_leaks=0");
    return environment;
  }
  // Runs varnoke-cli to its end; its exit status.
  int Run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), Cli());
    return testing::WaitProcess(testing::StartProcess(std::move(arguments), Environment()));
  }
  std::vector<std::string> RunArguments() const {
    std::vector<std::string> arguments = {"/O:" + kSet, "/L:" + work + "/list.vls", "/R", "--yes"};
    if (GetParam() == Mode::Deleting) arguments.push_back("--set=delete-on-conflict=on");
    if (!target.empty()) {
      arguments.push_back("--set=path=" + target);
      arguments.push_back(GetParam() == Mode::Copying ? "--set=transport=copy"
                                                      : "--set=transport=move");
    }
    return arguments;
  }
  // The journals, oldest first.
  std::vector<std::string> Journals() const {
    std::vector<std::string> names;
    std::error_code none;
    for (const auto& entry : fs::directory_iterator(work + "/state/Orvelia/Varnoke/journal", none))
      names.push_back(entry.path());
    std::sort(names.begin(), names.end());
    return names;
  }
  // Whether the records of the `n`-th journal reach `size` bytes (a live journal is longer
  // than its records: it grows by steps of zero bytes that records fill).
  bool JournalReaches(std::size_t n, off_t size) const {
    const std::vector<std::string> names = Journals();
    if (names.size() <= n) return false;
    const int fd = ::open(names[n].c_str(), O_RDONLY | O_CLOEXEC);
    char byte = 0;
    const bool reached = fd >= 0 && ::pread(fd, &byte, 1, size - 1) == 1 && byte != 0;
    if (fd >= 0) ::close(fd);
    return reached;
  }
  // Runs varnoke-cli and kills it once its `n`-th journal reaches `size` bytes; whether it
  // was killed.
  bool RunAndKill(std::vector<std::string> arguments, std::size_t n, off_t size) {
    arguments.insert(arguments.begin(), Cli());
    const pid_t pid = testing::StartProcess(std::move(arguments), Environment());
    int status = 0;
    bool ended = false;
    while (!ended && !JournalReaches(n, size)) ended = ::waitpid(pid, &status, WNOHANG) == pid;
    if (ended) return false;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status);
  }
  // Runs varnoke-cli under strace, which holds the `n`-th call of any of `calls` (system
  // call names, comma-separated) back for a minute, and kills it there; whether it was
  // killed (false: it ended before).
  bool RunAndKillAtCall(std::vector<std::string> arguments, const std::string& calls, int n) {
    arguments.insert(
        arguments.begin(),
        {Strace(), "-f", "-o", "/dev/null", "-e", "trace=" + calls, "-e",
         "inject=" + calls + ":delay_enter=60000000:when=" + std::to_string(n), Cli()});
    const pid_t tracer = testing::StartProcess(std::move(arguments), TracedEnvironment());
    // Held back: stopped in one of the calls for longer than any call of a run takes (a
    // loaded machine may leave a traced process stopped elsewhere for as long).
    const std::vector<long> numbers = CallNumbers(calls);
    const auto inCall = [&](pid_t run) {
      return Stopped(run) &&
             std::find(numbers.begin(), numbers.end(), CurrentCall(run)) != numbers.end();
    };
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(50);
    auto running = Clock::now();  // when last seen running
    bool held = false;
    while (!held && Clock::now() < deadline) {
      int status = 0;
      if (::waitpid(tracer, &status, WNOHANG) == tracer) return false;
      const pid_t run = TraceeOf(tracer);
      if (run == 0 || !inCall(run)) running = Clock::now();
      held = Clock::now() - running > std::chrono::milliseconds(300);
    }
    const pid_t run = TraceeOf(tracer);
    if (run != 0) ::kill(run, SIGKILL);
    ::kill(tracer, SIGKILL);
    testing::WaitProcess(tracer);
    return held;
  }
  // How often a whole run makes each of `calls`, added up.
  int CallsOfAWholeRun(const std::string& calls) {
    const std::string log = root / "calls.log";
    std::vector<std::string> arguments = RunArguments();
    arguments.insert(arguments.begin(), {Strace(), "-f", "-o", log, "-e", "trace=" + calls, Cli()});
    Fresh();
    EXPECT_EQ(
        testing::WaitProcess(testing::StartProcess(std::move(arguments), TracedEnvironment())), 0);
    std::ifstream in(log);
    int count = 0;
    for (std::string line; std::getline(in, line);) count += line.find('(') != std::string::npos;
    return count;
  }
  // The system calls that make the run's changes in this mode.
  std::string ChangingCalls() const {
    switch (GetParam()) {
      case Mode::Across:
        return "unlink,unlinkat";  // the removal of a source after its copy
      case Mode::Copying:
        return "linkat";  // a copy taking its name
      default:
        return "renameat2";
    }
  }
  void Fresh() {
    ASSERT_EQ(
        std::system(("rm -rf '" + work + "' && cp -a '" + master + "' '" + work + "'").c_str()), 0);
    if (GetParam() == Mode::Across) {
      ASSERT_EQ(std::system(("rm -rf '" + target + "' && mkdir '" + target + "'").c_str()), 0);
    }
  }
  // Every file of the source folder and of the target folder ("T/" before its names).
  Contents State() const {
    Contents state = Read(work + "/d");
    if (!target.empty())
      for (const auto& [name, content] : Read(target)) state["T/" + name] = content;
    return state;
  }
  // Where the trash keeps what the run sent there.
  // The trash as the user sees it: each trashed file by the path it is restored to. A kill
  // between writing a file's trash record and moving the file in leaves that record behind,
  // so the file trashed later under its name is stored as "name.2": the same to the user.
  Contents Trash() const {
    Contents byOrigin;
    for (const auto& [name, content] : Read(work + "/data/Trash/files")) {
      const std::string info = ReadFile(work + "/data/Trash/info/" + name + ".trashinfo");
      const std::size_t at = info.find("\nPath=");
      const std::size_t end = info.find('\n', at + 1);
      byOrigin[at == std::string::npos ? "(no record) " + name
                                       : info.substr(at + 6, end - at - 6)] = content;
    }
    return byOrigin;
  }

  // No temporary name, and every original content (a copy's too, for a copy run that
  // reached it) exactly once in the folders and the trash together.
  void ExpectEveryContentOnce(const Contents& state, const Contents& want) {
    std::multiset<std::string> seen, wanted;
    for (const auto& [name, content] : state) {
      EXPECT_EQ(name.find(".varnoke-"), std::string::npos) << name;
      seen.insert(content);
    }
    for (const auto& [name, content] : Trash()) seen.insert(content);
    for (const auto& [name, content] : want) wanted.insert(content);
    if (GetParam() == Mode::Deleting && &want != &original)
      wanted.insert("content of the file in the way\n");
    EXPECT_TRUE(seen == wanted);
  }

  static std::string Way(bool finish) { return finish ? "finish" : "rollback"; }
  // Whether the run's journal says a recovery reached its end: a kill that comes later (a
  // loaded machine notices the journal's size late) finds nothing left to recover.
  bool Recovered() const {
    return ReadFile(Journals().at(0)).find("\nrecovered\t") != std::string::npos;
  }

  // A whole run first: what finishing must reach, and what it sends to the trash.
  void WholeRun() {
    ASSERT_EQ(Run(RunArguments()), 0);
    whole = State();
    trashedByTheRun = Trash();
    ASSERT_NE(whole, original);
  }
  // The folders and the trash after a recovery that finished (`finish`) or rolled back.
  void ExpectWhole(const Contents& state, bool finish) {
    if (finish) {
      ExpectEveryContentOnce(state, whole);
      EXPECT_TRUE(state == whole) << Difference(state, whole);
      EXPECT_TRUE(Trash() == trashedByTheRun) << Difference(Trash(), trashedByTheRun);
    } else if (GetParam() == Mode::Copying) {
      // The copies went to the trash: each a copy of an original.
      EXPECT_TRUE(state == original) << Difference(state, original);
      std::set<std::string> sources, trashed;
      for (const auto& [name, content] : original) sources.insert(content);
      for (const auto& [name, content] : Trash()) {
        EXPECT_TRUE(sources.count(content)) << name;
        EXPECT_TRUE(trashed.insert(content).second) << name;
      }
    } else {
      ExpectEveryContentOnce(state, original);
      EXPECT_TRUE(state == original) << Difference(state, original);
      EXPECT_TRUE(Trash().empty());
    }
  }
  // After a killed run: a recovery in a direction drawn at random, killed by
  // `killRecovery` (given the direction; whether it killed it) and then recovered to the
  // end in a direction drawn anew, and the end checked. A kill after the journal's last
  // record leaves a complete run: finishing has nothing to do, rolling back is an undo.
  template <class Kill>
  void RecoverAndCheck(std::mt19937& random, Kill killRecovery) {
    std::uniform_int_distribution<int> coin(0, 1);
    bool finish = coin(random) != 0;
    if (Journals().empty()) {  // killed before its journal: nothing may have changed
      EXPECT_EQ(State(), original);
      wholeAfterRecovery += State() == original;
      return;
    }
    if (ReadFile(Journals().at(0)).find("\nend\t") != std::string::npos) {
      if (!finish) {
        EXPECT_EQ(Run({"--undo"}), 0);
      }
    } else if (killRecovery(finish) && !Recovered()) {
      ++recoveriesKilled;
      finish = coin(random) != 0;
      EXPECT_EQ(Run({"--recover", Way(finish)}), 0);
    }
    const Contents state = State();
    ExpectWhole(state, finish);
    wholeAfterRecovery += state == (finish ? whole : original);
  }

  // Kept small for the test suite; VARNOKE_CRASH_FILES=5000 VARNOKE_CRASH_POINTS=125
  // VARNOKE_STRACE_POINTS=25 (points per mode) for the full-size run.
  static constexpr int kDefaultFiles = 1'000;
  static constexpr int kDefaultPoints = 6;
  static constexpr int kDefaultStracePoints = 3;
  testing::TempDir root;
  testing::TempDir shm{"/dev/shm"};
  std::string master, work, target;
  int files = 0, points = 0, killed = 0, recoveriesKilled = 0, wholeAfterRecovery = 0;
  Contents original, whole, trashedByTheRun;
};

TEST_P(CrashRecoveryTest, KilledRunsAndRecoveriesEndWithEveryFileOnceUnderOldOrNewNames) {
  WholeRun();
  const std::string journal = ReadFile(Journals().at(0));
  const off_t full = static_cast<off_t>(journal.size());
  const off_t begun = static_cast<off_t>(journal.find("\ngo\t") + 1);
  ASSERT_GT(full, begun);

  std::mt19937 random(2026 + static_cast<int>(GetParam()));
  std::uniform_int_distribution<off_t> at(begun, full - 1);
  std::uniform_int_distribution<int> die(0, 3);
  int cut = 0, temporaryLeft = 0;
  for (int point = 0; point < points; ++point) {
    SCOPED_TRACE("point " + std::to_string(point));
    Fresh();
    if (!RunAndKill(RunArguments(), 0, at(random))) continue;  // the run ended first
    ++killed;
    for (const auto& [name, content] : State())
      temporaryLeft += name.find(".varnoke-") != std::string::npos;
    // Now and then a power cut: the journal loses its records from one on, the disk not.
    const std::string path = Journals().at(0);
    if (die(random) == 0) {
      std::string text = ReadFile(path);
      text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
      std::vector<std::size_t> ends;
      for (std::size_t e = text.find('\n', begun); e != std::string::npos;
           e = text.find('\n', e + 1))
        ends.push_back(e + 1);
      if (ends.size() > 1) {
        text.resize(ends[std::uniform_int_distribution<std::size_t>(0, ends.size() - 1)(random)]);
        WriteFile(path, text);
        ::chmod(path.c_str(), 0600);
        ++cut;
      }
    }
    // The recovery killed somewhere in a journal as long as the run's.
    RecoverAndCheck(random, [&](bool finish) {
      return RunAndKill({"--recover", Way(finish)}, 1,
                        std::uniform_int_distribution<off_t>(200, full)(random));
    });
  }
  std::printf(
      "[ crash    ] %s: %d files, %d runs killed of %d points, %d journals cut, %d recoveries "
      "killed and recovered again, %d temporary names left by the kills; whole %d of %d\n",
      kModeNames[int(GetParam())], files, killed, points, cut, recoveriesKilled, temporaryLeft,
      wholeAfterRecovery, killed);
}

// The kills at chosen system calls: the run at the n-th of the calls that make its changes
// (drawn at random), its recovery at the m-th of any call that changes a name, then a
// recovery to the end; each recovery in a direction drawn at random.
TEST_P(CrashRecoveryTest, KilledAtChosenSystemCallsAndRecoveredEitherWay) {
  if (Strace().empty()) GTEST_SKIP() << "strace is not installed";
  const int strained = EnvNumber("VARNOKE_STRACE_POINTS", kDefaultStracePoints);
  WholeRun();
  const int calls = CallsOfAWholeRun(ChangingCalls());
  ASSERT_GT(calls, 0);
  const std::string anyChange = "renameat2,rename,linkat,unlink,unlinkat";
  std::mt19937 random(2027 + static_cast<int>(GetParam()));
  std::uniform_int_distribution<int> at(1, calls);
  for (int point = 0; point < strained; ++point) {
    const int n = at(random);
    SCOPED_TRACE("point " + std::to_string(point) + ": call " + std::to_string(n));
    Fresh();
    if (!RunAndKillAtCall(RunArguments(), ChangingCalls(), n)) continue;
    ++killed;
    RecoverAndCheck(random, [&](bool finish) {
      return RunAndKillAtCall({"--recover", Way(finish)}, anyChange, at(random));
    });
  }
  std::printf(
      "[ strace   ] %s: %d files, %d calls of %s in a whole run, %d runs killed at a chosen "
      "call of %d points, %d recoveries killed and recovered again; whole %d of %d\n",
      kModeNames[int(GetParam())], files, calls, ChangingCalls().c_str(), killed, strained,
      recoveriesKilled, wholeAfterRecovery, killed);
}

INSTANTIATE_TEST_SUITE_P(Modes, CrashRecoveryTest,
                         ::testing::Values(Mode::Asking, Mode::Deleting, Mode::Across,
                                           Mode::Copying),
                         [](const auto& info) { return kModeNames[int(info.param)]; });

}  // namespace
}  // namespace varnoke
