#include "app/CommandLineSearch.h"

#include "app/SearchValue.h"
#include "engine/AddFile.h"
#include "engine/ParallelListing.h"
#include "model/Attributes.h"

namespace varnoke {

CommandLineSearch::CommandLineSearch(FileListOwner& list, std::string_view browseStart)
    : list_(list), choices_(FormCreate(list.Options, browseStart)) {}

CommandLineSearch::Outcome CommandLineSearch::Run(std::string_view value, bool subdirectories,
                                                  FileSystem& fs, Session& session,
                                                  bool inParallel) {
  choices_.Subdirectories = subdirectories;
  const std::optional<SearchValue> split = SplitSearchValue(value);
  directory_ = split ? split->Directory : std::string();
  if (!split) return Outcome::NoFullPath;
  const std::optional<std::uint32_t> attr = fs.GetAttributes(split->Directory);
  if (!attr || (*attr & kAttrDirectory) == 0) return Outcome::NoDirectory;
  choices_.Directory = split->Directory;
  choices_.Filters = {split->Filter};
  PendingPaths found;
  SearchCallbacks callbacks;
  callbacks.AddFile = [&](std::string_view path) {
    if (inParallel) {
      found.Add(path);
    } else {
      AddFile(fs, list_.Files, path);
    }
  };
  callbacks.SetCaption = [](const UiText&) {};
  SearchClick(choices_, list_.Options, fs, session, searchStopped_, callbacks);
  found.ListInto(fs, list_.Files);
  return Outcome::Searched;
}

void CommandLineSearch::Release() {
  FormDestroy(choices_, list_.Options);
}

}  // namespace varnoke
