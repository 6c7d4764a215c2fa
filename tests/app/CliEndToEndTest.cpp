// The varnoke-cli executable end to end on real files, started in the test directory
// with its settings, data and home directories inside it (TZ=UTC, LC_ALL=C): answers
// typed on a pseudo-terminal, read without one, or given by --yes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>
#include <tuple>

#include "files/Settings.h"
#include "platform/LockHolder.h"
#include "platform/posix/PosixSettingsStore.h"
#include "support/TempDir.h"
#include "support/media/MediaSamples.h"

#ifndef VARNOKE_CLI_PATH
#define VARNOKE_CLI_PATH ""  // not built: the tests are skipped
#endif

namespace varnoke {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::WriteFile;
using namespace std::string_literals;

// The tests' own folder, from the build: a shared compiler cache keeps __FILE__ of another tree.
const std::string kSource = VARNOKE_TEST_APP_DIR;

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

struct CliResult {
  int Status = -1;       // exit status; -1 when the program did not exit normally
  std::string Out, Err;  // on a terminal: everything shown is in Out, lines ended by "\n"
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string(VARNOKE_CLI_PATH).empty()) GTEST_SKIP() << "varnoke-cli is not built";
    dir.MakeDir("in");
    for (const char* name : {"f3", "f1", "f2"})
      list += dir.Write("in/" + std::string(name) + ".txt", name) + "\r\n";
  }
  // "$" stands for the test directory, "@set" for the example options set, "@run" for
  // a run of the example set over the list of the three files.
  std::string In(std::string text) const {
    const std::pair<std::string, std::string> marks[] = {
        {"@run", "/O:@set /L:$/files.vls /R"},
        {"@set", kSource + "/../../examples/pic-numbering.vns"},
        {"$", dir.Path()}};
    for (const auto& [mark, meaning] : marks)
      for (std::size_t at = text.find(mark); at != std::string::npos;
           at = text.find(mark, at + meaning.size()))
        text.replace(at, mark.size(), meaning);
    return text;
  }
  // Arguments separated by blanks; typed lines separated by "|". Without a terminal,
  // standard input holds them; when they begin with "tty|", one pseudo-terminal is
  // standard input, output and error, and each is typed once the next prompt ("? ")
  // appears.
  CliResult Run(const std::string& args, const std::string& typed = "") {
    WriteFile(dir / "files.vls", list);
    std::string command = "cd " + Quoted(dir.Path()) + " && env", input;
    for (const std::string& value :
         {"VARNOKE_CONFIG_DIR=" + dir / "config", "XDG_CONFIG_HOME=" + dir / "xdg-config",
          "XDG_DATA_HOME=" + dir / "xdg-data", "XDG_STATE_HOME=" + dir / "state",
          "XDG_RUNTIME_DIR=" + dir / "run", "HOME=" + dir / "home", std::string("TZ=UTC"),
          std::string("LC_ALL=C")})
      command += " " + Quoted(value);
    for (const std::string& value : language) command += " " + Quoted(value);
    command += " " + Quoted(VARNOKE_CLI_PATH);
    std::istringstream words(In(args)), typedLines(typed);
    for (std::string word; words >> word;) command += " " + Quoted(word);
    std::vector<std::string> lines;
    for (std::string line; std::getline(typedLines, line, '|');) lines.push_back(line);
    const bool terminal = !lines.empty() && lines.front() == "tty";
    if (terminal) lines.erase(lines.begin());
    for (const std::string& line : lines) input += line + "\n";
    if (!terminal)
      command += " <" + Quoted(io.Write("in", input)) + " >" + Quoted(io / "out") + " 2>" +
                 Quoted(io / "err");
    CliResult r;
    int master = -1;
    const pid_t pid = terminal ? ::forkpty(&master, nullptr, nullptr, nullptr) : ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
      ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    std::size_t next = 0, seen = 0;  // prompts answered so far end before `seen`
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    char buffer[4096];
    while (master >= 0 && std::chrono::steady_clock::now() < deadline) {
      pollfd p = {master, POLLIN, 0};
      if (::poll(&p, 1, 200) > 0) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) break;  // EIO once the program ends
        r.Out.append(buffer, static_cast<std::size_t>(n));
      }
      const std::size_t prompt = r.Out.find("? ", seen);
      if (prompt != std::string::npos && next < lines.size()) {
        const std::string line = lines[next++] + "\n";
        (void)!::write(master, line.data(), line.size());
        seen = prompt + 2;
      }
    }
    if (master >= 0) {
      ::kill(pid, SIGKILL);  // still running after the deadline; harmless once it ended
      ::close(master);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (!terminal) r.Out = ReadFile(io / "out"), r.Err = ReadFile(io / "err");
    for (std::size_t at = r.Out.find("\r\n"); terminal && at != std::string::npos;
         at = r.Out.find("\r\n", at))
      r.Out.erase(at, 1);
    return r;
  }
  // How many of the three files carry their new names; the others kept theirs.
  int Renamed() const {
    int renamed = 0, kept = 0;
    for (int i = 1; i <= 3; ++i) {
      renamed += FileExists(dir / ("in/Pic00000" + std::to_string(i) + ".txt"));
      kept += FileExists(dir / ("in/f" + std::to_string(i) + ".txt"));
    }
    EXPECT_EQ(renamed + kept, 3);
    return renamed;
  }

  testing::TempDir dir, io;
  std::string list;
  std::vector<std::string> language;  // the languages asked for (LANGUAGE=...), after LC_ALL=C
};

