#include "engine/PendingSources.h"

namespace varnoke {

PendingSources::PendingSources(FileSystem& fs) : fs_(fs), rulesFold_(fs.Rules().FoldsCase()) {}

// Keys are folded even where names compare exactly, so that a candidate under
// another spelling is found and then asked about.
std::string PendingSources::Key(std::string_view path) const {
  return AsciiLowerCopy(path);
}

void PendingSources::Add(std::string path, int entry) {
  std::string key = Key(path);
  index_.emplace(std::move(key), Source{entry, std::move(path)});
}

void PendingSources::Remove(std::string_view path, int entry) {
  auto [first, last] = index_.equal_range(Key(path));
  for (auto it = first; it != last; ++it)
    if (it->second.Entry == entry) {
      index_.erase(it);
      return;
    }
}

int PendingSources::Find(std::string_view path) {
  auto [first, last] = index_.equal_range(Key(path));
  for (auto it = first; it != last; ++it)
    if (rulesFold_ || it->second.Path == path) return it->second.Entry;
  // Only a different spelling is left: ask the file system whether it is the same file.
  for (auto it = first; it != last; ++it)
    if (fs_.SameFile(path, it->second.Path)) return it->second.Entry;
  return -1;
}

}  // namespace varnoke
