#pragma once
// Turning the start-up parameters into one file list: options sets loaded, file
// lists read and searches run, strictly from left to right.
#include <optional>
#include <span>
#include <string>

#include "app/FileListOwner.h"
#include "platform/FileStore.h"
#include "platform/FileSystem.h"
#include "platform/Session.h"

namespace varnoke {

struct StartupServices {
  FileSystem& Fs;
  FileStore& Store;
  Session& Ui;
  // Where the search starts when the list's options name no directory (the home
  // directory, with its separator).
  std::string BrowseStart;
  // List the files of one parameter on every core (the file system must allow calls
  // from several threads, as the POSIX backend does); the list order is the same.
  bool ListInParallel = false;
};

struct ParsedCommandLine {
  // The one list the parameters filled; none when there were no parameters.
  std::optional<FileListOwner> List;
  // An options set that exists could not be read (reported). Its options are not
  // in the list, so an automatic run must not rename with what the list has.
  bool OptionSetFailed = false;
};

// /O: and /L: naming no existing file are skipped without a message; a search value
// that is no full path, or names no directory, is reported ("Varnoke error") and
// the other parameters are still processed. Parameters without a switch are ignored.
ParsedCommandLine ParseCommandLine(std::span<const std::string> parameters, const TFiles& defaults,
                                   int& listCounter, StartupServices& services);

}  // namespace varnoke