struct RunCase {
  int Status;
  int Renamed;
  std::string Args;
  std::string Typed;
  std::string Shown;        // parts of standard output, then error, in this order, "|" between
  std::string Absent = "";  // shown nowhere
  std::string Held = "";    // a file another process holds locked during the run
  std::string List = "";    // the list file's text, instead of the three files
};

class CliRunTest : public CliTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(CliRunTest, StatusFilesAndWhatIsShown) {
  const RunCase& c = GetParam();
  std::optional<testing::LockHolder> held;
  if (!c.Held.empty()) held.emplace(In(c.Held));
  if (!c.List.empty()) list = In(c.List);
  const CliResult r = Run(c.Args, c.Typed);
  const std::string shown = r.Out + "\n--- standard error ---\n" + r.Err;
  EXPECT_EQ(r.Status, c.Status) << shown;
  EXPECT_EQ(Renamed(), c.Renamed) << shown;
  std::size_t at = 0;
  std::istringstream parts(In(c.Shown));
  for (std::string part; std::getline(parts, part, '|');) {
    at = shown.find(part, at);
    ASSERT_NE(at, std::string::npos) << "missing, or out of order: " << part << "\n" << shown;
  }
  EXPECT_TRUE(c.Absent.empty() || shown.find(In(c.Absent)) == std::string::npos) << shown;
}

const std::string kPlanLine = "$/in/f3.txt  ->  $/in/Pic000001.txt\n";
const std::string kQuestion =
    "== Varnoke (?) ==\nVarnoke is about to run an automatic renaming process.\n"
    "Is it OK to rename the specified files?\n";
const std::string kIncomplete =
    "== Varnoke error (!) ==\nYou have specified the '/R' parameter on the command line.";
