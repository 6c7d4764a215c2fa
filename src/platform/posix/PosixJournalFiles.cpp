#include "platform/posix/PosixJournalFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/posix/AtomicFile.h"
#include "platform/posix/PosixFileStore.h"

namespace varnoke {
namespace {

constexpr std::string_view kJournalExtension = ".vnj";

class PosixAppendFile final : public AppendFile {
 public:
  explicit PosixAppendFile(int fd) : fd_(fd) {}
  ~PosixAppendFile() override { ::close(fd_); }
  PosixAppendFile(const PosixAppendFile&) = delete;
  PosixAppendFile& operator=(const PosixAppendFile&) = delete;

  bool Append(std::string_view bytes) override {
    // O_APPEND puts the bytes at the end in one step; a short write (a full disk)
    // leaves a torn last line, which the reader ignores.
    ssize_t written;
    do {
      written = ::write(fd_, bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(bytes.size());
  }
  bool Flush() override { return ::fdatasync(fd_) == 0; }

 private:
  int fd_;
};

// Opens with `flags` and takes the exclusive hold; -1 when either fails (errno set).
int OpenHeld(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

PosixJournalDirectory::PosixJournalDirectory(std::string directory)
    : directory_(std::move(directory)) {
  while (directory_.size() > 1 && directory_.back() == '/') directory_.pop_back();
}

std::string PosixJournalDirectory::PathOf(std::string_view name) const {
  return directory_ + "/" + std::string(name);
}

std::vector<std::string> PosixJournalDirectory::Names() {
  std::vector<std::string> names;
  DIR* dir = ::opendir(directory_.c_str());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (EndsWith(name, kJournalExtension) && name.front() != '.') names.emplace_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

FileBytes PosixJournalDirectory::Read(std::string_view name) {
  ReadOutcome read = ReadWholeFile(PathOf(name));
  FileBytes out;
  if (read.Error != 0)
    out.Error = IoErrorFromErrno(read.Error);
  else
    out.Bytes = std::move(read.Bytes);
  return out;
}

FileBytes PosixJournalDirectory::ReadPart(std::string_view name, std::uint64_t offset,
                                          std::size_t length) {
  FileBytes out;
  const int fd = ::open(PathOf(name).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) {
    out.Error = IoErrorFromErrno(errno);
    return out;
  }
  out.Bytes.resize(length);
  std::size_t got = 0;
  while (got < length) {
    const ssize_t n =
        ::pread(fd, out.Bytes.data() + got, length - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) out.Error = IoErrorFromErrno(errno);
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  out.Bytes.resize(got);
  ::close(fd);
  return out;
}

std::optional<std::uint64_t> PosixJournalDirectory::SizeOf(std::string_view name) {
  struct stat st {};
  if (::stat(PathOf(name).c_str(), &st) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

std::unique_ptr<AppendFile> PosixJournalDirectory::Create(std::string_view name, IoError& error) {
  if (const int made = CreateDirectories(directory_); made != 0) {
    error = IoErrorFromErrno(made);
    return nullptr;
  }
  const int fd = OpenHeld(PathOf(name), O_WRONLY | O_CREAT | O_EXCL | O_APPEND);
  if (fd < 0) {
    error = IoErrorFromErrno(errno);
    return nullptr;
  }
  return std::make_unique<PosixAppendFile>(fd);
}

std::unique_ptr<AppendFile> PosixJournalDirectory::Hold(std::string_view name) {
  const int fd = OpenHeld(PathOf(name), O_WRONLY | O_APPEND);
  if (fd < 0) return nullptr;
  return std::make_unique<PosixAppendFile>(fd);
}

bool PosixJournalDirectory::Remove(std::string_view name) {
  return ::unlink(PathOf(name).c_str()) == 0;
}

bool PosixJournalDirectory::Rename(std::string_view from, std::string_view to) {
  return ::renameat2(AT_FDCWD, PathOf(from).c_str(), AT_FDCWD, PathOf(to).c_str(),
                     RENAME_NOREPLACE) == 0;
}

}  // namespace varnoke
