#pragma once
// The search for files of one file-list window: a start directory, optionally with its
// subdirectories, the file-name filters and the attribute filter. Every file found goes
// to the window's list; the choices go back into the window's options when the dialog
// is destroyed.
#include <QDialog>
#include <cstddef>

#include "engine/SearchWalker.h"
#include "windows/DesktopState.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace varnoke {

class DirectoryListBox;
class DriveComboBox;
class TNameListForm;

class TFileSearchForm : public QDialog {
  Q_OBJECT

 public:
  // Starts from the owner's options (an empty start directory becomes the state's
  // BrowseStart); `parent` defaults to the owner.
  TFileSearchForm(TNameListForm& owner, DesktopState& state, QWidget* parent = nullptr);
  // Writes the directory, "Include subdirectories" and the filters into the owner's
  // options, whether the dialog searched, was stopped or was cancelled.
  ~TFileSearchForm() override;

  bool Searching() const { return searching_; }

  // "&OK": runs the search; a completed search closes the dialog.
  void SearchClick();
  // "&Cancel" / "&Stop": stops a running search and closes the dialog.
  void BitBtn1Click() { reject(); }
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn6Click();

  QLabel* Label1;
  DriveComboBox* DriveComboBox1;
  DirectoryListBox* DirectoryListBox1;
  QCheckBox* CheckBox1;
  QLabel* Label2;
  QListWidget* ListBox1;
  QLabel* Label3;
  QLineEdit* Edit2;
  QPushButton* BitBtn3;
  QPushButton* BitBtn4;
  QLabel* Label4;
  QLabel* Label5;
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox3;
  QCheckBox* CheckBox4;
  QCheckBox* CheckBox5;
  QCheckBox* CheckBox6;
  QCheckBox* CheckBox7;
  QCheckBox* CheckBox8;
  QCheckBox* CheckBox9;
  QLabel* Label6;  // the directories and files found while a search runs
  QPushButton* BitBtn2;
  QPushButton* BitBtn1;
  QPushButton* BitBtn6;

 public slots:
  // Esc, the Cancel / Stop button: a running search ends at its next look.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void FormCreate();
  SearchChoices Choices() const;
  void SetSearching(bool on);
  void ShowFound();

  TNameListForm& owner_;
  DesktopState& state_;
  bool searchStopped_ = false;
  bool searching_ = false;
  std::size_t directoriesListed_ = 0;
  std::size_t filesFound_ = 0;
};

}  // namespace varnoke
