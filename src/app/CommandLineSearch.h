#pragma once
// The search dialog of a file list, driven without being shown: what the search
// switches of the command line do with it.
#include <string>
#include <string_view>

#include "engine/FileListOwner.h"
#include "engine/SearchWalker.h"
#include "platform/FileSystem.h"
#include "platform/Session.h"

namespace varnoke {

class CommandLineSearch {
 public:
  // The dialog's creation: its start values come from the list's options as they
  // stand now (an options set loaded later does not reach them).
  CommandLineSearch(FileListOwner& list, std::string_view browseStart);

  enum class Outcome { Searched, NoFullPath, NoDirectory };

  // One search switch's value ("/dir/filter"): the directory becomes the dialog's,
  // the filter its only one, and the search runs, adding to the list. Nothing is
  // searched when the value is no full path or names no directory. With
  // `inParallel` the files found are listed together on every core once the search
  // is done (see AddFilesInParallel), else each as it is found.
  Outcome Run(std::string_view value, bool subdirectories, FileSystem& fs, Session& session,
              bool inParallel);

  // The directory part of the value last run (for naming it when it is missing).
  const std::string& Directory() const { return directory_; }

  // The dialog's release: its directory, subdirectory choice and filters go into
  // the list's options.
  void Release();

 private:
  FileListOwner& list_;
  SearchChoices choices_;
  std::string directory_;
  bool searchStopped_ = false;  // nobody can press Stop here
};

}  // namespace varnoke
