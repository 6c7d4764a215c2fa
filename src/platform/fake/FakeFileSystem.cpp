#include "platform/fake/FakeFileSystem.h"

#include <algorithm>

#include "model/Attributes.h"

namespace varnoke {

namespace {

constexpr std::array<const char*, kFakeOpCount> kOpNames = {
    "open",   "listing",  "list", "isbusy", "query",  "settimes", "getattr",   "setattr",
    "exists", "samefile", "move", "copy",   "delete", "trash",    "enumerate", "volumes",
};

}  // namespace

// An exclusive hold on a node. It follows the file when the file is renamed, as a
// descriptor does, and must not outlive the file system that made it.
class FakeFileSystem::FakeOpenFile final : public OpenFile {
 public:
  FakeOpenFile(FakeFileSystem& fs, NodePtr node, Access access)
      : fs_(fs), node_(std::move(node)), access_(access) {
    ++node_->Holds;
  }
  ~FakeOpenFile() override { --node_->Holds; }

  std::optional<FileInfo> Query() override {
    if (fs_.Enter(FakeOp::Query, node_->Data.Path) != 0) return std::nullopt;
    return FileInfo{node_->Data.Size, fs_.ReportedAttr(*node_), node_->Data.Times};
  }

  bool SetTimes(const FileTime* created, const FileTime* accessed,
                const FileTime* written) override {
    if (fs_.Enter(FakeOp::SetTimes, node_->Data.Path) != 0) return false;
    if (access_ != Access::ReadWrite) return false;
    FileTimes& t = node_->Data.Times;
    if (created) t.Created = *created;
    if (accessed) t.Accessed = *accessed;
    if (written) t.Written = *written;
    return true;
  }

 private:
  FakeFileSystem& fs_;
  NodePtr node_;
  Access access_;
};

// A listing: the files busy when it began are busy for it; the rest is read when asked.
class FakeFileSystem::FakeListing final : public Listing {
 public:
  explicit FakeListing(FakeFileSystem& fs) : fs_(fs) {
    for (const auto& [key, node] : fs.nodes_)
      if (node->Data.Busy) busy_.push_back(key);
  }

  std::optional<ListedFile> List(std::string_view path) const override {
    const int error = fs_.Enter(FakeOp::List, path);
    NodePtr node = fs_.FindFile(path);
    if (!node) return std::nullopt;
    ListedFile out;
    // A file that cannot be read is listed busy, as one held by another program.
    out.Busy = error != 0 || std::find(busy_.begin(), busy_.end(), fs_.Key(path)) != busy_.end();
    if (!out.Busy) out.Info = FileInfo{node->Data.Size, fs_.ReportedAttr(*node), node->Data.Times};
    return out;
  }

