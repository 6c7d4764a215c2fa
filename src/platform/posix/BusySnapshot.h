#pragma once
// Which files other programs hold on Linux, seen in one look at the whole system: the
// locks of /proc/locks (flock, POSIX and open-file-description locks, leases) and the
// files that other processes hold open for writing (/proc/PID/fd). A file open only
// for reading is free: renaming it harms nobody. Processes of other users are hidden
// from an ordinary user, and so are their open files; their locks are not.
#include <sys/types.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace varnoke {

// A file by device and inode.
struct FileKey {
  std::uint64_t Dev = 0;
  std::uint64_t Ino = 0;
  auto operator<=>(const FileKey&) const = default;
};

class BusySnapshot {
 public:
  // Takes the look now; this process's own locks and descriptors do not count. With
  // `only`, a look for that one file (it stops once the file is found).
  static BusySnapshot Take(const FileKey* only = nullptr);

  // Whether another program held the file when the look was taken. Safe to ask from
  // several threads at once.
  bool Holds(FileKey key) const;
  std::size_t Size() const { return keys_.size(); }

  // The locked files of /proc/locks text, those of process `self` left out.
  static void AddLocked(std::string_view locks, pid_t self, std::vector<FileKey>& out);

 private:
  std::vector<FileKey> keys_;  // sorted
};

}  // namespace varnoke
