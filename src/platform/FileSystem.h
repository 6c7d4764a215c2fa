#pragma once
// Every file operation the program needs, behind one interface: the POSIX backend
// implements it on the real file system, the fake one in memory for staged faults.
// Paths are full paths in the form of Rules(); times are UTC FILETIMEs.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
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

// What a file is, whatever its name: a rename keeps it, a copy gets a new one. Inode 0:
// not known.
struct FileId {
  std::uint64_t Device = 0;
  std::uint64_t Inode = 0;
  explicit operator bool() const { return Inode != 0; }
  bool operator==(const FileId&) const = default;
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
  // Needs an open for ReadWrite. On a link, the link's own times change, never its
  // target's.
  virtual bool SetTimes(const FileTime* created, const FileTime* accessed,
                        const FileTime* written) = 0;
};

// The outcome of a change on disk: success, or the system's reason for the failure as
// an errno value (a Windows backend maps its codes onto the same set).
class FsStatus {
 public:
  FsStatus() = default;  // success
  static FsStatus Failure(int error) { return FsStatus(error == 0 ? EIO : error); }
  static FsStatus Failure(std::errc error) { return Failure(static_cast<int>(error)); }
  explicit operator bool() const { return error_ == 0; }
  int Error() const { return error_; }
  bool Is(std::errc error) const { return error_ == static_cast<int>(error); }
  // The system's text for the reason, e.g. "No space left on device".
  std::string Reason() const { return std::generic_category().message(error_); }

 private:
  explicit FsStatus(int error) : error_(error) {}
  int error_ = 0;
};

// What listing a file finds.
struct ListedFile {
  // Held by another program, unreadable, or no regular file: then Info is all 0.
  bool Busy = false;
  FileInfo Info;
};

// Lists files for a file list. Which files other programs hold is, on some systems, only
// seen by a look at the whole system; such a backend takes that look once, when the
// listing begins, and answers every file from it. List may be called from several
// threads at once.
class Listing {
 public:
  virtual ~Listing() = default;
  // nullopt when no file of that name exists (nothing there, or a directory). A link is
  // listed as itself with its target's data, and is never busy.
  virtual std::optional<ListedFile> List(std::string_view path) const = 0;
};

struct DirEntry {
  std::string Name;  // the name inside the directory, "." and ".." included
  bool IsDirectory = false;
  std::uint32_t Attr = 0;  // attribute bits as GetAttributes would give them
  bool IsLink = false;     // a symbolic link (never IsDirectory, wherever it points)
};

// Told of every file that a copy (or a move to another file system) makes, right before
// it takes its name: a run's journal records what identifies the run's own copies.
class NewFileWatch {
 public:
  virtual ~NewFileWatch() = default;
  virtual void NewFile(const FileId& id) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual const PathRules& Rules() const = 0;

  // Opens a file for exclusive use; nullptr when it cannot be opened so (held by
  // another process, no permission, a directory, missing...). A link to a file opens
  // as the link: its target's data is read, and nothing set on it reaches the target.
  virtual std::unique_ptr<OpenFile> OpenExclusive(std::string_view path, Access access) = 0;

  // Begins a listing (see Listing); ListingScope shares one among many files.
  virtual std::shared_ptr<const Listing> BeginListing() = 0;
  // The listing of the innermost open ListingScope; nullptr when none is open.
  const Listing* OpenListing() const { return openListing_.get(); }

  // Whether a file is busy now, by a fresh look at that one file: held by another
  // program, unreadable, not a regular file, or gone; for ReadWrite also read-only or
  // a running program. Asked right before a file planned busy is changed.
  virtual bool IsBusy(std::string_view path, Access access) = 0;

  // Attribute bits of a file or directory; nullopt when there is no such entry.
  virtual std::optional<std::uint32_t> GetAttributes(std::string_view path) = 0;
  // Sets the read-only, hidden, system and archive bits; false on failure. Never
  // reaches through a link: a link's target keeps its permissions and attributes.
  virtual bool SetAttributes(std::string_view path, std::uint32_t attr) = 0;