 private:
  FakeFileSystem& fs_;
  std::vector<std::string> busy_;
};

FakeFileSystem::FakeFileSystem(Style style, bool caseInsensitiveStore)
    : BusyBlocksChanges(style == Style::Windows),
      style_(style),
      foldCase_(style == Style::Windows || caseInsensitiveStore) {
  if (style == Style::Windows)
    rules_ = std::make_unique<WindowsPathRules>();
  else
    rules_ = std::make_unique<PosixPathRules>();
}

FakeFileSystem::~FakeFileSystem() = default;

// --- Paths -----------------------------------------------------------------------

namespace {

// The directory part of a full path as spelled, without its separator; "" when the
// path lies in the root.
std::string_view ParentSpelled(std::string_view path, char sep) {
  while (path.size() > 1 && path.back() == sep) path.remove_suffix(1);
  const std::size_t pos = path.rfind(sep);
  return pos == std::string_view::npos ? std::string_view() : path.substr(0, pos);
}

std::string_view LastComponent(std::string_view path, char sep) {
  const std::size_t pos = path.rfind(sep);
  return pos == std::string_view::npos ? path : path.substr(pos + 1);
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

bool IsRootKey(const std::string& key, bool windows) {
  return key.empty() || (windows && key.size() == 2 && key[1] == ':');
}

}  // namespace

std::string FakeFileSystem::Spelled(std::string_view path) const {
  if (style_ == Style::Windows)
    while (path.size() > 1 && path.back() == '.' && path[path.size() - 2] != '\\')
      path.remove_suffix(1);
  return std::string(path);
}

std::string FakeFileSystem::Key(std::string_view path) const {
  const char sep = rules_->Separator();
  while (!path.empty() && path.back() == sep) path.remove_suffix(1);
  // "c:\d\Makefile." is "c:\d\Makefile" under the Windows rules.
  std::string key = Spelled(path);
  return foldCase_ ? AsciiLowerCopy(key) : key;
}

std::string FakeFileSystem::ParentKey(const std::string& key) const {
  return Key(ParentSpelled(key, rules_->Separator()));
}

std::string FakeFileSystem::VolumeOf(const std::string& key) const {
  std::string best;
  for (const std::string& v : volumes_)
    if ((key == v || StartsWith(key, v + rules_->Separator())) && v.size() > best.size()) best = v;
  return best;
}

FakeFileSystem::NodePtr FakeFileSystem::Find(std::string_view path) const {
  auto it = nodes_.find(Key(path));
  return it == nodes_.end() ? nullptr : it->second;
}

FakeFileSystem::NodePtr FakeFileSystem::FindFile(std::string_view path) const {
  NodePtr node = Find(path);
  return node && !node->IsDirectory ? node : nullptr;
}

bool FakeFileSystem::HasDirectory(std::string_view path) const {
  const std::string key = Key(path);
  if (IsRootKey(key, style_ == Style::Windows)) return true;
  auto it = nodes_.find(key);
  return it != nodes_.end() && it->second->IsDirectory;
}

// --- Setting up and looking --------------------------------------------------------

void FakeFileSystem::AddDirectory(std::string_view path) {
  if (HasDirectory(path)) return;
  AddDirectory(ParentSpelled(path, rules_->Separator()));
  auto node = std::make_shared<Node>();
  node->IsDirectory = true;
  node->Data.Path = Spelled(path);
  nodes_[Key(path)] = std::move(node);
}

void FakeFileSystem::AddFile(std::string_view path, std::string_view content, FileTimes times,
                             std::uint32_t attr) {
  AddDirectory(ParentSpelled(path, rules_->Separator()));
  auto node = std::make_shared<Node>();
  node->Data = FakeFile{Spelled(path), std::string(content), content.size(), attr, times};
  nodes_[Key(path)] = std::move(node);
}

bool FakeFileSystem::SetBusy(std::string_view path, bool busy) {
  NodePtr node = FindFile(path);
  if (node) node->Data.Busy = busy;
  return node != nullptr;
}

bool FakeFileSystem::SetSize(std::string_view path, std::uint64_t size) {
  NodePtr node = FindFile(path);
  if (node) node->Data.Size = size;
  return node != nullptr;
}

void FakeFileSystem::AddVolume(std::string_view root) {
  AddDirectory(root);
  volumes_.push_back(Key(root));
}

std::optional<FakeFile> FakeFileSystem::File(std::string_view path) const {
  NodePtr node = FindFile(path);
  if (!node) return std::nullopt;
  return node->Data;
}

std::vector<std::string> FakeFileSystem::FilePaths() const {
  std::vector<std::string> out;
  for (const auto& [key, node] : nodes_)
    if (!node->IsDirectory) out.push_back(node->Data.Path);
  return out;
}

int FakeFileSystem::TotalCalls() const {
  int total = 0;
  for (int n : calls_) total += n;
  return total;
}

int FakeFileSystem::ChangingCalls() const {
  return Calls(FakeOp::SetTimes) + Calls(FakeOp::SetAttributes) + Calls(FakeOp::MoveNoReplace) +
         Calls(FakeOp::CopyNoReplace) + Calls(FakeOp::Delete) + Calls(FakeOp::DeleteToTrash);
}

// --- Faults ----------------------------------------------------------------------

void FakeFileSystem::Fail(FakeOp op, std::string_view path, int error) {
  pathFaults_.push_back({op, Key(path), error});
}

void FakeFileSystem::FailNth(FakeOp op, int n, int error) {
  nthFaults_.push_back({op, n, {}, error});
}

void FakeFileSystem::VanishBefore(FakeOp op, std::string_view path, int n) {
  nthFaults_.push_back({op, n, Key(path)});
}

void FakeFileSystem::ClearFaults() {
  pathFaults_.clear();
  nthFaults_.clear();
  FreeSpace.reset();
  TrashAvailable = true;
}

int FakeFileSystem::Enter(FakeOp op, std::string_view path, std::string_view second) {
  ++calls_[static_cast<std::size_t>(op)];
  if (KeepLog) {
    std::string line = kOpNames[static_cast<std::size_t>(op)];
    line.append(1, ' ').append(path);
    if (!second.empty()) line.append(1, ' ').append(second);
    Log.push_back(std::move(line));
  }
  if (BeforeCall) BeforeCall(op, path);
  int error = 0;
  for (auto it = nthFaults_.begin(); it != nthFaults_.end();) {
    if (it->Op == op && --it->Remaining == 0) {
      if (it->VanishKey.empty())
        error = it->Error;
      else
        nodes_.erase(it->VanishKey);
      it = nthFaults_.erase(it);
    } else {
      ++it;
    }
  }
  if (!pathFaults_.empty()) {
    const std::string key = Key(path);
    for (const PathFault& fault : pathFaults_)
      if (fault.Op == op && fault.Key == key) error = fault.Error;
  }
  return error;
}

bool FakeFileSystem::Reserve(std::uint64_t bytes) {
  if (!FreeSpace) return true;
  if (bytes > *FreeSpace) return false;
  *FreeSpace -= bytes;
  return true;
}

std::uint32_t FakeFileSystem::ReportedAttr(const Node& node) const {
  if (node.IsDirectory) return kAttrDirectory | (node.Data.Attr & kAttrChangeable);
  const std::uint32_t bits = node.Data.Attr & kAttrChangeable;
  return bits == 0 ? kAttrNormal : bits;
}

// --- FileSystem ---------------------------------------------------------------------

std::unique_ptr<OpenFile> FakeFileSystem::OpenExclusive(std::string_view path, Access access) {
  if (Enter(FakeOp::OpenExclusive, path) != 0) return nullptr;
  NodePtr node = FindFile(path);
  if (!node || node->Data.Busy || node->Holds > 0) return nullptr;
  if (access == Access::ReadWrite && (node->Data.Attr & kAttrReadOnly)) return nullptr;
  return std::make_unique<FakeOpenFile>(*this, std::move(node), access);
}

std::shared_ptr<const Listing> FakeFileSystem::BeginListing() {
  (void)Enter(FakeOp::BeginListing, {});
  return std::make_shared<FakeListing>(*this);
}

bool FakeFileSystem::IsBusy(std::string_view path, Access access) {
  if (Enter(FakeOp::IsBusy, path) != 0) return true;
  NodePtr node = FindFile(path);
  if (!node || node->Data.Busy) return true;
  return access == Access::ReadWrite && (node->Data.Attr & kAttrReadOnly);
}

std::optional<std::uint32_t> FakeFileSystem::GetAttributes(std::string_view path) {
  if (Enter(FakeOp::GetAttributes, path) != 0) return std::nullopt;
  NodePtr node = Find(path);
  if (!node) return std::nullopt;
  return ReportedAttr(*node);
}

bool FakeFileSystem::SetAttributes(std::string_view path, std::uint32_t attr) {
  if (Enter(FakeOp::SetAttributes, path) != 0) return false;
  NodePtr node = Find(path);
  if (!node) return false;
  node->Data.Attr = attr & kAttrChangeable;
  return true;
}

bool FakeFileSystem::Exists(std::string_view path) {
  if (Enter(FakeOp::Exists, path) != 0) return false;
  return FindFile(path) != nullptr;
}

bool FakeFileSystem::SameFile(std::string_view a, std::string_view b) {
  if (Enter(FakeOp::SameFile, a, b) != 0) return false;
  return Key(a) == Key(b);
}

FsStatus FakeFileSystem::MoveNoReplace(std::string_view from, std::string_view to) {
  if (const int error = Enter(FakeOp::MoveNoReplace, from, to)) return FsStatus::Failure(error);
  NodePtr node = FindFile(from);
  if (!node) return FsStatus::Failure(ENOENT);
  if (Blocked(*node)) return FsStatus::Failure(EBUSY);
  if (from == to) return FsStatus::Failure(EEXIST);
  const std::string fromKey = Key(from), toKey = Key(to);
  if (!HasDirectory(ParentSpelled(to, rules_->Separator()))) return FsStatus::Failure(ENOENT);
  if (fromKey != toKey) {
    if (nodes_.count(toKey)) return FsStatus::Failure(EEXIST);
    if (VolumeOf(fromKey) != VolumeOf(toKey) && !Reserve(node->Data.Size))
      return FsStatus::Failure(ENOSPC);
    nodes_.erase(fromKey);
    nodes_[toKey] = node;
  }
  // Same key: a new spelling of the same entry (letter case on a store that ignores it).
  node->Data.Path = Spelled(to);
  return {};
}

FsStatus FakeFileSystem::CopyNoReplace(std::string_view from, std::string_view to) {
  if (const int error = Enter(FakeOp::CopyNoReplace, from, to)) return FsStatus::Failure(error);
  NodePtr node = FindFile(from);
  if (!node) return FsStatus::Failure(ENOENT);
  if (Blocked(*node)) return FsStatus::Failure(EBUSY);
  const std::string toKey = Key(to);
  if (nodes_.count(toKey)) return FsStatus::Failure(EEXIST);
  if (!HasDirectory(ParentSpelled(to, rules_->Separator()))) return FsStatus::Failure(ENOENT);
  if (!Reserve(node->Data.Size)) return FsStatus::Failure(ENOSPC);
  auto copy = std::make_shared<Node>();
  copy->Data = node->Data;
  copy->Data.Path = Spelled(to);
  copy->Data.Busy = false;
  copy->Data.Times.Created = copy->Data.Times.Accessed = Now;
  nodes_[toKey] = std::move(copy);
  return {};
}

FsStatus FakeFileSystem::Delete(std::string_view path) {
  if (const int error = Enter(FakeOp::Delete, path)) return FsStatus::Failure(error);
  NodePtr node = FindFile(path);
  if (!node) return FsStatus::Failure(ENOENT);
  if (Blocked(*node)) return FsStatus::Failure(EBUSY);
  nodes_.erase(Key(path));
  return {};
}

FsStatus FakeFileSystem::DeleteToTrash(std::string_view path) {
  if (const int error = Enter(FakeOp::DeleteToTrash, path)) return FsStatus::Failure(error);
  NodePtr node = FindFile(path);
  if (!node) return FsStatus::Failure(ENOENT);
  if (Blocked(*node)) return FsStatus::Failure(EBUSY);
  if (!TrashAvailable) return FsStatus::Failure(ENOTSUP);
  trash_.push_back({node->Data.Path, node->Data});
  nodes_.erase(Key(path));
  return {};
}

std::optional<std::size_t> FakeFileSystem::MaxNameLength(std::string_view directory) {
  if (!HasDirectory(directory)) return std::nullopt;
  return NameMax;
}

bool FakeFileSystem::Enumerate(std::string_view directory,
                               const std::function<bool(const DirEntry&)>& visit) {
  if (Enter(FakeOp::Enumerate, directory) != 0) return false;
  if (!HasDirectory(directory)) return false;
  const char sep = rules_->Separator();
  if (!visit({".", true, kAttrDirectory}) || !visit({"..", true, kAttrDirectory})) return true;
  const std::string prefix = Key(directory) + sep;
  for (auto it = nodes_.lower_bound(prefix); it != nodes_.end() && StartsWith(it->first, prefix);
       ++it) {
    if (it->first.find(sep, prefix.size()) != std::string::npos) continue;  // deeper down
    const Node& node = *it->second;
    DirEntry entry{std::string(LastComponent(node.Data.Path, sep)), node.IsDirectory,
                   ReportedAttr(node)};
    if (!visit(entry)) break;
  }
  return true;
}

std::vector<std::string> FakeFileSystem::Volumes() {
  (void)Enter(FakeOp::Volumes, {});
  std::vector<std::string> out{style_ == Style::Windows ? "c:\\" : "/"};
  for (const std::string& v : volumes_) out.push_back(rules_->DisplayDirectory(v));
  return out;
}

}  // namespace varnoke
