#pragma once
// File-name filters matched as Windows matches them when it lists a directory, not
// as shell globs: "*.*" matches every name, also one without a dot; "*." matches the
// names without an extension; "?" matches one character, or none where the name's
// part ends; letters compare without regard to ASCII case.
#include <string_view>

namespace varnoke {

bool MatchesWindowsWildcard(std::string_view name, std::string_view pattern);

}  // namespace varnoke
