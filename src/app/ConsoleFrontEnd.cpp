#include "app/ConsoleFrontEnd.h"

#include <istream>
#include <ostream>

#include "app/CommandLine.h"
#include "app/ConsoleSession.h"
#include "app/ParseCommandLine.h"
#include "app/PlanText.h"
#include "app/PlanTsv.h"
#include "app/RunAutomatically.h"
#include "engine/PreparePreview.h"
#include "engine/RenameFiles.h"
#include "files/FileMessages.h"
#include "files/Settings.h"

namespace varnoke {

namespace {

AnswerMode ModeFor(const ConsoleArguments& arguments, const ConsoleStreams& streams) {
  if (arguments.Yes) return AnswerMode::Yes;
  return streams.InIsTerminal ? AnswerMode::Ask : AnswerMode::Safe;
}

void ShowSettingsProblems(SettingsStore& store, Session& session) {
  for (const std::string& message : TakeSettingsProblemMessages(store)) {
    session.ask(message, kApplicationTitle, Buttons::Ok, Icon::Warning);
  }
}

// One start of the program without its windows: the "main window" reads the
// settings, the parameters fill one list, the "preview window" plans it, and the
// run (when asked for) renames; the settings are written at the end.
class ConsoleRun {
 public:
  ConsoleRun(const ConsoleArguments& arguments, ConsoleServices& services, ConsoleStreams& streams,
             Session& session)
      : arguments_(arguments), services_(services), streams_(streams), session_(session) {}

  int Run(bool rename) {
    StoredSettings settings =
        ReadSettings(services_.Settings, services_.Fs, services_.ProgramDirectory);
    ShowSettingsProblems(services_.Settings, session_);
    const int status = Fill(settings.Defaults, rename);
    // The main window is never shown here: the placement it was given stays.
    const WindowPlacement placement =
        ReadPlacement(services_.Settings, kMainWinPos).value_or(WindowPlacement{});
    if (!WriteSettings(services_.Settings, settings, placement)) {
      streams_.Err << "The settings could not be saved.\n";
    }
    ShowSettingsProblems(services_.Settings, session_);
    return status;
  }

 private:
  int Fill(const TFiles& defaults, bool rename) {
    int listCounter = 0;
    StartupServices startup{services_.Fs, services_.Store, session_, services_.BrowseStart,
                            services_.ListInParallel};
    ParsedCommandLine parsed =
        ParseCommandLine(arguments_.Parameters, defaults, listCounter, startup);
    if (!parsed.List) {
      if (arguments_.PlanTsv) streams_.Out << kPlanTsvHeader << std::flush;
      return kExitDone;
    }
    FileListOwner& list = *parsed.List;
    TVrnPrevFiles preview(services_.Fs.Rules().FoldsCase());
    PreparePreview(list.Files, list.Options, preview,
                   PlanningContext{services_.Fs, services_.Time, session_, services_.Regional});
    if (arguments_.PlanTsv) {
      WritePlanTsv(streams_.Out, list.Files, preview, services_.Fs.Rules());
      return kExitDone;
    }
    if (!rename) {
      WritePlanText(streams_.Out, list.Files, preview, services_.Fs.Rules());
      streams_.Err << preview.Count() << " file(s) planned; nothing renamed (/R renames).\n";
      return kExitDone;
    }
    if (parsed.OptionSetFailed) {
      streams_.Err << "Nothing renamed: an options set could not be read.\n";
      return kExitUnrenamed;
    }
    const int planned = preview.Count();
    const RenameReport report =
        RenameFiles(list.Files, preview, list.Options, services_.Fs, session_);
    streams_.Err << "Renamed " << report.Done() << " of " << planned << " file(s)";
    if (report.Stopped) streams_.Err << "; stopped at a name conflict";
    streams_.Err << ".\n";
    return report.Done() == planned ? kExitDone : kExitUnrenamed;
  }

  const ConsoleArguments& arguments_;
  ConsoleServices& services_;
  ConsoleStreams& streams_;
  Session& session_;
};

}  // namespace

int RunConsole(const ConsoleArguments& arguments, ConsoleServices& services,
               ConsoleStreams& streams) {
  if (arguments.Parameters.empty() && !arguments.PlanTsv) {
    streams.Err << ConsoleUsage();
    return kExitBadArguments;
  }
  ConsoleSession session(streams.In, streams.Err, ModeFor(arguments, streams),
                         streams.ErrIsTerminal);
  ConsoleRun run(arguments, services, streams, session);
  if (arguments.PlanTsv) return run.Run(false);

  int status = kExitDone;
  const bool ran = RunAutomatically(arguments.Parameters, session, [&] { status = run.Run(true); });
  if (ran) return status;
  // A normal start: the list is filled and its plan shown, nothing renamed. When a
  // run was asked for and did not take place, the caller learns it.
  status = run.Run(false);
  const bool runAsked = CollectRunMarks(arguments.Parameters).R;
  return runAsked ? kExitUnrenamed : status;
}

}  // namespace varnoke
