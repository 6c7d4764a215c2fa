#include "platform/testing/FixedClock.h"

namespace varnoke {
namespace {
FileTime Shift(FileTime t, long seconds) {
  return t + static_cast<FileTime>(static_cast<long long>(seconds) *
                                   static_cast<long long>(kTicksPerSecond));
}
}  // namespace

FileTime FixedClock::NowUtc() {
  FileTime now = now_;
  now_ += tick_;
  return now;
}

SystemTime FixedClock::LocalNow() {
  auto local = FileTimeToSystemTime(Shift(NowUtc(), offset_));
  return local ? *local : SystemTime{};
}

std::optional<FileTime> FixedClock::LocalToUtc(FileTime local) {
  auto ticks = static_cast<long long>(offset_) * static_cast<long long>(kTicksPerSecond);
  if (ticks > 0 && local < static_cast<FileTime>(ticks)) return std::nullopt;
  return Shift(local, -offset_);
}

std::optional<FileTime> FixedClock::UtcToLocal(FileTime utc) {
  auto ticks = static_cast<long long>(offset_) * static_cast<long long>(kTicksPerSecond);
  if (ticks < 0 && utc < static_cast<FileTime>(-ticks)) return std::nullopt;
  return Shift(utc, offset_);
}

}  // namespace varnoke
