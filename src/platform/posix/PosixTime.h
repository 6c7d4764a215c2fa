#pragma once
// Conversions between Unix time (seconds and nanoseconds since 1970) and FILETIME.
#include <cstdint>
#include <ctime>

#include "model/FileTime.h"

namespace varnoke {

// Times before 1601 cannot be a FILETIME and become 0.
inline FileTime FileTimeFromUnix(std::int64_t seconds, std::int64_t nanoseconds) {
  constexpr std::int64_t kTicksPerSecondSigned = static_cast<std::int64_t>(kTicksPerSecond);
  constexpr std::int64_t kEpochSeconds = static_cast<std::int64_t>(kUnixEpoch / kTicksPerSecond);
  if (seconds < -kEpochSeconds) return 0;
  const std::int64_t ticks =
      static_cast<std::int64_t>(kUnixEpoch) + seconds * kTicksPerSecondSigned + nanoseconds / 100;
  return ticks < 0 ? 0 : static_cast<FileTime>(ticks);
}

// Seconds since 1970 (rounded down) and the 100-ns ticks left over.
struct UnixTicks {
  std::int64_t Seconds = 0;
  std::int64_t Ticks = 0;  // 0 .. 9,999,999
};

inline UnixTicks UnixFromFileTime(FileTime ft) {
  // Above 0x7FFFFFFFFFFFFFFF a FILETIME is no valid time; clamp so the arithmetic stays defined.
  const FileTime clamped = ft > 0x7FFFFFFFFFFFFFFFULL ? 0x7FFFFFFFFFFFFFFFULL : ft;
  const std::int64_t sinceEpoch =
      static_cast<std::int64_t>(clamped) - static_cast<std::int64_t>(kUnixEpoch);
  const std::int64_t perSecond = static_cast<std::int64_t>(kTicksPerSecond);
  std::int64_t seconds = sinceEpoch / perSecond;
  std::int64_t ticks = sinceEpoch % perSecond;
  if (ticks < 0) {
    ticks += perSecond;
    --seconds;
  }
  return {seconds, ticks};
}

inline timespec TimespecFromFileTime(FileTime ft) {
  const UnixTicks u = UnixFromFileTime(ft);
  timespec ts{};
  ts.tv_sec = static_cast<time_t>(u.Seconds);
  ts.tv_nsec = static_cast<long>(u.Ticks * 100);
  return ts;
}

}  // namespace varnoke
