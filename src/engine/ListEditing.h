#pragma once
// What a file-list window does to its list, without the window: moving a run of
// selected rows, removing them, the text of copied rows, the paths of pasted or
// dropped text, and listing many paths with the user kept informed. Rows here are
// entry positions (0 = the first entry); a selection is one contiguous range.
#include <string>
#include <string_view>
#include <vector>

#include "model/PathRules.h"
#include "model/TVrnFile.h"
#include "platform/FileSystem.h"
#include "platform/Session.h"

namespace varnoke {

// Lists of at least this many paths show progress while they are listed.
inline constexpr int kProgressFromPaths = 1000;

// Moves the entries first..last one place up (the entry above them goes below them);
// false, changing nothing, when `first` is the first entry or the range is outside.
bool MoveRowsUp(TVrnFiles& files, int first, int last);
// One place down (the entry below goes above them); false at the end of the list.
bool MoveRowsDown(TVrnFiles& files, int first, int last);
// Removes the entries first..last (clamped to the list).
void RemoveRows(TVrnFiles& files, int first, int last);

// The full paths of first..last, each followed by CR LF, as copied to the clipboard.
std::string RowsText(const TVrnFiles& files, int first, int last, const PathRules& rules);

// The same rows as a text/uri-list: one file URI per line, each followed by CR LF.
std::string RowsUriList(const TVrnFiles& files, int first, int last, const PathRules& rules);

// The paths of pasted or dropped plain text: one per line, lines ending in CR LF, CR
// or LF; empty lines are skipped.
std::vector<std::string> TextPaths(std::string_view text);
// The local paths of a text/uri-list: "file:" URIs with their %XX escapes decoded
// ("file:///a%20b" and "file://localhost/a%20b" name "/a b"); comment lines, other
// hosts and other schemes are skipped.
std::vector<std::string> UriListPaths(std::string_view uriList);
// "file:///..." for a path, with every byte outside the unreserved set escaped: what a
// file manager takes from the clipboard.
std::string FileUri(std::string_view path);

struct AddedPaths {
  int Added = 0;         // entries listed
  bool Stopped = false;  // listing failed (no memory): the rest was not listed
};

// Lists `paths` in order with AddFile, letting events run every `pumpInterval`
// paths (before the 10th, 20th, ... with an interval of 10), with the busy cursor on
// and, for long lists, progress. When listing fails for lack of memory, "Could not
// add more files to the file list" is shown and the rest is not listed. Paths that
// name nothing or a directory add nothing; paths holding a NUL are left out and named in
// one note once the listing is over (see LinesWithNul).
AddedPaths AddPaths(FileSystem& fs, TVrnFiles& files, const std::vector<std::string>& paths,
                    Session& session, int pumpInterval);

}  // namespace varnoke
