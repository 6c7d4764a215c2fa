#pragma once
// The two pattern languages of the new name and extension: wildcards ("*" the old
// text, "?" its character at the same place) and the advanced system, which adds the
// running number "<#>", character picks "<1:2>" and search-and-replace sections in
// double quotes. Pure functions of their texts; comparisons are exact bytes.
//
// Expansion is bounded: a result (or, inside a replacement, the text being replaced
// in) longer than kMaxExpandedLength gives nullopt instead of growing on.
#include <optional>
#include <string>
#include <string_view>

namespace varnoke {

// Every "*" of the pattern becomes the source; then every "?" becomes the source's
// character at the "?"'s 1-based place in the text built so far, or disappears when
// the source is shorter. Only the pattern's own "*" and "?" are wildcards: characters
// that came in with the source (a POSIX name may hold them) are never expanded again.
std::optional<std::string> ApplyWildcards(std::string_view source, std::string_view pattern);

// The advanced pattern: "<#>" becomes the number text; quoted sections rewrite the
// working source for the codes after them and produce nothing themselves; "*" inserts
// the working source, "<...>" picks characters of it, "?" takes its character at the
// place of the result being built.
std::optional<std::string> ApplyAdvancedPattern(std::string_view source, std::string_view pattern,
                                                std::string_view numberText);

// One search-and-replace section "search:replacement". The search may hold "*" and
// "?"; the replacement is expanded with ApplyWildcards against the whole current text
// at each match. A section without ":" or with an empty search changes nothing.
std::optional<std::string> ReplaceSection(std::string_view text, std::string_view section);

// The characters of the source at the 1-based positions of a ":"-separated list; a
// position below 1 takes the first character, one past the end or a token that is no
// decimal number takes nothing.
std::string PickCharacters(std::string_view source, std::string_view positions);

}  // namespace varnoke
