#include "engine/TsvField.h"

namespace varnoke {

namespace {

// One pass over the text; find_first_of would search the three characters for each
// character of it.
bool NeedsEscape(std::string_view text) {
  for (const char c : text)
    if (c == '\t' || c == '\n' || c == '\\' || c == '\0') return true;
  return false;
}

}  // namespace

void AppendTsvField(std::string& out, std::string_view text) {
  // Most names need no escape: they go in whole.
  if (!NeedsEscape(text)) {
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
      case '\0':
        out += "\\0";
        break;
      default:
        out += c;
    }
  }
}

}  // namespace varnoke
