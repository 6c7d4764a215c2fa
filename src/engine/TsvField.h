#pragma once
// A text as one field of a line of tab-separated values: a tab, a line feed, a
// backslash and a NUL written as \t, \n, \\ and \0, so that any byte of a name round-trips.
#include <string>
#include <string_view>

namespace varnoke {

void AppendTsvField(std::string& out, std::string_view text);

}  // namespace varnoke
