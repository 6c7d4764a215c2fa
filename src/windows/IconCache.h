#pragma once
// The icons of the grids: one per extension (letter case ignored), taken from the icon
// theme by the MIME type of the first file seen with it. The preview borrows the cache
// of the list window that owns it.
#include <QHash>
#include <QIcon>
#include <string_view>

namespace varnoke {

class IconCache {
 public:
  // The icon for files with extension `ext`; `fullPath` names the file to look at when
  // the extension is new.
  const QIcon& For(std::string_view ext, std::string_view fullPath);
  int Count() const { return static_cast<int>(icons_.size()); }

 private:
  QHash<QString, QIcon> icons_;
};

}  // namespace varnoke
