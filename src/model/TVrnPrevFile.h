#pragma once
// One planned change (a preview entry) and the preview list of a renaming run.
//
// The list holds its entries as vector<unique_ptr<TVrnPrevFile>>: an entry stays at
// the same address for as long as it is in the list, whatever Sort or Delete do to the
// others, so the rename run may keep a pointer or reference to the entry it works on
// and write its new directory, name, extension or busy mark into it.
//
// Contains answers from a hash index of (Path, Name, Ext) kept beside the list, folded
// the way the platform compares names. Writing into an entry through a non-const
// Items() marks the index stale; the next Contains rebuilds it once. So: take an entry
// through Items(i) before changing it, and do not keep writing through an old pointer
// across calls of Contains.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/FileTime.h"
#include "model/HashSlots.h"

namespace varnoke {

class TVrnPrevFile {
 public:
  // A new entry: every number, flag and time zero, every text empty.
  TVrnPrevFile() = default;

  // Planned directory without a trailing separator. The text is shared between the
  // entries of one directory (and with the file entries it came from), so a million
  // entries of one folder hold the directory once.
  std::string_view Path() const { return path_ ? std::string_view(*path_) : std::string_view(); }
  const std::shared_ptr<const std::string>& SharedPath() const { return path_; }
  void SetPath(std::string_view path);
  void SetSharedPath(std::shared_ptr<const std::string> path) { path_ = std::move(path); }

  std::int32_t FileIndex = 0;  // index of the source entry in the file list at planning
  bool Conflict = false;       // the target clashed with a file or an earlier entry
  bool Busy = false;           // the source was busy when listed and still is
  bool NoTimeTaken = false;    // its time taken was needed; it has none, its file time serves
  std::string Name;            // planned name without the dot and the extension
  std::string Ext;             // planned extension without the dot; may be empty
  std::uint64_t Size = 0;
  std::uint32_t Attr = 0;  // planned attribute bits
  FileTime Created = 0;    // planned times, UTC
  FileTime Accessed = 0;
  FileTime Written = 0;

 private:
  std::shared_ptr<const std::string> path_;
};

// Sort keys: 0 FileIndex, 1 Path, 2 Name, 3 Ext, 4 Size (the whole size), 5 Attr (compared
// as signed 32-bit), 6 Created, 7 Accessed, 8 Written.
inline constexpr int kPrevSortKeyCount = 9;

class TVrnPrevFiles {
 public:
  // foldsCase: whether names compare without regard to ASCII letter case on this
  // platform (PathRules::FoldsCase()).
  explicit TVrnPrevFiles(bool foldsCase);
  TVrnPrevFiles(const TVrnPrevFiles&) = delete;
  TVrnPrevFiles& operator=(const TVrnPrevFiles&) = delete;
  TVrnPrevFiles(TVrnPrevFiles&&) = default;
  TVrnPrevFiles& operator=(TVrnPrevFiles&&) = default;
  ~TVrnPrevFiles();

  int Count() const { return static_cast<int>(entries_.size()); }
  const TVrnPrevFile& Items(int i) const { return *entries_.at(Checked(i)); }
  // Writable access; marks the name index for a rebuild (see the note at the top).
  TVrnPrevFile& Items(int i);

  // Appends a copy of every field of `entry`; the caller keeps `entry`.
  void AddCopy(const TVrnPrevFile& entry);
  // Releases the entry at i and closes the gap.
  void Delete(int i);
  // Releases the entries first..last (clamped to the list) and closes the gap once.
  void DeleteRange(int first, int last);
  // Releases every entry, the last first.
  void Clear();
  // Stable ascending sort by one key; a key outside 0..8 changes nothing. Returns
  // whether the key was valid.
  bool Sort(int key);
  // Stable ascending sort by a text each entry gives (compared byte by byte).
  void SortByText(const std::function<std::string(const TVrnPrevFile&)>& text);
  // Whether an entry with the same Path, Name and Ext as `entry` is in the list.
  bool Contains(const TVrnPrevFile& entry) const;

  bool FoldsCase() const { return foldsCase_; }
  void Reserve(int n);

 private:
  static std::size_t Checked(int i);
  std::uint64_t HashOf(const TVrnPrevFile& e) const;
  bool SameKey(const TVrnPrevFile& a, const TVrnPrevFile& b) const;
  void Unindex(const TVrnPrevFile* entry);
  void RebuildIndex() const;

  bool foldsCase_;
  std::vector<std::unique_ptr<TVrnPrevFile>> entries_;
  // The name index, rebuilt on the next look-up once an entry may have changed.
  mutable HashSlots<const TVrnPrevFile*, nullptr> index_;
  mutable bool indexStale_ = false;
};

}  // namespace varnoke
