#include "engine/HiddenFolders.h"

namespace varnoke {
namespace {

// Where the outermost hidden component of `directory` begins (at its "/"); npos when none.
std::string_view::size_type OutermostHidden(std::string_view directory) {
  for (std::string_view::size_type at = directory.find("/."); at != std::string_view::npos;
       at = directory.find("/.", at + 1)) {
    const std::string_view name = directory.substr(at + 1, directory.find('/', at + 1) - at - 1);
    if (name != "." && name != "..") return at;
  }
  return std::string_view::npos;
}

}  // namespace

bool InHiddenFolder(std::string_view directory) {
  return OutermostHidden(directory) != std::string_view::npos;
}

std::string OutsideHiddenFolders(std::string_view directory) {
  const auto at = OutermostHidden(directory);
  if (at == std::string_view::npos) return std::string(directory);
  return at == 0 ? std::string("/") : std::string(directory.substr(0, at));
}

}  // namespace varnoke
