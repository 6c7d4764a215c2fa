#pragma once
// Names as the program writes them for people in messages and on the console: every
// name stays on its line and shows every byte.
#include <string>
#include <string_view>

namespace varnoke {

// Appends `text` with a backslash written as \\, tab and line feed as \t and \n, and
// every other control character (below 0x20, and 0x7F) as \xHH.
void AppendEscaped(std::string& out, std::string_view text);

}  // namespace varnoke
