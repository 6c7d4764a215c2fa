#include "windows/TEditChoiceForm.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/EditNames.h"
#include "windows/EditFormTexts.h"
#include "windows/TEditForm.h"
#include "windows/TNameListForm.h"
#include "windows/Tr.h"

namespace varnoke {

TEditChoiceForm::TEditChoiceForm(TNameListForm& owner, DesktopState& state, QWidget* parent)
    : QDialog(parent), owner_(owner), state_(state) {
  setObjectName("EditChoiceForm");
  setWindowTitle(Tr(kEditChoiceCaption));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

  RadioGroup1 = new QGroupBox(Tr(kEditPartsTitle), this);
  RadioGroup1->setObjectName("RadioGroup1");
  auto* items = new QVBoxLayout(RadioGroup1);
  const int selected = EditModeOf(owner_.List().Options.EditParts);
  for (int i = 0; i < kEditModeCount; ++i) {
    RadioGroup1Items[i] = new QRadioButton(Tr(kEditPartItems[i]), RadioGroup1);
    RadioGroup1Items[i]->setObjectName(QString("RadioGroup1Item%1").arg(i));
    RadioGroup1Items[i]->setChecked(i == selected);
    items->addWidget(RadioGroup1Items[i]);
  }

  BitBtn2 = new QPushButton(Tr(kEditChoiceOk), this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setDefault(true);
  BitBtn1 = new QPushButton(Tr(kEditChoiceCancel), this);
  BitBtn1->setObjectName("BitBtn1");
  connect(BitBtn2, &QPushButton::clicked, this, &TEditChoiceForm::BitBtn2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TEditChoiceForm::BitBtn1Click);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn1);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(RadioGroup1, 1);
  layout->addLayout(buttons);
  setFixedSize(sizeHint().expandedTo(QSize(kClientWidth, kClientHeight)));
  setTabOrder(RadioGroup1Items[kEditModeCount - 1], BitBtn2);
  setTabOrder(BitBtn2, BitBtn1);
}

int TEditChoiceForm::Mode() const {
  for (int i = 0; i < kEditModeCount; ++i)
    if (RadioGroup1Items[i]->isChecked()) return i;
  return kEditNameOnly;
}

void TEditChoiceForm::BitBtn2Click() {
  owner_.List().Options.EditParts = static_cast<std::uint8_t>(Mode());
  accept();
}

int TEditChoiceForm::exec() {
  const int result = QDialog::exec();
  if (result != Accepted) return result;
  hide();
  QCoreApplication::processEvents();  // the choice is gone before the editor shows
  {
    TEditForm editor(owner_.List(), state_.Program, Mode(), &owner_);
    editor.exec();
  }
  owner_.RefreshGrid();
  return result;
}

}  // namespace varnoke