std::string Missing(int count) {
  std::string lines;
  for (int i = 0; i < count; ++i) lines += "$/in/gone" + std::to_string(i) + ".txt\n";
  return lines;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, CliRunTest, ::testing::Values(
    // Confirmed by --yes, typed on a terminal (after a line that names no button, and below
    // the plan), refused there, and refused for want of a terminal.
    RunCase{0, 3, "@run --yes", "", "[Y]es/[N]o Yes (--yes)|3 file(s) changed, 0 unchanged, 0 not renamed.", "->"},
    RunCase{0, 3, "@run", "tty|what|y", "Varnoke is preparing name preview [|" + kPlanLine + "|" + kQuestion +
            "[Y]es/[N]o? what|Varnoke is renaming files [##############################] 3/3|3 file(s) changed"},
    RunCase{1, 0, "@run", "tty|n", kPlanLine + "|$/in/f2.txt  ->  $/in/Pic000003.txt\n|" + kQuestion + "[Y]es/[N]o? n|3 file(s) planned; nothing renamed"},
    RunCase{1, 0, "@run", "y|yes", kPlanLine + "|[Y]es/[N]o No (no terminal to ask; --yes answers Yes)", "Varnoke is renaming files ["},
    // A busy file is named, kept and counted; without a terminal no bar is drawn.
    RunCase{1, 2, "@run --yes", "", "is still busy. Please delete it from the list or free it|2 file(s) changed, 0 unchanged, 1 not renamed.",
            "renaming files [", "$/in/f1.txt"},
    // The plan as values renames nothing, whatever else is given.
    RunCase{0, 0, "--plan=tsv @run --yes", "", "index\tconflict\tbusy\tpath\tname\text\tsize\tattr\tcreated\taccessed\twritten\tsource\ttaken\n"
            "0\t0\t0\t$/in\tPic000001\ttxt\t2\t32\t|\t$/in/f3.txt\t\n", "== Varnoke"},
    // Switches in any letter case and order; a path under /root is no run switch; a run needs
    // an options set and a list or search.
    RunCase{0, 3, "/run /sR:$/in/*.TXT /o:@set -y", "", ""},
    RunCase{0, 0, "/O:@set /L:$/files.vls /root/list.vls --yes", "", kPlanLine, kQuestion},
    RunCase{1, 0, "/L:$/files.vls /Run --yes", "", kIncomplete + "|[O]K OK|nothing renamed (/R renames)", kQuestion},
    RunCase{1, 0, "/O:@set /r --yes", "", kIncomplete, kQuestion},
    RunCase{1, 0, "/R --yes", "", kIncomplete + "|command line.\n\nVarnoke will be started with the specified options.", kQuestion},
    // Parameters that cannot be used (the causes: the parsing tests). A missing list or set
    // is named without a message box, and the rest is processed.
    RunCase{2, 0, "@run --yes /O:$/typo.vns", "", "varnoke-cli: options set $/typo.vns: File not found\n|nothing renamed: the options set cannot be used", "== Varnoke"},
    RunCase{0, 3, "@run --yes /L:$/none.vls", "", "varnoke-cli: file list $/none.vls: File not found\n|3 file(s) changed", "(!)"},
    // Lines of a list naming no file are named, twenty at most, a NUL escaped (and the file
    // before it left alone); when no file was listed, nothing is renamed.
    RunCase{1, 0, "@run --yes", "", "varnoke-cli: file $/in/gone0.txt: File not found\nvarnoke-cli: nothing renamed: no file was listed.\n",
            "", "", Missing(1)},
    RunCase{1, 0, "@run --yes", "", "varnoke-cli: file $/in/gone19.txt: File not found\nvarnoke-cli: ... and 5 more\n"
            "varnoke-cli: nothing renamed: no file was listed.\n", "gone20", "", Missing(25)},
    RunCase{0, 1, "@run --yes", "", "varnoke-cli: file $/in: is a directory\n|1 file(s) changed", "", "", "$/in\n$/in/f2.txt\n"},
    RunCase{0, 1, "@run --yes", "", "names no file. Left out:\n$/in/f1.txt\\x00junk\n[O]K OK (--yes)\n|1 file(s) changed, 0 unchanged, 0 not renamed.",
            "", "", "$/in/f1.txt\0junk\r\n$/in/f2.txt\r\n"s},
    RunCase{1, 0, "/O:@set /L:$/none.vls /SR:$/nowhere/*.txt /R --yes", "", "varnoke-cli: file list $/none.vls: File not found\n"
            "|varnoke-cli: search directory $/nowhere (/SR:$/nowhere/*.txt): File not found\n|nothing renamed: no file was listed", kQuestion},
    RunCase{0, 3, "@run --yes /L:/proc/self/mem /S:$/in/f1.txt/*", "", "== Varnoke error (!) ==\nCannot open file /proc/self/mem\n[O]K OK (--yes)\n|== Varnoke error (!) ==\n"
            "The command line parameter /S:$/in/f1.txt/* was illegally formated|varnoke-cli: file list /proc/self/mem: I/O error 5\n"
            "|varnoke-cli: search directory $/in/f1.txt (/S:$/in/f1.txt/*): not a directory\n|3 file(s) changed"},
    RunCase{1, 0, "/S:*.txt --plan=tsv", "", "== Varnoke error (!) ==\nThe command line parameter /S:*.txt was illegally formated\nFull path must be included!\n[O]K OK\n|varnoke-cli: search directory *.txt (/S:*.txt): not a full path\n|no file was listed"},
    // Options changed by --set before planning, and values the dialog would refuse.
    RunCase{0, 0, "--plan=tsv /O:@set --set attributes=+R --set=start=5 --set=name=P=Q /L:$/files.vls", "", "\t$/in\tP=Q000005\ttxt\t2\t33\t"},
    RunCase{2, 0, "@run --yes --set digits=10", "", "varnoke-cli: --set digits: '10' is not a whole number from 1 to 9\nNothing renamed or saved.\n", kQuestion},
    RunCase{2, 0, "@run --yes --set ext=a/b", "", "--set ext: The extension field is illegally formatted!"},
    // A move with no target directory plans nothing; a name no file system takes is left out
    // and counted.
    RunCase{1, 0, "@run --yes --set transport=move", "", "no target directory is set|nothing planned, nothing renamed", kQuestion},
    RunCase{1, 0, "@run --yes --set name=" + std::string(300, 'n'), "",
            "would be 310 bytes long; the file system of its target directory takes at most 255|0 file(s) changed, 0 unchanged, 3 not renamed."},
    // The program's own options; --list lists relative and busy files and names the rest.
    RunCase{2, 0, "", "", "Usage:"},
    RunCase{2, 0, "@run -x --frobnicate", "", "unknown option '-x'", "frobnicate"},
    RunCase{0, 0, "--help", "", "/SR:DIR/FILTER|--show-options"},
    RunCase{0, 0, "--version", "", "varnoke-cli "},
    RunCase{1, 0, "--list ./in/f3.txt $/in/f1.txt /R --yes", "", "$/in\tf3\ttxt\t2\t0x20\t|\n$/in\tf1\ttxt\t0\t0x00\t\t\t\tyes\n|varnoke-cli: not a file: /R\n",
            kQuestion, "$/in/f1.txt"}));
