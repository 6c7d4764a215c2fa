#include "engine/ListedPaths.h"

#include <algorithm>

namespace varnoke {

ListedPaths::ListedPaths(const TVrnFiles& files, const PathRules& rules)
    : files_(files), rules_(rules) {
  index_.Reserve(static_cast<std::size_t>(files.Count()));
  for (int i = 0; i < files.Count(); ++i) {
    const TVrnFile& f = files.Items(i);
    const std::string key = KeyOf(f.Path(), f.Name(), f.Ext());
    const int first = Find(key);
    if (first < 0)
      index_.Insert(HashOfText(key, false), i);
    else
      repeats_.emplace_back(i, first);
  }
}

int ListedPaths::FirstOf(int i) const {
  const auto at = std::lower_bound(repeats_.begin(), repeats_.end(), std::pair(i, -1));
  return at != repeats_.end() && at->first == i ? at->second : i;
}

bool ListedPaths::Holds(std::string_view path, std::string_view name, std::string_view ext) const {
  return Find(KeyOf(path, name, ext)) >= 0;
}

std::string ListedPaths::KeyOf(std::string_view path, std::string_view name,
                               std::string_view ext) const {
  std::string key = rules_.Join(path, name, ext);
  if (!rules_.IsLexicallyPlain(key)) key = rules_.LexicallyPlain(key);
  if (rules_.FoldsCase()) std::transform(key.begin(), key.end(), key.begin(), AsciiLower);
  return key;
}

int ListedPaths::Find(const std::string& key) const {
  return index_.Find(HashOfText(key, false), [&](int j) {
    const TVrnFile& f = files_.Items(j);
    return KeyOf(f.Path(), f.Name(), f.Ext()) == key;
  });
}

}  // namespace varnoke
