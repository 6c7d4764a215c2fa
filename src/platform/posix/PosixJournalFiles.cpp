#include "platform/posix/PosixJournalFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "platform/posix/AtomicFile.h"
#include "platform/posix/PosixFileStore.h"

namespace varnoke {
namespace {

constexpr std::string_view kJournalExtension = ".vnj";

// Records are stored into the journal's pages mapped into memory: a stored record is in
// the kernel's page cache at once, so a killed process loses none, and a record costs
// no system call. Large blocks (the entries, written before the first change) are
// written with pwrite instead: the kernel copies them into its page cache without the
// fault that a first store into each mapped page costs, which on a virtual machine
// costs more than the copy. The file grows by whole chunks whose blocks are reserved
// beforehand (a full disk is then a failed append, never a fault on a store); a journal
// closed in order is cut to its records, while a killed run's ends in zero bytes, which
// the reader takes as the end.
class PosixAppendFile final : public AppendFile {
 public:
  // `end`: where the records end; appends go on from there, and once something was
  // appended the file is cut to its records when closed.
  PosixAppendFile(int fd, std::uint64_t end) : fd_(fd), used_(end), capacity_(end) {}
  ~PosixAppendFile() override {
    Unmap();
    if (capacity_ > used_ && ::ftruncate(fd_, static_cast<off_t>(used_)) != 0) {
      // The zero bytes left at the end are read as the end of the journal.
    }
    ::close(fd_);
  }
  PosixAppendFile(const PosixAppendFile&) = delete;
  PosixAppendFile& operator=(const PosixAppendFile&) = delete;

  bool Append(std::string_view bytes) override {
    if (used_ + bytes.size() > capacity_ && !Grow(used_ + bytes.size())) return false;
    if (bytes.size() >= kWrittenFrom) return WriteAtEnd(bytes);
    if (!map_ && !Map()) return false;
    std::memcpy(map_ + (used_ - mapStart_), bytes.data(), bytes.size());
    used_ += bytes.size();
    return true;
  }
  // Pages stored through the mapping are written back by fdatasync as any others.
  bool Flush() override { return ::fdatasync(fd_) == 0; }

 private:
  static constexpr std::uint64_t kChunk = 4 << 20;
  static constexpr std::size_t kWrittenFrom = 64 << 10;

  // Reserves whole chunks up to `needed`; the mapping is made again when next used.
  bool Grow(std::uint64_t needed) {
    const std::uint64_t capacity = (needed + kChunk - 1) / kChunk * kChunk;
    if (::posix_fallocate(fd_, static_cast<off_t>(capacity_),
                          static_cast<off_t>(capacity - capacity_)) != 0)
      return false;
    Unmap();
    capacity_ = capacity;
    return true;
  }
  // Maps the file from the page that holds its end to its reserved size.
  bool Map() {
    const std::uint64_t page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    mapStart_ = used_ / page * page;
    mapLength_ = static_cast<std::size_t>(capacity_ - mapStart_);
    void* map = ::mmap(nullptr, mapLength_, PROT_READ | PROT_WRITE, MAP_SHARED, fd_,
                       static_cast<off_t>(mapStart_));
    map_ = map == MAP_FAILED ? nullptr : static_cast<char*>(map);
    return map_ != nullptr;
  }
  void Unmap() {
    if (map_) ::munmap(map_, mapLength_);
    map_ = nullptr;
  }
  // The end moves only once every byte is written; a failed write leaves what it wrote
  // past the end, cut off when the file is closed.
  bool WriteAtEnd(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n =
          ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(used_ + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += static_cast<std::size_t>(n);
    }
    used_ += bytes.size();
    return true;
  }

  int fd_;
  std::uint64_t used_;      // where the records end
  std::uint64_t capacity_;  // the file's size
  char* map_ = nullptr;     // the file from mapStart_ to its end
  std::uint64_t mapStart_ = 0;
  std::size_t mapLength_ = 0;
};

// Where the records of a journal end: before the zero bytes a killed run leaves.
std::uint64_t RecordsEnd(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return 0;
  std::uint64_t end = static_cast<std::uint64_t>(st.st_size);
  std::array<char, 1 << 16> block;
  while (end > 0) {
    const std::uint64_t from = end > block.size() ? end - block.size() : 0;
    const ssize_t n =
        ::pread(fd, block.data(), static_cast<std::size_t>(end - from), static_cast<off_t>(from));
    if (n <= 0) break;
    for (ssize_t i = n; i > 0; --i)
      if (block[static_cast<std::size_t>(i - 1)] != '\0')
        return from + static_cast<std::uint64_t>(i);
    end = from;
  }
  return end;
}

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
  const int fd = ::open(PathOf(name).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return std::nullopt;
  const std::uint64_t end = RecordsEnd(fd);
  ::close(fd);
  return end;
}

std::unique_ptr<AppendFile> PosixJournalDirectory::Create(std::string_view name, IoError& error) {
  if (const int made = CreateDirectories(directory_); made != 0) {
    error = IoErrorFromErrno(made);
    return nullptr;
  }
  const int fd = OpenHeld(PathOf(name), O_RDWR | O_CREAT | O_EXCL);
  if (fd < 0) {
    error = IoErrorFromErrno(errno);
    return nullptr;
  }
  return std::make_unique<PosixAppendFile>(fd, 0);
}

std::unique_ptr<AppendFile> PosixJournalDirectory::Hold(std::string_view name) {
  const int fd = OpenHeld(PathOf(name), O_RDWR);
  if (fd < 0) return nullptr;
  return std::make_unique<PosixAppendFile>(fd, RecordsEnd(fd));
}

bool PosixJournalDirectory::Remove(std::string_view name) {
  return ::unlink(PathOf(name).c_str()) == 0;
}

bool PosixJournalDirectory::Rename(std::string_view from, std::string_view to) {
  return ::renameat2(AT_FDCWD, PathOf(from).c_str(), AT_FDCWD, PathOf(to).c_str(),
                     RENAME_NOREPLACE) == 0;
}

}  // namespace varnoke
