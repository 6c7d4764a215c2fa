#pragma once
// An in-memory FileSystem for tests and benchmarks: files with content, size,
// attributes and times, directories, files held open by "another process", a count
// of every call by operation, and staged faults (a file that vanishes, a full disk,
// a move that fails by path or by call number, no trash).
//
// Paths follow the chosen rules: POSIX ("/d/x.txt", names compare exactly) or
// Windows ("c:\d\x.txt", names compare without case, a trailing dot dropped). The
// POSIX rules can sit on a store that ignores case, as a vfat mount does.
#include <array>
#include <cerrno>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace varnoke {

// Every operation the fake counts. Query and SetTimes are the calls on an open file,
// List the call on a listing.
enum class FakeOp {
  OpenExclusive,
  BeginListing,
  List,
  IsBusy,
  Query,
  SetTimes,
  GetAttributes,
  SetAttributes,
  Exists,
  SameFile,
  MoveNoReplace,
  CopyNoReplace,
  Delete,
  DeleteToTrash,
  Enumerate,
  Volumes,
};
inline constexpr std::size_t kFakeOpCount = 16;

// A file as the fake holds it.
struct FakeFile {
  std::string Path;  // full path as last spelled (a rename in case only changes it)
  std::string Content;
  std::uint64_t Size = 0;  // Content.size() unless set apart from it
  std::uint32_t Attr = 0;
  FileTimes Times;
  bool Busy = false;  // held open by another process (as a listing begun later sees it)
};

struct TrashedFile {
  std::string OriginalPath;
  FakeFile File;
};

class FakeFileSystem final : public FileSystem {
 public:
  enum class Style { Posix, Windows };
  // caseInsensitiveStore: names on the store compare without ASCII case even under
  // the POSIX rules (a vfat mount). The Windows style always ignores case.
  explicit FakeFileSystem(Style style = Style::Posix, bool caseInsensitiveStore = false);
  ~FakeFileSystem() override;

  // --- Setting up -----------------------------------------------------------
  // Creates a directory and any missing parents.
  void AddDirectory(std::string_view path);
  // Creates (or replaces) a file, creating missing parent directories.
  void AddFile(std::string_view path, std::string_view content = {}, FileTimes times = {},
               std::uint32_t attr = 0x20);
  // Changes of a file in place; false when there is no such file.
  bool SetBusy(std::string_view path, bool busy);
  bool SetSize(std::string_view path, std::uint64_t size);
  // Another mounted file system below `root` (moves onto it copy the data).
  void AddVolume(std::string_view root);
  // The time a copy gets as its creation and access time.
  FileTime Now = 0;
  // Whether a busy file also refuses moves, copies and deletions (Windows does; Linux
  // lets a held file be renamed). Defaults to true for the Windows style.
  bool BusyBlocksChanges = false;

  // --- Looking ----------------------------------------------------------------
  // The file at a path (a copy of it); nullopt when there is none.
  std::optional<FakeFile> File(std::string_view path) const;
  bool HasFile(std::string_view path) const { return File(path).has_value(); }
  bool HasDirectory(std::string_view path) const;
  // Full paths of all files, in key order.
  std::vector<std::string> FilePaths() const;
  const std::vector<TrashedFile>& Trash() const { return trash_; }

  // --- Counting ---------------------------------------------------------------
  int Calls(FakeOp op) const { return calls_[static_cast<std::size_t>(op)]; }
  int TotalCalls() const;
  // Calls that change something (move, copy, delete, trash, times, attributes).
  int ChangingCalls() const;
  void ResetCalls() { calls_.fill(0); }
  // When set, every call is also written here as "<op> <path>[ <path>]".
  bool KeepLog = false;
  std::vector<std::string> Log;
  // Called before every counted call with its operation and (first) path.
  std::function<void(FakeOp, std::string_view)> BeforeCall;

  // --- Staged faults ------------------------------------------------------------
  // Every call of `op` whose (first) path names `path` fails with `error`.
  void Fail(FakeOp op, std::string_view path, int error = EIO);
  // The n-th call of `op` from now on (1 = the next one) fails with `error`.
  void FailNth(FakeOp op, int n, int error = EIO);
  // The longest name the store takes; nullopt: no limit that can be told.
  std::optional<std::size_t> NameMax;
  // Just before the n-th call of `op` from now on, the file at `path` disappears.
  void VanishBefore(FakeOp op, std::string_view path, int n = 1);
  // Bytes a copy may still write; nullopt = unlimited. A copy that does not fit
  // fails and leaves no target behind.
  std::optional<std::uint64_t> FreeSpace;
  // Whether the trash can take files.
  bool TrashAvailable = true;
  void ClearFaults();

  // --- FileSystem -----------------------------------------------------------------
  const PathRules& Rules() const override { return *rules_; }
  std::unique_ptr<OpenFile> OpenExclusive(std::string_view path, Access access) override;
  // A listing sees the files busy when it began; calls on it are counted as List and
  // must come from one thread at a time.
  std::shared_ptr<const Listing> BeginListing() override;
  bool IsBusy(std::string_view path, Access access) override;
  std::optional<std::uint32_t> GetAttributes(std::string_view path) override;
  bool SetAttributes(std::string_view path, std::uint32_t attr) override;
  bool Exists(std::string_view path) override;
  bool SameFile(std::string_view a, std::string_view b) override;
  FsStatus MoveNoReplace(std::string_view from, std::string_view to) override;
  FsStatus CopyNoReplace(std::string_view from, std::string_view to) override;
  FsStatus Delete(std::string_view path) override;
  FsStatus DeleteToTrash(std::string_view path) override;
  std::optional<std::size_t> MaxNameLength(std::string_view directory) override;
  bool Enumerate(std::string_view directory,
                 const std::function<bool(const DirEntry&)>& visit) override;
  std::vector<std::string> Volumes() override;

 private:
  struct Node {
    bool IsDirectory = false;
    FakeFile Data;
    int Holds = 0;  // exclusive opens of this program
  };
  using NodePtr = std::shared_ptr<Node>;
  class FakeOpenFile;
  class FakeListing;
  struct NthFault {
    FakeOp Op;
    int Remaining;          // calls of Op still to come before it strikes
    std::string VanishKey;  // empty: the call fails; else this file disappears
    int Error = EIO;
  };
  struct PathFault {
    FakeOp Op;
    std::string Key;
    int Error;
  };

  // Counts the call, runs the hook and the staged vanishings; the error the call is
  // to fail with, or 0.
  int Enter(FakeOp op, std::string_view path, std::string_view second = {});
  std::string Key(std::string_view path) const;
  // A path as the store keeps its name (Windows drops trailing dots).
  std::string Spelled(std::string_view path) const;
  std::string ParentKey(const std::string& key) const;
  std::string VolumeOf(const std::string& key) const;
  NodePtr Find(std::string_view path) const;
  NodePtr FindFile(std::string_view path) const;
  bool Blocked(const Node& node) const { return node.Data.Busy && BusyBlocksChanges; }
  bool Reserve(std::uint64_t bytes);
  std::uint32_t ReportedAttr(const Node& node) const;

  Style style_;
  bool foldCase_;
  std::unique_ptr<PathRules> rules_;
  std::map<std::string, NodePtr> nodes_;  // by key: folded and normalised full path
  std::vector<std::string> volumes_;      // keys of added volume roots
  std::vector<TrashedFile> trash_;
  std::array<int, kFakeOpCount> calls_{};
  std::vector<PathFault> pathFaults_;
  std::vector<NthFault> nthFaults_;
};

}  // namespace varnoke
