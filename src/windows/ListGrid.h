#pragma once
// The grid of the file-list and preview windows: fixed 18-pixel rows, no grid lines,
// whole rows selected in one contiguous range, and the nine columns arranged by the
// layout words that both kinds of window share through the settings (the preview's old
// name after them, its width kept apart).
#include <QTableView>
#include <optional>
#include <utility>

#include "engine/ColumnLayout.h"
#include "platform/SettingsStore.h"

class QMenu;
class QAction;

namespace varnoke {

class EntryTableModel;

// The first and last selected row (entry positions).
using RowRange = std::pair<int, int>;

class ListGrid : public QTableView {
  Q_OBJECT

 public:
  ListGrid(const ColumnWidths& builtInWidths, QWidget* parent);

  void SetEntryModel(EntryTableModel* model);
  EntryTableModel* EntryModel() const { return model_; }

  // The stored layout (or the default one) applied; the Columns menu's checks follow.
  void LoadLayout(const SettingsStore& settings);
  // The layout with the present widths, stored for the next window of either kind.
  void StoreLayout(SettingsStore& settings);
  const ColLayoutWords& Layout() const { return words_; }
  // Shows or hides the column; hiding the only shown one is refused (false).
  bool PopColumnsClick(int columnId);
  // Adds the nine check items of the Columns menu, in id order.
  void FillColumnsMenu(QMenu* menu);

  std::optional<RowRange> SelectedRows() const;
  // The number of selected rows, as the status bar shows it.
  int MarkedCount() const;
  void SelectRows(int first, int last);

 signals:
  // A double-click on the header of this column id.
  void headerDoubleClicked(int columnId);

 private:
  void ApplyLayout(std::optional<std::size_t> shownAgainAt);
  void SyncChecks();
  void OnSectionMoved(int logical, int oldVisual, int newVisual);
  // Whether the model has the preview's old name after the nine columns.
  bool HasOldName() const;
  void KeepOldNameLast();

  EntryTableModel* model_ = nullptr;
  ColumnWidths builtIn_;
  int oldNameWidth_;
  ColLayoutWords words_;
  QAction* checks_[kColumnCount] = {};
  bool applying_ = false;  // moves made by the layout itself are no user's drag
};

}  // namespace varnoke
