#include "platform/posix/DosAttrib.h"

#include <cstring>

namespace varnoke {
namespace {

std::optional<std::uint32_t> ParseHexText(std::string_view text) {
  if (text.size() < 3 || text.size() > 10 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
    return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text.substr(2)) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value << 4 | static_cast<std::uint32_t>(digit);
  }
  return value;
}

std::uint32_t ReadLe16(std::string_view v, std::size_t at) {
  return static_cast<std::uint8_t>(v[at]) |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(v[at + 1])) << 8;
}

std::uint32_t ReadLe32(std::string_view v, std::size_t at) {
  return ReadLe16(v, at) | ReadLe16(v, at + 2) << 16;
}

constexpr std::size_t AlignUp(std::size_t n, std::size_t a) {
  return (n + a - 1) / a * a;
}

// Samba 4's NDR record after the leading text: uint16 version, the union's uint16
// level (equal to the version), then, aligned to four bytes, a uint32 of valid flags
// and the uint32 attributes (versions 3, 4 and 5). Bit 0x1 of the flags marks the
// attributes as valid.
std::optional<std::uint32_t> ParseRecord(std::string_view value, std::size_t textEnd) {
  constexpr std::uint32_t kAttribValid = 0x1;
  const std::size_t versionAt = AlignUp(textEnd, 2);
  if (value.size() < versionAt + 4) return std::nullopt;
  const std::uint32_t version = ReadLe16(value, versionAt);
  const std::uint32_t level = ReadLe16(value, versionAt + 2);
  if (version != level || version < 3 || version > 5) return std::nullopt;
  const std::size_t flagsAt = AlignUp(versionAt + 4, 4);
  if (value.size() < flagsAt + 8) return std::nullopt;
  if ((ReadLe32(value, flagsAt) & kAttribValid) == 0) return std::nullopt;
  return ReadLe32(value, flagsAt + 4);
}

}  // namespace

std::optional<std::uint32_t> ParseDosAttrib(std::string_view value) {
  const std::size_t nul = value.find('\0');
  const std::string_view text = value.substr(0, nul);
  if (auto attr = ParseHexText(text)) return attr;
  if (nul == std::string_view::npos) return std::nullopt;
  return ParseRecord(value, nul + 1);
}

std::string FormatDosAttrib(std::uint32_t attr) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[attr & 0xF]);
    attr >>= 4;
  } while (attr != 0);
  std::string out = "0x" + digits;
  out.push_back('\0');
  return out;
}

}  // namespace varnoke
