#include "model/WindowsWildcard.h"

#include <vector>

#include "model/PathRules.h"

namespace varnoke {
namespace {

// The pattern's parts after the translation Windows applies before matching: a "*"
// before a dot stops at the name's last dot, a dot before "?", "*" or the end may
// also match the end of the name, and every "?" may match nothing at a dot or at
// the end.
enum class Kind { Literal, Star, StarToLastDot, QuestionMark, DotOrEnd };

struct Token {
  Kind What;
  char Letter = 0;
};

std::vector<Token> Translate(std::string_view pattern) {
  std::vector<Token> tokens;
  if (pattern == "*.*") return {Token{Kind::Star}};
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (c == '?') {
      tokens.push_back({Kind::QuestionMark});
    } else if (c == '*') {
      tokens.push_back({next == '.' ? Kind::StarToLastDot : Kind::Star});
    } else if (c == '.' && (next == '?' || next == '*' || i + 1 == pattern.size())) {
      tokens.push_back({Kind::DotOrEnd});
    } else {
      tokens.push_back({Kind::Literal, AsciiLower(c)});
    }
  }
  return tokens;
}

class Matcher {
 public:
  Matcher(std::string_view name, std::vector<Token> tokens)
      : name_(name),
        tokens_(std::move(tokens)),
        lastDot_(name.rfind('.')),
        memo_((tokens_.size() + 1) * (name.size() + 1), kUnknown) {}

  bool Matches() { return At(0, 0); }

 private:
  static constexpr char kUnknown = 2;

  // Whether tokens from t on match the name from n on; each pair is solved once,
  // so no pattern makes the match take more than tokens x characters steps.
  bool At(std::size_t t, std::size_t n) {
    char& known = memo_[t * (name_.size() + 1) + n];
    if (known == kUnknown) known = Solve(t, n) ? 1 : 0;
    return known == 1;
  }

  bool Solve(std::size_t t, std::size_t n) {
    if (t == tokens_.size()) return n == name_.size();
    const bool more = n < name_.size();
    switch (tokens_[t].What) {
      case Kind::Literal:
        return more && AsciiLower(name_[n]) == tokens_[t].Letter && At(t + 1, n + 1);
      case Kind::Star:
        return At(t + 1, n) || (more && At(t, n + 1));
      case Kind::StarToLastDot:
        return At(t + 1, n) || (more && n != lastDot_ && At(t, n + 1));
      case Kind::QuestionMark:
        if (!more || name_[n] == '.') {
          std::size_t after = t;
          while (after < tokens_.size() && tokens_[after].What == Kind::QuestionMark) ++after;
          return At(after, n);
        }
        return At(t + 1, n + 1);
      case Kind::DotOrEnd:
        if (!more) return At(t + 1, n);
        return name_[n] == '.' && At(t + 1, n + 1);
    }
    return false;
  }

  std::string_view name_;
  std::vector<Token> tokens_;
  std::size_t lastDot_;
  std::vector<char> memo_;
};

}  // namespace

bool MatchesWindowsWildcard(std::string_view name, std::string_view pattern) {
  return Matcher(name, Translate(pattern)).Matches();
}

}  // namespace varnoke
