#pragma once
// One listed file (a snapshot taken when it was listed) and the ordered file list
// of a file-list window.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/FileTime.h"

namespace varnoke {

class TVrnFile {
 public:
  TVrnFile() = default;
  TVrnFile(bool busy, std::shared_ptr<const std::string> path, std::string_view name,
           std::string_view ext, std::uint64_t size, std::uint32_t attr, FileTime created,
           FileTime accessed, FileTime written);

  std::string_view Path() const { return path_ ? std::string_view(*path_) : std::string_view(); }
  std::string_view Name() const { return std::string_view(text_).substr(0, nameLength_); }
  std::string_view Ext() const { return std::string_view(text_).substr(nameLength_); }
  // The directory text, shared between the entries of one directory.
  const std::shared_ptr<const std::string>& SharedPath() const { return path_; }

  void SetPath(std::string_view path);
  void SetSharedPath(std::shared_ptr<const std::string> path) { path_ = std::move(path); }
  void SetName(std::string_view name);
  void SetExt(std::string_view ext);

  bool Busy = false;
  // The time the photo or video was taken, read from the file the first time something
  // needs it and kept for as long as the entry lives: a cache, so also filled in an entry
  // that is otherwise only read.
  enum class Taken : std::uint8_t {
    Unread,
    None,   // the file records no time taken
    Found,  // TimeTaken holds it
  };
  mutable Taken TakenState = Taken::Unread;
  // Read from a file whose size or last-write time were no longer those listed: used for
  // the work at hand and read again when next needed.
  mutable bool TakenStale = false;
  mutable FileTime TimeTaken = 0;  // local wall-clock time
  std::uint64_t Size = 0;          // the whole size: a 5 GiB video is 5 GiB
  std::uint32_t Attr = 0;
  FileTime Created = 0;
  FileTime Accessed = 0;
  FileTime Written = 0;

 private:
  std::shared_ptr<const std::string> path_;
  std::string text_;  // name followed by extension: one short string, no heap for most names
  std::uint32_t nameLength_ = 0;
};

// Sort keys of the file list: 0 Path, 1 Name, 2 Ext, 3 Size, 4 Attr, 5 Created,
// 6 Accessed, 7 Written.
inline constexpr int kFileSortKeyCount = 8;

class TVrnFiles {
 public:
  int Count() const { return static_cast<int>(entries_.size()); }
  TVrnFile& Items(int i) { return entries_.at(static_cast<std::size_t>(i)); }
  const TVrnFile& Items(int i) const { return entries_.at(static_cast<std::size_t>(i)); }

  // Appends an entry with exactly these values and returns its index. Entries of the
  // same directory added one after another share one copy of the directory text.
  int AddEntry(bool busy, std::string_view path, std::string_view name, std::string_view ext,
               std::uint64_t size, std::uint32_t attr, FileTime created, FileTime accessed,
               FileTime written);
  // Appends a copy of an entry (of another list), with what it has read of its file.
  void AddCopy(const TVrnFile& entry) { entries_.push_back(entry); }
  // Moves every entry of `from` to the end of this list, leaving `from` empty.
  void TakeAll(TVrnFiles& from);
  void Delete(int i);
  // Removes the given positions, highest first, so the others do not shift.
  void DeletePositions(std::vector<int> positions);
  // Takes the entry out at `from` and inserts it at `to`.
  void Move(int from, int to);
  void Clear() { entries_.clear(); }
  // Stable ascending sort by one key; a key outside 0..7 changes nothing. Returns
  // whether the key was valid.
  bool Sort(int key);
  // The same stable ascending sort by a key given for each entry, in list order (a
  // list of another length changes nothing).
  void SortByKeys(const std::vector<std::uint64_t>& keys);
  void Reserve(int n) { entries_.reserve(static_cast<std::size_t>(n)); }

  std::vector<TVrnFile>::iterator begin() { return entries_.begin(); }
  std::vector<TVrnFile>::iterator end() { return entries_.end(); }
  std::vector<TVrnFile>::const_iterator begin() const { return entries_.begin(); }
  std::vector<TVrnFile>::const_iterator end() const { return entries_.end(); }

 private:
  std::vector<TVrnFile> entries_;
};

// Byte-wise, unsigned comparison of two texts: the shorter is smaller on a common prefix.
inline bool ByteLess(std::string_view a, std::string_view b) {
  return a < b;
}

}  // namespace varnoke
