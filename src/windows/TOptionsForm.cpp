#include "windows/TOptionsForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/Messages.h"
#include "engine/TakenMessages.h"
#include "windows/DirectoryControls.h"
#include "windows/HelpWindow.h"
#include "windows/NamedWidgets.h"
#include "windows/OptionSetCommands.h"
#include "windows/OptionsFormTexts.h"
#include "windows/QtText.h"
#include "windows/Tr.h"

namespace varnoke {

namespace {

constexpr int kSamplePause = 300;  // ms without a change before the sample is made anew

QString Tip(const QString& text) {
  return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString Tip(const UiText& text) {
  return Tip(Tr(text));
}

// A message on the one line of a sample row.
QString OneLine(std::string_view text) {
  return Qt8(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

QString Numbered(const char* prefix, std::size_t index) {
  return QString::fromLatin1(prefix) + QString::number(index + 1);
}

QLabel* BuddyLabel(const char* name, const UiText& caption, QWidget* buddy, QWidget* parent) {
  QLabel* label = NamedLabel(name, caption, parent);
  label->setBuddy(buddy);
  return label;
}

QCheckBox* CheckBox(const QString& name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

QLineEdit* LineEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

QPushButton* Button(const QString& name, const UiText& caption, QWidget* parent) {
  auto* button = new QPushButton(Tr(caption), parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QComboBox* ListBox(const QString& name, const QStringList& items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItems(items);
  return box;
}

// The name of a date row, to name the row's fields.
QString RowName(std::size_t block) {
  return Tr(kDateRowNames[block]);
}

}  // namespace

RadioGroup::RadioGroup(const char* name, const UiText& caption, const UiText* items, int count,
                       QWidget* parent)
    : QGroupBox(Tr(caption), parent), buttons_(new QButtonGroup(this)) {
  setObjectName(QString::fromLatin1(name));
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < count; ++i) {
    auto* item = new QRadioButton(Tr(items[i]), this);
    item->setObjectName(objectName() + QStringLiteral("Item") + QString::number(i));
    buttons_->addButton(item, i);
    layout->addWidget(item);
  }
  connect(buttons_, &QButtonGroup::idToggled, this, [this](int, bool on) {
    if (on) emit Changed();
  });
}

int RadioGroup::ItemIndex() const {
  return buttons_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* item = buttons_->button(index)) item->setChecked(true);
}

QRadioButton* RadioGroup::Item(int index) const {
  return qobject_cast<QRadioButton*>(buttons_->button(index));
}

SpinEdit::SpinEdit(const QString& name, NumberRange range, QWidget* parent)
    : QSpinBox(parent), range_(range) {
  setObjectName(name);
  setRange(range.Min, range.Max);
}

// Any text may be typed; reading it brings it into range.
QValidator::State SpinEdit::validate(QString&, int&) const {
  return QValidator::Acceptable;
}

int SpinEdit::valueFromText(const QString& text) const {
  return FieldNumber(text.toStdString(), range_);
}

TOptionsForm::TOptionsForm(FileListOwner& list, DesktopState& state,
                           std::function<void(int topic)> showHelp, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      list_(list),
      state_(state),
      showHelp_(std::move(showHelp)) {
  setObjectName(QStringLiteral("OptionsForm"));
  setWindowTitle(Tr(kOptionsCaption));
  // OK comes first in the tab order and has the focus when the dialog opens.
  BitBtn2 = Button(QStringLiteral("BitBtn2"), kOkButton, this);
  BitBtn2->setDefault(true);
  TabbedNotebook1 = new QTabWidget(this);
  TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
  TabbedNotebook1->setAccessibleName(Tr(kOptionPagesName));
  TabbedNotebook1->addTab(MakeNamesPage(), Tr(kNamesPage));
  TabbedNotebook1->addTab(MakeDatesPage(), Tr(kDatesPage));

  auto* sampleBox = new QGroupBox(Tr(kSampleCaption), this);
  SampleList = new QTreeWidget(sampleBox);
  SampleList->setObjectName(QStringLiteral("SampleList"));
  SampleList->setAccessibleName(Tr(kSampleCaption));
  SampleList->setHeaderLabels({Tr(kSampleColumns[0]), Tr(kSampleColumns[1])});
  SampleList->setRootIsDecorated(false);
  SampleList->setUniformRowHeights(true);
  SampleList->setSelectionMode(QAbstractItemView::NoSelection);
  SampleList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SampleList->setMinimumWidth(320);
  SampleList->header()->setStretchLastSection(true);
  SampleList->setColumnWidth(0, 200);
  auto* sampleLayout = new QVBoxLayout(sampleBox);
  sampleLayout->addWidget(SampleList);
  SampleTimer = new QTimer(this);
  SampleTimer->setObjectName(QStringLiteral("SampleTimer"));
  SampleTimer->setSingleShot(true);
  SampleTimer->setInterval(kSamplePause);
  connect(SampleTimer, &QTimer::timeout, this, &TOptionsForm::UpdateSample);

  BitBtn3 = Button(QStringLiteral("BitBtn3"), kConventionsButton, this);
  BitBtn4 = Button(QStringLiteral("BitBtn4"), kDefaultButton, this);
  BitBtn1 = Button(QStringLiteral("BitBtn1"), kCancelButton, this);
  connect(BitBtn2, &QPushButton::clicked, this, &TOptionsForm::BitBtn2Click);
  connect(BitBtn4, &QPushButton::clicked, this, &TOptionsForm::BitBtn4Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TOptionsForm::BitBtn1Click);
  connect(BitBtn3, &QPushButton::clicked, this, &TOptionsForm::BitBtn3Click);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {BitBtn3, BitBtn4, BitBtn1, BitBtn2}) buttons->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  MakeMenu();
  // The sample stands beside the notebook: below it the dialog would not fit a laptop's
  // screen.
  auto* pages = new QHBoxLayout;
  pages->addWidget(TabbedNotebook1);
  pages->addWidget(sampleBox);
  layout->addLayout(pages);
  layout->addLayout(buttons);

  // The directory controls start where the options aim, else where browsing starts.
  const PathRules& rules = state_.Program.Fs.Rules();
  const std::string start =
      !list_.Options.Path.empty()
          ? rules.DisplayDirectory(rules.StripTrailingSeparator(list_.Options.Path))
          : (state_.Program.BrowseStart.empty() ? std::string("/") : state_.Program.BrowseStart);
  JoinDirectoryControls(*DriveComboBox1, *DirectoryListBox1, start);
  FormCreate();

  // Every change of a value makes the sample anew after a pause.
  const auto later = [this] { SampleTimer->start(); };
  for (QLineEdit* edit : {Edit1, Edit2, Edit3}) connect(edit, &QLineEdit::textChanged, this, later);
  for (QCheckBox* box : findChildren<QCheckBox*>()) connect(box, &QCheckBox::toggled, this, later);
  for (SpinEdit* spin : findChildren<SpinEdit*>())
    connect(spin, &QSpinBox::valueChanged, this, later);
  for (QComboBox* box : DComboBox) connect(box, &QComboBox::currentIndexChanged, this, later);
  for (RadioGroup* group : findChildren<RadioGroup*>())
    connect(group, &RadioGroup::Changed, this, later);
  connect(DirectoryListBox1, &DirectoryListBox::directoryChanged, this, later);
  UpdateSample();
  BitBtn2->setFocus();
}

QWidget* TOptionsForm::MakeNamesPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("NamesPage"));
  DriveComboBox1 = new DriveComboBox(state_.Program.Fs, page);
  DirectoryListBox1 = new DirectoryListBox(page);
  DirectoryListBox1->setFixedHeight(130);
  Label2 = BuddyLabel("Label2", kTargetDirectoryLabel, DriveComboBox1, page);
  for (QWidget* w : std::initializer_list<QWidget*>{Label2, DriveComboBox1, DirectoryListBox1})
    w->setToolTip(Tip(kTargetDirectoryTip));
  RadioGroup1 = new RadioGroup("RadioGroup1", kTransportCaption, kTransportItems.data(),
                               static_cast<int>(kTransportItems.size()), page);
  RadioGroup1->setToolTip(Tip(kTransportTip));
  RadioGroup3 = new RadioGroup("RadioGroup3", kConflictCaption, kConflictItems.data(),
                               static_cast<int>(kConflictItems.size()), page);

  Edit1 = LineEdit("Edit1", page);
  Label3 = BuddyLabel("Label3", kNewFilenameLabel, Edit1, page);
  Edit2 = LineEdit("Edit2", page);
  Label6 = BuddyLabel("Label6", kNewExtensionLabel, Edit2, page);
  CheckBox2 = CheckBox(QStringLiteral("CheckBox2"), Tr(kChangeFileName), page);
  CheckBox3 = CheckBox(QStringLiteral("CheckBox3"), Tr(kChangeExtension), page);
  CheckBox6 = CheckBox(QStringLiteral("CheckBox6"), Tr(kDisregardExtension), page);
  CheckBox6->setToolTip(Tip(kDisregardExtensionTip));
  CheckBox5 = CheckBox(QStringLiteral("CheckBox5"), Tr(kUseWildcards), page);
  CheckBox4 = CheckBox(QStringLiteral("CheckBox4"), Tr(kEnumerateFiles), page);
  SpinEdit1 = new SpinEdit(QStringLiteral("SpinEdit1"), kStartRange, page);
  Label4 = BuddyLabel("Label4", kStartLabel, SpinEdit1, page);
  SpinEdit3 = new SpinEdit(QStringLiteral("SpinEdit3"), kStepRange, page);
  Label1 = BuddyLabel("Label1", kStepLabel, SpinEdit3, page);
  SpinEdit2 = new SpinEdit(QStringLiteral("SpinEdit2"), kDigitsRange, page);
  Label5 = BuddyLabel("Label5", kDigitsLabel, SpinEdit2, page);
  CheckBox1 = CheckBox(QStringLiteral("CheckBox1"), Tr(kChangeCase), page);
  RadioGroup4 = new RadioGroup("RadioGroup4", kCaseCaption, kCaseItems.data(),
                               static_cast<int>(kCaseItems.size()), page);
  RadioGroup2 = new RadioGroup("RadioGroup2", kMethodCaption, kMethodItems.data(),
                               static_cast<int>(kMethodItems.size()), page);
  RadioGroup2->setToolTip(Tip(kMethodTip));
  RadioGroup5 = new RadioGroup("RadioGroup5", kDateCodeCaption, kDateCodeItems.data(),
                               static_cast<int>(kDateCodeItems.size()), page);
  Edit3 = LineEdit("Edit3", page);
  Edit3->setAccessibleName(Tr(kDateFormatName));
  RadioGroup5->setToolTip(Tip(kDateCodeTip));
  Edit3->setToolTip(Tip(kDateCodeTip));
  // The format field stands in the group: F1 on either opens the date codes' topic.
  RadioGroup5->layout()->addWidget(Edit3);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), RadioGroup5, nullptr, nullptr,
                           Qt::WidgetWithChildrenShortcut);
  f1->setObjectName(QStringLiteral("DateCodesHelp"));
  connect(f1, &QShortcut::activated, this, [this] {
    if (showHelp_) showHelp_(HelpWindow::DateCodes);
  });

