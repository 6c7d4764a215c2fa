#include "engine/TsvField.h"

namespace varnoke {

void AppendTsvField(std::string& out, std::string_view text) {
  // Most names need no escape: they go in whole.
  if (text.find_first_of("\t\n\\") == std::string_view::npos) {
    out += text;
    return;
  }
  for (const char c : text) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
}

}  // namespace varnoke
