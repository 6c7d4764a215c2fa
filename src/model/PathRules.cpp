#include "model/PathRules.h"

#include <algorithm>
#include <vector>

namespace varnoke {

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}
char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

std::string AsciiLowerCopy(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

std::string AsciiUpperCopy(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

int CompareIgnoringAsciiCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(AsciiLower(a[i]));
    const auto y = static_cast<unsigned char>(AsciiLower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

// --- Windows rules -----------------------------------------------------------

SplitPath WindowsPathRules::Split(std::string_view full) const {
  const std::size_t sep = full.find_last_of("\\:");
  const std::size_t fileStart = sep == std::string_view::npos ? 0 : sep + 1;
  SplitPath out;
  std::string dir = AsciiLowerCopy(full.substr(0, fileStart));
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
  out.Path = std::move(dir);
  const std::string_view file = full.substr(fileStart);
  const std::size_t dot = file.rfind('.');
  if (dot == std::string_view::npos) {
    out.Name = std::string(file);
  } else {
    out.Name = std::string(file.substr(0, dot));
    out.Ext = std::string(file.substr(dot + 1));
  }
  return out;
}

std::string WindowsPathRules::Join(std::string_view path, std::string_view name,
                                   std::string_view ext) const {
  std::string out;
  out.reserve(path.size() + name.size() + ext.size() + 2);
  out.append(path).append(1, '\\').append(name).append(1, '.').append(ext);
  return out;
}

bool WindowsPathRules::SameName(std::string_view a, std::string_view b) const {
  return EqualsIgnoreAsciiCase(a, b);
}

std::string WindowsPathRules::DisplayDirectory(std::string_view path) const {
  std::string out(path);
  if (out.size() == 2 && out[1] == ':') out.push_back('\\');
  return out;
}

bool WindowsPathRules::NeedsNameGuard(std::string_view name, std::string_view, std::string_view,
                                      std::string_view) const {
  return name.empty() || name.front() == '.';
}

std::string WindowsPathRules::StripTrailingSeparator(std::string_view dir) const {
  if (!dir.empty() && dir.back() == '\\') dir.remove_suffix(1);
  return std::string(dir);
}

// One search per character (each a fast scan): find_first_of would search the set
// once for every character of the name.
bool WindowsPathRules::HoldsForbiddenCharacter(std::string_view part) const {
  return part.find('\\') != std::string_view::npos || part.find('/') != std::string_view::npos ||
         part.find('\0') != std::string_view::npos;
}

bool WindowsPathRules::IsFullPath(std::string_view directory) const {
  const bool drive = directory.size() >= 2 && directory[1] == ':' &&
                     AsciiLower(directory[0]) >= 'a' && AsciiLower(directory[0]) <= 'z';
  return drive || directory.substr(0, 2) == "\\\\";
}

// --- Both ----------------------------------------------------------------------

bool PathRules::IsPlain(std::string_view full) const {
  const char sep = Separator();
  const char doubled[] = {sep, sep}, dotted[] = {sep, '.', sep};
  // A network path keeps its two leading separators.
  const std::size_t from =
      (sep == '\\' && full.substr(0, 2) == std::string_view(doubled, 2)) ? 2 : 0;
  return !IsFullPath(full) ||
         (full.find(std::string_view(doubled, 2), from) == std::string_view::npos &&
          full.find(std::string_view(dotted, 3)) == std::string_view::npos);
}

std::string PathRules::Plain(std::string_view full) const {
  if (IsPlain(full)) return std::string(full);
  const char sep = Separator();
  const bool network = sep == '\\' && full.substr(0, 2) == std::string_view("\\\\", 2);
  const std::size_t from = network ? 2 : 0;
  std::string out(full.substr(0, from));
  std::size_t i = from;
  if (!network && !full.empty() && full.front() == sep) {
    out.push_back(sep);
    i = 1;
  }
  while (i < full.size()) {
    std::size_t end = full.find(sep, i);
    if (end == std::string_view::npos) end = full.size();
    const std::string_view part = full.substr(i, end - i);
    if (end == full.size()) {
      out.append(part);  // the file part stays as it is
    } else if (!part.empty() && part != ".") {
      out.append(part).push_back(sep);
    }
    i = end + 1;
  }
  return out;
}

bool PathRules::IsLexicallyPlain(std::string_view full) const {
  const char sep = Separator();
  const char doubled[] = {sep, sep}, dotted[] = {sep, '.'};
  // A network path's two leading separators are its own.
  const std::size_t from =
      (sep == '\\' && full.substr(0, 2) == std::string_view(doubled, 2)) ? 2 : 0;
  // A dot after a separator may begin "." or ".."; a dot file such as ".profile" only
  // costs the longer way.
  return full.find(std::string_view(doubled, 2), from) == std::string_view::npos &&
         full.find(std::string_view(dotted, 2)) == std::string_view::npos;
}

std::string PathRules::LexicallyPlain(std::string_view full) const {
  if (IsLexicallyPlain(full)) return std::string(full);
  const char sep = Separator();
  const bool network = sep == '\\' && full.substr(0, 2) == std::string_view("\\\\", 2);
  std::string out;
  if (network)
    out.assign(2, sep);
  else if (!full.empty() && full.front() == sep)
    out.push_back(sep);
  std::vector<std::string_view> parts;
  for (std::size_t i = out.size(); i <= full.size();) {
    std::size_t end = full.find(sep, i);
    if (end == std::string_view::npos) end = full.size();
    const std::string_view part = full.substr(i, end - i);
    i = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      // A drive ("c:") is a root as "/" is: the parent of a root is the root.
      const bool drive =
          sep == '\\' && !network && parts.size() == 1 && parts.front().ends_with(':');
      if (!parts.empty() && parts.back() != ".." && !drive) {
        parts.pop_back();
        continue;
      }
      if (drive || (parts.empty() && !out.empty())) continue;
    }
    parts.push_back(part);
  }
  for (std::size_t p = 0; p < parts.size(); ++p) {
    if (p > 0) out.push_back(sep);
    out.append(parts[p]);
  }
  return out;
}

// --- POSIX rules -------------------------------------------------------------

SplitPath PosixPathRules::Split(std::string_view full) const {
  const std::size_t sep = full.rfind('/');
  const std::size_t fileStart = sep == std::string_view::npos ? 0 : sep + 1;
  SplitPath out;
  // The root directory is kept as the empty string; every other directory as found.
  out.Path = sep == std::string_view::npos ? std::string() : std::string(full.substr(0, sep));
  const std::string_view file = full.substr(fileStart);
  const std::size_t dot = file.rfind('.');
  // A name ending in a dot keeps the dot, so that joining gives the name back.
  if (dot == std::string_view::npos || dot + 1 == file.size()) {
    out.Name = std::string(file);
  } else {
    out.Name = std::string(file.substr(0, dot));
    out.Ext = std::string(file.substr(dot + 1));
  }
  return out;
}

std::string PosixPathRules::Join(std::string_view path, std::string_view name,
                                 std::string_view ext) const {
  std::string out;
  out.reserve(path.size() + name.size() + ext.size() + 2);
  out.append(path).append(1, '/').append(name);
  if (!ext.empty()) out.append(1, '.').append(ext);
  return out;
}

std::string PosixPathRules::DisplayDirectory(std::string_view path) const {
  return path.empty() ? std::string("/") : std::string(path);
}

bool PosixPathRules::NeedsNameGuard(std::string_view name, std::string_view ext,
                                    std::string_view oldName, std::string_view oldExt) const {
  const std::string file = Join("", name, ext).substr(1);
  if (file.empty() || file == "." || file == "..") return true;
  const std::string oldFile = Join("", oldName, oldExt).substr(1);
  return file.front() == '.' && (oldFile.empty() || oldFile.front() != '.');
}

bool PosixPathRules::HoldsForbiddenCharacter(std::string_view part) const {
  return part.find('/') != std::string_view::npos || part.find('\0') != std::string_view::npos;
}

bool PosixPathRules::IsFullPath(std::string_view directory) const {
  return directory.empty() || directory.front() == '/';
}

std::string PosixPathRules::StripTrailingSeparator(std::string_view dir) const {
  if (!dir.empty() && dir.back() == '/') dir.remove_suffix(1);
  return std::string(dir);
}

}  // namespace varnoke