  auto* left = new QVBoxLayout;
  left->addWidget(Label2);
  left->addWidget(DriveComboBox1);
  left->addWidget(DirectoryListBox1);
  left->addWidget(RadioGroup1);
  left->addWidget(RadioGroup3);
  left->addStretch();

  auto* fields = new QGridLayout;
  fields->addWidget(Label3, 0, 0);
  fields->addWidget(Edit1, 0, 1, 1, 3);
  fields->addWidget(Label6, 1, 0);
  fields->addWidget(Edit2, 1, 1, 1, 3);
  fields->addWidget(Label4, 2, 0);
  fields->addWidget(SpinEdit1, 2, 1);
  fields->addWidget(Label1, 3, 0);
  fields->addWidget(SpinEdit3, 3, 1);
  fields->addWidget(Label5, 4, 0);
  fields->addWidget(SpinEdit2, 4, 1);
  auto* switches = new QVBoxLayout;
  for (QCheckBox* box : {CheckBox2, CheckBox3, CheckBox6, CheckBox5, CheckBox4, CheckBox1})
    switches->addWidget(box);
  fields->addLayout(switches, 2, 2, 3, 2);
  auto* right = new QVBoxLayout;
  right->addLayout(fields);
  right->addWidget(RadioGroup4);
  right->addWidget(RadioGroup5);
  right->addStretch();

  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addLayout(right, 1);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(top);
  layout->addWidget(RadioGroup2);

