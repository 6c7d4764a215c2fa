#pragma once
// The start-up switches /O:, /L:, /S:, /SR: and /R: recognised by their prefix in
// any letter case, with the value that follows the prefix.
#include <span>
#include <string>
#include <string_view>

namespace varnoke {

enum class SwitchKind {
  None,           // no switch: ignored (a bare file name, for example)
  OptionSet,      // /O:  load an options set
  FileList,       // /L:  add the files named in a file-list file
  Search,         // /S:  search one directory
  SearchSubdirs,  // /SR: search a directory and all its subdirectories
  Run,            // /R   rename automatically
};

struct Switch {
  SwitchKind Kind = SwitchKind::None;
  std::string_view Value;  // the rest of the parameter after the prefix
};

// What one parameter asks for. An absolute path begins with "/" here, so the run
// switch is "/R" followed by letters only (/R, /r, /RUN, /Run): "/root/list.vls" is
// no switch at all.
Switch ClassifyParameter(std::string_view parameter);

// The marks the automatic run is decided on: O for an options set, L for a file list
// or a search, R for the run switch. Only the prefixes count, not whether files exist.
struct RunMarks {
  bool O = false;
  bool L = false;
  bool R = false;
};
RunMarks CollectRunMarks(std::span<const std::string> parameters);

}  // namespace varnoke
