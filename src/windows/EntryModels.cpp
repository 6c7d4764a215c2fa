#include "windows/EntryModels.h"

#include <QBrush>
#include <QColor>

#include "engine/CellTexts.h"
#include "engine/ColumnLayout.h"
#include "engine/GridMessages.h"
#include "engine/TakenMessages.h"
#include "windows/QtText.h"
#include "windows/Tr.h"

namespace varnoke {

EntryTableModel::EntryTableModel(const FormatSettings& regional, const PathRules& rules,
                                 IconCache& icons, QObject* parent)
    : QAbstractTableModel(parent), regional_(regional), rules_(rules), icons_(icons) {}

std::string EntryTableModel::WidestTimeText() const {
  return varnoke::WidestTimeText(regional_);
}

int EntryTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(EntryCount(), 1);
}

int EntryTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kColumnCount);
}

QVariant EntryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole) return Tr(HeaderText(section));
  if (role == Qt::AccessibleTextRole && section == kIconColumn) return Tr(kIconColumnName);
  return {};
}

QVariant EntryTableModel::data(const QModelIndex& index, int role) const {
  const int entry = index.row();
  if (!index.isValid() || entry >= EntryCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() == kIconColumn) return {};
      return Qt8(Text(entry, index.column()));
    case Qt::DecorationRole:
      if (index.column() != kIconColumn) return {};
      return icons_.For(Ext(entry), FullPath(entry));
    case Qt::ForegroundRole:
      if (Busy(entry)) return QBrush(QColor(0, 0, 255));
      return {};
    case Qt::BackgroundRole:
      if (Conflict(entry) && index.column() != kIconColumn) return QBrush(QColor(255, 0, 0));
      return {};
    case Qt::ToolTipRole:
      return ToolTip(entry);
    default:
      return {};
  }
}

Qt::ItemFlags EntryTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void EntryTableModel::Refresh() {
  beginResetModel();
  endResetModel();
}

void EntryTableModel::Reorder(const std::function<void()>& change) {
  emit layoutAboutToBeChanged();
  change();
  emit layoutChanged();
}

FileListModel::FileListModel(const TVrnFiles& files, const FormatSettings& regional,
                             const PathRules& rules, IconCache& icons, QObject* parent)
    : EntryTableModel(regional, rules, icons, parent), files_(files) {}

std::string FileListModel::StatusText(int entry) const {
  return StatusPathText(files_.Items(entry), rules_, QtTranslation());
}

std::string FileListModel::Text(int entry, int column) const {
  return CellText(files_.Items(entry), column, regional_, rules_);
}

std::string FileListModel::FullPath(int entry) const {
  const TVrnFile& f = files_.Items(entry);
  return rules_.Join(f.Path(), f.Name(), f.Ext());
}

PreviewModel::PreviewModel(const TVrnPrevFiles& preview, const TVrnFiles& files,
                           const FormatSettings& regional, const PathRules& rules, IconCache& icons,
                           QObject* parent)
    : EntryTableModel(regional, rules, icons, parent), preview_(preview), files_(files) {}

std::string PreviewModel::StatusText(int entry) const {
  return StatusPathText(preview_.Items(entry), rules_, QtTranslation());
}

int PreviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kOldNameColumn + 1;
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && section == kOldNameColumn && role == Qt::DisplayRole)
    return Tr(kOldNameHeader);
  return EntryTableModel::headerData(section, orientation, role);
}

std::string PreviewModel::Text(int entry, int column) const {
  if (column == kOldNameColumn) return OldNameText(preview_.Items(entry), files_);
  return CellText(preview_.Items(entry), column, regional_, rules_);
}

std::string PreviewModel::FullPath(int entry) const {
  const TVrnPrevFile& p = preview_.Items(entry);
  return rules_.Join(p.Path(), p.Name, p.Ext);
}

QString PreviewModel::ToolTip(int entry) const {
  const int source = preview_.Items(entry).FileIndex;
  if (source < 0 || source >= files_.Count()) return {};
  const TVrnFile& f = files_.Items(source);
  QString tip = Qt8(rules_.Join(f.Path(), f.Name(), f.Ext()));
  if (preview_.Items(entry).NoTimeTaken) tip += QStringLiteral("\n") + Tr(kNoTimeTakenTip);
  return tip;
}

}  // namespace varnoke
