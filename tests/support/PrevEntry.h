#pragma once
// A preview entry with the fields most tests set: index, directory, name, extension.
#include <string>
#include <string_view>

#include "model/TVrnPrevFile.h"

namespace varnoke::testing {

inline TVrnPrevFile PrevEntry(int index, std::string_view path, std::string name, std::string ext) {
  TVrnPrevFile e;
  e.FileIndex = index;
  e.SetPath(path);
  e.Name = std::move(name);
  e.Ext = std::move(ext);
  return e;
}

}  // namespace varnoke::testing
