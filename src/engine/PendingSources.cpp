#include "engine/PendingSources.h"

namespace varnoke {

PendingSources::PendingSources(FileSystem& fs, int entries)
    : fs_(fs), rulesFold_(fs.Rules().FoldsCase()), sources_(static_cast<std::size_t>(entries)) {
  index_.Reserve(sources_.size());
}

void PendingSources::Add(int entry, std::string path) {
  index_.Insert(HashOfText(path, true), entry);
  sources_[static_cast<std::size_t>(entry)] = std::move(path);
}

void PendingSources::Remove(int entry) {
  index_.Erase(HashOfText(Source(entry), true), entry);
}

void PendingSources::MoveTo(int entry, std::string path) {
  Remove(entry);
  Add(entry, std::move(path));
}

int PendingSources::Find(std::string_view path) {
  const std::uint64_t hash = HashOfText(path, true);
  const int same = index_.Find(hash, [&](int entry) {
    const std::string& source = Source(entry);
    return source == path || (rulesFold_ && EqualsIgnoreAsciiCase(source, path));
  });
  if (same >= 0) return same;
  // Only another spelling is left: ask the file system whether it is the same file.
  return index_.Find(hash, [&](int entry) {
    const std::string& source = Source(entry);
    return EqualsIgnoreAsciiCase(source, path) && fs_.SameFile(path, source);
  });
}

}  // namespace varnoke
