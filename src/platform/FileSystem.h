#pragma once
// Every file operation the program needs, behind one interface: the POSIX backend
// implements it on the real file system, the fake one in memory for staged faults.
// Paths are full paths in the form of Rules(); times are UTC FILETIMEs.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/FileTime.h"
#include "model/PathRules.h"

namespace varnoke {

enum class Access { Read, ReadWrite };

struct FileTimes {
  FileTime Created = 0;
  FileTime Accessed = 0;
  FileTime Written = 0;
  bool operator==(const FileTimes&) const = default;
};

struct FileInfo {
  std::uint64_t Size = 0;
  std::uint32_t Attr = 0;
  FileTimes Times;
};

// A file held open without sharing; the hold ends when the object is destroyed.
class OpenFile {
 public:
  virtual ~OpenFile() = default;
  // Size, attributes and times of the open file; nullopt when they cannot be read.
  virtual std::optional<FileInfo> Query() = 0;
  // Sets the times given (a null pointer leaves that time); false on failure.
  // Needs an open for ReadWrite.
  virtual bool SetTimes(const FileTime* created, const FileTime* accessed,
                        const FileTime* written) = 0;
};

struct DirEntry {
  std::string Name;  // the name inside the directory, "." and ".." included
  bool IsDirectory = false;
  std::uint32_t Attr = 0;  // attribute bits as GetAttributes would give them
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual const PathRules& Rules() const = 0;

  // Opens a file for exclusive use; nullptr when it cannot be opened so (held by
  // another process, no permission, a directory, missing...).
  virtual std::unique_ptr<OpenFile> OpenExclusive(std::string_view path, Access access) = 0;

  // Attribute bits of a file or directory; nullopt when there is no such entry.
  virtual std::optional<std::uint32_t> GetAttributes(std::string_view path) = 0;
  // Sets the read-only, hidden, system and archive bits; false on failure.
  virtual bool SetAttributes(std::string_view path, std::uint32_t attr) = 0;

  // Whether an entry of that name exists that is not a directory.
  virtual bool Exists(std::string_view path) = 0;
  // Whether two paths name the same file (equal names, or the same file reached
  // under another spelling on a mount that ignores case).
  virtual bool SameFile(std::string_view a, std::string_view b) = 0;

  // Moves or renames a file; never replaces an existing target.
  virtual bool MoveNoReplace(std::string_view from, std::string_view to) = 0;
  // Copies a file to a new name; fails when the target exists.
  virtual bool CopyNoReplace(std::string_view from, std::string_view to) = 0;
  // Deletes a file for good.
  virtual bool Delete(std::string_view path) = 0;
  // Moves a file to the trash (recycle bin); false when that cannot be done.
  virtual bool DeleteToTrash(std::string_view path) = 0;

  // Calls `visit` for every entry of a directory until it returns false. Returns
  // false when the directory cannot be read.
  virtual bool Enumerate(std::string_view directory,
                         const std::function<bool(const DirEntry&)>& visit) = 0;
  // The same walk where only Name and IsDirectory are needed: a backend may leave
  // Attr at 0 and skip the per-entry reads that attributes cost (GetAttributes
  // answers for the few entries that need them).
  virtual bool EnumerateNames(std::string_view directory,
                              const std::function<bool(const DirEntry&)>& visit) {
    return Enumerate(directory, visit);
  }

  // The mounted file systems, the root first.
  virtual std::vector<std::string> Volumes() = 0;
};

}  // namespace varnoke
