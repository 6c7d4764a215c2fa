#pragma once
// A file-list window: one list with its own options, shown in a grid the user sorts,
// reorders, prunes, copies from, pastes and drops files into. The main window's
// commands act on the active one through the handlers below.
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FileListOwner.h"
#include "engine/FollowFiles.h"
#include "windows/DesktopState.h"
#include "windows/IconCache.h"

class QLabel;
class QMenu;
class QMimeData;

namespace varnoke {

class FileListModel;
class ListGrid;
class ListStatusBar;

class TNameListForm : public QWidget {
  Q_OBJECT

 public:
  TNameListForm(DesktopState& state, QWidget* parent = nullptr);
  // A window over a list filled already (by the start-up parameters).
  TNameListForm(DesktopState& state, FileListOwner&& list, QWidget* parent = nullptr);
  ~TNameListForm() override;

  FileListOwner& List() { return list_; }
  IconCache& Icons() { return icons_; }
  ListGrid* Grid() const { return DrawGrid1; }
  // A long operation runs on the list: commands wait, closing waits for its end.
  bool Working() const { return working_ > 0; }

  bool AddFile(std::string_view path);
  // Lists the paths in order with the busy cursor (progress for long lists), letting
  // events run every `pumpInterval` paths; the list's commands wait meanwhile.
  void AddPaths(const std::vector<std::string>& paths, int pumpInterval);
  // Lists the paths in order as a drop does, then selects the first of them.
  void AddDroppedPaths(const std::vector<std::string>& paths);
  void RefreshGrid();
  void UpdateStatus();
  // The entries follow files that an undo or a recovery moved; while a long operation
  // works on the list, once it ends.
  void FollowMoves(const FileMoves& moves);

  void SelectAllClick();
  void RemoveSelected();
  void RemoveItemsClick() { RemoveSelected(); }
  void RemoveAllClick();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void CopySelection(bool cut);
  void PasteFiles();
  void PopSortClick(int number);
  // "Sort list", by time taken: the order the photos and videos were taken in.
  void SortByTimeTakenClick();
  void PopColumnsClick(int columnId);
  void OpenFilesClick();
  void SearchFilesClick();
  void SpeedButton13Click();
  void SpeedButton8Click();
  void RenameFilesClick();
  void Savefilelist1Click();
  void Addtofilelist1Click();
  void Importfilelist2Click() { emit importRequested(); }
  void Resetall1Click();
  void Resetname1Click();
  void Resetdate1Click();
  void Resetattribute1Click();
  void Open1Click();
  void Saveas1Click();

 signals:
  // The main window's import: a list file read into a new window.
  void importRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  class Operation;  // marks a long operation for its length
  void FormCreate();
  bool DrawGrid1KeyDown(int key, Qt::KeyboardModifiers modifiers);
  void BuildPopupMenu();
  void SortByColumn(int columnId);
  // The selected rows one place up (-1) or down (+1), the selection with them.
  void MoveSelection(int by);
  void PasteMime(const QMimeData* mime);
  // Before the list is renamed or edited: entries follow files that runs elsewhere moved,
  // and entries of files found nowhere leave the list, named in a message.
  void FindListedFiles();
  Session& Ui() { return state_.Program.Ui; }

  DesktopState& state_;
  FileListOwner list_;
  IconCache icons_;
  FileListModel* model_ = nullptr;
  ListGrid* DrawGrid1 = nullptr;
  ListStatusBar* StatusBar = nullptr;
  QMenu* ListPopMenu = nullptr;
  int working_ = 0;
  bool closeWaiting_ = false;
  std::vector<FileMoves> movesWaiting_;  // moves to follow once the operation ends
};

// The paths a drop or a paste carries: the file URIs of file managers, else the lines
// of plain text.
std::vector<std::string> PathsOf(const QMimeData* mime);

}  // namespace varnoke
