#include "app/desktop/DesktopMain.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/ParseCommandLine.h"
#include "app/RunAutomatically.h"
#include "app/Transfer.h"
#include "app/TransferredParameters.h"
#include "app/desktop/Languages.h"
#include "app/desktop/MainFormLists.h"
#include "app/desktop/TransferServer.h"
#include "engine/Messages.h"
#include "files/FileMessages.h"
#include "files/Settings.h"
#include "platform/media/MediaCaptureTimes.h"
#include "platform/posix/InstanceLock.h"
#include "platform/posix/PosixClock.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixJournalFiles.h"
#include "platform/posix/PosixLocale.h"
#include "platform/posix/PosixSettingsStore.h"
#include "platform/posix/UserDirectories.h"
#include "windows/QtSession.h"
#include "windows/TMainForm.h"
#include "windows/ToolTipSwitch.h"
#include "windows/WaitCursor.h"
#include "windows/WindowPosition.h"

namespace varnoke {

namespace {

// Whether a window can be shown at all: an X or Wayland display, or a platform the
// user chose.
bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

// The program's settings as the main window reads them at its creation, and writes them
// at its destruction.
class MainWindowSettings {
 public:
  explicit MainWindowSettings(DesktopState& state) : state_(state) { TellProblems(); }
  void Write(const QWidget& main) {
    WriteSettings(state_.Program.Settings, state_.Settings, PlacementOf(main));
    TellProblems();
  }

 private:
  void TellProblems() {
    for (const std::string& message :
         TakeSettingsProblemMessages(state_.Program.Settings, state_.Program.Ui.texts()))
      state_.Program.Ui.ask(message, kApplicationTitle, Buttons::Ok, Icon::Warning);
  }
  DesktopState& state_;
};

// The automatic run: the main window made but never shown, the one list the
// parameters fill, its preview planned and carried out at once.
void RenameAutomatically(const std::vector<std::string>& parameters, DesktopState& state) {
  MainWindowSettings settings(state);
  TMainForm main(state);
  ParsedCommandLine parsed =
      ParseCommandLine(parameters, state.Settings.Defaults, state.ListCounter, state.Program);
  if (parsed.List) main.RenameAtOnce(std::move(*parsed.List));
  settings.Write(main);
}

}  // namespace

int DesktopMain(int argc, char** argv) {
  // Files named relative to where this start was made are named in full: a running
  // instance that takes them works in another directory.
  std::error_code noDirectory;
  const std::vector<std::string> parameters =
      SortOutOpenedFiles(AbsoluteParameters(std::vector<std::string>(argv + 1, argv + argc),
                                            std::filesystem::current_path(noDirectory).string()));
  const auto handOver = [&](const InstanceLock& lock) {
    return lock.Held() == InstanceLock::State::Theirs &&
           SendToChannel(lock.ChannelPath(), EncodeTransfer(parameters));
  };
  if (!HasDisplay()) {
    // A later start needs no display to hand its parameters over.
    if (handOver(InstanceLock(RuntimeDirectory()))) return 0;
    std::fputs(
        "varnoke: no display to show a window on; to rename without one, use varnoke-cli "
        "(varnoke-cli --help).\n",
        stderr);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Varnoke");
  QApplication::setDesktopFileName("org.orvelia.Varnoke");
  // The windows speak the desktop's language where the program has it, before any is made.
  const LanguageFiles language =
      InstallTranslations(app, QLocale::system().uiLanguages(),
                          TranslationDirectories(QCoreApplication::applicationDirPath()));
  // Outside a desktop that names a theme, the toolbar still shows its own icons.
  QIcon::setFallbackThemeName("Adwaita");

  PosixFileSystem fs;
  PosixFileStore store;
  PosixSettingsStore settingsStore(SettingsDirectory());
  PosixClock clock;
  const FormatSettings regional = PosixLocaleFormatSettings();
  WaitCursor cursor;
  QtSession session(nullptr, cursor);
  Services services{fs,       store,   settingsStore,       clock,
                    regional, session, UserDataDirectory(), HomeDirectory(),
                    true};
  PosixJournalDirectory journals(JournalDirectoryPath());
  services.Journals = &journals;
  MediaCaptureTimes taken;
  services.Taken = &taken;
  services.WorkingDirectory = std::filesystem::current_path(noDirectory).string();
  const auto freshState = [&] {
    DesktopState state{services, ReadSettings(settingsStore, fs, services.ProgramDirectory), 0};
    state.Language = language.Language;
    return state;
  };

  // The automatic run comes first, before the test for a running instance.
  if (RunAutomatically(parameters, session, [&] {
        DesktopState state = freshState();
        RenameAutomatically(parameters, state);
      }))
    return 0;

  // One instance at a time: a later start hands its parameters over and ends. When the
  // lock cannot be had at all, the program runs unprotected.
  InstanceLock lock(RuntimeDirectory());
  if (handOver(lock)) return 0;

  DesktopState state = freshState();
  MainWindowSettings settings(state);
  TMainForm main(state);
  const auto placement = ReadPlacement(settingsStore, kMainWinPos);
  if (placement) ApplyPlacement(main, *placement);
  main.show();
  if (!placement) main.FitFirstList();
  // A renaming cut short (a crash, a power cut) is offered to be finished or rolled back.
  main.OfferRecoveryAtStart();
  SwitchToolTips((state.Settings.Preferences & kPrefDisableToolTips) == 0);
  if (state.Settings.Preferences & kPrefBlankListOnStart) main.NewfilelistClick();

  TransferServer server(
      [&](const std::vector<std::string>& handed) { TakeHandOver(main, services, handed); });
  if (lock.Held() == InstanceLock::State::Ours) server.Listen(lock.ChannelPath());

  ParsedCommandLine parsed =
      ParseCommandLine(parameters, state.Settings.Defaults, state.ListCounter, services);
  if (parsed.List) main.OpenList(std::move(*parsed.List));

  const int status = QApplication::exec();
  settings.Write(main);
  return status;
}

}  // namespace varnoke
