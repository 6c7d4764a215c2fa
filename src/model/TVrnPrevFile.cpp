#include "model/TVrnPrevFile.h"

#include <algorithm>
#include <stdexcept>

#include "model/PathRules.h"

namespace varnoke {

void TVrnPrevFile::SetPath(std::string_view path) {
  if (!path_ || *path_ != path) path_ = std::make_shared<const std::string>(path);
}

namespace {

// FNV-1a over the three texts, each followed by its length so that ("ab", "c") and
// ("a", "bc") differ; letters folded when the platform ignores their case.
void HashText(std::uint64_t& h, std::string_view s, bool fold) {
  constexpr std::uint64_t kPrime = 1099511628211ULL;
  for (char c : s) {
    h ^= static_cast<unsigned char>(fold ? AsciiLower(c) : c);
    h *= kPrime;
  }
  for (std::size_t n = s.size(), k = 0; k < 4; ++k, n >>= 8) {
    h ^= n & 0xFF;
    h *= kPrime;
  }
}

bool SameText(std::string_view a, std::string_view b, bool fold) {
  return fold ? EqualsIgnoreAsciiCase(a, b) : a == b;
}

template <typename Key>
void StableSortBy(std::vector<std::unique_ptr<TVrnPrevFile>>& entries, Key key) {
  std::stable_sort(entries.begin(), entries.end(),
                   [&](const std::unique_ptr<TVrnPrevFile>& a,
                       const std::unique_ptr<TVrnPrevFile>& b) { return key(*a) < key(*b); });
}

}  // namespace

std::size_t TVrnPrevFiles::KeyHash::operator()(const TVrnPrevFile* e) const {
  std::uint64_t h = 14695981039346656037ULL;
  HashText(h, e->Path(), fold);
  HashText(h, e->Name, fold);
  HashText(h, e->Ext, fold);
  return static_cast<std::size_t>(h);
}

bool TVrnPrevFiles::KeyEqual::operator()(const TVrnPrevFile* a, const TVrnPrevFile* b) const {
  return SameText(a->Name, b->Name, fold) && SameText(a->Ext, b->Ext, fold) &&
         SameText(a->Path(), b->Path(), fold);
}

TVrnPrevFiles::TVrnPrevFiles(bool foldsCase)
    : foldsCase_(foldsCase), index_(0, KeyHash{foldsCase}, KeyEqual{foldsCase}) {}

TVrnPrevFiles::~TVrnPrevFiles() {
  Clear();
}

std::size_t TVrnPrevFiles::Checked(int i) {
  if (i < 0) throw std::out_of_range("TVrnPrevFiles index");
  return static_cast<std::size_t>(i);
}

TVrnPrevFile& TVrnPrevFiles::Items(int i) {
  TVrnPrevFile& e = *entries_.at(Checked(i));
  indexStale_ = true;
  return e;
}

void TVrnPrevFiles::AddCopy(const TVrnPrevFile& entry) {
  entries_.push_back(std::make_unique<TVrnPrevFile>(entry));
  if (!indexStale_) index_.insert(entries_.back().get());
}

void TVrnPrevFiles::Unindex(const TVrnPrevFile* entry) {
  auto [first, last] = index_.equal_range(entry);
  for (auto it = first; it != last; ++it) {
    if (*it == entry) {
      index_.erase(it);
      return;
    }
  }
}

void TVrnPrevFiles::Delete(int i) {
  const std::size_t at = Checked(i);
  if (at >= entries_.size()) throw std::out_of_range("TVrnPrevFiles::Delete");
  if (!indexStale_) Unindex(entries_[at].get());
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
}

void TVrnPrevFiles::Clear() {
  index_.clear();
  indexStale_ = false;
  while (!entries_.empty()) entries_.pop_back();
}

void TVrnPrevFiles::Reserve(int n) {
  if (n <= 0) return;
  entries_.reserve(static_cast<std::size_t>(n));
  if (!indexStale_) index_.reserve(static_cast<std::size_t>(n));
}

void TVrnPrevFiles::RebuildIndex() const {
  index_.clear();
  index_.reserve(entries_.size());
  for (const auto& e : entries_) index_.insert(e.get());
  indexStale_ = false;
}

bool TVrnPrevFiles::Contains(const TVrnPrevFile& entry) const {
  if (indexStale_) RebuildIndex();
  return index_.find(&entry) != index_.end();
}

bool TVrnPrevFiles::Sort(int key) {
  // Sorting moves the owning pointers only: the entries and the index stay valid.
  switch (key) {
    case 0:
      StableSortBy(entries_, [](const TVrnPrevFile& e) { return e.FileIndex; });
      return true;
    case 1:
      StableSortBy(entries_, [](const TVrnPrevFile& e) { return e.Path(); });
      return true;
    case 2:
      StableSortBy(entries_, [](const TVrnPrevFile& e) { return std::string_view(e.Name); });
      return true;
    case 3:
      StableSortBy(entries_, [](const TVrnPrevFile& e) { return std::string_view(e.Ext); });
      return true;
    case 4:
      StableSortBy(entries_,
                   [](const TVrnPrevFile& e) { return static_cast<std::int32_t>(e.Size); });
      return true;
    case 5:
      StableSortBy(entries_,
                   [](const TVrnPrevFile& e) { return static_cast<std::int32_t>(e.Attr); });
      return true;
    case 6:
      StableSortBy(entries_, [](const TVrnPrevFile& e) { return e.Created; });
      return true;
    case 7:
      StableSortBy(entries_, [](const TVrnPrevFile& e) { return e.Accessed; });
      return true;
    case 8:
      StableSortBy(entries_, [](const TVrnPrevFile& e) { return e.Written; });
      return true;
    default:
      return false;
  }
}

}  // namespace varnoke
