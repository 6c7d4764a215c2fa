#pragma once
// The preferences dialog: a blank file list on start-up, tool tips off, when the
// defaults are saved, and the explorer's true-case setting. Accepting it rebuilds the
// preferences bit set and switches the tool tips at once; cancelling changes nothing.
// The explorer's setting acts on Windows only: its box shows the stored choice,
// disabled, and "DontPrettyPath" is kept as it was.
#include <QDialog>

#include "windows/DesktopState.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace varnoke {

class TPreferences : public QDialog {
  Q_OBJECT

 public:
  // Shows the preferences of `state` (its Settings.Preferences bits) and the explorer
  // setting from its settings store; `parent` is the main window. Run with exec().
  TPreferences(DesktopState& state, QWidget* parent = nullptr);

  QGroupBox* GroupBox1;
  QCheckBox* CheckBox1;
  QGroupBox* GroupBox2;
  QCheckBox* CheckBox2;
  QGroupBox* GroupBox3;
  QCheckBox* CheckBox3;
  QGroupBox* RadioGroup1;
  QRadioButton* RadioGroup1Items[2];
  QPushButton* BitBtn2;
  QPushButton* BitBtn1;

  void BitBtn2Click();

 private:
  DesktopState& state_;
};

}  // namespace varnoke