  // The enabling follows the boxes however they change: a click, the keyboard, a screen
  // reader's action, a quick setting.
  for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox6})
    connect(box, &QCheckBox::toggled, this, &TOptionsForm::ApplyEnabling);
  for (RadioGroup* group : {RadioGroup1, RadioGroup2})
    connect(group, &RadioGroup::Changed, this, &TOptionsForm::ApplyEnabling);
  return page;
}

QWidget* TOptionsForm::MakeDatesPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("DatesPage"));
  QStringList months;
  for (const UiText& month : kMonthItems) months << Tr(month);
  QStringList monthCounts;
  for (int i = 0; i < 12; ++i) monthCounts << QString::number(i);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(Tr(kDatesHeading), page), 0, 0);
  const NumberRange dateRanges[] = {kDayRange, kYearRange, kHourRange, kMinuteRange, kMinuteRange};
  const NumberRange increaseRanges[] = {kIncreaseDaysRange, kIncreaseYearsRange, kHourRange,
                                        kMinuteRange, kMinuteRange};
  for (std::size_t b = 0; b < 3; ++b) {
    const int dateRow = 1 + 2 * static_cast<int>(b);
    for (const bool increase : {false, true}) {
      const int row = dateRow + (increase ? 1 : 0);
      const std::size_t box = b + (increase ? 3 : 0);
      DCheckBox[box] = CheckBox(Numbered("DCheckBox", box),
                                Tr(increase ? kIncreaseCaption : kDateRowCaptions[b]), page);
      DComboBox[box] = ListBox(Numbered("DComboBox", box), increase ? monthCounts : months, page);
      grid->addWidget(DCheckBox[box], row, 0);
      const QString fieldName = Tr(increase ? kIncreaseFieldName : kDateFieldName);
      // Day, month, year, hour, minute, second: the month is the list, the rest spin fields.
      for (std::size_t field = 0, spin = 0; field < 6; ++field) {
        const auto& names = increase ? kIncreaseFieldNames : kDateFieldNames;
        QWidget* control = nullptr;
        if (field == 1) {
          control = DComboBox[box];
        } else {
          const std::size_t at = (increase ? 15 : 0) + 5 * b + spin;
          DSpinEdit[at] = new SpinEdit(Numbered("DSpinEdit", at),
                                       increase ? increaseRanges[spin] : dateRanges[spin], page);
          control = DSpinEdit[at];
          ++spin;
        }
        control->setAccessibleName(fieldName.arg(RowName(b), Tr(names[field])));
        grid->addWidget(control, row, 1 + static_cast<int>(field));
      }
    }
    DButton[2 * b] = Button(Numbered("DButton", 2 * b), kNowButton, page);
    DButton[2 * b + 1] = Button(Numbered("DButton", 2 * b + 1), kLastButton, page);
    DButton[6 + b] = Button(Numbered("DButton", 6 + b), kResetButton, page);
    grid->addWidget(DButton[2 * b], dateRow, 7);
    grid->addWidget(DButton[2 * b + 1], dateRow, 8);
    grid->addWidget(DButton[6 + b], dateRow + 1, 7);
    TCheckBox[b] = CheckBox(Numbered("TCheckBox", b), Tr(kFromTakenCaption), page);
    TCheckBox[b]->setAccessibleName(Tr(kFromTakenName).arg(RowName(b), Tr(kFromTakenCaption)));
    TCheckBox[b]->setToolTip(Tip(kFromTakenTip));
    grid->addWidget(TCheckBox[b], dateRow, 9);
    connect(TCheckBox[b], &QCheckBox::toggled, this, &TOptionsForm::ApplyEnabling);
  }
  for (std::size_t i = 0; i < DButton.size(); ++i)
    connect(DButton[i], &QPushButton::clicked, this,
            [this, i] { DateButtonClick(static_cast<int>(i)); });

  auto* attributes = new QGridLayout;
  attributes->addWidget(new QLabel(Tr(kAttributesHeading), page), 0, 0, 1, 2);
  attributes->addWidget(new QLabel(Tr(kSetHeading), page), 1, 0);
  attributes->addWidget(new QLabel(Tr(kAttributeHeading), page), 1, 1);
  for (std::size_t r = 0; r < kAttributeCaptions.size(); ++r) {
    ACheckBox[2 * r] = CheckBox(Numbered("ACheckBox", 2 * r), {}, page);
    ACheckBox[2 * r]->setAccessibleName(Tr(kSetAttributeName).arg(Tr(kAttributeCaptions[r])));
    ACheckBox[2 * r + 1] =
        CheckBox(Numbered("ACheckBox", 2 * r + 1), Tr(kAttributeCaptions[r]), page);
    attributes->addWidget(ACheckBox[2 * r], 2 + static_cast<int>(r), 0);
    attributes->addWidget(ACheckBox[2 * r + 1], 2 + static_cast<int>(r), 1);
  }
  attributes->setColumnStretch(2, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(grid);
  layout->addSpacing(8);
  layout->addLayout(attributes);
  layout->addStretch();
  return page;
}

