#pragma once
// Calendar fields and the FILETIME they make, for tests.
#include <cstdint>

#include "model/FileTime.h"

namespace varnoke {

inline SystemTime Fields(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  SystemTime t;
  t.Year = static_cast<std::uint16_t>(y);
  t.Month = static_cast<std::uint16_t>(mo);
  t.Day = static_cast<std::uint16_t>(d);
  t.Hour = static_cast<std::uint16_t>(h);
  t.Minute = static_cast<std::uint16_t>(mi);
  t.Second = static_cast<std::uint16_t>(s);
  t.Milliseconds = static_cast<std::uint16_t>(ms);
  return t;
}

inline FileTime Calendar(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return SystemTimeToFileTime(Fields(y, mo, d, h, mi, s)).value();
}

}  // namespace varnoke
