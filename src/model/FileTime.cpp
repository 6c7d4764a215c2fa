#include "model/FileTime.h"

namespace varnoke {
namespace {

// Days from 1601-01-01 to the first day of the given year.
std::int64_t DaysBeforeYear(std::int64_t year) {
  const std::int64_t y = year - 1601;
  return y * 365 + y / 4 - y / 100 + y / 400;
}

constexpr int kCumulativeDays[2][13] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366}};

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  const int leap = IsLeapYear(year) ? 1 : 0;
  return kCumulativeDays[leap][month] - kCumulativeDays[leap][month - 1];
}

std::optional<SystemTime> FileTimeToSystemTime(FileTime ft) {
  if (ft > 0x7FFFFFFFFFFFFFFFULL) return std::nullopt;
  std::int64_t days = static_cast<std::int64_t>(ft / kTicksPerDay);
  const std::uint64_t rest = ft % kTicksPerDay;
  SystemTime st;
  st.DayOfWeek = static_cast<std::uint16_t>((days + 1) % 7);  // 1601-01-01 was a Monday
  // 400-year cycles hold exactly 146097 days.
  std::int64_t year = 1601 + 400 * (days / 146097);
  days %= 146097;
  std::int64_t centuries = days / 36524;
  if (centuries == 4) centuries = 3;
  year += 100 * centuries;
  days -= centuries * 36524;
  const std::int64_t quads = days / 1461;
  year += 4 * quads;
  days -= quads * 1461;
  std::int64_t years = days / 365;
  if (years == 4) years = 3;
  year += years;
  days -= years * 365;
  const int leap = IsLeapYear(static_cast<int>(year)) ? 1 : 0;
  int month = 1;
  while (days >= kCumulativeDays[leap][month]) ++month;
  st.Year = static_cast<std::uint16_t>(year);
  st.Month = static_cast<std::uint16_t>(month);
  st.Day = static_cast<std::uint16_t>(days - kCumulativeDays[leap][month - 1] + 1);
  const std::uint64_t ms = rest / 10'000;
  st.Milliseconds = static_cast<std::uint16_t>(ms % 1000);
  st.Second = static_cast<std::uint16_t>(ms / 1000 % 60);
  st.Minute = static_cast<std::uint16_t>(ms / 60'000 % 60);
  st.Hour = static_cast<std::uint16_t>(ms / 3'600'000);
  return st;
}

std::optional<FileTime> SystemTimeToFileTime(const SystemTime& st) {
  if (st.Year < 1601 || st.Year > 30827 || st.Month < 1 || st.Month > 12 || st.Day < 1 ||
      st.Day > DaysInMonth(st.Year, st.Month) || st.Hour > 23 || st.Minute > 59 || st.Second > 59 ||
      st.Milliseconds > 999)
    return std::nullopt;
  const int leap = IsLeapYear(st.Year) ? 1 : 0;
  const std::int64_t days =
      DaysBeforeYear(st.Year) + kCumulativeDays[leap][st.Month - 1] + (st.Day - 1);
  const std::uint64_t ms =
      ((static_cast<std::uint64_t>(st.Hour) * 60 + st.Minute) * 60 + st.Second) * 1000 +
      st.Milliseconds;
  return static_cast<FileTime>(days) * kTicksPerDay + ms * 10'000;
}

std::optional<FileTime> EncodeIncrease(const Increase& inc) {
  const auto field = [](int v) -> std::optional<std::uint16_t> {
    if (v < 0 || v > 0xFFFF) return std::nullopt;
    return static_cast<std::uint16_t>(v);
  };
  const auto y = field(1980 + inc.Years), mo = field(1 + inc.Months), d = field(1 + inc.Days),
             h = field(inc.Hours), mi = field(inc.Minutes), s = field(inc.Seconds);
  if (!y || !mo || !d || !h || !mi || !s) return std::nullopt;
  SystemTime st;
  st.Year = *y;
  st.Month = *mo;
  st.Day = *d;
  st.Hour = *h;
  st.Minute = *mi;
  st.Second = *s;
  return SystemTimeToFileTime(st);
}

std::optional<Increase> DecodeIncrease(FileTime ft) {
  const auto st = FileTimeToSystemTime(ft);
  if (!st) return std::nullopt;
  return Increase{st->Year - 1980, st->Month - 1, st->Day - 1, st->Hour, st->Minute, st->Second};
}

std::optional<FileTime> AdvanceByIncrease(FileTime date, FileTime increase) {
  const auto d = FileTimeToSystemTime(date);
  const auto inc = FileTimeToSystemTime(increase);
  if (!d || !inc) return std::nullopt;
  // The fields are 16-bit words as in SYSTEMTIME: they wrap, and the result is
  // then checked as a whole.
  SystemTime st = *d;
  st.Second = static_cast<std::uint16_t>(st.Second + inc->Second);
  st.Minute = static_cast<std::uint16_t>(st.Minute + inc->Minute);
  st.Hour = static_cast<std::uint16_t>(st.Hour + inc->Hour);
  st.Day = static_cast<std::uint16_t>(st.Day + inc->Day - 1);
  st.Month = static_cast<std::uint16_t>(st.Month + inc->Month - 1);
  st.Year = static_cast<std::uint16_t>(st.Year + inc->Year - 1980);
  return SystemTimeToFileTime(st);
}

}  // namespace varnoke
