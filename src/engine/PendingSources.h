#pragma once
// Where the files of a run still to be renamed lie: a hash index from a source path
// to the position of its preview entry, so that a file in the way can be recognised
// as one that the same run will move on, in constant time.
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/FileSystem.h"

namespace varnoke {

class PendingSources {
 public:
  explicit PendingSources(FileSystem& fs);

  void Add(std::string path, int entry);
  void Remove(std::string_view path, int entry);
  // The pending entry whose source is `path`, also when a mount that ignores case
  // reaches it under another spelling; -1 when there is none.
  int Find(std::string_view path);
  void Reserve(std::size_t n) { index_.reserve(n); }

 private:
  struct Source {
    int Entry;
    std::string Path;  // as spelled; the key is folded
  };
  std::string Key(std::string_view path) const;

  FileSystem& fs_;
  bool rulesFold_;
  std::unordered_multimap<std::string, Source> index_;
};

}  // namespace varnoke
