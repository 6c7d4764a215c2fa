#pragma once
// The preview of a renaming run: one row per planned file with its new directory, name,
// extension, size, attributes and times, conflicts on red and busy files in blue. The
// user sorts the rows, arranges the columns, deletes rows to skip those files, and starts
// the run from the "Rename now!" panel. Creating the window plans the run; the file-list
// window shows it modally and, when the run was started, finds its report afterwards.
#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "engine/FileListOwner.h"
#include "engine/RenameFiles.h"
#include "engine/Services.h"
#include "model/TVrnPrevFile.h"
#include "windows/IconCache.h"

class QLabel;
class QMenu;

namespace varnoke {

class ListGrid;
class ListStatusBar;
class PreviewModel;

class TPreviewForm final : public QDialog {
  Q_OBJECT

 public:
  // Plans the run of `list` (its files and options stay as they are); the session of
  // `services` shows the progress and every question. `icons` is the owner's cache.
  TPreviewForm(FileListOwner& list, IconCache& icons, Services& services, QWidget* owner);
  // Stores the column layout for the next window of either kind.
  ~TPreviewForm() override;

  // Whether planning went ahead; when it refused, the window is not to be shown.
  bool Planned() const { return planned_; }
  // The outcome of the run; none when the window was closed without one.
  const std::optional<RenameReport>& Report() const { return report_; }
  // The planned entries in the order shown.
  const TVrnPrevFiles& Preview() const { return PrevFiles; }

  // Runs the remaining entries in file-list order, then closes the window.
  void Panel1DblClick();
  // Sorts by the key of sort menu item `number` (1..8).
  void PopSortClick(int number);
  // Sorts by the key of the column whose header was double-clicked; the icon column
  // has none.
  void DrawGrid1HeaderDblClick(int columnId);
  // Drops the selected rows from the run; the file list keeps its files.
  void DeleteSelectedRows();
  void UpdateStatusBar();

 public slots:
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  void BuildPopupMenu();
  // Sorts by a preview key with the busy cursor; the rows keep their selection.
  void SortBy(std::optional<int> key);
  // Reorders the rows by `sort` (none: only redraws), the selection kept by row number.
  void SortWith(const std::function<void()>& sort);

  FileListOwner& list_;
  IconCache& icons_;
  Services& services_;

  QLabel* Panel1 = nullptr;
  ListGrid* DrawGrid1 = nullptr;
  ListStatusBar* StatusBar = nullptr;
  QMenu* ListPopMenu = nullptr;
  QMenu* PopColumns = nullptr;
  QMenu* Sortlist1 = nullptr;

  TVrnPrevFiles PrevFiles;
  std::unique_ptr<PreviewModel> model_;  // reads PrevFiles: declared after it, gone first
  bool planned_ = false;
  // Set while the run or a deletion lets events through: the list must stay as it is,
  // so sorting, deleting, starting and closing wait.
  bool working_ = false;
  std::optional<RenameReport> report_;
};

}  // namespace varnoke
