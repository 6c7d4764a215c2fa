#include "app/ConsoleMain.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/ConsoleArguments.h"
#include "app/ConsoleFrontEnd.h"
#include "app/ListFiles.h"
#include "platform/media/MediaCaptureTimes.h"
#include "platform/posix/PosixClock.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixJournalFiles.h"
#include "platform/posix/PosixLocale.h"
#include "platform/posix/PosixSettingsStore.h"
#include "platform/posix/UserDirectories.h"

namespace varnoke {

int ConsoleMain(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const ConsoleArguments arguments =
      ParseConsoleArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!arguments.Error.empty()) {
    std::cerr << "varnoke-cli: " << arguments.Error << "\nTry 'varnoke-cli --help'.\n";
    return kExitBadArguments;
  }
  if (arguments.Help) {
    std::cout << ConsoleUsage();
    return kExitDone;
  }
  if (arguments.Version) {
    std::cout << ConsoleVersion();
    return kExitDone;
  }

  PosixFileSystem fs;
  if (arguments.List) {
    // --list FILE...: the files as AddFile sees them, nothing planned or renamed.
    if (arguments.Parameters.empty()) {
      std::cerr << ConsoleUsage();
      return kExitBadArguments;
    }
    PosixClock clock;
    std::error_code noDirectory;
    const std::string here = std::filesystem::current_path(noDirectory).string();
    const int missed = ListFiles(std::cout, std::cerr, fs, clock, arguments.Parameters, here);
    return missed == 0 ? kExitDone : kExitUnrenamed;
  }
  PosixFileStore store;
  PosixClock clock;
  PosixSettingsStore settings(SettingsDirectory());
  const FormatSettings regional = PosixLocaleFormatSettings();
  ConsoleStreams streams{std::cin, std::cout, std::cerr, ::isatty(STDIN_FILENO) == 1,
                         ::isatty(STDERR_FILENO) == 1};
  winsize size{};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0) streams.TerminalRows = size.ws_row;
  ConsoleSession session(streams.In, streams.Err, AnswerModeFor(arguments, streams),
                         streams.ErrIsTerminal);
  Services services{
      fs, store, settings, clock, regional, session, UserDataDirectory(), HomeDirectory(), true};
  // VARNOKE_NO_JOURNAL=1 runs without a journal: the benchmarks measure what it costs.
  PosixJournalDirectory journals(JournalDirectoryPath());
  MediaCaptureTimes taken;
  services.Taken = &taken;
  std::error_code noDirectory;
  services.WorkingDirectory = std::filesystem::current_path(noDirectory).string();
  const char* noJournal = std::getenv("VARNOKE_NO_JOURNAL");
  if (noJournal == nullptr || noJournal[0] == '\0') services.Journals = &journals;
  return RunConsole(arguments, services, streams);
}

}  // namespace varnoke
