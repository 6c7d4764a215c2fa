#pragma once
// The grids' models: they read the file list or the preview list itself and make text
// only for the cells on screen; nothing is kept per row. An empty list shows one
// empty row. Model column n is column id n; the view's header orders and hides them.
#include <QAbstractTableModel>
#include <functional>
#include <string>

#include "model/FormatSettings.h"
#include "model/PathRules.h"
#include "model/TVrnFile.h"
#include "model/TVrnPrevFile.h"
#include "windows/IconCache.h"

namespace varnoke {

class EntryTableModel : public QAbstractTableModel {
 public:
  EntryTableModel(const FormatSettings& regional, const PathRules& rules, IconCache& icons,
                  QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  virtual int EntryCount() const = 0;
  // The widest text a time cell may show.
  std::string WidestTimeText() const;
  // The text of the status bar's last panel for one selected entry.
  virtual std::string StatusText(int entry) const = 0;

  // The rows changed wholesale (added, removed, moved): the view starts over.
  void Refresh();
  // The order of the rows changes in `change`; the selection keeps its row numbers.
  void Reorder(const std::function<void()>& change);

 protected:
  virtual std::string Text(int entry, int column) const = 0;
  virtual bool Busy(int entry) const = 0;
  virtual bool Conflict(int) const { return false; }
  virtual std::string_view Ext(int entry) const = 0;
  virtual std::string FullPath(int entry) const = 0;
  virtual QString ToolTip(int) const { return {}; }

  const FormatSettings& regional_;
  const PathRules& rules_;
  IconCache& icons_;
};

class FileListModel final : public EntryTableModel {
 public:
  FileListModel(const TVrnFiles& files, const FormatSettings& regional, const PathRules& rules,
                IconCache& icons, QObject* parent);
  int EntryCount() const override { return files_.Count(); }
  std::string StatusText(int entry) const override;

 protected:
  std::string Text(int entry, int column) const override;
  bool Busy(int entry) const override { return files_.Items(entry).Busy; }
  std::string_view Ext(int entry) const override { return files_.Items(entry).Ext(); }
  std::string FullPath(int entry) const override;

 private:
  const TVrnFiles& files_;
};

// The preview shows the planned values; a row's tool tip names the file as it is now.
class PreviewModel final : public EntryTableModel {
 public:
  PreviewModel(const TVrnPrevFiles& preview, const TVrnFiles& files, const FormatSettings& regional,
               const PathRules& rules, IconCache& icons, QObject* parent);
  int EntryCount() const override { return preview_.Count(); }
  std::string StatusText(int entry) const override;
  // The nine columns and the old name after them.
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 protected:
  std::string Text(int entry, int column) const override;
  bool Busy(int entry) const override { return preview_.Items(entry).Busy; }
  bool Conflict(int entry) const override { return preview_.Items(entry).Conflict; }
  std::string_view Ext(int entry) const override { return preview_.Items(entry).Ext; }
  std::string FullPath(int entry) const override;
  QString ToolTip(int entry) const override;

 private:
  const TVrnPrevFiles& preview_;
  const TVrnFiles& files_;
};

}  // namespace varnoke
