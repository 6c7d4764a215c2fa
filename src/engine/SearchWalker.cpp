#include "engine/SearchWalker.h"

#include <algorithm>
#include <deque>

#include "engine/SearchMessages.h"
#include "model/Attributes.h"
#include "model/PathRules.h"
#include "model/WindowsWildcard.h"
#include "platform/SessionScopes.h"

namespace varnoke {
namespace {

// The pattern of the directory phase: the names without an extension.
constexpr std::string_view kDirectoryPattern = "*.";

struct AttributeFilter {
  std::uint32_t Use;
  std::uint32_t Include;
  std::uint32_t Attr;
};
constexpr AttributeFilter kAttributeFilters[] = {{SearchUseReadOnly, SearchReadOnly, kAttrReadOnly},
                                                 {SearchUseArchive, SearchArchive, kAttrArchive},
                                                 {SearchUseSystem, SearchSystem, kAttrSystem},
                                                 {SearchUseHidden, SearchHidden, kAttrHidden}};

bool IsDotEntry(std::string_view name) {
  return name == "." || name == "..";
}

std::string WithSeparator(std::string dir, char separator) {
  if (dir.empty() || dir.back() != separator) dir.push_back(separator);
  return dir;
}

// The entries of a directory in name order, letter case aside (ties in byte order):
// a Linux directory lists in the order of its hash table, and the running numbers
// of the files found must follow their names, not the disk.
std::vector<DirEntry> ReadEntries(FileSystem& fs, const std::string& dir) {
  std::vector<DirEntry> entries;
  fs.EnumerateNames(dir, [&](const DirEntry& e) {
    entries.push_back(e);
    return true;
  });
  std::sort(entries.begin(), entries.end(), [](const DirEntry& a, const DirEntry& b) {
    const int folded = CompareIgnoringAsciiCase(a.Name, b.Name);
    return folded != 0 ? folded < 0 : a.Name < b.Name;
  });
  return entries;
}

class Walker {
 public:
  Walker(const SearchChoices& choices, FileSystem& fs, Session& session, bool& stopped,
         const SearchCallbacks& callbacks)
      : choices_(choices),
        fs_(fs),
        session_(session),
        stopped_(stopped),
        callbacks_(callbacks),
        separator_(fs.Rules().Separator()) {}

  bool Run() {
    std::deque<std::string> directories{WithSeparator(choices_.Directory, separator_)};
    Listed(directories.size());
    if (choices_.Subdirectories) {
      Caption(kBuildingDirectoryTree);
      if (!BuildTree(directories)) return false;
    }
    Caption(kSearchingForFiles);
    for (const std::string& dir : directories)
      if (!SearchDirectory(WithSeparator(dir, separator_))) return false;
    return true;
  }

 private:
  void Caption(const UiText& text) {
    if (callbacks_.SetCaption) callbacks_.SetCaption(text);
  }

  void Listed(std::size_t directories) {
    if (callbacks_.DirectoriesListed) callbacks_.DirectoriesListed(directories);
  }

  // Lets the user interface run; false once the user has stopped the search.
  bool Continue() {
    session_.pump();
    return !stopped_;
  }

  // Breadth first: every directory found goes to the end of the directory list and
  // of the pending list; the pending list is worked off from its front.
  bool BuildTree(std::deque<std::string>& directories) {
    std::deque<std::string> pending;
    std::string current = directories.front();
    while (!current.empty()) {
      for (const DirEntry& entry : ReadEntries(fs_, current)) {
        if (!entry.IsDirectory || !MatchesWindowsWildcard(entry.Name, kDirectoryPattern)) continue;
        if (!IsDotEntry(entry.Name)) {
          const std::string path = current + entry.Name;
          // Hidden and system directories are left out, and so is all below them.
          const std::uint32_t attr = fs_.GetAttributes(path).value_or(0);
          if ((attr & (kAttrHidden | kAttrSystem)) != 0) continue;
          directories.push_back(path);
          pending.push_back(path);
          Listed(directories.size());
        }
        if (!Continue()) return false;
      }
      if (pending.empty()) {
        current.clear();
      } else {
        current = WithSeparator(std::move(pending.front()), separator_);
        pending.pop_front();
      }
    }
    return true;
  }

  bool SearchDirectory(const std::string& dir) {
    const std::vector<DirEntry> entries = ReadEntries(fs_, dir);
    const bool filtersOnAttributes =
        (choices_.AttributeBits &
         (SearchUseReadOnly | SearchUseArchive | SearchUseSystem | SearchUseHidden)) != 0;
    for (const std::string& filter : choices_.Filters) {
      for (const DirEntry& entry : entries) {
        if (!MatchesWindowsWildcard(entry.Name, filter)) continue;
        if (!entry.IsDirectory) {
          const std::string path = dir + entry.Name;
          const bool accepted =
              !filtersOnAttributes ||
              PassesAttributeFilter(fs_.GetAttributes(path).value_or(0), choices_.AttributeBits);
          if (accepted && callbacks_.AddFile) callbacks_.AddFile(path);
        }
        if (!Continue()) return false;
      }
    }
    return true;
  }

  const SearchChoices& choices_;
  FileSystem& fs_;
  Session& session_;
  bool& stopped_;
  const SearchCallbacks& callbacks_;
  char separator_;
};

}  // namespace

SearchChoices FormCreate(TFiles& owner, std::string_view startWhenEmpty) {
  if (owner.AddFiles.empty()) owner.AddFiles = std::string(startWhenEmpty);
  return SearchChoices{owner.AddFiles, owner.Has(SearchSubdirs), owner.Filters,
                       owner.Flags & kSearchAttributeBits};
}

void FormDestroy(const SearchChoices& choices, TFiles& owner) {
  owner.AddFiles = choices.Directory;
  owner.Set(SearchSubdirs, choices.Subdirectories);
  owner.Filters = choices.Filters;
}

void BitBtn6Click(const SearchChoices& choices, TFiles& defaults) {
  defaults.Flags =
      (defaults.Flags & ~kSearchAttributeBits) | (choices.AttributeBits & kSearchAttributeBits);
  FormDestroy(choices, defaults);
}

bool PassesAttributeFilter(std::uint32_t attr, std::uint32_t flags) {
  for (const AttributeFilter& f : kAttributeFilters) {
    if ((flags & f.Use) != 0 && ((attr & f.Attr) != 0) != ((flags & f.Include) != 0)) return false;
  }
  return true;
}

SearchOutcome SearchClick(const SearchChoices& choices, TFiles& owner, FileSystem& fs,
                          Session& session, bool& searchStopped, const SearchCallbacks& callbacks) {
  if (choices.Filters.empty()) {
    session.ask(session.texts().Text(kNoFiltersSpecified),
                session.texts().Text(kSearchErrorCaption), Buttons::Ok, Icon::Warning);
    return SearchOutcome::NoFilters;
  }
  searchStopped = false;
  {
    BusyScope busy(session);
    const ListingScope listing(fs);  // the files found share one look at busy files
    if (!Walker(choices, fs, session, searchStopped, callbacks).Run())
      return SearchOutcome::Stopped;
  }
  owner.Flags =
      (owner.Flags & ~kSearchAttributeBits) | (choices.AttributeBits & kSearchAttributeBits);
  if (callbacks.SetCaption) callbacks.SetCaption(kSearchCaption);
  return SearchOutcome::Completed;
}

}  // namespace varnoke
