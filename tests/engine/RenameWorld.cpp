#include "engine/RenameWorld.h"

#include <algorithm>
#include <filesystem>

#include "engine/AddFile.h"
#include "engine/PreparePreview.h"

namespace varnoke::testing {

std::vector<std::string> FakeWorld::Names(std::string_view rel) {
  std::vector<std::string> out;
  fs_.Enumerate(At(rel), [&](const DirEntry& e) {
    if (!e.IsDirectory) out.push_back(e.Name);
    return true;
  });
  std::sort(out.begin(), out.end());
  return out;
}

void PosixWorld::Write(std::string_view rel, std::string_view content) {
  std::filesystem::create_directories(std::filesystem::path(At(rel)).parent_path());
  WriteFile(At(rel), content);
}

void PosixWorld::MakeDirectory(std::string_view rel) {
  std::filesystem::create_directories(At(rel));
}

std::optional<std::string> PosixWorld::Read(std::string_view rel) {
  if (!FileExists(At(rel))) return std::nullopt;
  return ReadFile(At(rel));
}

std::vector<std::string> PosixWorld::Names(std::string_view rel) {
  std::vector<std::string> out;
  for (const auto& e : std::filesystem::directory_iterator(At(rel)))
    if (!e.is_directory()) out.push_back(e.path().filename().string());
  std::sort(out.begin(), out.end());
  return out;
}

int RenameSetup::List(std::string_view rel) {
  FileSystem& fs = world.Fs();
  const std::string full = world.At(rel);
  const SplitPath parts = fs.Rules().Split(full);
  if (auto open = fs.OpenExclusive(full, Access::Read)) {
    const FileInfo info = open->Query().value();
    return files.AddEntry(false, parts.Path, parts.Name, parts.Ext, info.Size, info.Attr,
                          info.Times.Created, info.Times.Accessed, info.Times.Written);
  }
  return files.AddEntry(true, parts.Path, parts.Name, parts.Ext, 0, 0, 0, 0, 0);
}

void RenameSetup::ListAndPlan(const std::vector<std::string>& names) {
  for (const std::string& name : names) AddFile(world.Fs(), files, world.At(name));
  PreparePreview(files, options, preview, PlanningContext{world.Fs(), clock, session, settings});
  session = ScriptedSession();  // the run's events alone
}

TVrnPrevFile& RenameSetup::Plan(std::string_view from, std::string_view to, bool conflict) {
  const int index = List(from);
  const TVrnFile& f = files.Items(index);
  const SplitPath target = world.Fs().Rules().Split(world.At(to));
  TVrnPrevFile p;
  p.FileIndex = index;
  p.Busy = f.Busy;
  p.Conflict = conflict;
  p.SetPath(target.Path);
  p.Name = target.Name;
  p.Ext = target.Ext;
  p.Size = f.Size;
  p.Attr = f.Attr;
  p.Created = f.Created;
  p.Accessed = f.Accessed;
  p.Written = f.Written;
  preview.AddCopy(p);
  return preview.Items(preview.Count() - 1);
}

std::string RenameSetup::EntryPath(int fileIndex) const {
  const TVrnFile& f = files.Items(fileIndex);
  std::string path = world.Fs().Rules().Join(f.Path(), f.Name(), f.Ext());
  // The Windows rules write the dot of an empty extension; the file is named without it.
  if (f.Ext().empty() && !path.empty() && path.back() == '.') path.pop_back();
  return path;
}

std::string Numbered(int n) {
  std::string digits = std::to_string(n);
  return "f" + std::string(4 - std::min<std::size_t>(4, digits.size()), '0') + digits + ".txt";
}

}  // namespace varnoke::testing