void TOptionsForm::MakeMenu() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* menu = bar->addMenu(Tr(kQuickSettingsMenu));
  menu->setObjectName(QStringLiteral("QuickSettings1"));
  const auto item = [&](const char* name, const UiText& caption, void (TOptionsForm::*handler)()) {
    QAction* action = menu->addAction(Tr(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  Resetall1 = item("Resetall1", kResetAllItem, &TOptionsForm::Resetall1Click);
  Resetnames1 = item("Resetnames1", kResetNamesItem, &TOptionsForm::Resetnames1Click);
  Resetdates1 = item("Resetdates1", kResetDatesItem, &TOptionsForm::Resetdates1Click);
  Resetattributes1 =
      item("Resetattributes1", kResetAttributesItem, &TOptionsForm::Resetattributes1Click);
  menu->addSeparator();
  Open1 = item("Open1", kOpenItem, &TOptionsForm::Open1Click);
  Saveas1 = item("Saveas1", kSaveAsItem, &TOptionsForm::Saveas1Click);
  layout()->setMenuBar(bar);
}

OptionsFormValues TOptionsForm::Values() const {
  OptionsFormValues v;
  v.Directory = DirectoryListBox1->Directory();
  v.Transport = RadioGroup1->ItemIndex();
  v.DeleteOnConflict = RadioGroup3->ItemIndex() == 1;
  v.Start = SpinEdit1->value();
  v.Step = SpinEdit3->value();
  v.Digits = SpinEdit2->value();
  v.Name = Edit1->text().toStdString();
  v.Ext = Edit2->text().toStdString();
  v.Advanced = RadioGroup2->ItemIndex() == 1;
  v.ChangeName = CheckBox2->isChecked();
  v.ChangeExt = CheckBox3->isChecked();
  v.ChangeCase = CheckBox1->isChecked();
  v.CaseItem = RadioGroup4->ItemIndex();
  v.Enumerate = CheckBox4->isChecked();
  v.UseWildcards = CheckBox5->isChecked();
  v.DisregardExt = CheckBox6->isChecked();
  v.DateCodes = static_cast<DateSource>(RadioGroup5->ItemIndex());
  v.DateString = Edit3->text().toStdString();
  for (std::size_t b = 0; b < 3; ++b) {
    DateBlockValues& block = v.Dates[b];
    const auto spin = [&](std::size_t first, std::size_t i) {
      return DSpinEdit[first + 5 * b + i]->value();
    };
    block.Set = DCheckBox[b]->isChecked();
    block.FromTaken = TCheckBox[b]->isChecked();
    block.Date = {spin(0, 0), DComboBox[b]->currentIndex(), spin(0, 1), spin(0, 2), spin(0, 3),
                  spin(0, 4)};
    block.Increase = DCheckBox[3 + b]->isChecked();
    block.By = {spin(15, 0), DComboBox[3 + b]->currentIndex(),
                spin(15, 1), spin(15, 2),
                spin(15, 3), spin(15, 4)};
  }
  for (std::size_t r = 0; r < v.Attributes.size(); ++r)
    v.Attributes[r] = {ACheckBox[2 * r]->isChecked(), ACheckBox[2 * r + 1]->isChecked()};
  return v;
}

void TOptionsForm::ShowValues(const OptionsFormValues& v) {
  if (v.Directory != DirectoryListBox1->Directory()) {
    DriveComboBox1->ShowDriveOf(v.Directory);
    DirectoryListBox1->SetDirectory(v.Directory);
  }
  RadioGroup1->SetItemIndex(v.Transport);
  RadioGroup3->SetItemIndex(v.DeleteOnConflict ? 1 : 0);
  SpinEdit1->setValue(v.Start);
  SpinEdit3->setValue(v.Step);
  SpinEdit2->setValue(v.Digits);
  Edit1->setText(Qt8(v.Name));
  Edit2->setText(Qt8(v.Ext));
  RadioGroup2->SetItemIndex(v.Advanced ? 1 : 0);
  CheckBox2->setChecked(v.ChangeName);
  CheckBox3->setChecked(v.ChangeExt);
  CheckBox1->setChecked(v.ChangeCase);
  RadioGroup4->SetItemIndex(v.CaseItem);
  CheckBox4->setChecked(v.Enumerate);
  CheckBox5->setChecked(v.UseWildcards);
  CheckBox6->setChecked(v.DisregardExt);
  RadioGroup5->SetItemIndex(static_cast<int>(v.DateCodes));
  Edit3->setText(Qt8(v.DateString));
  for (std::size_t b = 0; b < 3; ++b) {
    const DateBlockValues& block = v.Dates[b];
    const int date[] = {block.Date.Day, block.Date.Year, block.Date.Hour, block.Date.Minute,
                        block.Date.Second};
    const int by[] = {block.By.Days, block.By.Years, block.By.Hours, block.By.Minutes,
                      block.By.Seconds};
    for (std::size_t i = 0; i < 5; ++i) {
      DSpinEdit[5 * b + i]->setValue(date[i]);
      DSpinEdit[15 + 5 * b + i]->setValue(by[i]);
    }
    DCheckBox[b]->setChecked(block.Set);
    TCheckBox[b]->setChecked(block.FromTaken);
    DComboBox[b]->setCurrentIndex(block.Date.Month);
    DCheckBox[3 + b]->setChecked(block.Increase);
    DComboBox[3 + b]->setCurrentIndex(block.By.Months);
  }
  for (std::size_t r = 0; r < v.Attributes.size(); ++r) {
    ACheckBox[2 * r]->setChecked(v.Attributes[r].Set);
    ACheckBox[2 * r + 1]->setChecked(v.Attributes[r].On);
  }
}

void TOptionsForm::FormCreate() {
  OptionsFormValues values = Values();
  varnoke::FormCreate(list_.Options, state_.Program.Fs.Rules(), values);
  ShowValues(values);
  ApplyEnabling();
}

void TOptionsForm::ApplyEnabling() {
  const OptionsFormEnabling on = EnabledControls(Values());
  CheckBox5->setEnabled(on.UseWildcards);
  Edit1->setEnabled(on.Name);
  Label3->setEnabled(on.Name);
  Edit2->setEnabled(on.Ext);
  Label6->setEnabled(on.Ext);
  CheckBox3->setEnabled(on.ChangeExt);
  RadioGroup4->setEnabled(on.CaseItems);
  for (QWidget* w :
       std::initializer_list<QWidget*>{SpinEdit1, SpinEdit3, SpinEdit2, Label4, Label1, Label5})
    w->setEnabled(on.Numbers);
  for (QWidget* w : std::initializer_list<QWidget*>{DirectoryListBox1, DriveComboBox1, Label2})
    w->setEnabled(on.Directory);
  for (std::size_t b = 0; b < 3; ++b) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{DComboBox[b], DComboBox[3 + b], DCheckBox[3 + b],
                                         DButton[2 * b], DButton[2 * b + 1], DButton[6 + b]})
      w->setEnabled(on.DateRows[b]);
    for (std::size_t i = 0; i < 5; ++i) {
      DSpinEdit[5 * b + i]->setEnabled(on.DateRows[b]);
      DSpinEdit[15 + 5 * b + i]->setEnabled(on.DateRows[b]);
    }
  }
}

