#include "windows/TPreferences.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/PreferenceChoices.h"
#include "windows/PreferencesTexts.h"
#include "windows/ToolTipSwitch.h"
#include "windows/Tr.h"

namespace varnoke {
namespace {

// A group box holding one check box.
QGroupBox* CheckGroup(QWidget* parent, const char* name, const UiText& title, QCheckBox*& box,
                      const char* boxName, const UiText& caption, bool checked) {
  auto* group = new QGroupBox(Tr(title), parent);
  group->setObjectName(name);
  box = new QCheckBox(Tr(caption), group);
  box->setObjectName(boxName);
  box->setChecked(checked);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(box);
  return group;
}

}  // namespace

TPreferences::TPreferences(DesktopState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName("Preferences");
  setWindowTitle(Tr(kPreferencesCaption));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  const PreferenceChoices choices =
      ReadPreferenceChoices(state_.Settings.Preferences, state_.Program.Settings);

  GroupBox1 = CheckGroup(this, "GroupBox1", kStartUpGroup, CheckBox1, "CheckBox1", kBlankListCheck,
                         choices.BlankListOnStart);
  GroupBox2 = CheckGroup(this, "GroupBox2", kHelpGroup, CheckBox2, "CheckBox2",
                         kDisableToolTipsCheck, choices.DisableToolTips);
  GroupBox3 = CheckGroup(this, "GroupBox3", kExplorerGroup, CheckBox3, "CheckBox3", kTrueCasesCheck,
                         choices.ShowTrueCases);
  GroupBox3->setToolTip(Tr(kTrueCasesTip));
  CheckBox3->setToolTip(Tr(kTrueCasesTip));
  GroupBox3->setEnabled(false);

  RadioGroup1 = new QGroupBox(Tr(kSaveDefaultsGroup), this);
  RadioGroup1->setObjectName("RadioGroup1");
  auto* radios = new QVBoxLayout(RadioGroup1);
  for (int i = 0; i < 2; ++i) {
    RadioGroup1Items[i] = new QRadioButton(Tr(kSaveDefaultsItems[i]), RadioGroup1);
    RadioGroup1Items[i]->setObjectName(QString("RadioGroup1Item%1").arg(i));
    radios->addWidget(RadioGroup1Items[i]);
  }
  RadioGroup1Items[choices.SaveEveryTime ? 1 : 0]->setChecked(true);

  BitBtn2 = new QPushButton(Tr(kPreferencesOk), this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setDefault(true);
  BitBtn1 = new QPushButton(Tr(kPreferencesCancel), this);
  BitBtn1->setObjectName("BitBtn1");
  connect(BitBtn2, &QPushButton::clicked, this, &TPreferences::BitBtn2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);  // Esc as well

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn1);
  auto* layout = new QVBoxLayout(this);
  for (QWidget* group : {static_cast<QWidget*>(GroupBox1), static_cast<QWidget*>(GroupBox2),
                         static_cast<QWidget*>(GroupBox3), static_cast<QWidget*>(RadioGroup1)})
    layout->addWidget(group);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(CheckBox1, CheckBox2);
  setTabOrder(CheckBox2, CheckBox3);
  setTabOrder(CheckBox3, RadioGroup1Items[0]);
  setTabOrder(RadioGroup1Items[0], RadioGroup1Items[1]);
  setTabOrder(RadioGroup1Items[1], BitBtn2);
  setTabOrder(BitBtn2, BitBtn1);
}

void TPreferences::BitBtn2Click() {
  PreferenceChoices choices;
  choices.BlankListOnStart = CheckBox1->isChecked();
  choices.DisableToolTips = CheckBox2->isChecked();
  choices.SaveEveryTime = RadioGroup1Items[1]->isChecked();
  state_.Settings.Preferences = PreferenceBits(choices);
  SwitchToolTips(!choices.DisableToolTips);
  accept();
}

}  // namespace varnoke
