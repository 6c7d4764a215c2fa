#pragma once
// The system clock and the C library's time zone (TZ, /etc/localtime).
#include "platform/Clock.h"

namespace varnoke {

class PosixClock final : public Clock {
 public:
  FileTime NowUtc() override;
  SystemTime LocalNow() override;
  // Both directions use the offset in force at the date converted (summer or winter
  // time of that date, not of today).
  std::optional<FileTime> LocalToUtc(FileTime local) override;
  std::optional<FileTime> UtcToLocal(FileTime utc) override;
};

}  // namespace varnoke
