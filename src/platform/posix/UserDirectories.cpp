#include "platform/posix/UserDirectories.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/posix/AtomicFile.h"

namespace varnoke {
namespace {

// An environment variable that names an absolute directory (XDG ignores others).
std::string AbsoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

std::string HomeWithoutSlash() {
  std::string home = AbsoluteFromEnvironment("HOME");
  if (home.empty()) {
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr)
      home = pw->pw_dir;
  }
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  return home == "/" ? std::string() : home;
}

}  // namespace

std::string SettingsDirectory() {
  if (const char* own = std::getenv("VARNOKE_CONFIG_DIR"); own != nullptr && own[0] != '\0')
    return own;
  std::string base = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
  if (base.empty()) base = HomeWithoutSlash() + "/.config";
  return base + "/Orvelia";
}

std::string UserDataDirectory() {
  std::string base = AbsoluteFromEnvironment("XDG_DATA_HOME");
  if (base.empty()) base = HomeWithoutSlash() + "/.local/share";
  const std::string dir = base + "/Orvelia/Varnoke";
  CreateDirectories(dir);
  return dir + "/";
}

std::string JournalDirectoryPath() {
  std::string base = AbsoluteFromEnvironment("XDG_STATE_HOME");
  if (base.empty()) base = HomeWithoutSlash() + "/.local/state";
  return base + "/Orvelia/Varnoke/journal";
}

std::string HomeDirectory() {
  return HomeWithoutSlash() + "/";
}

}  // namespace varnoke
