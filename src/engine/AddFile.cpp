#include "engine/AddFile.h"

#include "files/FileListFile.h"

namespace varnoke {

bool AddFile(FileSystem& fs, TVrnFiles& files, std::string_view fullPath) {
  if (const Listing* open = fs.OpenListing()) return AddFile(fs, *open, files, fullPath);
  const ListingScope listing(fs);
  return AddFile(fs, listing.Get(), files, fullPath);
}

bool AddFile(const FileSystem& fs, const Listing& listing, TVrnFiles& files,
             std::string_view given) {
  // The system would end the path at the NUL and list another file.
  if (HoldsNul(given)) return false;
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

  const std::optional<ListedFile> listed = listing.List(fullPath);
  if (!listed) return false;
  const FileInfo& info = listed->Info;  // all 0 for a busy file
  files.AddEntry(listed->Busy, parts.Path, parts.Name, parts.Ext, info.Size, info.Attr,
                 info.Times.Created, info.Times.Accessed, info.Times.Written);
  return true;
}

}  // namespace varnoke
