#pragma once
// What the running instance does with the parameters a later start handed over: a new
// list window for each file list (/L:, captioned with its path; a list named
// "VARNOKE.TMP" is deleted once read) and each search (/S:, /SR:), an options set (/O:)
// into the list window active at that moment, the files after "--files" into one new
// window; anything else, /R among them, is ignored: a running instance never renames
// on its own.
#include <span>
#include <string>

#include "engine/FileListOwner.h"
#include "engine/Services.h"

namespace varnoke {

// The list windows of the running instance, as the hand-over uses them.
class ListWindows {
 public:
  virtual ~ListWindows() = default;
  // A new, empty list window, now the active one.
  virtual FileListOwner& OpenList() = 0;
  // The active window's list; none when no list window is active.
  virtual FileListOwner* ActiveList() = 0;
  // The list's window shows its caption and rows anew.
  virtual void ShowList(FileListOwner& list) = 0;
};

void ProcessTransferredParameters(std::span<const std::string> parameters, ListWindows& windows,
                                  Services& services);

}  // namespace varnoke
