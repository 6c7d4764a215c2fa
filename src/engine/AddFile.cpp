#include "engine/AddFile.h"

namespace varnoke {

bool AddFile(FileSystem& fs, TVrnFiles& files, std::string_view given) {
  const PathRules& rules = fs.Rules();
  // "/data/./a.txt" and "/data//a.txt" are listed as "/data/a.txt".
  std::string plain;
  std::string_view fullPath = given;
  if (!rules.IsPlain(given)) fullPath = plain = rules.Plain(given);
  const SplitPath parts = rules.Split(fullPath);
  // A bare name has no directory to list it under; it is not guessed.
  if (parts.Path.empty() && fullPath.find(rules.Separator()) == std::string_view::npos)
    return false;
  if (parts.Name.empty() && parts.Ext.empty()) return false;  // "dir/": no file part

  if (std::unique_ptr<OpenFile> file = fs.OpenExclusive(fullPath, Access::Read)) {
    if (const std::optional<FileInfo> info = file->Query()) {
      files.AddEntry(false, parts.Path, parts.Name, parts.Ext, info->Size, info->Attr,
                     info->Times.Created, info->Times.Accessed, info->Times.Written);
      return true;
    }
    // Opened but unreadable: listed as a file that could not be read, i.e. busy.
    files.AddEntry(true, parts.Path, parts.Name, parts.Ext, 0, 0, 0, 0, 0);
    return true;
  }
  if (!fs.Exists(fullPath)) return false;
  files.AddEntry(true, parts.Path, parts.Name, parts.Ext, 0, 0, 0, 0, 0);
  return true;
}

}  // namespace varnoke
