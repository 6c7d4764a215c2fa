#pragma once
// The program's own files on Linux: whole reads, saves by temporary file and rename.
#include "platform/FileStore.h"

namespace varnoke {

class PosixFileStore final : public FileStore {
 public:
  FileBytes ReadAll(std::string_view path) override;
  std::optional<IoError> Save(std::string_view path, std::string_view bytes) override;
};

// The kind of an errno value as the messages tell them apart.
IoError IoErrorFromErrno(int error);

}  // namespace varnoke
