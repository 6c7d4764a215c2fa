#include "engine/VolumeOf.h"

namespace varnoke {

std::string VolumeOf(std::string_view directory, const std::vector<std::string>& volumes) {
  std::string_view best = "/";
  for (const std::string& volume : volumes) {
    std::string_view v = volume;
    while (v.size() > 1 && v.back() == '/') v.remove_suffix(1);
    const bool holds = directory.starts_with(v) &&
                       (directory.size() == v.size() || directory[v.size()] == '/' || v == "/");
    if (holds && v.size() > best.size()) best = v;
  }
  return std::string(best);
}

}  // namespace varnoke
