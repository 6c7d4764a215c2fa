#pragma once
// Where a copy is written until it is whole: an unnamed file in the target's directory
// (O_TMPFILE), or where the file system has none, a named temporary held locked while
// it is written. Neither a failure nor a kill leaves anything under the target name.
#include <string>
#include <string_view>

namespace varnoke {

// rename(2) without replacing, or link + unlink where the file system refuses the flag.
// Returns 0 or the errno of the failure.
int RenameNoReplace(const std::string& from, const std::string& to);

// Named temporaries of copies, for file systems without unnamed files.
inline constexpr std::string_view kPartialPrefix = ".varnoke-part-";

// Removes what killed copies left in `directory`: our own temporaries that nobody holds
// locked and that have not been written to for a minute. Once per directory and process.
void RemoveStalePartials(const std::string& directory);

class PartialFile {
 public:
  PartialFile() = default;
  ~PartialFile();  // an unpublished copy goes
  PartialFile(const PartialFile&) = delete;
  PartialFile& operator=(const PartialFile&) = delete;

  // Opens the copy beside `target`; `unnamed` false skips the unnamed file. 0 or the errno.
  int Open(const std::string& target, bool unnamed = true);
  int Fd() const { return fd_; }
  // Gives the whole copy its name without replacing anything: 0 or the errno.
  int Publish(const std::string& target);

 private:
  int fd_ = -1;
  std::string temp_;
};

}  // namespace varnoke
