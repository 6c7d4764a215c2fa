#pragma once
// How a full path splits into directory, name and extension, how the parts join
// again, and how names compare. Two rule sets: the Windows rules the program was
// made for, and the POSIX rules of the Linux backend. Pure string functions.
#include <string>
#include <string_view>

namespace varnoke {

struct SplitPath {
  std::string Path;  // directory without a trailing separator
  std::string Name;  // file name without the last dot and extension
  std::string Ext;   // extension without its dot
  bool operator==(const SplitPath&) const = default;
};

class PathRules {
 public:
  virtual ~PathRules() = default;
  // Splits a full path as a listed file is split.
  virtual SplitPath Split(std::string_view fullPath) const = 0;
  // The full path of a directory, name and extension.
  virtual std::string Join(std::string_view path, std::string_view name,
                           std::string_view ext) const = 0;
  // Whether two names (or paths) name the same entry as far as text tells.
  virtual bool SameName(std::string_view a, std::string_view b) const = 0;
  // Whether names compare without regard to ASCII letter case.
  virtual bool FoldsCase() const = 0;
  // A stored directory as the user sees it.
  virtual std::string DisplayDirectory(std::string_view path) const = 0;
  // The directory part of a target directory as the options store it (with a
  // trailing separator) turned into a stored directory.
  virtual std::string StripTrailingSeparator(std::string_view dir) const = 0;
  virtual char Separator() const = 0;
  // Whether a planned name and extension would make no usable file name, so that
  // planning puts "_" before the name; the old name and extension are the file's own.
  virtual bool NeedsNameGuard(std::string_view name, std::string_view ext, std::string_view oldName,
                              std::string_view oldExt) const = 0;
  // Whether a planned name or extension holds a character that would make it a path
  // (a separator) or cut it short (NUL), so that it is no file name at all.
  virtual bool HoldsForbiddenCharacter(std::string_view part) const = 0;
  // Whether a directory is a full path, not one relative to the working directory.
  virtual bool IsFullPath(std::string_view directory) const = 0;
  // A full path spelled plainly: repeated separators and "." components dropped, so
  // that "/data/./a.txt" and "/data//a.txt" list as "/data/a.txt". ".." is kept: a
  // link on the way could make dropping it name another directory.
  std::string Plain(std::string_view fullPath) const;
  // Whether Plain would leave the path as it is (no copy needed).
  bool IsPlain(std::string_view fullPath) const;
  // A path spelled plainly and with every "dir/.." dropped as text ("/a/x/../b" is
  // "/a/b"; the parent of a root is the root): whether two list entries name the same
  // path. Only a comparison of text: a link on the way is not followed.
  std::string LexicallyPlain(std::string_view fullPath) const;
  // Whether LexicallyPlain would leave the path as it is.
  bool IsLexicallyPlain(std::string_view fullPath) const;
};

// c:\data\x.txt: directory lower-cased, "\" and ":" end it, the dot always written.
class WindowsPathRules final : public PathRules {
 public:
  SplitPath Split(std::string_view fullPath) const override;
  std::string Join(std::string_view path, std::string_view name,
                   std::string_view ext) const override;
  bool SameName(std::string_view a, std::string_view b) const override;
  bool FoldsCase() const override { return true; }
  std::string DisplayDirectory(std::string_view path) const override;
  std::string StripTrailingSeparator(std::string_view dir) const override;
  char Separator() const override { return '\\'; }
  // An empty name or one that begins with a dot.
  bool NeedsNameGuard(std::string_view name, std::string_view ext, std::string_view oldName,
                      std::string_view oldExt) const override;
  bool HoldsForbiddenCharacter(std::string_view part) const override;
  // c:\... or a network path \\server\...
  bool IsFullPath(std::string_view directory) const override;
};

// /data/x.txt: the directory kept as found, the root as "", a trailing dot kept in
// the name, the dot written only before a non-empty extension; exact comparison.
class PosixPathRules final : public PathRules {
 public:
  SplitPath Split(std::string_view fullPath) const override;
  std::string Join(std::string_view path, std::string_view name,
                   std::string_view ext) const override;
  bool SameName(std::string_view a, std::string_view b) const override { return a == b; }
  bool FoldsCase() const override { return false; }
  std::string DisplayDirectory(std::string_view path) const override;
  std::string StripTrailingSeparator(std::string_view dir) const override;
  char Separator() const override { return '/'; }
  // A file part that is empty, "." or "..", or one that begins with a dot while the
  // file's own name did not: a dot file such as .profile keeps its name, and no
  // other file becomes hidden by a rename.
  bool NeedsNameGuard(std::string_view name, std::string_view ext, std::string_view oldName,
                      std::string_view oldExt) const override;
  bool HoldsForbiddenCharacter(std::string_view part) const override;
  // The root is stored as the empty string; every other full path begins with "/".
  bool IsFullPath(std::string_view directory) const override;
};

// ASCII-only case helpers: letters outside a-z and A-Z are never touched.
char AsciiLower(char c);
char AsciiUpper(char c);
std::string AsciiLowerCopy(std::string_view s);
std::string AsciiUpperCopy(std::string_view s);
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);
// <0, 0 or >0 as `a` sorts before, with or after `b` when ASCII case is ignored
// (bytes compared unsigned).
int CompareIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace varnoke
