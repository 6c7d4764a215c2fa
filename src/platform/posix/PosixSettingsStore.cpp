#include "platform/posix/PosixSettingsStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/posix/AtomicFile.h"
#include "platform/posix/RegeditText.h"

namespace varnoke {
namespace {

constexpr unsigned kSettingsMode = 0600;

// An exclusive lock on the lock file beside the settings, held while it lives.
class SettingsLock {
 public:
  explicit SettingsLock(const std::string& directory) {
    if (CreateDirectories(directory) != 0) return;
    const std::string path = directory + "/" + kSettingsFileName + ".lock";
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kSettingsMode);
    if (fd_ < 0) return;
    while (::flock(fd_, LOCK_EX) != 0) {
      if (errno != EINTR) {
        ::close(fd_);
        fd_ = -1;
        return;
      }
    }
  }
  ~SettingsLock() {
    if (fd_ >= 0) ::close(fd_);  // closing drops the lock
  }
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// Moves a damaged file to the first free name of file.bad, file.bad.2, ...;
// gives that name, or an empty text when it could not be moved.
std::string MoveAside(const std::string& file) {
  for (int n = 1; n < 1000; ++n) {
    std::string target = file + ".bad";
    if (n > 1) target.append(1, '.').append(std::to_string(n));
    if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
      return target;
    if (errno == EEXIST) continue;
    if (errno != EINVAL && errno != ENOSYS) return {};
    // A file system without RENAME_NOREPLACE: a hard link never replaces either.
    if (::link(file.c_str(), target.c_str()) == 0) {
      ::unlink(file.c_str());
      return target;
    }
    if (errno != EEXIST) return {};
  }
  return {};
}

}  // namespace

PosixSettingsStore::PosixSettingsStore(std::string directory)
    : directory_(std::move(directory)), file_(directory_ + "/" + kSettingsFileName) {
  SettingsLock lock(directory_);
  LoadLocked(tree_);
}

PosixSettingsStore::Loaded PosixSettingsStore::LoadLocked(SettingsTree& into) {
  const ReadOutcome read = ReadWholeFile(file_);
  if (read.Error == ENOENT) {
    into = SettingsTree();
    return Loaded::Missing;
  }
  if (read.Error != 0) {
    problems_.push_back({file_, {}});
    return Loaded::Unreadable;
  }
  if (auto parsed = ParseRegeditText(read.Bytes)) {
    into = std::move(*parsed);
    return Loaded::Tree;
  }
  problems_.push_back({file_, MoveAside(file_)});
  into = SettingsTree();
  return Loaded::Damaged;
}

void PosixSettingsStore::Record(SettingsChange change) {
  ApplyChange(tree_, change);
  pending_.push_back(std::move(change));
}

bool PosixSettingsStore::KeyExists(std::string_view key) const {
  return tree_.Find(key) != nullptr;
}

std::optional<RegValue> PosixSettingsStore::Read(std::string_view key,
                                                 std::string_view name) const {
  const SettingsKeyNode* node = tree_.Find(key);
  if (node == nullptr) return std::nullopt;
  const RegValue* value = node->FindValue(name);
  return value == nullptr ? std::nullopt : std::optional<RegValue>(*value);
}

std::vector<std::string> PosixSettingsStore::ValueNames(std::string_view key) const {
  std::vector<std::string> names;
  if (const SettingsKeyNode* node = tree_.Find(key))
    for (const auto& [name, value] : node->Values) names.push_back(name);
  return names;
}

std::vector<std::string> PosixSettingsStore::SubkeyNames(std::string_view key) const {
  std::vector<std::string> names;
  if (const SettingsKeyNode* node = tree_.Find(key))
    for (const auto& sub : node->Subkeys) names.push_back(sub.Name);
  return names;
}

void PosixSettingsStore::CreateKey(std::string_view key) {
  for (std::string_view part : KeyParts(key))
    if (!StorableName(part)) return;
  Record({SettingsChange::Kind::CreateKey, std::string(key), {}, {}});
}

bool PosixSettingsStore::Write(std::string_view key, std::string_view name, const RegValue& value) {
  if (!StorableName(name)) return false;
  for (std::string_view part : KeyParts(key))
    if (!StorableName(part)) return false;
  Record({SettingsChange::Kind::Write, std::string(key), std::string(name), value});
  return true;
}

void PosixSettingsStore::DeleteValue(std::string_view key, std::string_view name) {
  Record({SettingsChange::Kind::DeleteValue, std::string(key), std::string(name), {}});
}

void PosixSettingsStore::DeleteAllValues(std::string_view key) {
  Record({SettingsChange::Kind::DeleteAllValues, std::string(key), {}, {}});
}

bool PosixSettingsStore::Flush() {
  if (pending_.empty()) return true;
  SettingsLock lock(directory_);
  if (!lock.Held()) return false;
  SettingsTree fresh;
  switch (LoadLocked(fresh)) {
    case Loaded::Unreadable:
      return false;  // never replace a file that could not even be read
    case Loaded::Damaged:
      fresh = tree_;  // the damaged file is kept aside; what this process holds is all there is
      break;
    case Loaded::Tree:
    case Loaded::Missing:
      for (const SettingsChange& change : pending_) ApplyChange(fresh, change);
      break;
  }
  if (ReplaceFileAtomically(file_, FormatRegeditText(fresh), kSettingsMode) != 0) return false;
  tree_ = std::move(fresh);
  pending_.clear();
  return true;
}

std::vector<SettingsProblem> PosixSettingsStore::TakeProblems() {
  return std::exchange(problems_, {});
}

}  // namespace varnoke