// clang-format on

// A run is listed by --history and undone by --undo; cut short, it is rolled back by
// --recover. A journal that is not the user's own is never acted on: it is named with the
// cause, the files it names stay as they are, and the journal stays where it is (each
// command meets one cause; the platform tests go through them all). Where the journal
// directory is not the user's own, a run asks before renaming without a journal, and
// writes none there.
TEST_F(CliTest, JournalsListedUndoneAndRecoveredOnlyWhenTheUsersOwn) {
  const std::string journals = dir / "state/Orvelia/Varnoke/journal";
  auto newestJournal = [&] {
    std::string newest;
    for (const auto& entry : std::filesystem::directory_iterator(journals))
      newest = std::max(newest, entry.path().string());
    return newest;
  };
  auto refused = [&](const std::string& command, const std::string& made, int mode,
                     const std::string& cause) {
    const std::string journal = newestJournal();
    const auto kept = std::filesystem::status(made).permissions();
    ASSERT_EQ(::chmod(made.c_str(), mode), 0);
    const CliResult r = Run(command);
    EXPECT_EQ(r.Status, 1) << r.Err;
    EXPECT_NE(r.Err.find("varnoke-cli: " + cause + "; nothing in it is used.\n"), std::string::npos)
        << r.Err;
    EXPECT_EQ(Renamed(), 3) << r.Err;
    EXPECT_TRUE(FileExists(journal));
    EXPECT_FALSE(FileExists(journal + ".bad"));
    std::filesystem::permissions(made, kept);
  };
  ASSERT_EQ(Run("@run --yes").Status, 0);
  ASSERT_EQ(Renamed(), 3);
  const CliResult history = Run("--history");
  EXPECT_EQ(history.Status, 0);
  EXPECT_NE(history.Out.find("1  "), std::string::npos) << history.Out;
  EXPECT_NE(history.Out.find("  3 files (3 changed)  varnoke-cli /O:"), std::string::npos)
      << history.Out;
  const std::string journal = newestJournal();
  refused("--undo", journal, 0666,
          "The run journal " + journal + " can be written by others (mode 0666)");
  const CliResult undone = Run("--undo 1");
  EXPECT_EQ(undone.Status, 0) << undone.Err;
  EXPECT_NE(undone.Err.find("Undone: 3 file(s) where they belong, 0 left as they were."),
            std::string::npos)
      << undone.Err;
  EXPECT_EQ(Renamed(), 0);
  EXPECT_EQ(Run("--undo").Status, 1);  // nothing left to undo

  // Without its end the journal tells of a run cut short after its last change.
  ASSERT_EQ(Run("@run --yes").Status, 0);
  std::string records = ReadFile(newestJournal());
  ASSERT_NE(records.find("\nend\t"), std::string::npos) << records;
  records.resize(records.find("\nend\t") + 1);
  WriteFile(newestJournal(), records);
  refused("--recover rollback", journals, 0777,
          "The run journal directory " + journals + " can be written by others (mode 0777)");
  EXPECT_EQ(Run("--recover rollback").Status, 0);
  EXPECT_EQ(Renamed(), 0);

  const int before = std::distance(std::filesystem::directory_iterator(journals), {});
  ASSERT_EQ(::chmod(journals.c_str(), 0777), 0);
  const CliResult r = Run("@run", "tty|y|c");
  EXPECT_EQ(r.Status, 1) << r.Out;
  EXPECT_EQ(Renamed(), 0);
  EXPECT_NE(r.Out.find("The run journal directory " + journals +
                       " can be written by others (mode 0777).\n\nWithout it,"),
            std::string::npos)
      << r.Out;
  EXPECT_NE(r.Out.find("Nothing renamed."), std::string::npos) << r.Out;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(journals), {}), before);
}

