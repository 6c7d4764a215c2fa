#include "platform/posix/PosixClock.h"

#include <time.h>

#include "platform/posix/PosixTime.h"

namespace varnoke {

FileTime PosixClock::NowUtc() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return FileTimeFromUnix(now.tv_sec, now.tv_nsec);
}

SystemTime PosixClock::LocalNow() {
  const std::optional<FileTime> local = UtcToLocal(NowUtc());
  if (local) {
    if (auto st = FileTimeToSystemTime(*local)) return *st;
  }
  return SystemTime{};
}

std::optional<FileTime> PosixClock::LocalToUtc(FileTime local) {
  const std::optional<SystemTime> st = FileTimeToSystemTime(local);
  if (!st) return std::nullopt;
  tm fields{};
  fields.tm_year = st->Year - 1900;
  fields.tm_mon = st->Month - 1;
  fields.tm_mday = st->Day;
  fields.tm_hour = st->Hour;
  fields.tm_min = st->Minute;
  fields.tm_sec = st->Second;
  fields.tm_isdst = -1;  // let the zone rules say whether summer time applies then
  fields.tm_wday = -1;   // mktime sets it on success; -1 is also a valid result time
  const time_t seconds = ::mktime(&fields);
  if (fields.tm_wday < 0) return std::nullopt;
  const FileTime whole = FileTimeFromUnix(static_cast<std::int64_t>(seconds), 0);
  if (whole == 0 && seconds != 0) return std::nullopt;  // before 1601 in UTC
  return whole + local % kTicksPerSecond;
}

std::optional<FileTime> PosixClock::UtcToLocal(FileTime utc) {
  if (utc > 0x7FFFFFFFFFFFFFFFULL) return std::nullopt;  // no valid FILETIME
  const UnixTicks u = UnixFromFileTime(utc);
  const time_t seconds = static_cast<time_t>(u.Seconds);
  tm fields{};
  if (!::localtime_r(&seconds, &fields)) return std::nullopt;
  const std::int64_t shifted =
      static_cast<std::int64_t>(utc) +
      static_cast<std::int64_t>(fields.tm_gmtoff) * static_cast<std::int64_t>(kTicksPerSecond);
  if (shifted < 0) return std::nullopt;
  return static_cast<FileTime>(shifted);
}

}  // namespace varnoke
