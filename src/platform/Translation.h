#pragma once
// The texts of the user's language. The engine composes its messages from templates it
// takes from here, so the user reads them in that language: the desktop's session
// translates with Qt, the console and the tests keep the English sources.
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/UiText.h"

namespace varnoke {

class Translation {
 public:
  virtual ~Translation() = default;
  // The text in the user's language (UTF-8).
  virtual std::string Text(const UiText& text) const = 0;
  // The form of the text for the number `n`, with "%n" replaced by it.
  virtual std::string Plural(const UiPlural& text, int n) const = 0;
};

// The English sources themselves.
const Translation& EnglishTexts();

// The template with "%1" ... "%9" replaced by the values in order, in one pass: a value
// that holds "%2" itself stays as it is. A "%" before anything else, or before a number
// with no value, stays.
std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> values);

// The English form for `n`: the source with "%n" replaced, `One` for 1.
std::string EnglishPlural(const UiPlural& text, int n);

}  // namespace varnoke
