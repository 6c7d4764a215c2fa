#include "windows/IconCache.h"

#include <QApplication>
#include <QMimeDatabase>
#include <QStyle>

namespace varnoke {

const QIcon& IconCache::For(std::string_view ext, std::string_view fullPath) {
  const QString key = QString::fromUtf8(ext.data(), static_cast<qsizetype>(ext.size())).toLower();
  auto found = icons_.find(key);
  if (found != icons_.end()) return *found;
  // By name only: looking into the file would cost a read per new extension.
  static const QMimeDatabase mimes;
  const QMimeType type = mimes.mimeTypeForFile(
      QString::fromUtf8(fullPath.data(), static_cast<qsizetype>(fullPath.size())),
      QMimeDatabase::MatchExtension);
  QIcon icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
  if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
  return *icons_.insert(key, icon);
}

}  // namespace varnoke