TEST_F(CliTest, OptionsMadeSavedShownAndApplied) {
  const std::string made =
      "--set name=Doc --set change-name=on --set enumerate=on --set start=10 --set step=5 "
      "--set digits=2 --set case=upper --set modified=on --set modified-date=2026-12-07";
  const CliResult save = Run(made + " --save-options $/doc --show-options");
  EXPECT_EQ(save.Status, 0) << save.Err;
  EXPECT_EQ(save.Err, In("Options set saved as $/doc.vns.\n"));
  EXPECT_EQ(Run("/O:$/doc.vns --show-options").Out, save.Out);
  EXPECT_EQ(Run("/O:$/doc.vns /L:$/files.vls /R --yes").Status, 0);
  EXPECT_EQ(ReadFile(dir / "in/DOC20.TXT"), "f2");
  struct stat written;
  ASSERT_EQ(::stat((dir / "in/DOC10.TXT").c_str(), &written), 0);
  EXPECT_EQ(written.st_mtime, 1796601600);  // 2026-12-07 00:00:00 in the tests' time zone, UTC
  // A value the dialog refuses saves nothing.
  EXPECT_EQ(Run(made + " --set digits=0 --save-options $/bad").Status, 2);
  EXPECT_FALSE(FileExists(dir / "bad.vns"));
  // The example set shows as the demonstration and the benchmarks rely on it.
  EXPECT_EQ(Run("/O:@set --show-options").Out, ReadFile(kSource + "/golden/pic-numbering.txt"));
}

