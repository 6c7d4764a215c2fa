#include "windows/TFileSearchForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <initializer_list>

#include "engine/SearchMessages.h"
#include "windows/DirectoryControls.h"
#include "windows/NamedWidgets.h"
#include "windows/QtText.h"
#include "windows/SearchFormTexts.h"
#include "windows/TNameListForm.h"

namespace varnoke {
namespace {

// The eight attribute boxes and the Flags bit each stands for.
struct AttributeBox {
  QCheckBox* TFileSearchForm::*Box;
  std::uint32_t Bit;
};
constexpr AttributeBox kAttributeBoxes[] = {
    {&TFileSearchForm::CheckBox2, SearchUseReadOnly}, {&TFileSearchForm::CheckBox3, SearchReadOnly},
    {&TFileSearchForm::CheckBox4, SearchUseArchive},  {&TFileSearchForm::CheckBox5, SearchArchive},
    {&TFileSearchForm::CheckBox6, SearchUseSystem},   {&TFileSearchForm::CheckBox7, SearchSystem},
    {&TFileSearchForm::CheckBox8, SearchUseHidden},   {&TFileSearchForm::CheckBox9, SearchHidden},
};

// A use box has no caption of its own: screen readers call it after its attribute.
QCheckBox* UseBox(const char* name, const UiText& attribute, QWidget* parent) {
  QCheckBox* box = NamedBox(name, QString(), parent);
  box->setAccessibleName(Tr(kSearchUseBoxName).arg(Tr(attribute)));
  return box;
}

}  // namespace

TFileSearchForm::TFileSearchForm(TNameListForm& owner, DesktopState& state, QWidget* parent)
    : QDialog(parent ? parent : &owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      owner_(owner),
      state_(state) {
  BuildControls();
  FormCreate();
}

TFileSearchForm::~TFileSearchForm() {
  varnoke::FormDestroy(Choices(), owner_.List().Options);
}

// Created in the order the Tab key visits them.
void TFileSearchForm::BuildControls() {
  setObjectName("FileSearchForm");
  setWindowTitle(Tr(kSearchCaption));

  Label1 = NamedLabel("Label1", kSearchPathLabel, this);
  DriveComboBox1 = new DriveComboBox(state_.Program.Fs, this);
  DirectoryListBox1 = new DirectoryListBox(this);
  DirectoryListBox1->setMinimumSize(220, 220);
  Label1->setBuddy(DriveComboBox1);
  CheckBox1 = NamedBox("CheckBox1", kSearchSubdirectories, this);

  Label2 = NamedLabel("Label2", kSearchFiltersLabel, this);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  // A list is not named by its label for screen readers the way a field is.
  ListBox1->setAccessibleName(Tr(kSearchFiltersName));
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  Label2->setBuddy(ListBox1);
  Label3 = NamedLabel("Label3", kSearchFilterLabel, this);
  Edit2 = new QLineEdit(Qt8(kDefaultNewFilter), this);
  Edit2->setObjectName("Edit2");
  Edit2->installEventFilter(this);
  Label3->setBuddy(Edit2);
  BitBtn3 = NamedButton("BitBtn3", kSearchAddFilter, this);
  BitBtn4 = NamedButton("BitBtn4", kSearchRemoveFilter, this);

  Label4 = NamedLabel("Label4", kSearchUseInclude, this);
  Label5 = NamedLabel("Label5", kSearchUseInclude, this);
  CheckBox2 = UseBox("CheckBox2", kSearchReadOnly, this);
  CheckBox3 = NamedBox("CheckBox3", kSearchReadOnly, this);
  CheckBox4 = UseBox("CheckBox4", kSearchArchive, this);
  CheckBox5 = NamedBox("CheckBox5", kSearchArchive, this);
  CheckBox6 = UseBox("CheckBox6", kSearchSystem, this);
  CheckBox7 = NamedBox("CheckBox7", kSearchSystem, this);
  CheckBox8 = UseBox("CheckBox8", kSearchHidden, this);
  CheckBox9 = NamedBox("CheckBox9", kSearchHidden, this);

  Label6 = NamedLabel("Label6", QString(), this);
  BitBtn2 = NamedButton("BitBtn2", kSearchOk, this);
  BitBtn2->setDefault(true);
  BitBtn1 = NamedButton("BitBtn1", kSearchCancelButton, this);
  BitBtn6 = NamedButton("BitBtn6", kSearchDefault, this);

  auto* left = new QVBoxLayout;
  left->addWidget(Label1);
  left->addWidget(DriveComboBox1);
  left->addWidget(DirectoryListBox1, 1);
  left->addWidget(CheckBox1);

  auto* filterButtons = new QHBoxLayout;
  filterButtons->addWidget(BitBtn3);
  filterButtons->addWidget(BitBtn4);
  auto* attributes = new QGridLayout;
  attributes->addWidget(Label4, 0, 0, 1, 2);
  attributes->addWidget(Label5, 0, 2, 1, 2);
  attributes->addWidget(CheckBox2, 1, 0);
  attributes->addWidget(CheckBox3, 1, 1);
  attributes->addWidget(CheckBox4, 2, 0);
  attributes->addWidget(CheckBox5, 2, 1);
  attributes->addWidget(CheckBox6, 1, 2);
  attributes->addWidget(CheckBox7, 1, 3);
  attributes->addWidget(CheckBox8, 2, 2);
  attributes->addWidget(CheckBox9, 2, 3);
  attributes->setColumnStretch(1, 1);
  attributes->setColumnStretch(3, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(Label2);
  right->addWidget(ListBox1, 1);
  right->addWidget(Label3);
  right->addWidget(Edit2);
  right->addLayout(filterButtons);
  right->addSpacing(6);
  right->addLayout(attributes);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Label6, 1);
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn6);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  connect(BitBtn2, &QPushButton::clicked, this, &TFileSearchForm::SearchClick);
  connect(BitBtn1, &QPushButton::clicked, this, &TFileSearchForm::BitBtn1Click);
  connect(BitBtn3, &QPushButton::clicked, this, &TFileSearchForm::BitBtn3Click);
  connect(BitBtn4, &QPushButton::clicked, this, &TFileSearchForm::BitBtn4Click);
  connect(BitBtn6, &QPushButton::clicked, this, &TFileSearchForm::BitBtn6Click);

  // Centred on the screen, not on the list window.
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TFileSearchForm::FormCreate() {
  const SearchChoices start =
      varnoke::FormCreate(owner_.List().Options, state_.Program.BrowseStart);
  JoinDirectoryControls(*DriveComboBox1, *DirectoryListBox1, start.Directory);
  CheckBox1->setChecked(start.Subdirectories);
  for (const std::string& filter : start.Filters) ListBox1->addItem(Qt8(filter));
  for (const AttributeBox& a : kAttributeBoxes)
    (this->*a.Box)->setChecked((start.AttributeBits & a.Bit) != 0);
}

SearchChoices TFileSearchForm::Choices() const {
  SearchChoices c;
  c.Directory = DirectoryListBox1->Directory();
  c.Subdirectories = CheckBox1->isChecked();
  for (int i = 0; i < ListBox1->count(); ++i)
    c.Filters.push_back(ListBox1->item(i)->text().toStdString());
  for (const AttributeBox& a : kAttributeBoxes)
    if ((this->*a.Box)->isChecked()) c.AttributeBits |= a.Bit;
  return c;
}

void TFileSearchForm::SearchClick() {
  if (searching_) return;
  const SearchChoices choices = Choices();
  if (!choices.Filters.empty()) SetSearching(true);
  SearchCallbacks callbacks;
  callbacks.AddFile = [this](std::string_view path) {
    owner_.AddFile(path);
    ++filesFound_;
    ShowFound();
  };
  callbacks.SetCaption = [this](const UiText& caption) { setWindowTitle(Tr(caption)); };
  callbacks.DirectoriesListed = [this](std::size_t directories) {
    directoriesListed_ = directories;
    ShowFound();
  };
  const SearchOutcome outcome =
      varnoke::SearchClick(choices, owner_.List().Options, state_.Program.Fs, state_.Program.Ui,
                           searchStopped_, callbacks);
  if (outcome == SearchOutcome::NoFilters) return;
  owner_.RefreshGrid();
  if (outcome == SearchOutcome::Completed) {
    SetSearching(false);
    accept();
  } else {
    searching_ = false;  // stopped: the dialog is closing already
  }
}

void TFileSearchForm::SetSearching(bool on) {
  searching_ = on;
  for (QWidget* control :
       std::initializer_list<QWidget*>{DriveComboBox1, DirectoryListBox1, CheckBox1, ListBox1,
                                       Edit2, BitBtn3, BitBtn4, BitBtn2, BitBtn6})
    control->setEnabled(!on);
  for (const AttributeBox& a : kAttributeBoxes) (this->*a.Box)->setEnabled(!on);
  BitBtn1->setText(Tr(on ? kSearchStopButton : kSearchCancelButton));
  if (on) {
    BitBtn1->setFocus();
    directoriesListed_ = 0;
    filesFound_ = 0;
    ShowFound();
  } else {
    Label6->clear();
  }
}

void TFileSearchForm::ShowFound() {
  Label6->setText(Tr(kSearchFoundCounts)
                      .arg(static_cast<qulonglong>(directoriesListed_))
                      .arg(static_cast<qulonglong>(filesFound_)));
}

void TFileSearchForm::reject() {
  searchStopped_ = true;
  QDialog::reject();
}

void TFileSearchForm::BitBtn3Click() {
  if (!Edit2->text().isEmpty()) ListBox1->addItem(Edit2->text());
}

void TFileSearchForm::BitBtn4Click() {
  qDeleteAll(ListBox1->selectedItems());
}

void TFileSearchForm::BitBtn6Click() {
  varnoke::BitBtn6Click(Choices(), state_.Settings.Defaults);
}

// Enter in the filter edit goes on to the OK button, without pressing it.
bool TFileSearchForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit2 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      BitBtn2->setFocus();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace varnoke
