#pragma once
// The search for files: a directory, optionally with its whole subtree (built
// breadth first, hidden and system directories and names with an extension left
// out), searched for every filter in turn, each accepted file handed to the file
// list's AddFile. Also what the search dialog takes from and gives back to the
// options records.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/TFiles.h"
#include "platform/FileSystem.h"
#include "platform/Session.h"

namespace varnoke {

// The eight attribute-filter bits of Flags: the use bits and the include bits.
inline constexpr std::uint32_t kSearchAttributeBits =
    SearchUseReadOnly | SearchUseArchive | SearchUseSystem | SearchUseHidden | SearchReadOnly |
    SearchArchive | SearchSystem | SearchHidden;

// What the search dialog's controls hold.
struct SearchChoices {
  std::string Directory;             // the directory list's current directory
  bool Subdirectories = false;       // "Include subdirectories"
  std::vector<std::string> Filters;  // the filter list, in the user's order
  std::uint32_t AttributeBits = 0;   // the eight boxes, as their Flags bits
  bool operator==(const SearchChoices&) const = default;
};

// The dialog's start values from the owner's options; an empty AddFiles first
// becomes `startWhenEmpty` (where browsing starts, with its separator).
SearchChoices FormCreate(TFiles& owner, std::string_view startWhenEmpty);
// What the dialog's destruction writes back: AddFiles, SearchSubdirs, Filters.
void FormDestroy(const SearchChoices& choices, TFiles& owner);
// "&Default": the attribute bits, SearchSubdirs, AddFiles and Filters into Defaults.
void BitBtn6Click(const SearchChoices& choices, TFiles& defaults);

// Whether a file's attributes pass the attribute filter of these Flags bits.
bool PassesAttributeFilter(std::uint32_t attr, std::uint32_t flags);

enum class SearchOutcome { NoFilters, Stopped, Completed };

struct SearchCallbacks {
  // The owner's AddFile, given the full path of every accepted file.
  std::function<void(std::string_view)> AddFile;
  // The dialog's caption as the search goes through its phases.
  std::function<void(const UiText&)> SetCaption;
  // How many directories the search has listed to be searched so far: the start
  // directory at first, then again after each one the directory phase finds.
  std::function<void(std::size_t)> DirectoriesListed = {};
};

// Runs the search of `choices` (the OK button). `searchStopped` is cleared at the
// start and polled after every directory entry, once the session's pump() has let
// the Stop button run; a stop ends the search at once and stores nothing. A
// completed search writes the attribute bits into the owner's Flags. Without
// filters only the "No filters are specified!" message is shown.
SearchOutcome SearchClick(const SearchChoices& choices, TFiles& owner, FileSystem& fs,
                          Session& session, bool& searchStopped, const SearchCallbacks& callbacks);

}  // namespace varnoke
