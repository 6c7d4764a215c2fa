#include "model/TVrnPrevFile.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "model/PathRules.h"

namespace varnoke {

void TVrnPrevFile::SetPath(std::string_view path) {
  if (!path_ || *path_ != path) path_ = std::make_shared<const std::string>(path);
}

namespace {

// ASCII capitals of eight bytes at once turned into small letters; bytes from 0x80 up
// are left alone.
std::uint64_t FoldWord(std::uint64_t w) {
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL, kHigh = 0x8080808080808080ULL;
  const std::uint64_t seven = w & kLow7;
  const std::uint64_t aboveZ = seven + 0x2525252525252525ULL;  // high bit: byte > 'Z'
  const std::uint64_t fromA = seven + 0x3F3F3F3F3F3F3F3FULL;   // high bit: byte >= 'A'
  const std::uint64_t upper = (fromA ^ aboveZ) & ~w & kHigh;
  return w | (upper >> 2);
}

// One text into the hash, a word at a time, its length last so that ("ab", "c") and
// ("a", "bc") differ.
void HashText(std::uint64_t& h, std::string_view s, bool fold) {
  constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ULL;
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, s.data() + i, 8);
    h = (h ^ (fold ? FoldWord(w) : w)) * kMul;
    h ^= h >> 29;
  }
  std::uint64_t w = 0;
  if (i < s.size()) std::memcpy(&w, s.data() + i, s.size() - i);
  h = (h ^ (fold ? FoldWord(w) : w)) * kMul;
  h = (h ^ s.size()) * kMul;
  h ^= h >> 32;
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

// The table keeps at least this share of its slots free.
constexpr std::size_t kMaxLoadPercent = 70;

}  // namespace

std::uint64_t TVrnPrevFiles::HashOf(const TVrnPrevFile& e) const {
  std::uint64_t h = 0x243F6A8885A308D3ULL;
  HashText(h, e.Path(), foldsCase_);
  HashText(h, e.Name, foldsCase_);
  HashText(h, e.Ext, foldsCase_);
  // Final mix, so that the low bits that pick the slot depend on every byte.
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDULL;
  h ^= h >> 33;
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

void TVrnPrevFiles::Grow(std::size_t entries) const {
  std::size_t size = slots_.empty() ? 16 : slots_.size();
  while (entries * 100 > size * kMaxLoadPercent) size *= 2;
  if (size == slots_.size()) return;
  std::vector<Slot> old(size);
  old.swap(slots_);
  indexed_ = 0;
  for (const Slot& s : old)
    if (s.Entry) Insert(s.Entry, s.Hash);
}

void TVrnPrevFiles::Insert(const TVrnPrevFile* entry, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = hash & mask;
  while (slots_[i].Entry) i = (i + 1) & mask;
  slots_[i] = Slot{hash, entry};
  ++indexed_;
}

void TVrnPrevFiles::AddCopy(const TVrnPrevFile& entry) {
  entries_.push_back(std::make_unique<TVrnPrevFile>(entry));
  if (indexStale_) return;
  Grow(indexed_ + 1);
  Insert(entries_.back().get(), HashOf(*entries_.back()));
}

void TVrnPrevFiles::Unindex(const TVrnPrevFile* entry) {
  if (slots_.empty()) return;
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = HashOf(*entry) & mask;
  while (slots_[i].Entry && slots_[i].Entry != entry) i = (i + 1) & mask;
  if (!slots_[i].Entry) return;
  // Backward-shift deletion: pull later members of the run into the gap when their
  // home slot does not lie between the gap and them.
  for (std::size_t j = (i + 1) & mask; slots_[j].Entry; j = (j + 1) & mask) {
    const std::size_t home = slots_[j].Hash & mask;
    const bool between = i <= j ? (i < home && home <= j) : (i < home || home <= j);
    if (!between) {
      slots_[i] = slots_[j];
      i = j;
    }
  }
  slots_[i] = Slot{};
  --indexed_;
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
  slots_.clear();
  indexed_ = 0;
  indexStale_ = false;
  while (!entries_.empty()) entries_.pop_back();
}

void TVrnPrevFiles::Reserve(int n) {
  if (n <= 0) return;
  entries_.reserve(static_cast<std::size_t>(n));
  if (!indexStale_) Grow(static_cast<std::size_t>(n));
}

void TVrnPrevFiles::RebuildIndex() const {
  std::fill(slots_.begin(), slots_.end(), Slot{});
  indexed_ = 0;
  Grow(entries_.size());
  for (const auto& e : entries_) Insert(e.get(), HashOf(*e));
  indexStale_ = false;
}

bool TVrnPrevFiles::Contains(const TVrnPrevFile& entry) const {
  if (indexStale_) RebuildIndex();
  if (slots_.empty()) return false;
  const std::uint64_t hash = HashOf(entry);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask; slots_[i].Entry; i = (i + 1) & mask)
    if (slots_[i].Hash == hash && SameKey(*slots_[i].Entry, entry)) return true;
  return false;
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
