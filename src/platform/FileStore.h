#pragma once
// Reading and writing the program's own files (option sets, file lists) as whole
// files. Saving replaces a file atomically: a failure or a crash leaves the old
// file whole. Errors come back as the kinds the program's messages distinguish.
#include <optional>
#include <string>
#include <string_view>

namespace varnoke {

enum class IoErrorKind { NotFound, AccessDenied, DiskFull, Other };

struct IoError {
  IoErrorKind Kind = IoErrorKind::Other;
  int Code = 0;  // the system's error number
  bool operator==(const IoError&) const = default;
};

struct FileBytes {
  std::string Bytes;
  std::optional<IoError> Error;
};

class FileStore {
 public:
  virtual ~FileStore() = default;
  virtual FileBytes ReadAll(std::string_view path) = 0;
  // Makes `bytes` the whole content of the file, creating or replacing it.
  virtual std::optional<IoError> Save(std::string_view path, std::string_view bytes) = 0;
};

}  // namespace varnoke
