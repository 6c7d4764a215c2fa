#pragma once
// The add-files dialog of one file-list window: a drive, a directory, a filter and the
// directory's files, of which the marked ones go to the window's list. It opens in the
// directory where it was last closed for that window and keeps its placement in the
// settings ("AddWinPos").
#include <QDialog>
#include <string>
#include <vector>

#include "windows/DesktopState.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace varnoke {

class DirectoryListBox;
class DriveComboBox;
class TNameListForm;

class TAddFiles : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kWidth = 560;   // wide enough for whole names beside the tree
  static constexpr int kHeight = 312;  // always
  static constexpr int kMinWidth = 317;

  // Opens in the owner's remembered directory (an empty one becomes the state's
  // BrowseStart); `parent` defaults to the owner.
  TAddFiles(TNameListForm& owner, DesktopState& state, QWidget* parent = nullptr);
  // Stores the placement (once shown) and the directory as the owner's remembered one,
  // also after Cancel.
  ~TAddFiles() override;

  // The directory whose files the list shows.
  const std::string& ListedDirectory() const { return listedDirectory_; }

  void DirectoryListBox1Change();
  // Enter in the filter: the list shows the files that match its patterns.
  void Edit1KeyPress();
  void FileListBox1Change();
  void Selectall1Click();
  void Selectnone1Click();
  // "&OK": the marked files, in list order, to the owner's list; then closes.
  void BitBtn2Click();

  QLabel* Label1;
  DriveComboBox* DriveComboBox1;
  DirectoryListBox* DirectoryListBox1;
  QLabel* Label3;
  QLineEdit* Edit1;
  QLabel* Label2;
  QListWidget* FileListBox1;
  QMenu* PopupMenu1;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QPushButton* BitBtn4;
  QPushButton* BitBtn3;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void FormCreate();
  void FormShow();
  void UpdateMarked();

  TNameListForm& owner_;
  DesktopState& state_;
  std::string filter_;
  std::string listedDirectory_;
  std::vector<std::string> names_;
  bool shown_ = false;
};

}  // namespace varnoke
