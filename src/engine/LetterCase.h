#pragma once
// The character-case modes of the options; only the ASCII letters are ever converted.
#include <cstdint>
#include <string>

namespace varnoke {

// Title case in every word: everything lower case, the first character upper case,
// and every character after one whose code is below "A" (blank, digit, most ASCII
// punctuation) upper case; the last character is never examined.
void TitleCaseEveryWord(std::string& name);

// Applies CaseMode 1 to 4 to a planned name and extension; any other mode changes
// nothing.
void ApplyCaseMode(std::uint8_t mode, std::string& name, std::string& ext);

}  // namespace varnoke
