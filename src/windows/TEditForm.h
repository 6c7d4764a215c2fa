#pragma once
// The text editor of a file list's names: one line per entry, with the parts chosen,
// in a memo under a tool bar and menus; case buttons for the selected text; Start
// applies the lines to the files. Closing with edits not applied asks first. Its
// placement is kept in "EditWinPos".
#include <QDialog>
#include <string>
#include <vector>

#include "engine/EditNames.h"
#include "engine/FileListOwner.h"
#include "engine/Services.h"

class QAction;
class QPlainTextEdit;
class QToolButton;

namespace varnoke {

class TEditForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 414;
  static constexpr int kClientHeight = 260;

  // An editor of the names of `list` in `mode` (0 to 3, the EditParts values); the
  // lines are loaded when it is shown. `parent` is the list's window.
  TEditForm(FileListOwner& list, Services& services, int mode, QWidget* parent = nullptr);
  // Stores the placement in "EditWinPos".
  ~TEditForm() override;

  QToolButton* SpeedButton1;  // Start
  QToolButton* SpeedButton2;  // Cancel
  QToolButton* SpeedButton3;  // Reimport
  QToolButton* SpeedButton4;  // Copy
  QToolButton* SpeedButton5;  // Paste
  QToolButton* SpeedButton6;  // UPPER CASE
  QToolButton* SpeedButton7;  // lower case
  QToolButton* SpeedButton8;  // Title Case
  QPlainTextEdit* Memo1;

  // Applies the edited lines; closes the editor when every line was applied.
  void SpeedButton1Click();
  void SpeedButton2Click() { close(); }
  // Loads the lines from the list; edits not applied are dropped without asking.
  void UpdateList();
  void Selectall1Click();
  // The selected text in another case; nothing without a selection.
  void ChangeSelection(CaseChange change);

  // Closing by any way but a completed apply: asks before dropping edits.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar(QWidget* bar);
  std::vector<std::string> Lines() const;
  void SetText(const std::string& text);

  FileListOwner& list_;
  Services& services_;
  int mode_;
  bool shown_ = false;
};

}  // namespace varnoke