TakeOverContext TOptionsForm::Context() const {
  return {state_.Program.Fs.Rules(), state_.Program.Regional, state_.Program.Time};
}

void TOptionsForm::Tell(const UiText& text, Icon icon) {
  state_.Program.Ui.ask(Tr(text).toStdString(), kVarnokeCaption, Buttons::Ok, icon);
}

void TOptionsForm::BitBtn2Click() {
  // A number typed and not yet read is read now, as when its field loses the focus.
  for (SpinEdit* spin : findChildren<SpinEdit*>()) spin->interpretText();
  const OptionsFormValues values = Values();
  if (auto message = TakeOverOptions(values, list_.Options, TakeOverFor::Ok, Context())) {
    Tell(*message, Icon::None);
    return;
  }
  if (state_.Settings.Preferences & kPrefSaveEveryTime)
    TakeOverOptions(values, state_.Settings.Defaults, TakeOverFor::Default, Context());
  accept();
}

void TOptionsForm::BitBtn4Click() {
  for (SpinEdit* spin : findChildren<SpinEdit*>()) spin->interpretText();
  if (auto message =
          TakeOverOptions(Values(), state_.Settings.Defaults, TakeOverFor::Default, Context()))
    Tell(*message, Icon::None);
}

void TOptionsForm::BitBtn1Click() {
  reject();
}

