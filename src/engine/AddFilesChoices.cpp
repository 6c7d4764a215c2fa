#include "engine/AddFilesChoices.h"

#include <algorithm>

#include "model/PathRules.h"
#include "model/WindowsWildcard.h"
#include "platform/SessionScopes.h"

namespace varnoke {
namespace {

constexpr std::string_view kBlanks = " \t";
// What a filter without any pattern stands for.
constexpr std::string_view kEveryFile = "*";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool ByName(const std::string& a, const std::string& b) {
  const int folded = CompareIgnoringAsciiCase(a, b);
  return folded != 0 ? folded < 0 : a < b;
}

}  // namespace

std::string AddFilesStart(TFiles& owner, std::string_view startWhenEmpty) {
  if (owner.AddFiles.empty()) owner.AddFiles = std::string(startWhenEmpty);
  return owner.AddFiles;
}

std::vector<std::string> FilterPatterns(std::string_view filter) {
  std::vector<std::string> patterns;
  while (!filter.empty()) {
    const std::size_t end = std::min(filter.find(';'), filter.size());
    const std::string_view pattern = Trimmed(filter.substr(0, end));
    if (!pattern.empty()) patterns.emplace_back(pattern);
    filter.remove_prefix(std::min(end + 1, filter.size()));
  }
  if (patterns.empty()) patterns.emplace_back(kEveryFile);
  return patterns;
}

std::vector<std::string> ListDirectoryFiles(FileSystem& fs, std::string_view directory,
                                            std::string_view filter) {
  const std::vector<std::string> patterns = FilterPatterns(filter);
  std::vector<std::string> names;
  fs.EnumerateNames(directory, [&](const DirEntry& entry) {
    if (!entry.IsDirectory &&
        std::any_of(patterns.begin(), patterns.end(), [&](const std::string& pattern) {
          return MatchesWindowsWildcard(entry.Name, pattern);
        }))
      names.push_back(entry.Name);
    return true;
  });
  std::sort(names.begin(), names.end(), ByName);
  return names;
}

std::string PathInDirectory(std::string_view directory, std::string_view name, char separator) {
  std::string path(directory);
  if (path.empty() || path.back() != separator) path.push_back(separator);
  path.append(name);
  return path;
}

void AddMarkedFiles(std::string_view directory, const std::vector<std::string>& names,
                    const std::vector<bool>& marked, char separator, Session& session,
                    const std::function<void(std::string_view)>& addFile) {
  BusyScope busy(session);
  const std::size_t count = std::min(names.size(), marked.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (!marked[i]) continue;
    addFile(PathInDirectory(directory, names[i], separator));
    if (i % 10 == 9) session.pump();
  }
}

}  // namespace varnoke
