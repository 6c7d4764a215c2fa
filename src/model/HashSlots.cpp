#include "model/HashSlots.h"

#include <cstring>

namespace varnoke {
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

}  // namespace

// A word at a time, the length last.
void HashMoreText(std::uint64_t& h, std::string_view s, bool fold) {
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

std::uint64_t HashOfText(std::string_view text, bool fold) {
  std::uint64_t h = 0x243F6A8885A308D3ULL;
  HashMoreText(h, text, fold);
  return h;
}

}  // namespace varnoke
