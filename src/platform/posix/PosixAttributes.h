#pragma once
// DOS attribute bits of a Linux file: read-only from the owner's write permission,
// hidden, system and archive from user.DOSATTRIB, and Wine's defaults without it.
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace varnoke {

// The last component of a path ("" for a path ending in '/').
std::string_view BaseName(std::string_view path);

// `dosAttrib` is the xattr's value, nullopt when the file has none.
std::uint32_t ComputeAttributes(mode_t mode, std::string_view baseName,
                                std::optional<std::string_view> dosAttrib);

// Reads user.DOSATTRIB into `buffer`; nullopt when absent or unreadable. The `f`
// variants take a descriptor, the others a path (`follow` = false for a link itself).
struct DosAttribBuffer {
  char Data[256];
};
std::optional<std::string_view> ReadDosAttrib(int fd, DosAttribBuffer& buffer);
std::optional<std::string_view> ReadDosAttrib(const char* path, bool follow,
                                              DosAttribBuffer& buffer);

}  // namespace varnoke
