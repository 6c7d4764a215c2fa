#pragma once
// The Linux file system behind the FileSystem interface: native paths, exclusive
// opens by open() + flock(), times from statx(), attributes from the mode and the
// user.DOSATTRIB extended attribute, busy files from the system's locks and the files
// other processes hold open for writing, moves that never replace a file, the desktop
// trash.
#include "platform/FileSystem.h"
#include "platform/posix/HeldDirectory.h"

namespace varnoke {

class PosixFileSystem final : public FileSystem {
 public:
  const PathRules& Rules() const override { return rules_; }

  // Listing and the busy test (PosixListing.cpp).
  std::shared_ptr<const Listing> BeginListing() override;
  bool IsBusy(std::string_view path, Access access) override;

  // Reading side (PosixFileSystem.cpp).
  std::unique_ptr<OpenFile> OpenExclusive(std::string_view path, Access access) override;
  std::optional<std::uint32_t> GetAttributes(std::string_view path) override;
  bool SetAttributes(std::string_view path, std::uint32_t attr) override;
  bool Exists(std::string_view path) override;
  bool SameFile(std::string_view a, std::string_view b) override;
  bool Enumerate(std::string_view directory,
                 const std::function<bool(const DirEntry&)>& visit) override;
  bool EnumerateNames(std::string_view directory,
                      const std::function<bool(const DirEntry&)>& visit) override;
  std::vector<std::string> Volumes() override;
  std::optional<std::size_t> MaxNameLength(std::string_view directory) override;
  std::optional<FileId> IdOf(std::string_view path) override;
  bool SameContent(std::string_view a, std::string_view b) override;
  bool EnumerateIds(std::string_view directory,
                    const std::function<void(std::string_view, const FileId&)>& visit) override;

  // Changing side (PosixFileMoves.cpp).
  FsStatus MoveNoReplace(std::string_view from, std::string_view to) override;
  FsStatus CopyNoReplace(std::string_view from, std::string_view to) override;
  FsStatus Delete(std::string_view path) override;
  FsStatus DeleteToTrash(std::string_view path) override;
  // Where the trash put a file, and bringing it back (PosixTrash.cpp).
  FsStatus TrashAndLocate(std::string_view path, std::string& trashedAt) override;
  FsStatus RestoreFromTrash(std::string_view trashedAt, std::string_view original) override;
  std::vector<std::string> TrashFolders(std::string_view directory) override;

 private:
  PosixPathRules rules_;
  HeldDirectory moveDirectory_;  // where the last moves happened
};

}  // namespace varnoke
