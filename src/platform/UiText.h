#pragma once
// A text the program shows, marked for translation: the English text as the user sees
// it (the source), the context it belongs to (the window class, or the part of the
// engine that composes it) and, where needed, a disambiguation. lupdate finds the
// markers below (scripts/update-translations.sh names them), so every marked text
// lands in the translation files.
//
// The disambiguation names the menu a text stands in ("Files menu"); texts of a
// dialog have none. The mnemonics (&-letters) of one context and one menu must differ,
// in every language. Texts that take one another's place, one at a time, add "|" and
// the name of that place ("Options menu|toolbar"): they may share a letter.
#include <string_view>

namespace varnoke {

struct UiText {
  const char* Context;
  const char* Source;
  const char* Disambiguation = nullptr;

  friend constexpr bool operator==(const UiText& a, const UiText& b) {
    const auto same = [](const char* x, const char* y) {
      return std::string_view(x ? x : "") == std::string_view(y ? y : "");
    };
    return same(a.Context, b.Context) && same(a.Source, b.Source) &&
           same(a.Disambiguation, b.Disambiguation);
  }
};

// A text with a number, "%n" in it, in its plural form (the source); English uses
// `One` when the number is 1. Other languages have their own forms in their files.
struct UiPlural {
  UiText Many;
  const char* One;
};

}  // namespace varnoke

#define VARNOKE_UI(context, source) (::varnoke::UiText{context, source, nullptr})
#define VARNOKE_UI3(context, source, disambiguation) \
  (::varnoke::UiText{context, source, disambiguation})
#define VARNOKE_UI_N(context, source) (::varnoke::UiText{context, source, nullptr})
#define VARNOKE_UI_N3(context, source, disambiguation) \
  (::varnoke::UiText{context, source, disambiguation})
