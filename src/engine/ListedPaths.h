#pragma once
// The files of a file list by their paths spelled plainly, so that planning finds a later
// entry naming the same file as an earlier one, and a copy that would take the place of a
// file of the list. Paths compare as text once "." and ".." components and doubled
// separators are resolved, letter case aside where the platform ignores it; another name
// of the same file (a hard link) is a file of its own.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/HashSlots.h"
#include "model/PathRules.h"
#include "model/TVrnFile.h"

namespace varnoke {

class ListedPaths {
 public:
  ListedPaths(const TVrnFiles& files, const PathRules& rules);

  // The first entry that names the same file as entry `i`; `i` when no earlier one does.
  int FirstOf(int i) const;
  // Whether an entry of the list names the file at this directory, name and extension.
  bool Holds(std::string_view path, std::string_view name, std::string_view ext) const;

 private:
  std::string KeyOf(std::string_view path, std::string_view name, std::string_view ext) const;
  int Find(const std::string& key) const;

  const TVrnFiles& files_;
  const PathRules& rules_;
  HashSlots<int, -1> index_;  // hash of a key -> the first entry with that key
  // (entry, first entry) of every entry that repeats an earlier one, in entry order.
  std::vector<std::pair<int, int>> repeats_;
};

}  // namespace varnoke
