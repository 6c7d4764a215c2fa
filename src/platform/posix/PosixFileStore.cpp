#include "platform/posix/PosixFileStore.h"

#include <cerrno>
#include <string>

#include "platform/posix/AtomicFile.h"

namespace varnoke {

IoError IoErrorFromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return {IoErrorKind::NotFound, error};
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return {IoErrorKind::AccessDenied, error};
    case ENOSPC:
    case EDQUOT:
      return {IoErrorKind::DiskFull, error};
    default:
      return {IoErrorKind::Other, error};
  }
}

FileBytes PosixFileStore::ReadAll(std::string_view path) {
  ReadOutcome read = ReadWholeFile(std::string(path));
  FileBytes out;
  if (read.Error != 0) {
    out.Error = IoErrorFromErrno(read.Error);
  } else {
    out.Bytes = std::move(read.Bytes);
  }
  return out;
}

std::optional<IoError> PosixFileStore::Save(std::string_view path, std::string_view bytes) {
  const int error = ReplaceFileAtomically(std::string(path), bytes, 0666);
  if (error == 0) return std::nullopt;
  return IoErrorFromErrno(error);
}

}  // namespace varnoke
