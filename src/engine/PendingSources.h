#pragma once
// Where the files of a run lie until their turn: the current source path of every
// preview position, and a hash index over the pending ones, so that a file in the way
// is recognised as one that the same run will move on in constant time.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/HashSlots.h"
#include "platform/FileSystem.h"

namespace varnoke {

class PendingSources {
 public:
  PendingSources(FileSystem& fs, int entries);

  // The file of `entry` lies at `path` and waits for its turn.
  void Add(int entry, std::string path);
  // Its turn has come: the file is no longer found in the way.
  void Remove(int entry);
  // The file of a pending entry now lies at `path`.
  void MoveTo(int entry, std::string path);
  // Where the file of `entry` lies (as last added or moved).
  const std::string& Source(int entry) const { return sources_[static_cast<std::size_t>(entry)]; }
  // The pending entry whose file lies at `path`, also when a mount that ignores case
  // reaches it under another spelling; -1 when there is none.
  int Find(std::string_view path);

 private:
  FileSystem& fs_;
  bool rulesFold_;
  std::vector<std::string> sources_;
  // Hash of the case-folded path -> entry. Folded even where names compare exactly, so
  // that a candidate under another spelling is found and the file system asked.
  HashSlots<int, -1> index_;
};

}  // namespace varnoke
