#include "app/ParseCommandLine.h"

#include "app/CommandLine.h"
#include "app/CommandLineMessages.h"
#include "app/CommandLineSearch.h"
#include "app/ParallelListing.h"
#include "files/FileListFile.h"
#include "files/FileMessages.h"
#include "files/OptionSetFile.h"

namespace varnoke {

namespace {

// The command line's own errors: "Varnoke error", exclamation icon, OK.
void ReportError(Session& ui, std::string_view text) {
  ui.ask(text, kCommandLineErrorCaption, Buttons::Ok, Icon::Warning);
}

void ListPaths(StartupServices& services, PendingPaths& paths, TVrnFiles& files) {
  if (services.ListInParallel) {
    paths.ListInto(services.Fs, files);
  } else {
    paths.ListOneByOne(services.Fs, files);
  }
}

}  // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string> parameters, const TFiles& defaults,
                                   int& listCounter, StartupServices& services) {
  ParsedCommandLine result;
  if (parameters.empty()) return result;
  FileListOwner& list = result.List.emplace(defaults, listCounter);
  FileSystem& fs = services.Fs;
  Session& ui = services.Ui;
  // The search dialog, made at the first search parameter and kept for the others.
  std::optional<CommandLineSearch> search;

  for (const std::string& parameter : parameters) {
    const Switch s = ClassifyParameter(parameter);
    switch (s.Kind) {
      case SwitchKind::OptionSet:
        if (fs.Exists(s.Value)) {
          if (const auto error = LoadOptionSet(services.Store, s.Value, list.Options)) {
            // A set that cannot be read is the general error handler's: the failed
            // operation's text under the application's title.
            ui.ask(*error, kApplicationTitle, Buttons::Ok, Icon::Error);
            result.OptionSetFailed = true;
          }
        }
        break;
      case SwitchKind::FileList:
        if (fs.Exists(s.Value)) {
          PendingPaths lines;
          const auto error = ReadFileList(services.Store, ui, s.Value, kAddPumpInterval,
                                          [&](std::string_view line) { lines.Add(line); });
          ListPaths(services, lines, list.Files);
          if (error) ReportError(ui, *error);
        }
        break;
      case SwitchKind::Search:
      case SwitchKind::SearchSubdirs:
        if (!search) search.emplace(list, services.BrowseStart);
        if (!search->Run(s.Value, s.Kind == SwitchKind::SearchSubdirs, fs, ui,
                         services.ListInParallel)) {
          ReportError(ui, IllegalParameterMessage(parameter));
        }
        break;
      case SwitchKind::Run:
      case SwitchKind::None:
        break;
    }
  }
  // Releasing the dialog stores its directory, subdirectory choice and filters in
  // the list's options.
  if (search) search->Release();
  return result;
}

}  // namespace varnoke
