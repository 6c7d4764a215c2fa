#pragma once
// The program's frame: menus, toolbar and a workspace of file-list windows. Nearly
// every command goes to the active list window; the frame itself opens new lists,
// imports list files, takes dropped files, arranges windows and shows help.
#include <QMainWindow>
#include <optional>
#include <string>
#include <vector>

#include "engine/FileListOwner.h"
#include "engine/FollowFiles.h"
#include "engine/RenameFiles.h"
#include "windows/DesktopState.h"

class QAction;
class QMdiArea;
class QMenu;
class QToolButton;
class QWidget;

namespace varnoke {

class HelpWindow;
class TNameListForm;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainForm(DesktopState& state, QWidget* parent = nullptr);
  ~TMainForm() override;

  TNameListForm* ActiveList() const;
  QList<TNameListForm*> Lists() const;
  QMdiArea* Workspace() const { return mdi_; }
  HelpWindow* Help() const { return help_; }
  QWidget* Toolbar() const { return ToolbarPanel; }

  TNameListForm* NewfilelistClick();
  // A window for a list the start-up parameters filled.
  TNameListForm* OpenList(FileListOwner&& list);
  // The automatic run: the list's preview planned and carried out at once, this window
  // never shown. Returns what the run did (nothing when planning refused).
  std::optional<RenameReport> RenameAtOnce(FileListOwner&& list);
  // Commands by the tag of the item or button that sends them.
  void ToolButtonClick(int tag);
  void OptionsClick(int tag);
  void EditItemClick(int tag);
  void ImportFileList();
  // Files dropped on the frame: one new window per drop.
  TNameListForm* DropFiles(const std::vector<std::string>& paths);
  void Hidetoolbar1Click();
  void AboutClick();
  void ShowHelp(int topic);
  // "Undo last renaming (n files)": the newest complete run, asked about and undone; the
  // lists showing its files follow them back.
  void UndolastrenamingClick();
  // At start: a renaming cut short is offered to be finished or rolled back, and the lists
  // showing its files follow them.
  void OfferRecoveryAtStart();
  // At a first start (no stored placement), once shown: the frame grows to hold a list
  // window of its first size, within the screen's available area.
  void FitFirstList();
  // Every list window's entries follow the files that moved.
  void FollowMoves(const FileMoves& moves);
  // The item's caption and whether it can be chosen, as the journals stand now.
  void UpdateUndoItem();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void FillWindowMenu();
  TNameListForm* AddListWindow(TNameListForm* list);

  DesktopState& state_;
  QMdiArea* mdi_ = nullptr;
  QWidget* ToolbarPanel = nullptr;
  QMenu* ResetOptionsPop = nullptr;
  QMenu* windowMenu_ = nullptr;
  QAction* Hidetoolbar1 = nullptr;
  QAction* Undolastrenaming1 = nullptr;
  HelpWindow* help_ = nullptr;
};

}  // namespace varnoke
