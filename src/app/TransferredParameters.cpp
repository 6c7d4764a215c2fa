#include "app/TransferredParameters.h"

#include "app/CommandLine.h"
#include "app/CommandLineMessages.h"
#include "app/CommandLineSearch.h"
#include "engine/AddFile.h"
#include "files/FileListFile.h"
#include "files/OptionSetFile.h"
#include "model/PathRules.h"

namespace varnoke {

namespace {

constexpr std::string_view kFilesSwitch = "--files";
constexpr std::string_view kTemporaryList = "VARNOKE.TMP";

void ListFromFile(std::string_view path, ListWindows& windows, Services& services) {
  FileListOwner& list = windows.OpenList();
  FileSystem& fs = services.Fs;
  ListingScope listing(fs);
  if (fs.Exists(path)) {
    if (auto error = ReadFileList(services.Store, services.Ui, path, kImportPumpInterval,
                                  [&](std::string_view line) { AddFile(fs, list.Files, line); }))
      services.Ui.ask(*error, kApplicationTitle, Buttons::Ok, Icon::Error);
  }
  list.Caption = std::string(path);
  // A list handed over only for this start is not kept.
  const SplitPath parts = fs.Rules().Split(path);
  if (EqualsIgnoreAsciiCase(fs.Rules().Join("", parts.Name, parts.Ext).substr(1), kTemporaryList))
    fs.Delete(path);
  windows.ShowList(list);
}

void Search(const std::string& parameter, const Switch& s, ListWindows& windows,
            Services& services) {
  FileListOwner& list = windows.OpenList();
  CommandLineSearch search(list, services.BrowseStart);
  if (search.Run(s.Value, s.Kind == SwitchKind::SearchSubdirs, services.Fs, services.Ui, false) !=
      CommandLineSearch::Outcome::Searched)
    services.Ui.ask(IllegalParameterMessage(services.Ui.texts(), parameter),
                    services.Ui.texts().Text(kCommandLineErrorCaption), Buttons::Ok, Icon::Warning);
  search.Release();
  windows.ShowList(list);
}

}  // namespace

void ProcessTransferredParameters(std::span<const std::string> parameters, ListWindows& windows,
                                  Services& services) {
  FileListOwner* files = nullptr;  // the window of the files after "--files"
  bool listingFiles = false;
  ListingScope listing(services.Fs);
  for (const std::string& parameter : parameters) {
    if (listingFiles) {
      AddFile(services.Fs, files->Files, parameter);
      continue;
    }
    if (parameter == kFilesSwitch) {
      listingFiles = true;
      files = &windows.OpenList();
      continue;
    }
    const Switch s = ClassifyParameter(parameter);
    switch (s.Kind) {
      case SwitchKind::FileList:
        ListFromFile(s.Value, windows, services);
        break;
      case SwitchKind::OptionSet:
        if (FileListOwner* active = windows.ActiveList(); active && services.Fs.Exists(s.Value)) {
          if (auto error =
                  LoadOptionSet(services.Store, s.Value, active->Options, services.Ui.texts()))
            services.Ui.ask(*error, kApplicationTitle, Buttons::Ok, Icon::Error);
        }
        break;
      case SwitchKind::Search:
      case SwitchKind::SearchSubdirs:
        Search(parameter, s, windows, services);
        break;
      case SwitchKind::Run:
      case SwitchKind::None:
        break;
    }
  }
  if (files) windows.ShowList(*files);
}

}  // namespace varnoke
