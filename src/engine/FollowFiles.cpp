#include "engine/FollowFiles.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "engine/AddFile.h"
#include "engine/JournalTrail.h"

namespace varnoke {
namespace {

// From this many entries on, a directory is read whole instead of asked file by file.
constexpr std::size_t kReadWholeFrom = 64;

std::string KeyOf(std::string_view path, const PathRules& rules) {
  std::string key = rules.Plain(path);
  return rules.FoldsCase() ? AsciiLowerCopy(key) : key;
}

std::string FullPathOf(const TVrnFile& f, const PathRules& rules) {
  return rules.Join(f.Path(), f.Name(), f.Ext());
}

// Lists the file at `path` in place of entry `i` when it may be that entry's file: a
// renaming keeps a file's size.
bool ListAgain(TVrnFiles& files, int i, FileSystem& fs, const std::string& path) {
  TVrnFiles fresh;
  if (!AddFile(fs, fresh, path)) return false;
  TVrnFile& entry = files.Items(i);
  if (!entry.Busy && fresh.Items(0).Size != entry.Size) return false;
  entry = std::move(fresh.Items(0));
  return true;
}

}  // namespace

int FollowMoves(TVrnFiles& files, const FileMoves& moves, const PathRules& rules) {
  if (moves.empty()) return 0;
  std::unordered_map<std::string, const std::string*> now;
  for (const auto& [from, to] : moves) now.emplace(KeyOf(from, rules), &to);
  // Entries of one directory share its text, as listing leaves them.
  std::unordered_map<std::string, std::shared_ptr<const std::string>> directories;
  int followed = 0;
  for (TVrnFile& f : files) {
    const auto it = now.find(KeyOf(FullPathOf(f, rules), rules));
    if (it == now.end()) continue;
    SplitPath where = rules.Split(*it->second);
    std::shared_ptr<const std::string>& directory = directories[where.Path];
    if (!directory) directory = std::make_shared<const std::string>(std::move(where.Path));
    f.SetSharedPath(directory);
    f.SetName(where.Name);
    f.SetExt(where.Ext);
    ++followed;
  }
  return followed;
}

std::vector<int> EntriesNotThere(const TVrnFiles& files, FileSystem& fs) {
  const PathRules& rules = fs.Rules();
  std::unordered_map<std::string_view, std::vector<int>> byDirectory;
  for (int i = 0; i < files.Count(); ++i) byDirectory[files.Items(i).Path()].push_back(i);
  std::vector<int> missing;
  for (const auto& [directory, entries] : byDirectory) {
    std::unordered_set<std::string> names;
    if (entries.size() >= kReadWholeFrom)
      fs.EnumerateNames(rules.DisplayDirectory(directory), [&](const DirEntry& e) {
        if (!e.IsDirectory) names.insert(e.Name);
        return true;
      });
    for (const int i : entries) {
      const TVrnFile& f = files.Items(i);
      // A name not read under this spelling is asked about: a mount may ignore case.
      if (!names.empty() && names.count(rules.Join("", f.Name(), f.Ext()).substr(1))) continue;
      if (!fs.Exists(FullPathOf(f, rules))) missing.push_back(i);
    }
  }
  std::sort(missing.begin(), missing.end());
  return missing;
}

ListedFilesCheck FindListedFiles(TVrnFiles& files, FileSystem& fs, JournalDirectory* journals) {
  ListedFilesCheck check;
  const std::vector<int> missing = EntriesNotThere(files, fs);
  if (missing.empty()) return check;
  const PathRules& rules = fs.Rules();
  std::optional<JournalTrail> trail;
  if (journals) trail.emplace(*journals, rules);
  std::vector<int> leaving;
  for (const int i : missing) {
    const std::string path = FullPathOf(files.Items(i), rules);
    if (trail) {
      const std::optional<std::string> now = trail->WhereNow(path);
      if (now && ListAgain(files, i, fs, *now)) {
        ++check.FoundAgain;
        continue;
      }
    }
    check.Gone.push_back(path);
    leaving.push_back(i);
  }
  files.DeletePositions(std::move(leaving));
  return check;
}

}  // namespace varnoke
