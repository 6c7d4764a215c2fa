#include "platform/Translation.h"

#include <vector>

namespace varnoke {

namespace {

class English final : public Translation {
 public:
  std::string Text(const UiText& text) const override { return text.Source; }
  std::string Plural(const UiPlural& text, int n) const override { return EnglishPlural(text, n); }
};

}  // namespace

const Translation& EnglishTexts() {
  static const English english;
  return english;
}

std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> values) {
  const std::vector<std::string_view> given(values);
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < given.size()) {
        out.append(given[index]);
        ++i;
        continue;
      }
    }
    out.push_back(pattern[i]);
  }
  return out;
}

std::string EnglishPlural(const UiPlural& text, int n) {
  const std::string_view form = n == 1 ? text.One : text.Many.Source;
  const std::string number = std::to_string(n);
  std::string out;
  for (std::size_t i = 0; i < form.size(); ++i) {
    if (form[i] == '%' && i + 1 < form.size() && form[i + 1] == 'n') {
      out.append(number);
      ++i;
    } else {
      out.push_back(form[i]);
    }
  }
  return out;
}

}  // namespace varnoke
