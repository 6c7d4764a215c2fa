#pragma once
// What one file-list window owns, without the window: the file list, the list's own
// options (a deep copy of the defaults when it is created) and its caption. The
// file-list window wraps one; the console front end uses one on its own.
#include <string>

#include "model/TFiles.h"
#include "model/TVrnFile.h"
#include "platform/Translation.h"

namespace varnoke {

class FileListOwner {
 public:
  // A new list: empty, with a copy of `defaults`, captioned "Blank list (n)" in the
  // language of `tr` with n taken from `listCounter`, which then grows by one (the first
  // list is number 0).
  FileListOwner(const TFiles& defaults, int& listCounter, const Translation& tr);

  TVrnFiles Files;
  TFiles Options;
  std::string Caption;
};

}  // namespace varnoke
