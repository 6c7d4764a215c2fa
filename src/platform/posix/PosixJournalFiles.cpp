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
#include <cstdio>
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
// costs more than the copy. The file grows by steps whose blocks are reserved
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

  // Room is kept back at the end for the last record, so that a journal that runs out
  // of space can still say so.
  bool Append(std::string_view bytes) override { return AppendWithin(bytes, kKeptBack); }
  bool AppendLast(std::string_view bytes) override { return AppendWithin(bytes, 0); }
  // Pages stored through the mapping are written back by fdatasync as any others.
  bool Flush() override { return ::fdatasync(fd_) == 0; }

 private:
  static constexpr std::uint64_t kKeptBack = 64;

  bool AppendWithin(std::string_view bytes, std::uint64_t keptBack) {
    const std::uint64_t needed = used_ + bytes.size() + keptBack;
    if (needed > capacity_ && !Grow(needed)) return false;
    if (bytes.size() >= kWrittenFrom) return WriteAtEnd(bytes);
    if (!map_ && !Map()) return false;
    std::memcpy(map_ + (used_ - mapStart_), bytes.data(), bytes.size());
    used_ += bytes.size();
    return true;
  }

  // The first reservation is small, so that a small run on a nearly full disk keeps its
  // journal; each next one is twice the last, up to kLastStep, so a large run makes few.
  static constexpr std::uint64_t kFirstStep = 64 << 10;
  static constexpr std::uint64_t kLastStep = 4 << 20;
  static constexpr std::size_t kWrittenFrom = 64 << 10;

  // Reserves steps up to `needed`; the mapping is made again when next used.
  bool Grow(std::uint64_t needed) {
    std::uint64_t capacity = capacity_;
    while (capacity < needed) {
      capacity += step_;
      step_ = std::min(step_ * 2, kLastStep);
    }
    if (!Reserve(capacity)) {
      // Where a whole step no longer fits, what is needed still may; the steps start
      // small again.
      step_ = kFirstStep;
      capacity = needed;
      if (!Reserve(capacity)) return false;
    }
    Unmap();
    capacity_ = capacity;
    return true;
  }
  // Grows the file to `capacity` with its blocks reserved; on failure it stays as it was.
  bool Reserve(std::uint64_t capacity) {
    if (::posix_fallocate(fd_, static_cast<off_t>(capacity_),
                          static_cast<off_t>(capacity - capacity_)) == 0)
      return true;
    // A reservation that the disk ran out of on the way may have grown the file.
    if (::ftruncate(fd_, static_cast<off_t>(capacity_)) != 0) {
      // Then zero bytes follow the records, which the reader takes as their end.
    }
    return false;
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
  std::uint64_t used_;               // where the records end
  std::uint64_t capacity_;           // the file's size
  std::uint64_t step_ = kFirstStep;  // the next reservation
  char* map_ = nullptr;              // the file from mapStart_ to its end
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

// Why a file is not to be trusted as the user's own, by what its descriptor shows: empty
// when it belongs to the user the program runs as and neither group nor others may write
// it. A journal that another user could have written or put in place would let that
// user have files moved and removed in our name.
std::string Distrust(const struct stat& st, bool directory) {
  if (directory && !S_ISDIR(st.st_mode)) return "is not a directory";
  if (!directory && !S_ISREG(st.st_mode)) return "is not a regular file";
  if (st.st_uid != ::geteuid())
    return "is owned by user " + std::to_string(st.st_uid) + ", not by you";
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    char mode[16];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 07777));
    return std::string("can be written by others (mode ") + mode + ")";
  }
  return {};
}

// A name of the directory itself, never a way out of it.
bool PlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

