#include "app/ConsoleFrontEnd.h"

#include <algorithm>
#include <istream>
#include <memory>
#include <ostream>
#include <set>

#include "app/CommandLine.h"
#include "app/ConsoleJournals.h"
#include "app/OptionSwitches.h"
#include "app/ParseCommandLine.h"
#include "app/PlanText.h"
#include "app/PlanTsv.h"
#include "app/RunAutomatically.h"
#include "engine/JournalSession.h"
#include "engine/PreparePreview.h"
#include "engine/RenameFiles.h"
#include "engine/TimesTaken.h"
#include "files/FileMessages.h"
#include "files/OptionFields.h"
#include "files/OptionSetFile.h"
#include "files/Settings.h"
#include "model/EscapedText.h"

namespace varnoke {

namespace {

// What the journal and the history say ran the renaming.
std::string ConsoleOrigin(const ConsoleArguments& arguments) {
  std::string origin = "varnoke-cli";
  for (const std::string& parameter : arguments.Parameters) origin += " " + parameter;
  return origin;
}

// Lines the automatic run's question takes below the plan shown before it.
constexpr int kQuestionLines = 5;
constexpr int kDefaultTerminalRows = 24;

std::string_view ProblemSubject(StartupProblem::Kind what) {
  switch (what) {
    case StartupProblem::Kind::OptionSet:
      return "options set ";
    case StartupProblem::Kind::FileList:
      return "file list ";
    case StartupProblem::Kind::SearchDirectory:
      return "search directory ";
    case StartupProblem::Kind::ListLine:
      return "file ";
  }
  return "";
}

// "varnoke-cli: file list /x.vls: File not found", one line per problem.
void ReportProblems(std::ostream& err, const std::vector<StartupProblem>& problems) {
  std::string text;
  for (const StartupProblem& p : problems) {
    text.append("varnoke-cli: ").append(ProblemSubject(p.What));
    AppendEscaped(text, p.Path);
    if (p.What == StartupProblem::Kind::SearchDirectory) {
      text.append(" (");
      AppendEscaped(text, p.Parameter);
      text.append(")");
    }
    text.append(": ").append(p.Cause).append("\n");
    if (p.More > 0)
      text.append("varnoke-cli: ... and ").append(std::to_string(p.More)).append(" more\n");
  }
  err << text << std::flush;
}

// Whether a settings message is the one that already says nothing will be saved.
bool SaysNotSaved(std::string_view message) {
  const std::string_view unreadable = kSettingsFileUnreadable.Source;
  const std::string_view tail = unreadable.substr(unreadable.find("%1") + 2);
  return message.ends_with(tail);
}

// One start of the program without its windows: the "main window" reads the
// settings, the parameters fill one list, the "preview window" plans it, and the
// run (when asked for and confirmed) renames; the settings are written at the end.
// Unlike the program, the list is filled and planned before the run is confirmed,
// so that the question can show the plan and a broken parameter stops it early.
class ConsoleRun {
 public:
  ConsoleRun(const ConsoleArguments& arguments, Services& services, ConsoleStreams& streams,
             AnswerMode mode)
      : arguments_(arguments),
        services_(services),
        streams_(streams),
        session_(services.Ui),
        mode_(mode) {}

  int Run() {
    StoredSettings settings =
        ReadSettings(services_.Settings, services_.Fs, services_.ProgramDirectory);
    ShowSettingsProblems();
    const int status = Fill(settings.Defaults);
    // The main window is never shown here: the placement it was given stays.
    const WindowPlacement placement =
        ReadPlacement(services_.Settings, kMainWinPos).value_or(WindowPlacement{});
    const bool saved = WriteSettings(services_.Settings, settings, placement);
    ShowSettingsProblems();
    if (!saved && !notSavedShown_) streams_.Err << "The settings could not be saved.\n";
    return status;
  }

 private:
  // Each settings message once, however often the store meets the same file.
  void ShowSettingsProblems() {
    for (const std::string& message :
         TakeSettingsProblemMessages(services_.Settings, session_.texts())) {
      if (!settingsShown_.insert(message).second) continue;
      notSavedShown_ = notSavedShown_ || SaysNotSaved(message);
      session_.ask(message, kApplicationTitle, Buttons::Ok, Icon::Warning);
    }
  }

