// The flat hash index against a plain multimap, under heavy collisions.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "model/HashSlots.h"

namespace varnoke {
namespace {

// Few distinct hashes, so runs are long, wrap past the table's end and are cut in the
// middle by erasures; every look-up must still find exactly what the reference holds.
TEST(HashSlots, RandomInsertsAndErasuresFindWhatAMultimapFinds) {
  for (const std::uint64_t hashes : {3u, 40u, 100000u}) {
    HashSlots<int, -1> index;
    std::multimap<std::uint64_t, int> reference;
    std::mt19937 random(static_cast<unsigned>(hashes));
    for (int step = 0; step < 20000; ++step) {
      const int value = static_cast<int>(random() % 500);
      const std::uint64_t hash = static_cast<std::uint64_t>(value) % hashes * 0x1234567ULL;
      const auto [first, last] = reference.equal_range(hash);
      const auto held = std::find_if(first, last, [&](const auto& e) { return e.second == value; });
      if (random() % 3 != 0) {
        if (held == last) {
          index.Insert(hash, value);
          reference.emplace(hash, value);
        }
      } else {
        ASSERT_EQ(index.Erase(hash, value), held != last) << step;
        if (held != last) reference.erase(held);
      }
      ASSERT_EQ(index.Size(), reference.size()) << step;
      const int probe = static_cast<int>(random() % 500);
      const std::uint64_t probeHash = static_cast<std::uint64_t>(probe) % hashes * 0x1234567ULL;
      const auto [from, to] = reference.equal_range(probeHash);
      const bool expected = std::any_of(from, to, [&](const auto& e) { return e.second == probe; });
      ASSERT_EQ(index.Find(probeHash, [&](int v) { return v == probe; }) == probe, expected)
          << step;
    }
    index.Reset();
    EXPECT_EQ(index.Size(), 0u);
    EXPECT_EQ(index.Find(0, [](int) { return true; }), -1);
  }
}

TEST(HashSlots, TextHashesFoldAsciiCaseOnlyWhenAsked) {
  EXPECT_EQ(HashOfText("Photo-2024.JPG", true), HashOfText("photo-2024.jpg", true));
  EXPECT_NE(HashOfText("Photo-2024.JPG", false), HashOfText("photo-2024.jpg", false));
  EXPECT_NE(HashOfText("\xC3\x84", true), HashOfText("\xC3\xA4", true));  // Ä, ä: bytes differ
  std::uint64_t ab = HashOfText("ab", false), a = HashOfText("a", false);
  HashMoreText(ab, "c", false);
  HashMoreText(a, "bc", false);
  EXPECT_NE(ab, a);
}

}  // namespace
}  // namespace varnoke