// Takes the exclusive hold of an opened journal; on failure the journal is closed.
void TakeHold(Fd& journal, int& error) {
  if (journal && ::flock(journal.Get(), LOCK_EX | LOCK_NB) != 0) {
    error = errno;
    journal = Fd();
  }
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

PosixJournalDirectory::PosixJournalDirectory(std::string directory)
    : directory_(std::move(directory)) {
  while (directory_.size() > 1 && directory_.back() == '/') directory_.pop_back();
}

// What an open gave: the file, judged by what its descriptor shows, or the errno of the
// open with the cause it tells (`why`, possibly empty). A refusal names `what`.
PosixJournalDirectory::Opened PosixJournalDirectory::Judged(Fd file, int error, std::string why,
                                                            bool directory,
                                                            const std::string& what) {
  Opened out;
  struct stat st {};
  if (!file) {
    out.Error = error;
  } else if (::fstat(file.Get(), &st) != 0) {
    out.Error = errno;
  } else if (why = Distrust(st, directory); why.empty()) {
    out.File = std::move(file);
  }
  if (!why.empty()) out = Opened{Fd(), EPERM, what + " " + why};
  return out;
}

PosixJournalDirectory::Opened PosixJournalDirectory::OpenDirectory() const {
  Fd file(::open(directory_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  const int error = file ? 0 : errno;
  std::string why;
  // A symbolic link fails the open as anything else that is no directory does; the look
  // at the path only words the message.
  struct stat st {};
  if ((error == ENOTDIR || error == ELOOP) && ::lstat(directory_.c_str(), &st) == 0)
    why = S_ISLNK(st.st_mode) ? "is a symbolic link" : "is not a directory";
  return Judged(std::move(file), error, why, true, "The run journal directory " + directory_);
}

PosixJournalDirectory::Opened PosixJournalDirectory::OpenJournal(const Fd& directory,
                                                                 std::string_view name,
                                                                 int flags) const {
  if (!PlainName(name)) return Opened{Fd(), EINVAL, {}};
  // Not blocking: a pipe put in a journal's place is refused, not waited on.
  Fd file(::openat(directory.Get(), std::string(name).c_str(),
                   flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600));
  const int error = file ? 0 : errno;
  return Judged(std::move(file), error, error == ELOOP ? "is a symbolic link" : "", false,
                "The run journal " + directory_ + "/" + std::string(name));
}

PosixJournalDirectory::Opened PosixJournalDirectory::OpenJournal(std::string_view name,
                                                                 int flags) const {
  Opened directory = OpenDirectory();
  if (!directory.File) return directory;
  return OpenJournal(directory.File, name, flags);
}

std::string PosixJournalDirectory::Refusal(std::string_view name) {
  Opened directory = OpenDirectory();
  if (!directory.File || name.empty()) return directory.Refusal;
  return OpenJournal(directory.File, name, O_RDONLY).Refusal;
}

std::vector<std::string> PosixJournalDirectory::Names() {
  std::vector<std::string> names;
  Opened directory = OpenDirectory();
  DIR* dir = directory.File ? ::fdopendir(directory.File.Get()) : nullptr;
  if (!dir) return names;
  directory.File.Release();  // closed with the listing
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (EndsWith(name, kJournalExtension) && name.front() != '.') names.emplace_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

FileBytes PosixJournalDirectory::Read(std::string_view name) {
  FileBytes out;
  const Opened journal = OpenJournal(name, O_RDONLY);
  ReadOutcome read =
      journal.File ? ReadWholeDescriptor(journal.File.Get()) : ReadOutcome{{}, journal.Error};
  if (read.Error != 0)
    out.Error = IoErrorFromErrno(read.Error);
  else
    out.Bytes = std::move(read.Bytes);
  return out;
}

FileBytes PosixJournalDirectory::ReadPart(std::string_view name, std::uint64_t offset,
                                          std::size_t length) {
  FileBytes out;
  const Opened journal = OpenJournal(name, O_RDONLY);
  if (!journal.File) {
    out.Error = IoErrorFromErrno(journal.Error);
    return out;
  }
  out.Bytes.resize(length);
  std::size_t got = 0;
  while (got < length) {
    const ssize_t n = ::pread(journal.File.Get(), out.Bytes.data() + got, length - got,
                              static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) out.Error = IoErrorFromErrno(errno);
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  out.Bytes.resize(got);
  return out;
}

std::optional<std::uint64_t> PosixJournalDirectory::SizeOf(std::string_view name) {
  const Opened journal = OpenJournal(name, O_RDONLY);
  if (!journal.File) return std::nullopt;
  return RecordsEnd(journal.File.Get());
}

std::unique_ptr<AppendFile> PosixJournalDirectory::Create(std::string_view name, IoError& error) {
  if (const int made = CreateDirectories(directory_); made != 0) {
    error = IoErrorFromErrno(made);
    return nullptr;
  }
  Opened journal = OpenJournal(name, O_RDWR | O_CREAT | O_EXCL);
  // Exactly 0600, whatever the umask left of it.
  if (journal.File && ::fchmod(journal.File.Get(), 0600) != 0) {
    journal.Error = errno;
    journal.File = Fd();
  }
  TakeHold(journal.File, journal.Error);
  if (!journal.File) {
    error = IoErrorFromErrno(journal.Error);
    return nullptr;
  }
  return std::make_unique<PosixAppendFile>(journal.File.Release(), 0);
}

std::unique_ptr<AppendFile> PosixJournalDirectory::Hold(std::string_view name) {
  Opened journal = OpenJournal(name, O_RDWR);
  TakeHold(journal.File, journal.Error);
  if (!journal.File) return nullptr;
  const std::uint64_t end = RecordsEnd(journal.File.Get());
  return std::make_unique<PosixAppendFile>(journal.File.Release(), end);
}

// The directory is the user's own and nobody else may write it, so no other user can
// put another file under the name between the look at the journal and its removal.
bool PosixJournalDirectory::Remove(std::string_view name) {
  const Opened directory = OpenDirectory();
  if (!directory.File || !OpenJournal(directory.File, name, O_RDONLY).File) return false;
  return ::unlinkat(directory.File.Get(), std::string(name).c_str(), 0) == 0;
}

bool PosixJournalDirectory::Rename(std::string_view from, std::string_view to) {
  const Opened directory = OpenDirectory();
  if (!directory.File || !PlainName(to) || !OpenJournal(directory.File, from, O_RDONLY).File)
    return false;
  return ::renameat2(directory.File.Get(), std::string(from).c_str(), directory.File.Get(),
                     std::string(to).c_str(), RENAME_NOREPLACE) == 0;
}

}  // namespace varnoke
