#include "engine/Conflicts.h"

#include <string>

namespace varnoke {

void TestConflict(TVrnPrevFile& w, const TVrnFile& source, const TVrnPrevFiles& preview,
                  const TFiles& options, ExistingNames& onDisk) {
  w.Conflict = false;
  FileSystem& fs = onDisk.Fs();
  const PathRules& rules = fs.Rules();
  // The file keeps its place and name (or changes only letter case where the platform
  // ignores case): nothing to test, and no system call.
  if (rules.SameName(w.Name, source.Name()) && rules.SameName(w.Ext, source.Ext()) &&
      rules.SameName(w.Path(), source.Path()))
    return;
  if (onDisk.Exists(w.Path(), w.Name, w.Ext)) {
    // The target may be the source itself: a case-insensitive mount under exact rules,
    // or the same name split another way.
    if (fs.SameFile(rules.Join(source.Path(), source.Name(), source.Ext()),
                    rules.Join(w.Path(), w.Name, w.Ext)))
      return;
    w.Conflict = true;
  } else if (preview.Contains(w)) {
    w.Conflict = true;
  }
  if (w.Conflict && !options.Has(DeleteOnConflict)) AddConflictSuffix(w, preview, onDisk);
}

void AddConflictSuffix(TVrnPrevFile& w, const TVrnPrevFiles& preview, ExistingNames& onDisk) {
  TVrnPrevFile t;
  t.SetSharedPath(w.SharedPath());
  t.Ext = w.Ext;
  // Every candidate is a new name, so the loop ends once the candidates pass the
  // number of files and entries that could hold one.
  for (unsigned long n = 1;; ++n) {
    t.Name = w.Name + "#" + std::to_string(n);
    if (!onDisk.Exists(t.Path(), t.Name, t.Ext) && !preview.Contains(t)) break;
  }
  w.Name = std::move(t.Name);
}

}  // namespace varnoke
