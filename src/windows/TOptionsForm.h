#pragma once
// The options dialog of one file list: every renaming option on two pages, the date and
// attribute settings, a menu that resets, opens or saves the list's options at once, and
// beneath the pages a sample of the new names the values shown would give the first
// files of the list. "&OK" takes the values over into the list's options, "&Default"
// into the defaults.
#include <QDialog>
#include <QGroupBox>
#include <QSpinBox>
#include <array>
#include <functional>
#include <string_view>

#include "engine/FileListOwner.h"
#include "engine/OptionsDialog.h"
#include "platform/UiText.h"
#include "windows/DesktopState.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QTreeWidget;

namespace varnoke {

class DirectoryListBox;
class DriveComboBox;

// A captioned group of radio buttons, one of which is chosen.
class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const char* name, const UiText& caption, const UiText* items, int count,
             QWidget* parent);
  int ItemIndex() const;
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const;

 signals:
  // The chosen item changed: by a click, the keyboard, a screen reader or the program.
  void Changed();

 private:
  QButtonGroup* buttons_;
};

// A number field: a value set or typed is brought into its range; a text that is no whole
// number reads as the minimum.
class SpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  SpinEdit(const QString& name, NumberRange range, QWidget* parent);

 protected:
  QValidator::State validate(QString& text, int& pos) const override;
  int valueFromText(const QString& text) const override;

 private:
  NumberRange range_;
};

class TOptionsForm : public QDialog {
  Q_OBJECT

 public:
  // `list` is the file list whose options are edited; `showHelp` opens a help topic by
  // its number (2 from "Conventions", 3 by F1 on the date-code controls).
  TOptionsForm(FileListOwner& list, DesktopState& state, std::function<void(int topic)> showHelp,
               QWidget* parent = nullptr);

  // What the controls show now.
  OptionsFormValues Values() const;

  // Handlers.
  void BitBtn2Click();               // OK
  void BitBtn4Click();               // Default
  void BitBtn1Click();               // Cancel
  void BitBtn3Click();               // Conventions
  void DateButtonClick(int button);  // DButton1 to DButton9 as 0 to 8
  void Resetall1Click() { QuickSettingClick(QuickSetting::ResetAll); }
  void Resetnames1Click() { QuickSettingClick(QuickSetting::ResetNames); }
  void Resetdates1Click() { QuickSettingClick(QuickSetting::ResetDates); }
  void Resetattributes1Click() { QuickSettingClick(QuickSetting::ResetAttributes); }
  void Open1Click();
  void Saveas1Click();
  // Makes the sample from the values shown (the sample timer runs it after a pause).
  void UpdateSample();

  QTabWidget* TabbedNotebook1;
  // Names page.
  QLabel* Label2;
  DriveComboBox* DriveComboBox1;
  DirectoryListBox* DirectoryListBox1;
  RadioGroup* RadioGroup1;
  RadioGroup* RadioGroup3;
  QLabel* Label4;
  SpinEdit* SpinEdit1;
  QLabel* Label1;
  SpinEdit* SpinEdit3;
  QLabel* Label5;
  SpinEdit* SpinEdit2;
  QLabel* Label3;
  QLineEdit* Edit1;
  QLabel* Label6;
  QLineEdit* Edit2;
  RadioGroup* RadioGroup2;
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox3;
  QCheckBox* CheckBox1;
  RadioGroup* RadioGroup4;
  QCheckBox* CheckBox4;
  QCheckBox* CheckBox5;
  QCheckBox* CheckBox6;
  RadioGroup* RadioGroup5;
  QLineEdit* Edit3;
  // Dates and attributes page; element i is the control numbered i + 1 (DSpinEdit[0] is
  // DSpinEdit1). Block b's date row: DCheckBox[b], day DSpinEdit[5b], month DComboBox[b],
  // year, hour, minute, second DSpinEdit[5b + 1 .. 5b + 4], "Now" DButton[2b], "Last"
  // DButton[2b + 1]; its increase row: DCheckBox[3 + b], DSpinEdit[15 + 5b], DComboBox[3 + b],
  // DSpinEdit[15 + 5b + 1 .. 15 + 5b + 4], "Reset" DButton[6 + b]. Attribute row r:
  // "Set:" ACheckBox[2r], "Attribute:" ACheckBox[2r + 1].
  std::array<QCheckBox*, 6> DCheckBox;
  std::array<SpinEdit*, 30> DSpinEdit;
  std::array<QComboBox*, 6> DComboBox;
  std::array<QPushButton*, 9> DButton;
  // "Set from time taken" beside block b's date row: TCheckBox[b] (TCheckBox1 to 3).
  std::array<QCheckBox*, 3> TCheckBox;
  std::array<QCheckBox*, 8> ACheckBox;
  // Buttons and menu.
  QPushButton* BitBtn3;
  QPushButton* BitBtn4;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QAction* Resetall1;
  QAction* Resetnames1;
  QAction* Resetdates1;
  QAction* Resetattributes1;
  QAction* Open1;
  QAction* Saveas1;
  // The sample.
  QTreeWidget* SampleList;
  QTimer* SampleTimer;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* MakeNamesPage();
  QWidget* MakeDatesPage();
  void MakeMenu();
  void ShowValues(const OptionsFormValues& values);
  // Loads the controls from the list's options.
  void FormCreate();
  void ApplyEnabling();
  void QuickSettingClick(QuickSetting command);
  void Tell(const UiText& text, Icon icon);
  TakeOverContext Context() const;

  FileListOwner& list_;
  DesktopState& state_;
  std::function<void(int)> showHelp_;
};

}  // namespace varnoke