void TOptionsForm::BitBtn3Click() {
  if (showHelp_) showHelp_(HelpWindow::Conventions);
}

void TOptionsForm::DateButtonClick(int button) {
  OptionsFormValues values = Values();
  if (button < 6) {
    const auto block = static_cast<std::size_t>(button / 2);
    if (button % 2 == 0) {
      values.Dates[block].Date = NowDateRow(state_.Program.Time);
    } else if (const auto last = LastDateRow(list_.Options, static_cast<DateBlock>(block))) {
      values.Dates[block].Date = *last;
    }
  } else {
    values.Dates[static_cast<std::size_t>(button - 6)].By = IncreaseRowValues{};
  }
  ShowValues(values);
}

void TOptionsForm::QuickSettingClick(QuickSetting command) {
  OptionsFormValues values = Values();
  ApplyQuickSetting(command, list_.Options, state_.Program.Fs.Rules(), values);
  ShowValues(values);
  ApplyEnabling();
}

void TOptionsForm::Open1Click() {
  if (OpenOptionSetInto(list_.Options, state_, this)) FormCreate();
}

void TOptionsForm::Saveas1Click() {
  if (SaveOptionSetOf(list_.Options, state_, this)) FormCreate();
}

void TOptionsForm::UpdateSample() {
  const OptionsSample sample =
      MakeOptionsSample(Values(), list_.Options, list_.Files, state_.Program);
  SampleList->clear();
  if (sample.Message) {
    auto* item = new QTreeWidgetItem(SampleList, {OneLine(*sample.Message)});
    item->setToolTip(0, Tip(Qt8(*sample.Message)));
    item->setFirstColumnSpanned(true);
    return;
  }
  for (const SampleRow& row : sample.Rows) {
    auto* item = new QTreeWidgetItem(SampleList, {Qt8(row.File), OneLine(row.NewName)});
    if (row.LeftOut) item->setToolTip(1, Tip(Qt8(row.NewName)));
    if (row.NoTimeTaken) item->setToolTip(1, Tip(kNoTimeTakenTip));
    if (row.Conflict) item->setForeground(1, QBrush(QColor(255, 0, 0)));
  }
}

void TOptionsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
}

}  // namespace varnoke
