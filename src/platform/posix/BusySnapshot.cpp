#include "platform/posix/BusySnapshot.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <thread>

#include "platform/posix/Fd.h"

namespace varnoke {
namespace {

constexpr std::size_t kMaxThreads = 4;
// Below this many processes per thread a thread costs more than it saves.
constexpr std::size_t kProcessesPerThread = 64;

std::string ReadWhole(const char* path) {
  std::string text;
  Fd fd(::open(path, O_RDONLY | O_CLOEXEC));
  if (!fd) return text;
  std::array<char, 16384> buffer;
  for (;;) {
    const ssize_t n = ::read(fd.Get(), buffer.data(), buffer.size());
    if (n <= 0) break;
    text.append(buffer.data(), static_cast<std::size_t>(n));
  }
  return text;
}

// The next blank-separated word of `line` from `pos`.
std::string_view NextWord(std::string_view line, std::size_t& pos) {
  while (pos < line.size() && line[pos] == ' ') ++pos;
  const std::size_t begin = pos;
  while (pos < line.size() && line[pos] != ' ') ++pos;
  return line.substr(begin, pos - begin);
}

template <typename T>
bool ParseNumber(std::string_view text, T& value, int base = 10) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return error == std::errc() && end == text.data() + text.size();
}

// "08:01:1234": major and minor in hex, the inode in decimal.
bool ParseDeviceInode(std::string_view text, FileKey& key) {
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos) return false;
  unsigned major = 0, minor = 0;
  if (!ParseNumber(text.substr(0, first), major, 16) ||
      !ParseNumber(text.substr(first + 1, second - first - 1), minor, 16) ||
      !ParseNumber(text.substr(second + 1), key.Ino))
    return false;
  key.Dev = makedev(major, minor);
  return true;
}

// Adds the regular files that process `pid` holds open for writing. A process we may
// not look at (another user's) is passed over.
void AddWriters(int proc, std::string_view pid, const FileKey* only, std::vector<FileKey>& out) {
  std::array<char, 32> path{};
  const std::size_t n = std::min(pid.size(), path.size() - 4);
  std::copy_n(pid.data(), n, path.data());
  std::copy_n("/fd", 4, path.data() + n);
  Fd dir(::openat(proc, path.data(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir) return;
  alignas(dirent64) std::array<char, 8192> buffer;
  for (;;) {
    const ssize_t got = ::getdents64(dir.Get(), buffer.data(), buffer.size());
    if (got <= 0) return;
    for (ssize_t at = 0; at < got;) {
      const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + at);
      at += entry->d_reclen;
      if (entry->d_name[0] == '.') continue;
      // The link's own permission bits are the open mode: write permission means the
      // descriptor was opened for writing.
      struct stat link;
      if (::fstatat(dir.Get(), entry->d_name, &link, AT_SYMLINK_NOFOLLOW) != 0 ||
          (link.st_mode & S_IWUSR) == 0)
        continue;
      struct stat target;
      if (::fstatat(dir.Get(), entry->d_name, &target, 0) != 0 || !S_ISREG(target.st_mode))
        continue;
      const FileKey key{target.st_dev, target.st_ino};
      if (only && key != *only) continue;
      out.push_back(key);
      if (only) return;
    }
  }
}

}  // namespace

void BusySnapshot::AddLocked(std::string_view locks, pid_t self, std::vector<FileKey>& out) {
  // "1: POSIX  ADVISORY  WRITE 1234 08:01:1234 0 EOF", a waiter with "->" after the
  // number; an open-file-description lock shows the process -1.
  while (!locks.empty()) {
    const std::size_t end = std::min(locks.find('\n'), locks.size());
    const std::string_view line = locks.substr(0, end);
    locks.remove_prefix(std::min(end + 1, locks.size()));
    std::size_t pos = 0;
    NextWord(line, pos);  // the number
    std::string_view word = NextWord(line, pos);
    if (word == "->") word = NextWord(line, pos);  // the kind
    NextWord(line, pos);                           // advisory, mandatory, active...
    NextWord(line, pos);                           // read or write
    long pid = 0;
    FileKey key;
    if (!ParseNumber(NextWord(line, pos), pid) || pid == self) continue;
    if (ParseDeviceInode(NextWord(line, pos), key)) out.push_back(key);
  }
}

BusySnapshot BusySnapshot::Take(const FileKey* only) {
  BusySnapshot snapshot;
  std::vector<FileKey>& keys = snapshot.keys_;
  const pid_t self = ::getpid();
  AddLocked(ReadWhole("/proc/locks"), self, keys);
  if (only) {
    const bool locked = std::find(keys.begin(), keys.end(), *only) != keys.end();
    keys.clear();
    if (locked) keys.push_back(*only);
  }

  Fd proc(::open("/proc", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (only && !keys.empty()) return snapshot;
  std::vector<std::string> pids;
  const std::string own = std::to_string(self);
  alignas(dirent64) std::array<char, 32768> buffer;
  for (;;) {
    const ssize_t got = proc ? ::getdents64(proc.Get(), buffer.data(), buffer.size()) : 0;
    if (got <= 0) break;
    for (ssize_t at = 0; at < got;) {
      const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + at);
      at += entry->d_reclen;
      const std::string_view name = entry->d_name;
      if (!name.empty() && name[0] >= '1' && name[0] <= '9' && name != own) pids.emplace_back(name);
    }
  }
  // Looking at every descriptor of every process is the costly part; it is shared
  // among the cores, each walking its own share of the processes.
  const std::size_t parts = std::clamp<std::size_t>(
      std::min<std::size_t>(std::thread::hardware_concurrency(), kMaxThreads), 1,
      std::max<std::size_t>(1, pids.size() / kProcessesPerThread));
  std::vector<std::vector<FileKey>> found(parts);
  {
    std::vector<std::jthread> workers;
    for (std::size_t t = 1; t < parts; ++t)
      workers.emplace_back([&, t] {
        for (std::size_t i = t; i < pids.size(); i += parts)
          AddWriters(proc.Get(), pids[i], only, found[t]);
      });
    for (std::size_t i = 0; i < pids.size(); i += parts)
      AddWriters(proc.Get(), pids[i], only, found[0]);
  }
  for (const std::vector<FileKey>& part : found) keys.insert(keys.end(), part.begin(), part.end());
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  return snapshot;
}

bool BusySnapshot::Holds(FileKey key) const {
  return std::binary_search(keys_.begin(), keys_.end(), key);
}

}  // namespace varnoke