  // Whether an entry of that name exists that is not a directory.
  virtual bool Exists(std::string_view path) = 0;
  // Whether two paths name the same file (equal names, or the same file reached
  // under another spelling on a mount that ignores case).
  virtual bool SameFile(std::string_view a, std::string_view b) = 0;

  // Moves or renames a file; never replaces an existing target (EEXIST). A link is
  // moved as itself. Data carried to another file system appears under the target
  // name only once it is whole.
  virtual FsStatus MoveNoReplace(std::string_view from, std::string_view to) = 0;
  // Copies a file to a new name; fails when the target exists. A copy appears under
  // the target name only once it is whole.
  virtual FsStatus CopyNoReplace(std::string_view from, std::string_view to) = 0;
  // Deletes a file for good.
  virtual FsStatus Delete(std::string_view path) = 0;
  // Moves a file to the trash (recycle bin); fails when that cannot be done.
  virtual FsStatus DeleteToTrash(std::string_view path) = 0;
  // Moves a file to the trash as DeleteToTrash does and tells where the trash keeps
  // it, so that it can be brought back; `trashedAt` is empty when that cannot be told.
  virtual FsStatus TrashAndLocate(std::string_view path, std::string& trashedAt) {
    trashedAt.clear();
    return DeleteToTrash(path);
  }
  // Brings a file from where TrashAndLocate said the trash keeps it back to `original`
  // (never over another file) and drops the trash's own note of it.
  virtual FsStatus RestoreFromTrash(std::string_view trashedAt, std::string_view original) {
    return MoveNoReplace(trashedAt, original);
  }
  // The longest file name (in bytes) that the file system holding `directory` takes;
  // nullopt when it cannot be told (no such directory, no limit).
  virtual std::optional<std::size_t> MaxNameLength(std::string_view directory) = 0;

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

  // The places a drive box offers: the root first, the mounted file systems that hold
  // the user's files, and the home directory.
  virtual std::vector<std::string> Volumes() = 0;

  // What the entry at `path` is (a link's own identity, never its target's); nullopt
  // when there is none, or the backend cannot tell.
  virtual std::optional<FileId> IdOf(std::string_view path) {
    (void)path;
    return std::nullopt;
  }
  // The identity of every entry of a directory but "." and "..", from one read of it;
  // false when it cannot be read or the backend cannot tell identities.
  virtual bool EnumerateIds(std::string_view directory,
                            const std::function<void(std::string_view, const FileId&)>& visit) {
    (void)directory;
    (void)visit;
    return false;
  }

  // Whether two files hold the same bytes (false when either cannot be read).
  virtual bool SameContent(std::string_view a, std::string_view b) {
    (void)a;
    (void)b;
    return false;
  }

  // The folders where the trash keeps what it takes from `directory` (a trash's files
  // folder; one that does not exist yet may be among them).
  virtual std::vector<std::string> TrashFolders(std::string_view directory) {
    (void)directory;
    return {};
  }

  // Until called again with nullptr, `watch` hears of every new file a copy makes.
  void WatchNewFiles(NewFileWatch* watch) { newFileWatch_ = watch; }

 protected:
  NewFileWatch* NewFileWatcher() const { return newFileWatch_; }

 private:
  friend class ListingScope;
  std::shared_ptr<const Listing> openListing_;
  NewFileWatch* newFileWatch_ = nullptr;
};

// Every file listed while a scope is open (a drop, a paste, a search, a list file)
// shares one listing, so the system is looked at once, not once per file. An inner
// scope uses the outer one's listing. Opened and closed on one thread.
class ListingScope {
 public:
  explicit ListingScope(FileSystem& fs)
      : fs_(fs), outer_(fs.openListing_), listing_(outer_ ? outer_ : fs.BeginListing()) {
    fs_.openListing_ = listing_;
  }
  ~ListingScope() { fs_.openListing_ = std::move(outer_); }
  ListingScope(const ListingScope&) = delete;
  ListingScope& operator=(const ListingScope&) = delete;

  const Listing& Get() const { return *listing_; }

 private:
  FileSystem& fs_;
  std::shared_ptr<const Listing> outer_;
  std::shared_ptr<const Listing> listing_;
};

}  // namespace varnoke
