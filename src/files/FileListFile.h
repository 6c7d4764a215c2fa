#pragma once
// File-list files (".vls"): plain text, one full path per listed file, every line
// ended by CR LF; read back split at CR LF, a lone CR or a lone LF.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/PathRules.h"
#include "model/TVrnFile.h"
#include "platform/FileStore.h"
#include "platform/Session.h"

namespace varnoke {

// Pending events are let run after every so many lines: adding to a window and
// saving every 20, importing into a new window every 10.
inline constexpr int kAddPumpInterval = 20;
inline constexpr int kImportPumpInterval = 10;
inline constexpr int kSavePumpInterval = 20;

// The lines of a file's text as they stand (no trimming); a last line without a
// break counts, a break at the very end adds no empty line.
std::vector<std::string_view> SplitListLines(std::string_view text);

// A list line holding a NUL names no file: the system ends a path at the NUL, so
// "/data/d<NUL>junk" would reach "/data/d". Wherever list lines are listed (file-list
// files, pasted or dropped text, the lists of the command line) such a line is left out
// and named; AddFile lists nothing for one.
bool HoldsNul(std::string_view line);

// The lines of one listing left out for a NUL, named to the user together.
class LinesWithNul {
 public:
  // Whether `line` holds a NUL; such a line is kept to be named.
  bool LeaveOut(std::string_view line);
  // One note (the program's title, OK) naming the lines left out; none when there were none.
  void Tell(Session& session) const;

 private:
  std::vector<std::string> named_;  // the first kNamedLinesAtMost
  std::size_t more_ = 0;
};

// Reads a file-list file into its lines. When it cannot be read, "Cannot open
// file %1" in the language of `tr` comes back, `lines` stays empty and `cause` (when
// given) gets the system's reason. (The import reads the file before it creates the
// window that the lines go to.)
std::optional<std::string> LoadListLines(FileStore& files, std::string_view path,
                                         std::vector<std::string>& lines, const Translation& tr,
                                         std::optional<IoError>* cause = nullptr);
// Hands every line in order to `add` (the window's AddFile), letting events run
// after every `pumpInterval`-th line; lines holding a NUL are left out and named.
void AddListLines(const std::vector<std::string>& lines, Session& session, int pumpInterval,
                  const std::function<void(std::string_view)>& add);
// Both: reads a file-list file and adds its lines; nothing is added when the file
// cannot be read.
std::optional<std::string> ReadFileList(FileStore& files, Session& session, std::string_view path,
                                        int pumpInterval,
                                        const std::function<void(std::string_view)>& add,
                                        std::optional<IoError>* cause = nullptr);

// The text of a list: every entry's full path followed by CR LF.
std::string FormatFileList(const TVrnFiles& list, const PathRules& rules, Session& session);
// Saves a list; "Cannot create file %1" when that fails (the old file stays whole).
std::optional<std::string> SaveFileList(FileStore& files, Session& session, const PathRules& rules,
                                        const TVrnFiles& list, std::string_view path);

}  // namespace varnoke