  int Fill(const TFiles& defaults) {
    int listCounter = 0;
    ParsedCommandLine parsed =
        ParseCommandLine(arguments_.Parameters, defaults, listCounter, services_);
    ReportProblems(streams_.Err, parsed.Problems);
    if (parsed.OptionSetFailed()) {
      streams_.Err << "varnoke-cli: nothing renamed: the options set cannot be used.\n";
      return kExitBadArguments;
    }
    // Without parameters there is no list; the options alone start from the defaults.
    const bool listed = parsed.List.has_value();
    FileListOwner& list =
        listed ? *parsed.List : parsed.List.emplace(defaults, listCounter, services_.Ui.texts());
    if (auto error = ApplySetSwitches(list.Options, arguments_.Sets, services_.Fs,
                                      services_.Regional, services_.Time)) {
      streams_.Err << "varnoke-cli: --set " << *error << "\nNothing renamed or saved.\n";
      return kExitBadArguments;
    }
    if (arguments_.OptionsOnly()) return SaveAndShow(list.Options);
    if (!listed) {
      if (arguments_.PlanTsv) streams_.Out << kPlanTsvHeader << std::flush;
      return kExitDone;
    }
    // Lists and searches that listed nothing rename nothing, whatever the reason.
    if (list.Files.Count() == 0 &&
        (!parsed.Problems.empty() || CollectRunMarks(arguments_.Parameters).L)) {
      streams_.Err << "varnoke-cli: nothing renamed: no file was listed.\n";
      return kExitUnrenamed;
    }
    if (arguments_.Sort >= 0) SortFileList(list.Files, arguments_.Sort, services_);
    // The plan's table shows every file's time taken.
    if (arguments_.PlanTsv)
      ReadTimesTaken(list.Files, services_, [](const TVrnFile&) { return true; });
    TVrnPrevFiles preview(services_.Fs.Rules().FoldsCase());
    if (!PreparePreview(list.Files, list.Options, preview, services_)) {
      streams_.Err << "varnoke-cli: nothing planned, nothing renamed.\n";
      return kExitUnrenamed;
    }
    for (const std::string& note : TimeTakenNotes(services_.Ui.texts(), preview, list.Options))
      streams_.Err << note << ".\n";
    if (arguments_.PlanTsv) {
      WritePlanTsv(streams_.Out, list.Files, preview, services_.Fs.Rules());
      return kExitDone;
    }
    return Decide(list, preview);
  }

  // --save-options and --show-options.
  int SaveAndShow(const TFiles& options) {
    if (!arguments_.SaveOptions.empty()) {
      const std::string path = WithOptionSetExtension(arguments_.SaveOptions, services_.Fs.Rules());
      if (auto error = SaveOptionSet(services_.Store, path, options, session_.texts())) {
        streams_.Err << "varnoke-cli: options set " << path << " could not be saved: " << *error
                     << "\n";
        return kExitUnrenamed;
      }
      streams_.Err << "Options set saved as " << path << ".\n";
    }
    if (arguments_.ShowOptions) streams_.Out << FormatOptionFields(options) << std::flush;
    return kExitDone;
  }

  // The automatic run's question, the renaming on Yes, and otherwise the normal start,
  // which shows the plan.
  int Decide(FileListOwner& list, TVrnPrevFiles& preview) {
    const RunMarks marks = CollectRunMarks(arguments_.Parameters);
    const bool previewed = marks.R && marks.O && marks.L && mode_ == AnswerMode::Ask;
    if (previewed) {
      const int rows = streams_.TerminalRows > 0 ? streams_.TerminalRows : kDefaultTerminalRows;
      streams_.Err << '\n';
      WritePlanText(streams_.Err, list.Files, preview, services_.Fs.Rules(),
                    std::max(rows - kQuestionLines - 1, 2));
    }
    int status = kExitDone;
    if (RunAutomatically(arguments_.Parameters, session_,
                         [&] { status = Rename(list, preview); })) {
      return status;
    }
    if (!previewed) WritePlanText(streams_.Out, list.Files, preview, services_.Fs.Rules());
    streams_.Err << preview.Count() << " file(s) planned; nothing renamed (/R renames).\n";
    // When a run was asked for and did not take place, the caller learns it.
    return marks.R ? kExitUnrenamed : kExitDone;
  }

  int Rename(FileListOwner& list, TVrnPrevFiles& preview) {
    // Files left out of the plan (a name no file system takes) count as not renamed.
    const int listed = list.Files.Count();
    const JournalForRun journal = StartJournal(services_, ConsoleOrigin(arguments_), list.Options);
    if (!journal.Go) {
      streams_.Err << "Nothing renamed.\n";
      return kExitUnrenamed;
    }
    const RenameReport report = RenameFiles(list.Files, preview, list.Options, services_.Fs,
                                            session_, journal.Journal.get());
    streams_.Err << report.Changed << " file(s) changed, " << report.Unchanged << " unchanged, "
                 << listed - report.Done() << " not renamed";
    if (report.Stopped) streams_.Err << "; stopped at a name conflict";
    streams_.Err << ".\n";
    return report.Done() == listed ? kExitDone : kExitUnrenamed;
  }

  const ConsoleArguments& arguments_;
  Services& services_;
  ConsoleStreams& streams_;
  Session& session_;
  AnswerMode mode_;
  std::set<std::string> settingsShown_;
  bool notSavedShown_ = false;
};

}  // namespace

AnswerMode AnswerModeFor(const ConsoleArguments& arguments, const ConsoleStreams& streams) {
  if (arguments.Yes) return AnswerMode::Yes;
  return streams.InIsTerminal ? AnswerMode::Ask : AnswerMode::Safe;
}

int RunConsole(const ConsoleArguments& arguments, Services& services, ConsoleStreams& streams) {
  if (arguments.JournalsOnly())
    return RunJournalCommand(arguments, services, streams.Out, streams.Err);
  if (arguments.Parameters.empty() && !arguments.PlanTsv && !arguments.OptionsOnly()) {
    streams.Err << ConsoleUsage();
    return kExitBadArguments;
  }
  if (!arguments.OptionsOnly())
    OfferRecovery(services, [&](const std::string& text) {
      streams.Err << text << (text.ends_with('\n') ? "" : "\n");
    });
  return ConsoleRun(arguments, services, streams, AnswerModeFor(arguments, streams)).Run();
}

}  // namespace varnoke
