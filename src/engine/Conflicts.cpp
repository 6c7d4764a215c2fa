#include "engine/Conflicts.h"

#include <string>

namespace varnoke {

void TestConflict(TVrnPrevFile& w, const TVrnFile& source, const TVrnPrevFiles& preview,
                  const TFiles& options, FileSystem& fs) {
  w.Conflict = false;
  const PathRules& rules = fs.Rules();
  // The file keeps its place and name (or changes only letter case where the platform
  // ignores case): nothing to test, and no system call.
  if (rules.SameName(w.Name, source.Name()) && rules.SameName(w.Ext, source.Ext()) &&
      rules.SameName(w.Path(), source.Path()))
    return;
  const std::string target = rules.Join(w.Path(), w.Name, w.Ext);
  if (fs.Exists(target)) {
    // The target may be the source itself: a case-insensitive mount under exact rules,
    // or the same name split another way.
    if (fs.SameFile(rules.Join(source.Path(), source.Name(), source.Ext()), target)) return;
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
