#pragma once
// Whole-file reading and replacing on Linux. A file is replaced by writing a new
// file beside it, syncing it and renaming it over the old one, so that a failure
// or a crash at any moment leaves the old file whole.
#include <string>
#include <string_view>

namespace varnoke {

struct ReadOutcome {
  std::string Bytes;
  int Error = 0;  // errno; 0 on success
};

ReadOutcome ReadWholeFile(const std::string& path);
// The same from an open descriptor, read from where it stands; left open.
ReadOutcome ReadWholeDescriptor(int fd);

// Writes `bytes` as the new content of `path`; returns 0 or the errno of the first
// failure. A new file gets `newMode` (less the umask); a replaced one keeps its
// mode. A file without write permission is refused (EACCES), as an exclusive open
// for writing would refuse it, even for root. A symbolic link is followed.
int ReplaceFileAtomically(const std::string& path, std::string_view bytes, unsigned newMode);

// Creates a directory and those above it (mode 0700 for the new ones); 0 or errno.
int CreateDirectories(const std::string& path);

}  // namespace varnoke
