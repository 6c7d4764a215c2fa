#include "engine/Conflicts.h"

#include <string>

namespace varnoke {

void TestConflict(TVrnPrevFile& w, const TVrnFile& source, const TVrnPrevFiles& preview,
                  const TFiles& options, FileSystem& fs) {
  w.Conflict = false;
  const PathRules& rules = fs.Rules();
  const std::string target = rules.Join(w.Path(), w.Name, w.Ext);
  const std::string from = rules.Join(source.Path(), source.Name(), source.Ext());
  // The file keeps its place and name (a change of letter case alone, where the
  // platform ignores case): nothing to test, and no system call.
  if (rules.SameName(target, from)) return;
  if (fs.Exists(target)) {
    // A case-insensitive mount under exact rules: the target may be the source itself.
    if (fs.SameFile(from, target)) return;
    w.Conflict = true;
  } else if (preview.Contains(w)) {
    w.Conflict = true;
  }
  if (w.Conflict && !options.Has(DeleteOnConflict)) AddConflictSuffix(w, preview, fs);
}

void AddConflictSuffix(TVrnPrevFile& w, const TVrnPrevFiles& preview, FileSystem& fs) {
  TVrnPrevFile t;
  t.SetSharedPath(w.SharedPath());
  t.Ext = w.Ext;
  // Every candidate is a new name, so the loop ends once the candidates pass the
  // number of files and entries that could hold one.
  for (unsigned long n = 1;; ++n) {
    t.Name = w.Name + "#" + std::to_string(n);
    if (!fs.Exists(fs.Rules().Join(t.Path(), t.Name, t.Ext)) && !preview.Contains(t)) break;
  }
  w.Name = std::move(t.Name);
}

}  // namespace varnoke
