#include "app/ParseCommandLine.h"

#include <algorithm>

#include "app/CommandLine.h"
#include "app/CommandLineMessages.h"
#include "app/CommandLineSearch.h"
#include "engine/AddFile.h"
#include "engine/ParallelListing.h"
#include "files/FileListFile.h"
#include "files/FileMessages.h"
#include "files/OptionSetFile.h"
#include "model/Attributes.h"

namespace varnoke {

namespace {

// The command line's own errors: "Varnoke error", exclamation icon, OK.
void ReportError(Session& ui, std::string_view text) {
  ui.ask(text, ui.texts().Text(kCommandLineErrorCaption), Buttons::Ok, Icon::Warning);
}

// Why a set or list that Exists() does not see cannot be read.
std::string MissingCause(FileSystem& fs, std::string_view path) {
  const std::optional<std::uint32_t> attr = fs.GetAttributes(path);
  return attr && (*attr & kAttrDirectory) ? "is a directory" : std::string(kFileNotFound.Source);
}

// Returns the paths that added nothing.
std::vector<std::string> ListPaths(Services& services, PendingPaths& paths, TVrnFiles& files) {
  return services.ListInParallel ? paths.ListInto(services.Fs, files)
                                 : paths.ListOneByOne(services.Fs, files);
}

}  // namespace

bool ParsedCommandLine::OptionSetFailed() const {
  for (const StartupProblem& problem : Problems)
    if (problem.What == StartupProblem::Kind::OptionSet) return true;
  return false;
}

ParsedCommandLine ParseCommandLine(std::span<const std::string> parameters, const TFiles& defaults,
                                   int& listCounter, Services& services) {
  ParsedCommandLine result;
  if (parameters.empty()) return result;
  FileListOwner& list = result.List.emplace(defaults, listCounter, services.Ui.texts());
  FileSystem& fs = services.Fs;
  ListingScope listing(fs);  // every file the parameters list shares one look
  Session& ui = services.Ui;
  // The search dialog, made at the first search parameter and kept for the others.
  std::optional<CommandLineSearch> search;

  const auto problem = [&](StartupProblem::Kind what, const std::string& parameter,
                           std::string_view path, std::string cause) {
    result.Problems.push_back({what, parameter, std::string(path), std::move(cause)});
  };
  bool listingFiles = false;  // every parameter after "--files" is a file to list
  for (const std::string& parameter : parameters) {
    if (listingFiles) {
      AddFile(fs, list.Files, parameter);
      continue;
    }
    if (parameter == "--files") {
      listingFiles = true;
      continue;
    }
    const Switch s = ClassifyParameter(parameter);
    switch (s.Kind) {
      case SwitchKind::OptionSet:
        if (!fs.Exists(s.Value)) {
          problem(StartupProblem::Kind::OptionSet, parameter, s.Value, MissingCause(fs, s.Value));
        } else if (auto error = LoadOptionSet(services.Store, s.Value, list.Options, ui.texts())) {
          // A set that cannot be read is the general error handler's: the failed
          // operation's text under the application's title.
          ui.ask(*error, kApplicationTitle, Buttons::Ok, Icon::Error);
          problem(StartupProblem::Kind::OptionSet, parameter, s.Value, std::move(*error));
        }
        break;
      case SwitchKind::FileList:
        if (!fs.Exists(s.Value)) {
          problem(StartupProblem::Kind::FileList, parameter, s.Value, MissingCause(fs, s.Value));
        } else {
          std::vector<std::string> read;
          std::optional<IoError> cause;
          const auto error = LoadListLines(services.Store, s.Value, read, ui.texts(), &cause);
          LinesWithNul leftOut;
          std::erase_if(read, [&](const std::string& line) { return leftOut.LeaveOut(line); });
          PendingPaths lines(std::move(read));
          const std::vector<std::string> unlisted = ListPaths(services, lines, list.Files);
          leftOut.Tell(ui);
          for (std::size_t i = 0; i < std::min(unlisted.size(), kNamedLinesAtMost); ++i)
            problem(StartupProblem::Kind::ListLine, parameter, unlisted[i],
                    MissingCause(fs, unlisted[i]));
          if (unlisted.size() > kNamedLinesAtMost)
            result.Problems.back().More = unlisted.size() - kNamedLinesAtMost;
          if (error) {
            ReportError(ui, *error);
            problem(StartupProblem::Kind::FileList, parameter, s.Value,
                    cause ? IoErrorMessage(EnglishTexts(), *cause) : std::string());
          }
        }
        break;
      case SwitchKind::Search:
      case SwitchKind::SearchSubdirs: {
        if (!search) search.emplace(list, services.BrowseStart);
        const auto outcome = search->Run(s.Value, s.Kind == SwitchKind::SearchSubdirs, fs, ui,
                                         services.ListInParallel);
        if (outcome != CommandLineSearch::Outcome::Searched)
          ReportError(ui, IllegalParameterMessage(ui.texts(), parameter));
        if (outcome == CommandLineSearch::Outcome::NoFullPath)
          problem(StartupProblem::Kind::SearchDirectory, parameter, s.Value, "not a full path");
        if (outcome == CommandLineSearch::Outcome::NoDirectory) {
          const std::string& dir = search->Directory();
          problem(StartupProblem::Kind::SearchDirectory, parameter, dir,
                  fs.Exists(dir) ? "not a directory" : std::string(kFileNotFound.Source));
        }
        break;
      }
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