// A new list starts with the stored defaults, and the settings are written back; a
// settings file that cannot be read is named once, and nothing is written over it.
TEST_F(CliTest, StoredSettingsReadAndWrittenBackAndAnUnreadableFileNamedOnce) {
  {
    PosixSettingsStore settings(dir / "config");
    StoredSettings stored;
    stored.Defaults.Flags = ChangeName | Enumerate;
    stored.Defaults.Name = "Def";
    stored.Defaults.Digits = 2;
    stored.Defaults.Start = 7;
    stored.Preferences = kPrefSaveEveryTime;
    ASSERT_TRUE(WriteSettings(settings, stored, WindowPlacement{}));
  }
  const CliResult r = Run("/L:$/files.vls --plan=tsv");
  EXPECT_NE(r.Out.find("\tDef07\ttxt\t2\t"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("\tDef09\ttxt\t2\t"), std::string::npos) << r.Out;
  const std::string written = ReadFile(dir / "config/Varnoke.reg");
  for (const char* value : {"\"Name\"=\"Def\"", "\"Preferences\"=hex:02", "\"MainWinPos\"=hex:"})
    EXPECT_NE(written.find(value), std::string::npos) << value << written;

  std::filesystem::remove(dir / "config/Varnoke.reg");
  std::filesystem::create_directories(dir / "config/Varnoke.reg");  // no file to read
  const CliResult unread = Run("@run --yes");
  EXPECT_EQ(unread.Status, 0) << unread.Err;
  const std::string message = "The settings file " + dir / "config/Varnoke.reg" +
                              " could not be read. The settings of this session will not be saved.";
  EXPECT_TRUE(unread.Err.find(message) != std::string::npos &&
              unread.Err.find(message) == unread.Err.rfind(message))
      << unread.Err;
  EXPECT_EQ(unread.Err.find("could not be saved"), std::string::npos) << unread.Err;
}

// Photos named and numbered by when they were taken: the set made on the command line
// keeps the date source, --sort=taken orders the list, the plan shows each time taken
// (an offset turned into local time), and a file without one goes by its file time.
TEST_F(CliTest, PhotosNamedAndSortedByTheirTimeTaken) {
  using testing::PhotoTags;
  dir.MakeDir("photos");
  WriteFile(dir / "photos/c.jpg",
            testing::JpegWithTags(PhotoTags{"2021:07:04 15:30:45", "25", "", "", ""}));
  WriteFile(dir / "photos/a.jpg",
            testing::JpegWithTags(PhotoTags{"2019:12:31 23:59:59", "", "+02:00", "", ""}));
  WriteFile(dir / "photos/b.jpg", testing::JpegWithTags(PhotoTags{}));
  const timespec june2020[2] = {{1590969600, 0}, {1590969600, 0}};  // 2020-06-01 00:00 UTC
  ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "photos/b.jpg").c_str(), june2020, 0), 0);

  const CliResult save = Run(
      "--set change-name=on --set name=| --set date-source=taken --set date-string=yyyymmdd_hhnnss "
      "--save-options $/taken --show-options");
  ASSERT_EQ(save.Status, 0) << save.Err;
  EXPECT_NE(save.Out.find("\ndate-source=taken\n"), std::string::npos) << save.Out;
  EXPECT_EQ(Run("/O:$/taken.vns --show-options").Out, save.Out);

  const CliResult plan = Run("/O:$/taken.vns /S:$/photos/* --sort=taken --plan=tsv");
  ASSERT_EQ(plan.Status, 0) << plan.Err;
  std::vector<std::string> rows;  // name, ext and time taken of each planned file
  std::istringstream lines(plan.Out);
  std::getline(lines, rows.emplace_back());
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
    if (line.back() == '\t') f.emplace_back();
    ASSERT_EQ(f.size(), 13u) << line;
    rows.push_back(f[4] + "." + f[5] + " " + f[12]);
  }
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "index\tconflict\tbusy\tpath\tname\text\tsize\tattr\tcreated\taccessed\t"
                      "written\tsource\ttaken",
                      "20191231_215959.jpg 2019-12-31T21:59:59", "20200601_000000.jpg ",
                      "20210704_153045.jpg 2021-07-04T15:30:45.250"}));
  EXPECT_NE(plan.Err.find("1 file has no time taken; its file time is used"), std::string::npos)
      << plan.Err;

  ASSERT_EQ(Run("/O:$/taken.vns /S:$/photos/* --sort=taken /R --yes").Status, 0);
  for (const char* name : {"20191231_215959.jpg", "20200601_000000.jpg", "20210704_153045.jpg"})
    EXPECT_TRUE(FileExists(dir / ("photos/" + std::string(name)))) << name;
}

TEST_F(CliTest, PlanBeforeTheQuestionFillsAScreenfulAtMost) {
  list.clear();
  for (int i = 100; i < 130; ++i) list += dir.Write("in/n" + std::to_string(i)) + "\n";
  const CliResult r = Run("@run", "tty|n");
  // 24 lines (the terminal reports no size): 17 files, the count of the others, and
  // the question below them.
  EXPECT_NE(r.Out.find(In("$/in/n116  ->  $/in/Pic000017\n... and 13 more\n\n== Varnoke (?)")),
            std::string::npos)
      << r.Out;
}

// The console speaks English whatever language the desktop asks for: its plan, question
// and report are the same word for word.
TEST_F(CliTest, EnglishInEveryLanguage) {
  const CliResult english = Run("@run", "tty|y");
  for (const std::vector<std::string>& asked :
       {std::vector<std::string>{"LANGUAGE=de"}, std::vector<std::string>{"LANGUAGE=fr:es"}}) {
    SCOPED_TRACE(asked.front());
    for (int i = 1; i <= 3; ++i)
      ASSERT_EQ(std::rename((dir / ("in/Pic00000" + std::to_string(i) + ".txt")).c_str(),
                            (dir / ("in/f" + std::to_string(i) + ".txt")).c_str()),
                0);
    language = asked;
    const CliResult translated = Run("@run", "tty|y");
    EXPECT_EQ(std::tie(translated.Status, translated.Out, translated.Err),
              std::tie(english.Status, english.Out, english.Err));
  }
  EXPECT_EQ(Renamed(), 3);
  EXPECT_NE(english.Out.find("Varnoke is about to run an automatic renaming process."),
            std::string::npos)
      << english.Out;
}

}  // namespace
}  // namespace varnoke
