#include "engine/PendingSources.h"

namespace varnoke {

namespace {

// FNV-1a over the ASCII-folded text: no copy of the path is made.
std::uint64_t FoldedHash(std::string_view s) {
  std::uint64_t h = 14695981039346656037ULL;
  for (char c : s) {
    h ^= static_cast<unsigned char>(AsciiLower(c));
    h *= 1099511628211ULL;
  }
  return h;
}

}  // namespace

PendingSources::PendingSources(FileSystem& fs, int entries)
    : fs_(fs), rulesFold_(fs.Rules().FoldsCase()), sources_(static_cast<std::size_t>(entries)) {
  index_.reserve(sources_.size());
}

void PendingSources::Add(int entry, std::string path) {
  index_.emplace(FoldedHash(path), entry);
  sources_[static_cast<std::size_t>(entry)] = std::move(path);
}

void PendingSources::Remove(int entry) {
  auto [first, last] = index_.equal_range(FoldedHash(Source(entry)));
  for (auto it = first; it != last; ++it)
    if (it->second == entry) {
      index_.erase(it);
      return;
    }
}

void PendingSources::MoveTo(int entry, std::string path) {
  Remove(entry);
  Add(entry, std::move(path));
}

int PendingSources::Find(std::string_view path) {
  auto [first, last] = index_.equal_range(FoldedHash(path));
  for (auto it = first; it != last; ++it) {
    const std::string& source = Source(it->second);
    if (source == path || (rulesFold_ && EqualsIgnoreAsciiCase(source, path))) return it->second;
  }
  // Only another spelling is left: ask the file system whether it is the same file.
  for (auto it = first; it != last; ++it) {
    const std::string& source = Source(it->second);
    if (EqualsIgnoreAsciiCase(source, path) && fs_.SameFile(path, source)) return it->second;
  }
  return -1;
}

}  // namespace varnoke
