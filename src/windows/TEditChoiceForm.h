#pragma once
// The choice of the parts of the names to edit as text, proposed from the list's
// EditParts. Accepting it stores the choice in the list's options and opens the text
// editor on the list; cancelling does nothing.
#include <QDialog>

#include "windows/DesktopState.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace varnoke {

class TNameListForm;

class TEditChoiceForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 249;
  static constexpr int kClientHeight = 131;

  // A choice for the list of `owner`; `parent` is the window the dialog is centred on
  // (null: the screen).
  TEditChoiceForm(TNameListForm& owner, DesktopState& state, QWidget* parent = nullptr);

  // Shows the choice modally. On OK the dialog goes, pending events run, the editor
  // (TEditForm) is shown modally on the owner's list with the chosen mode, and the
  // owner's grid is refreshed when it closes. Returns the choice's own result.
  int exec() override;

  QGroupBox* RadioGroup1;
  QRadioButton* RadioGroup1Items[4];
  QPushButton* BitBtn2;
  QPushButton* BitBtn1;

  void BitBtn2Click();
  void BitBtn1Click() { reject(); }
  // The item selected: 0 to 3.
  int Mode() const;

 private:
  TNameListForm& owner_;
  DesktopState& state_;
};

}  // namespace varnoke
