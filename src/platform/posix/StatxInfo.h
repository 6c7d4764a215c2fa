#pragma once
// Size, attributes and times of a file from one statx() read.
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>

#include "platform/FileSystem.h"
#include "platform/posix/PosixTime.h"

namespace varnoke {

inline constexpr unsigned kStatxMask = STATX_BASIC_STATS | STATX_BTIME;

inline FileTime FromStatx(const struct statx_timestamp& t) {
  return FileTimeFromUnix(t.tv_sec, t.tv_nsec);
}

// `attr` as the entry's attribute bits.
inline FileInfo InfoOf(const struct statx& status, std::uint32_t attr) {
  FileInfo info;
  info.Size = status.stx_size;
  info.Attr = attr;
  info.Times.Written = FromStatx(status.stx_mtime);
  info.Times.Accessed = FromStatx(status.stx_atime);
  // Without a birth time the last-write time stands in, as Wine reports it.
  info.Times.Created =
      (status.stx_mask & STATX_BTIME) ? FromStatx(status.stx_btime) : info.Times.Written;
  return info;
}

}  // namespace varnoke
