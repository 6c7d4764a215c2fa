#include "engine/FieldValidation.h"

#include <array>
#include <cstdint>

#include "engine/DateFormat.h"

namespace varnoke {
namespace {

// Character classes of the scan, as mask bits.
constexpr std::uint8_t kColon = 0x01;
constexpr std::uint8_t kWildcard = 0x02;
constexpr std::uint8_t kQuote = 0x04;
constexpr std::uint8_t kOpen = 0x08;
constexpr std::uint8_t kClose = 0x10;
constexpr std::uint8_t kOther = 0x20;
constexpr std::uint8_t kDigit = 0x40;
constexpr std::uint8_t kHash = 0x80;

// States: the set of classes each refuses.
constexpr std::uint8_t kNormal = kColon | kClose;                        // 17
constexpr std::uint8_t kInQuote = kOpen | kClose;                        // 24
constexpr std::uint8_t kQuoteAfterColon = kColon | kOpen | kClose;       // 25
constexpr std::uint8_t kInAngle = kQuote | kOpen | kOther;               // 44
constexpr std::uint8_t kAfterHash = static_cast<std::uint8_t>(~kClose);  // 239

std::uint8_t ClassOf(char c) {
  switch (c) {
    case ':':
      return kColon;
    case '*':
    case '?':
      return kWildcard;
    case '"':
      return kQuote;
    case '<':
      return kOpen;
    case '>':
      return kClose;
    case '#':
      return kHash;
    default:
      return (c >= '0' && c <= '9') ? kDigit : kOther;
  }
}

bool ContainsAny(std::string_view text, std::string_view chars) {
  return text.find_first_of(chars) != std::string_view::npos;
}

}  // namespace

bool IsValidPatternField(std::string_view text, bool advanced, bool useWildcards) {
  if (text.empty()) return true;
  static constexpr std::array<std::string_view, 9> kForbidden = {"\\", "/",  "::", "<:", ":>",
                                                                 ">>", "<<", "<>", "\":"};
  for (std::string_view seq : kForbidden)
    if (text.find(seq) != std::string_view::npos) return false;
  if (text.find('<') == text.size() - 1) return false;
  if (!advanced && ContainsAny(text, ":\"<>")) return false;
  if (!advanced && !useWildcards && ContainsAny(text, "*?")) return false;

  std::uint8_t state = kNormal;
  bool quoteOpen = false;
  for (char c : text) {
    const std::uint8_t cls = ClassOf(c);
    if (state & cls) return false;
    switch (cls) {
      case kQuote:
        quoteOpen = !quoteOpen;
        state = quoteOpen ? kInQuote : kNormal;
        break;
      case kHash:
        state = kAfterHash;
        break;
      case kColon:
        if (quoteOpen) state = kQuoteAfterColon;
        break;
      case kOpen:
        state = kInAngle;
        break;
      case kClose:
        state = kNormal;
        break;
      default:
        break;
    }
  }
  return !(quoteOpen && state == kInQuote);
}

bool IsValidDateFormat(std::string_view format, const FormatSettings& settings, Clock& clock) {
  // The text is thrown away; formatting itself is the test.
  FormatDateTime(format, clock.LocalNow(), settings);
  return true;
}

}  // namespace varnoke
