#pragma once
// A text as one field of a line of tab-separated values: a tab, a line feed and a
// backslash written as \t, \n and \\, so that any name round-trips.
#include <string>
#include <string_view>

namespace varnoke {

void AppendTsvField(std::string& out, std::string_view text);

}  // namespace varnoke
