#include "model/TVrnPrevFile.h"

#include <algorithm>
#include <stdexcept>

#include "model/PathRules.h"

namespace varnoke {

void TVrnPrevFile::SetPath(std::string_view path) {
  if (!path_ || *path_ != path) path_ = std::make_shared<const std::string>(path);
}

namespace {

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

std::uint64_t TVrnPrevFiles::HashOf(const TVrnPrevFile& e) const {
  std::uint64_t h = HashOfText(e.Path(), foldsCase_);
  HashMoreText(h, e.Name, foldsCase_);
  HashMoreText(h, e.Ext, foldsCase_);
  return h;
}

bool TVrnPrevFiles::SameKey(const TVrnPrevFile& a, const TVrnPrevFile& b) const {
  return SameText(a.Name, b.Name, foldsCase_) && SameText(a.Ext, b.Ext, foldsCase_) &&
         SameText(a.Path(), b.Path(), foldsCase_);
}

TVrnPrevFiles::TVrnPrevFiles(bool foldsCase) : foldsCase_(foldsCase) {}

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
  if (indexStale_) return;
  index_.Insert(HashOf(*entries_.back()), entries_.back().get());
}

void TVrnPrevFiles::Unindex(const TVrnPrevFile* entry) {
  index_.Erase(HashOf(*entry), entry);
}

void TVrnPrevFiles::Delete(int i) {
  const std::size_t at = Checked(i);
  if (at >= entries_.size()) throw std::out_of_range("TVrnPrevFiles::Delete");
  if (!indexStale_) Unindex(entries_[at].get());
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
}

void TVrnPrevFiles::DeleteRange(int first, int last) {
  const std::size_t begin = static_cast<std::size_t>(std::max(first, 0));
  const std::size_t end =
      std::min(static_cast<std::size_t>(std::max(last + 1, 0)), entries_.size());
  if (begin >= end) return;
  if (!indexStale_)
    for (std::size_t i = begin; i < end; ++i) Unindex(entries_[i].get());
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(begin),
                 entries_.begin() + static_cast<std::ptrdiff_t>(end));
}

void TVrnPrevFiles::Clear() {
  index_.Clear();
  indexStale_ = false;
  while (!entries_.empty()) entries_.pop_back();
}

void TVrnPrevFiles::Reserve(int n) {
  if (n <= 0) return;
  entries_.reserve(static_cast<std::size_t>(n));
  if (!indexStale_) index_.Reserve(static_cast<std::size_t>(n));
}

void TVrnPrevFiles::RebuildIndex() const {
  index_.Reset();
  index_.Reserve(entries_.size());
  for (const auto& e : entries_) index_.Insert(HashOf(*e), e.get());
  indexStale_ = false;
}

bool TVrnPrevFiles::Contains(const TVrnPrevFile& entry) const {
  if (indexStale_) RebuildIndex();
  if (index_.Size() == 0) return false;
  return index_.Find(HashOf(entry), [&](const TVrnPrevFile* e) { return SameKey(*e, entry); }) !=
         nullptr;
}

void TVrnPrevFiles::SortByText(const std::function<std::string(const TVrnPrevFile&)>& text) {
  std::vector<std::pair<std::string, std::unique_ptr<TVrnPrevFile>>> keyed;
  keyed.reserve(entries_.size());
  for (auto& entry : entries_) keyed.emplace_back(text(*entry), std::move(entry));
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < keyed.size(); ++i) entries_[i] = std::move(keyed[i].second);
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
      StableSortBy(entries_, [](const TVrnPrevFile& e) { return e.Size; });
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
