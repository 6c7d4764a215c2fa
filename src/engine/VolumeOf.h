#pragma once
// Which mounted file system holds a directory: the drive a drive box shows for it.
#include <string>
#include <string_view>
#include <vector>

namespace varnoke {

// The longest of `volumes` (mount points, "/" among them) that is `directory` itself or
// one of its parents; "/" when none is.
std::string VolumeOf(std::string_view directory, const std::vector<std::string>& volumes);

}  // namespace varnoke
