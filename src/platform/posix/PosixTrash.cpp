// Finding a file that went to the freedesktop.org trash, and bringing it back. The
// trash keeps a file under files/NAME with its note in info/NAME.trashinfo; NAME is the
// file's own name or, when taken, a numbered variant of it. The file is found again by
// its device and inode, which a move into a trash on the same file system keeps.
#include <dirent.h>
#include <fcntl.h>
#include <glib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/posix/PosixFileSystem.h"

namespace varnoke {
namespace {

std::string ParentOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos || slash == 0) return "/";
  return path.substr(0, slash);
}

// The top directory of the mount that holds `directory` (device `device`).
std::string MountTop(std::string directory, dev_t device) {
  struct stat st {};
  while (directory != "/") {
    const std::string parent = ParentOf(directory);
    if (::stat(parent.c_str(), &st) != 0 || st.st_dev != device) break;
    directory = parent;
  }
  return directory;
}

// The trash directories a file on `device` under `directory` may have gone to.
std::vector<std::string> TrashesFor(const std::string& directory, dev_t device) {
  std::vector<std::string> trashes;
  trashes.push_back(std::string(g_get_user_data_dir()) + "/Trash");
  const std::string top = MountTop(directory, device);
  const std::string base = top == "/" ? std::string() : top;
  const std::string uid = std::to_string(::getuid());
  trashes.push_back(base + "/.Trash/" + uid);
  trashes.push_back(base + "/.Trash-" + uid);
  return trashes;
}

// The name in `trash`/files that is the file (device, inode); empty when none is.
std::string FindIn(const std::string& trash, const std::string& name, const struct stat& was) {
  const std::string files = trash + "/files";
  struct stat st {};
  if (::lstat((files + "/" + name).c_str(), &st) == 0 && st.st_dev == was.st_dev &&
      st.st_ino == was.st_ino)
    return files + "/" + name;
  // Numbered variants share the name's beginning up to its first dot.
  const std::string stem = name.substr(0, name.find('.'));
  DIR* dir = ::opendir(files.c_str());
  if (!dir) return {};
  std::string found;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (candidate.compare(0, stem.size(), stem) != 0) continue;
    const std::string path = files + "/" + candidate;
    if (::lstat(path.c_str(), &st) == 0 && st.st_dev == was.st_dev && st.st_ino == was.st_ino) {
      found = path;
      break;
    }
  }
  ::closedir(dir);
  return found;
}

}  // namespace

FsStatus PosixFileSystem::TrashAndLocate(std::string_view path, std::string& trashedAt) {
  trashedAt.clear();
  const std::string file(path);
  struct stat was {};
  const bool known = ::lstat(file.c_str(), &was) == 0;
  const FsStatus trashed = DeleteToTrash(path);
  if (!trashed || !known) return trashed;
  const std::size_t slash = file.find_last_of('/');
  const std::string name = file.substr(slash + 1);
  for (const std::string& trash : TrashesFor(ParentOf(file), was.st_dev)) {
    trashedAt = FindIn(trash, name, was);
    if (!trashedAt.empty()) break;
  }
  return trashed;
}

std::vector<std::string> PosixFileSystem::TrashFolders(std::string_view directory) {
  const std::string dir(directory.empty() ? std::string_view("/") : directory);
  struct stat st {};
  if (::stat(dir.c_str(), &st) != 0) return {};
  std::vector<std::string> folders;
  for (const std::string& trash : TrashesFor(dir, st.st_dev)) folders.push_back(trash + "/files");
  return folders;
}

FsStatus PosixFileSystem::RestoreFromTrash(std::string_view trashedAt, std::string_view original) {
  const FsStatus moved = MoveNoReplace(trashedAt, original);
  if (!moved) return moved;
  // files/NAME -> info/NAME.trashinfo: the trash no longer lists the file.
  const std::string item(trashedAt);
  const std::size_t slash = item.find_last_of('/');
  const std::string filesDir = item.substr(0, slash);
  if (filesDir.size() > 6 && filesDir.compare(filesDir.size() - 6, 6, "/files") == 0) {
    const std::string info =
        filesDir.substr(0, filesDir.size() - 6) + "/info/" + item.substr(slash + 1) + ".trashinfo";
    ::unlink(info.c_str());
  }
  return moved;
}

}  // namespace varnoke
