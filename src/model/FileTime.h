#pragma once
// Win32 FILETIME and SYSTEMTIME arithmetic: 100-ns ticks since 1601-01-01 in the
// proleptic Gregorian calendar, with the failures of the Win32 conversions (an
// invalid calendar field fails; nothing carries into the next field).
#include <cstdint>
#include <optional>

namespace varnoke {

using FileTime = std::uint64_t;

struct SystemTime {
  std::uint16_t Year = 0;
  std::uint16_t Month = 0;
  std::uint16_t DayOfWeek = 0;  // 0 = Sunday; ignored by SystemTimeToFileTime
  std::uint16_t Day = 0;
  std::uint16_t Hour = 0;
  std::uint16_t Minute = 0;
  std::uint16_t Second = 0;
  std::uint16_t Milliseconds = 0;
  bool operator==(const SystemTime&) const = default;
};

inline constexpr FileTime kTicksPerSecond = 10'000'000;
inline constexpr FileTime kTicksPerDay = kTicksPerSecond * 86'400;
// FILETIME of 1970-01-01 00:00:00, the Unix epoch.
inline constexpr FileTime kUnixEpoch = 116'444'736'000'000'000ULL;

// Fails for times above 0x7FFFFFFFFFFFFFFF, as the Win32 call does.
std::optional<SystemTime> FileTimeToSystemTime(FileTime ft);
// Fails unless 1601 <= year <= 30827, 1 <= month <= 12, the day exists in that
// month, hour < 24, minute < 60, second < 60 and milliseconds < 1000.
std::optional<FileTime> SystemTimeToFileTime(const SystemTime& st);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The zero increase, 1980-01-01 00:00:00.
inline constexpr FileTime IncreaseBase = 0x01A8E79FE1D58000ULL;

struct Increase {
  int Years = 0, Months = 0, Days = 0, Hours = 0, Minutes = 0, Seconds = 0;
  bool operator==(const Increase&) const = default;
};
// An increase is stored as the FILETIME of 1980 + years, month 1 + months, day
// 1 + days, hours:minutes:seconds; a combination that is no calendar date fails.
std::optional<FileTime> EncodeIncrease(const Increase& inc);
std::optional<Increase> DecodeIncrease(FileTime ft);

// Advances a date by a stored increase field by field without carry; returns
// nullopt when the result is no valid calendar time (the date must then stay).
std::optional<FileTime> AdvanceByIncrease(FileTime date, FileTime increase);

}  // namespace varnoke
