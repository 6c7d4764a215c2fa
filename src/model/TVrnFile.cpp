#include "model/TVrnFile.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <type_traits>

namespace varnoke {

TVrnFile::TVrnFile(bool busy, std::shared_ptr<const std::string> path, std::string_view name,
                   std::string_view ext, std::uint64_t size, std::uint32_t attr, FileTime created,
                   FileTime accessed, FileTime written)
    : Busy(busy),
      Size(size),
      Attr(attr),
      Created(created),
      Accessed(accessed),
      Written(written),
      path_(std::move(path)),
      nameLength_(static_cast<std::uint32_t>(name.size())) {
  text_.reserve(name.size() + ext.size());
  text_.append(name).append(ext);
}

void TVrnFile::SetPath(std::string_view path) {
  if (Path() != path || !path_) path_ = std::make_shared<const std::string>(path);
}

void TVrnFile::SetName(std::string_view name) {
  std::string text;
  text.reserve(name.size() + text_.size() - nameLength_);
  text.append(name).append(Ext());
  text_ = std::move(text);
  nameLength_ = static_cast<std::uint32_t>(name.size());
}

void TVrnFile::SetExt(std::string_view ext) {
  text_.resize(nameLength_);
  text_.append(ext);
}

int TVrnFiles::AddEntry(bool busy, std::string_view path, std::string_view name,
                        std::string_view ext, std::uint64_t size, std::uint32_t attr,
                        FileTime created, FileTime accessed, FileTime written) {
  std::shared_ptr<const std::string> shared;
  if (!entries_.empty() && entries_.back().SharedPath() && entries_.back().Path() == path) {
    shared = entries_.back().SharedPath();
  } else {
    shared = std::make_shared<const std::string>(path);
  }
  entries_.emplace_back(busy, std::move(shared), name, ext, size, attr, created, accessed, written);
  return Count() - 1;
}

void TVrnFiles::TakeAll(TVrnFiles& from) {
  entries_.insert(entries_.end(), std::make_move_iterator(from.entries_.begin()),
                  std::make_move_iterator(from.entries_.end()));
  from.entries_.clear();
}

void TVrnFiles::Delete(int i) {
  if (i < 0 || i >= Count()) throw std::out_of_range("TVrnFiles::Delete");
  entries_.erase(entries_.begin() + i);
}

void TVrnFiles::DeletePositions(std::vector<int> positions) {
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  if (positions.empty()) return;
  if (positions.front() < 0 || positions.back() >= Count()) {
    throw std::out_of_range("TVrnFiles::DeletePositions");
  }
  // One pass that keeps the others in order: the result of removing from the highest down.
  std::size_t next = 0, out = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (next < positions.size() && static_cast<std::size_t>(positions[next]) == i) {
      ++next;
      continue;
    }
    if (out != i) entries_[out] = std::move(entries_[i]);
    ++out;
  }
  entries_.resize(out);
}

void TVrnFiles::Move(int from, int to) {
  if (from < 0 || from >= Count() || to < 0 || to >= Count()) {
    throw std::out_of_range("TVrnFiles::Move");
  }
  auto first = entries_.begin();
  if (from < to) {
    std::rotate(first + from, first + from + 1, first + to + 1);
  } else if (from > to) {
    std::rotate(first + to, first + from, first + from + 1);
  }
}

namespace {

// The order of a stable sort, found by sorting small (key, position) records with
// the position breaking ties, then moving every entry into its place: entries
// are large, and moving them at every merge step costs twice as much as the sort
// of the names alone.
template <typename KeyOf>
void StableSortBy(std::vector<TVrnFile>& entries, KeyOf key) {
  using KeyType = decltype(key(entries.front()));
  // Texts are copied into the records: most names fit a string's own buffer, so the
  // sort compares records that lie side by side instead of reaching into the entries.
  using Stored =
      std::conditional_t<std::is_same_v<KeyType, std::string_view>, std::string, KeyType>;
  struct Item {
    Stored Key;
    std::uint32_t Position;
  };
  std::vector<Item> items;
  items.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i)
    items.push_back({Stored(key(entries[i])), static_cast<std::uint32_t>(i)});
  std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    if (const auto order = a.Key <=> b.Key; order != 0) return order < 0;
    return a.Position < b.Position;
  });
  // The entries follow their records in place, one cycle of the permutation at a time:
  // a second list of this size would cost a page fault per few entries.
  constexpr std::uint32_t kPlaced = UINT32_MAX;
  for (std::size_t start = 0; start < items.size(); ++start) {
    if (items[start].Position == kPlaced || items[start].Position == start) continue;
    TVrnFile held = std::move(entries[start]);
    std::size_t at = start;
    while (items[at].Position != start) {
      const std::size_t from = items[at].Position;
      entries[at] = std::move(entries[from]);
      items[at].Position = kPlaced;
      at = from;
    }
    entries[at] = std::move(held);
    items[at].Position = kPlaced;
  }
}

}  // namespace

void TVrnFiles::SortByKeys(const std::vector<std::uint64_t>& keys) {
  if (keys.size() != entries_.size()) return;
  const TVrnFile* first = entries_.data();
  StableSortBy(entries_,
               [&](const TVrnFile& f) { return keys[static_cast<std::size_t>(&f - first)]; });
}

bool TVrnFiles::Sort(int key) {
  switch (key) {
    case 0:
      StableSortBy(entries_, [](const TVrnFile& f) { return f.Path(); });
      return true;
    case 1:
      StableSortBy(entries_, [](const TVrnFile& f) { return f.Name(); });
      return true;
    case 2:
      StableSortBy(entries_, [](const TVrnFile& f) { return f.Ext(); });
      return true;
    case 3:
      StableSortBy(entries_, [](const TVrnFile& f) { return f.Size; });
      return true;
    case 4:
      StableSortBy(entries_, [](const TVrnFile& f) { return f.Attr; });
      return true;
    case 5:
      StableSortBy(entries_, [](const TVrnFile& f) { return f.Created; });
      return true;
    case 6:
      StableSortBy(entries_, [](const TVrnFile& f) { return f.Accessed; });
      return true;
    case 7:
      StableSortBy(entries_, [](const TVrnFile& f) { return f.Written; });
      return true;
    default:
      return false;
  }
}

}  // namespace varnoke
