#pragma once
// Which planned names a file on disk already takes. Where many names are tested in one
// directory, the directory is read once and the rest are answered from its names,
// folded as the platform compares names; a few names are asked one by one. A directory
// whose names compare without case although the rules compare exactly (a vfat mount
// under the Linux rules) is always asked name by name.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/HashSlots.h"
#include "platform/FileSystem.h"

namespace varnoke {

class ExistingNames {
 public:
  // `readAfter`: the number of tests in one directory after which it is read whole.
  explicit ExistingNames(FileSystem& fs, int readAfter = 64) : fs_(fs), readAfter_(readAfter) {}

  // Whether an entry that is no directory has this name, as FileSystem::Exists answers.
  bool Exists(std::string_view directory, std::string_view name, std::string_view ext);

  FileSystem& Fs() const { return fs_; }

 private:
  enum class Kind { File, Link };
  struct Directory {
    int Tests = 0;
    bool Read = false;     // Names holds the directory's entries
    bool Refused = false;  // unreadable, or folding case: asked name by name
    // The names (folded where the platform folds) and kinds of its entries, by position.
    std::vector<std::string> Names;
    std::vector<Kind> Kinds;
    HashSlots<int, -1> Index;

    void Add(std::string key, Kind kind);
    // The position of `key`, -1 when no entry has it.
    int Find(std::string_view key) const;
    void Forget();
  };

  std::string Key(std::string_view fileName) const;
  void ReadWhole(const std::string& directory, Directory& d);

  FileSystem& fs_;
  int readAfter_;
  std::unordered_map<std::string, Directory> directories_;
  std::string lastName_;  // most names land where the one before did
  Directory* last_ = nullptr;
};

}  // namespace varnoke
