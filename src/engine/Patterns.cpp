#include "engine/Patterns.h"

#include <algorithm>
#include <cstdint>

#include "engine/Messages.h"

namespace varnoke {

std::optional<std::string> ApplyWildcards(std::string_view source, std::string_view pattern) {
  std::string out;
  for (char c : pattern) {
    if (c == '*') {
      out.append(source);
    } else if (c == '?') {
      // The "?" stands at position out.size() + 1 of the text as it now stands.
      if (out.size() < source.size()) out.push_back(source[out.size()]);
    } else {
      out.push_back(c);
    }
    if (out.size() > kMaxExpandedLength) return std::nullopt;
  }
  return out;
}

namespace {

// A decimal integer with an optional sign; nullopt for anything else. Values beyond
// the 32-bit range are clamped (they select nothing or the first character anyway).
std::optional<std::int64_t> ParsePosition(std::string_view token) {
  std::size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
  if (i == token.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < token.size(); ++i) {
    if (token[i] < '0' || token[i] > '9') return std::nullopt;
    value = std::min<std::int64_t>(value * 10 + (token[i] - '0'), INT32_MAX + 1LL);
  }
  return negative ? -value : value;
}

}  // namespace

std::string PickCharacters(std::string_view source, std::string_view positions) {
  std::string out;
  std::size_t begin = 0;
  while (begin < positions.size()) {
    std::size_t end = positions.find(':', begin);
    if (end == std::string_view::npos) end = positions.size();
    const auto pos = ParsePosition(positions.substr(begin, end - begin));
    if (pos && !source.empty()) {
      const std::int64_t p = std::max<std::int64_t>(*pos, 1);
      if (p <= static_cast<std::int64_t>(source.size()))
        out.push_back(source[static_cast<std::size_t>(p - 1)]);
    }
    begin = end + 1;  // a trailing ":" adds no token
  }
  return out;
}

namespace {

// Flags of one pass of the matcher.
constexpr unsigned kStar = 1;      // a "*" was met
constexpr unsigned kQRun = 2;      // only "?" met so far
constexpr unsigned kMatching = 4;  // a literal character has matched

}  // namespace

std::optional<std::string> ReplaceSection(std::string_view text, std::string_view section) {
  const std::size_t colon = section.find(':');
  if (colon == std::string_view::npos) return std::string(text);
  const std::string_view q = section.substr(0, colon);
  const std::string_view r = section.substr(colon + 1);
  // An empty search would match nothing at the same place forever.
  if (q.empty()) return std::string(text);

  // The matcher is a single forward pass per match, exactly as the program has always
  // matched; it does not try a mismatching character again as a new first character.
  std::string s(text);
  std::size_t d = 0;
  while (d < s.size()) {
    unsigned flags = 0;
    std::size_t qi = 0, mark = 0, len = 0, qrun = 0;
    while (qi < q.size() && d < s.size()) {
      const char c = q[qi];
      if (c == '*') {
        ++qi;
        mark = qi;
        flags = kStar;
        if (qi == q.size()) {
          len += s.size() - d;
          d = s.size();
        }
      } else if (c == '?') {
        if (flags == 0) {
          flags = kQRun;
          qrun = 1;
        } else if (flags == kQRun) {
          ++qrun;
        } else if (flags & kMatching) {
          ++d;
          ++len;
        }
        ++qi;
        if (qi == q.size()) {
          if (flags == kStar) {
            ++d;
          } else {
            const std::size_t grow = std::min(qrun, s.size());
            d += grow;
            len += grow;
          }
        }
      } else {
        if (c == s[d]) {
          if (flags == 0) len = 0;
          if (flags != 0 && !(flags & kMatching)) mark = qi;
          if (flags == kQRun) len = std::min(d, qrun);
          ++qi;
          flags |= kMatching;
          ++len;
        } else {
          if (flags & kStar) {
            ++len;
            if (flags & kMatching) qi = mark;
          } else if (flags & kMatching) {
            qi = mark;
            len = 0;
          }
          flags &= ~kMatching;
        }
        ++d;
      }
    }
    while (qi < q.size() && (q[qi] == '?' || q[qi] == '*')) ++qi;
    if (qi < q.size()) break;  // no match in this pass; d has reached the end
    const std::size_t start = std::min(d - std::min(len, d), s.size());
    const auto replacement = ApplyWildcards(s, r);
    if (!replacement) return std::nullopt;
    const std::size_t count = std::min(len, s.size() - start);
    if (s.size() - count + replacement->size() > kMaxExpandedLength) return std::nullopt;
    s.replace(start, count, *replacement);
    d = start + replacement->size();
  }
  return s;
}

std::optional<std::string> ApplyAdvancedPattern(std::string_view source, std::string_view pattern,
                                                std::string_view numberText) {
  // Step 1: every "<#>" becomes the number text.
  std::string p;
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern.substr(i, 3) == "<#>") {
      p.append(numberText);
      i += 3;
    } else {
      p.push_back(pattern[i++]);
    }
  }
  // The scan: `out` is the pattern as transformed up to the scan position, so its
  // length is the scan position i of the search-and-replace rules.
  std::string n(source);
  std::string out;
  for (std::size_t k = 0; k < p.size();) {
    const char c = p[k];
    if (c == '"') {
      std::size_t close = p.find('"', k + 1);
      const std::size_t end = close == std::string::npos ? p.size() : close;
      auto replaced = ReplaceSection(n, std::string_view(p).substr(k + 1, end - k - 1));
      if (!replaced) return std::nullopt;
      n = std::move(*replaced);
      k = close == std::string::npos ? p.size() : close + 1;
      continue;
    }
    if (c == '*') {
      out.append(n);
      ++k;
    } else if (c == '<') {
      std::size_t close = p.find('>', k + 1);
      const std::size_t end = close == std::string::npos ? p.size() : close;
      out.append(PickCharacters(n, std::string_view(p).substr(k + 1, end - k - 1)));
      k = close == std::string::npos ? p.size() : close + 1;
    } else if (c == '?') {
      if (out.size() < n.size()) out.push_back(n[out.size()]);
      ++k;
    } else {
      out.push_back(c);
      ++k;
    }
    if (out.size() > kMaxExpandedLength) return std::nullopt;
  }
  return out;
}

}  // namespace varnoke
