#include "engine/LetterCase.h"

#include "model/PathRules.h"
#include "model/TFiles.h"

namespace varnoke {
namespace {

void Lower(std::string& s) {
  for (char& c : s) c = AsciiLower(c);
}
void Upper(std::string& s) {
  for (char& c : s) c = AsciiUpper(c);
}
void TitleCase(std::string& s) {
  Lower(s);
  if (!s.empty()) s[0] = AsciiUpper(s[0]);
}

}  // namespace

void TitleCaseEveryWord(std::string& name) {
  TitleCase(name);
  // 0-based k runs over the 1-based positions 2 .. length - 1.
  for (std::size_t k = 1; k + 1 < name.size(); ++k)
    if (static_cast<unsigned char>(name[k - 1]) < 0x41) name[k] = AsciiUpper(name[k]);
}

void ApplyCaseMode(std::uint8_t mode, std::string& name, std::string& ext) {
  switch (mode) {
    case kCaseUpper:
      Upper(name);
      Upper(ext);
      break;
    case kCaseLower:
      Lower(name);
      Lower(ext);
      break;
    case kCaseTitle:
      TitleCase(name);
      Lower(ext);
      break;
    case kCaseTitleEveryWord:
      TitleCaseEveryWord(name);
      Lower(ext);
      break;
    default:
      break;
  }
}

}  // namespace varnoke
