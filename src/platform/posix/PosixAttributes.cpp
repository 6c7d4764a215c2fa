#include "platform/posix/PosixAttributes.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include "model/Attributes.h"
#include "platform/posix/DosAttrib.h"

namespace varnoke {

std::string_view BaseName(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::uint32_t ComputeAttributes(mode_t mode, std::string_view baseName,
                                std::optional<std::string_view> dosAttrib) {
  const bool directory = S_ISDIR(mode);
  std::uint32_t attr = directory ? kAttrDirectory : 0;
  if ((mode & S_IWUSR) == 0) attr |= kAttrReadOnly;
  std::optional<std::uint32_t> stored;
  if (dosAttrib) stored = ParseDosAttrib(*dosAttrib);
  if (stored) {
    attr |= *stored & (kAttrHidden | kAttrSystem | kAttrArchive);
  } else {
    // Wine's rules for a file that carries no attributes of its own.
    if (!directory) attr |= kAttrArchive;
    if (!baseName.empty() && baseName[0] == '.' && baseName != "." && baseName != "..")
      attr |= kAttrHidden;
  }
  // As on Windows, "normal" is reported only when no other bit is set.
  return attr == 0 ? kAttrNormal : attr;
}

namespace {

std::optional<std::string_view> Result(ssize_t length, const DosAttribBuffer& buffer) {
  if (length < 0) return std::nullopt;
  return std::string_view(buffer.Data, static_cast<std::size_t>(length));
}

}  // namespace

std::optional<std::string_view> ReadDosAttrib(int fd, DosAttribBuffer& buffer) {
  return Result(::fgetxattr(fd, kDosAttribName, buffer.Data, sizeof buffer.Data), buffer);
}

std::optional<std::string_view> ReadDosAttrib(const char* path, bool follow,
                                              DosAttribBuffer& buffer) {
  const ssize_t length = follow
                             ? ::getxattr(path, kDosAttribName, buffer.Data, sizeof buffer.Data)
                             : ::lgetxattr(path, kDosAttribName, buffer.Data, sizeof buffer.Data);
  return Result(length, buffer);
}

}  // namespace varnoke
