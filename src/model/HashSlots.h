#pragma once
// An index from 64-bit hashes to small values (positions, pointers): open addressing
// with linear probing over one array of (hash, value) slots. A look-up that finds
// nothing touches one short run of the table and none of the indexed data, and no node
// is allocated per member, which keeps indexes over a hundred thousand files cheap.
// The caller keeps the keys; a hash may be shared by several values, and the caller's
// `match` tells them apart.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace varnoke {

// A hash of `text`, with ASCII capitals taken as small letters when `fold` is set.
std::uint64_t HashOfText(std::string_view text, bool fold);
// Further text mixed into a hash begun by HashOfText; ("ab", "c") and ("a", "bc") differ.
void HashMoreText(std::uint64_t& hash, std::string_view text, bool fold);

// `kFree` marks a free slot and is never stored.
template <typename V, V kFree>
class HashSlots {
 public:
  std::size_t Size() const { return used_; }

  // Room for `members` without growing again.
  void Reserve(std::size_t members) {
    std::size_t size = slots_.empty() ? 16 : slots_.size();
    while (members * 100 > size * kMaxLoadPercent) size *= 2;
    if (size == slots_.size()) return;
    std::vector<Slot> old(size);
    old.swap(slots_);
    shift_ = 64;
    for (std::size_t s = size; s > 1; s /= 2) --shift_;
    used_ = 0;
    for (const Slot& s : old)
      if (s.Value != kFree) Place(s.Hash, s.Value);
  }

  void Insert(std::uint64_t hash, V value) {
    Reserve(used_ + 1);
    Place(hash, value);
  }

  // The first value stored under `hash` that `match` accepts; kFree when there is none.
  template <typename Match>
  V Find(std::uint64_t hash, Match&& match) const {
    if (slots_.empty()) return kFree;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = Home(hash); slots_[i].Value != kFree; i = (i + 1) & mask)
      if (slots_[i].Hash == hash && match(slots_[i].Value)) return slots_[i].Value;
    return kFree;
  }

  // Takes `value`, stored under `hash`, out of the index; false when it is not there.
  bool Erase(std::uint64_t hash, V value) {
    if (slots_.empty()) return false;
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = Home(hash);
    while (slots_[i].Value != kFree && !(slots_[i].Hash == hash && slots_[i].Value == value))
      i = (i + 1) & mask;
    if (slots_[i].Value == kFree) return false;
    // Backward-shift deletion: later members of the run move into the gap unless their
    // home slot lies between the gap and them, so no tombstone is ever left.
    for (std::size_t j = (i + 1) & mask; slots_[j].Value != kFree; j = (j + 1) & mask) {
      const std::size_t home = Home(slots_[j].Hash);
      const bool between = i <= j ? (i < home && home <= j) : (i < home || home <= j);
      if (!between) {
        slots_[i] = slots_[j];
        i = j;
      }
    }
    slots_[i] = Slot{};
    --used_;
    return true;
  }

  // Empty, keeping the room.
  void Reset() {
    for (Slot& s : slots_) s = Slot{};
    used_ = 0;
  }
  // Empty, giving the room back.
  void Clear() {
    std::vector<Slot>().swap(slots_);
    used_ = 0;
  }

 private:
  struct Slot {
    std::uint64_t Hash = 0;
    V Value = kFree;
  };
  // The table keeps at least this share of its slots free.
  static constexpr std::size_t kMaxLoadPercent = 70;

  // The top bits of the hash times the golden ratio: every bit of the hash counts.
  std::size_t Home(std::uint64_t hash) const {
    return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ULL) >> shift_);
  }
  void Place(std::uint64_t hash, V value) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = Home(hash);
    while (slots_[i].Value != kFree) i = (i + 1) & mask;
    slots_[i] = Slot{hash, value};
    ++used_;
  }

  std::vector<Slot> slots_;  // empty, or a power of two
  int shift_ = 64;
  std::size_t used_ = 0;
};

}  // namespace varnoke
