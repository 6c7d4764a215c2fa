#include "platform/media/TakenText.h"

#include <cctype>
#include <cstdint>

namespace varnoke {

namespace {

// Reads `count` digits at `at`; none when any is no digit.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\0')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.remove_suffix(1);
  return text;
}

// Fraction digits as 100-ns ticks: "5" is half a second; digits past the seventh are
// below what a FILETIME holds.
FileTime FractionTicks(std::string_view digits) {
  FileTime ticks = 0;
  FileTime unit = kTicksPerSecond / 10;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    ticks += static_cast<FileTime>(c - '0') * unit;
    unit /= 10;
    if (unit == 0) break;
  }
  return ticks;
}

// "YYYY?MM?DD?HH:MM[:SS]" with any one-character separators; the fields as a FILETIME.
// `next` is set to what follows the seconds (or the minutes).
std::optional<FileTime> CalendarTime(std::string_view text, std::size_t& next) {
  const auto year = Digits(text, 0, 4);
  const auto month = Digits(text, 5, 2);
  const auto day = Digits(text, 8, 2);
  const auto hour = Digits(text, 11, 2);
  const auto minute = Digits(text, 14, 2);
  if (!year || !month || !day || !hour || !minute || *year < 1900) return std::nullopt;
  std::optional<int> second = 0;
  next = 16;
  if (text.size() > 16 && text[16] == ':') {
    second = Digits(text, 17, 2);
    if (!second) return std::nullopt;
    next = 19;
  }
  SystemTime st;
  st.Year = static_cast<std::uint16_t>(*year);
  st.Month = static_cast<std::uint16_t>(*month);
  st.Day = static_cast<std::uint16_t>(*day);
  st.Hour = static_cast<std::uint16_t>(*hour);
  st.Minute = static_cast<std::uint16_t>(*minute);
  st.Second = static_cast<std::uint16_t>(*second);
  return SystemTimeToFileTime(st);
}

}  // namespace

std::optional<std::int32_t> OffsetMinutes(std::string_view text) {
  text = Trimmed(text);
  if (text == "Z") return 0;
  if (text.size() < 5 || (text[0] != '+' && text[0] != '-')) return std::nullopt;
  const auto hours = Digits(text, 1, 2);
  const std::size_t at = text[3] == ':' ? 4 : 3;
  const auto minutes = Digits(text, at, 2);
  if (!hours || !minutes || at + 2 != text.size() || *hours > 14 || *minutes > 59)
    return std::nullopt;
  const std::int32_t total = *hours * 60 + *minutes;
  return text[0] == '-' ? -total : total;
}

std::optional<TakenStamp> ExifTaken(std::string_view dateTime, std::string_view fraction,
                                    std::string_view offset) {
  dateTime = Trimmed(dateTime);
  std::size_t next = 0;
  const std::optional<FileTime> time = CalendarTime(dateTime, next);
  if (!time) return std::nullopt;
  TakenStamp stamp{*time + FractionTicks(Trimmed(fraction)), OffsetMinutes(offset)};
  return stamp;
}

std::optional<TakenStamp> IsoTaken(std::string_view text) {
  text = Trimmed(text);
  if (text.size() < 16 || (text[10] != 'T' && text[10] != ' ')) return std::nullopt;
  std::size_t next = 0;
  const std::optional<FileTime> time = CalendarTime(text, next);
  if (!time) return std::nullopt;
  TakenStamp stamp{*time, std::nullopt};
  std::string_view rest = text.substr(next);
  if (!rest.empty() && rest.front() == '.') {
    rest.remove_prefix(1);
    stamp.WallClock += FractionTicks(rest);
    while (!rest.empty() && std::isdigit(static_cast<unsigned char>(rest.front())))
      rest.remove_prefix(1);
  }
  if (!rest.empty()) stamp.OffsetMinutes = OffsetMinutes(rest);
  return stamp;
}

std::optional<TakenStamp> UtcTaken(std::string_view text) {
  text = Trimmed(text);
  if (text.starts_with("UTC ")) text.remove_prefix(4);
  if (text.ends_with(" UTC")) text.remove_suffix(4);
  std::size_t next = 0;
  const std::optional<FileTime> time = CalendarTime(text, next);
  // 1904 and 1970 are the containers' zero times: no time was written.
  if (!time || text.substr(0, 4) <= "1970") return std::nullopt;
  std::string_view rest = text.substr(next);
  FileTime fraction = 0;
  if (!rest.empty() && rest.front() == '.') fraction = FractionTicks(rest.substr(1));
  return TakenStamp{*time + fraction, 0};
}

}  // namespace varnoke
