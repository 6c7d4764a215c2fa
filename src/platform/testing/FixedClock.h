#pragma once
// A clock for tests: a set time and a fixed time-zone offset.
#include "platform/Clock.h"

namespace varnoke {

class FixedClock final : public Clock {
 public:
  // The current time, UTC, and the offset local time is ahead of UTC, in seconds.
  FixedClock(FileTime nowUtc, long offsetSeconds) : now_(nowUtc), offset_(offsetSeconds) {}

  void Set(FileTime nowUtc) { now_ = nowUtc; }
  // Every read of the clock moves it on by this much (to see a clock read anew).
  void SetTick(FileTime tick) { tick_ = tick; }

  FileTime NowUtc() override;
  SystemTime LocalNow() override;
  std::optional<FileTime> LocalToUtc(FileTime local) override;
  std::optional<FileTime> UtcToLocal(FileTime utc) override;

 private:
  FileTime now_;
  long offset_;
  FileTime tick_ = 0;
};

}  // namespace varnoke
