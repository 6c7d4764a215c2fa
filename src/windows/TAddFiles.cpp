#include "windows/TAddFiles.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/AddFilesChoices.h"
#include "files/WindowPlacement.h"
#include "windows/DirectoryControls.h"
#include "windows/NamedWidgets.h"
#include "windows/QtText.h"
#include "windows/SearchFormTexts.h"
#include "windows/TNameListForm.h"
#include "windows/WindowPosition.h"

namespace varnoke {

TAddFiles::TAddFiles(TNameListForm& owner, DesktopState& state, QWidget* parent)
    : QDialog(parent ? parent : &owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowSystemMenuHint |
                                            Qt::WindowMaximizeButtonHint |
                                            Qt::WindowCloseButtonHint),
      owner_(owner),
      state_(state),
      filter_(kAddFilesFirstFilter) {
  BuildControls();
  FormCreate();
}

TAddFiles::~TAddFiles() {
  if (shown_) WritePlacement(state_.Program.Settings, kAddWinPos, PlacementOf(*this));
  owner_.List().Options.AddFiles = DirectoryListBox1->Directory();
}

// Created in the order the Tab key visits them.
void TAddFiles::BuildControls() {
  setObjectName("AddFiles");
  setWindowTitle(Tr(kAddFilesCaption));

  Label1 = NamedLabel("Label1", kAddFilesPathLabel, this);
  DriveComboBox1 = new DriveComboBox(state_.Program.Fs, this);
  Label1->setBuddy(DriveComboBox1);
  DirectoryListBox1 = new DirectoryListBox(this);
  Label3 = NamedLabel("Label3", kAddFilesFilterLabel, this);
  Edit1 = new QLineEdit(Qt8(kAddFilesFirstFilter), this);
  Edit1->setObjectName("Edit1");
  Edit1->installEventFilter(this);
  Label3->setBuddy(Edit1);

  Label2 = NamedLabel("Label2", kAddFilesListLabel, this);
  FileListBox1 = new QListWidget(this);
  FileListBox1->setObjectName("FileListBox1");
  FileListBox1->setAccessibleName(Tr(kAddFilesListName));
  FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  FileListBox1->setUniformItemSizes(true);
  FileListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
  Label2->setBuddy(FileListBox1);
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  QAction* selectAll = PopupMenu1->addAction(Tr(kAddFilesMenuSelectAll));
  selectAll->setObjectName("Selectall1");
  QAction* selectNone = PopupMenu1->addAction(Tr(kAddFilesMenuSelectNone));
  selectNone->setObjectName("Selectnone1");

  Label4 = NamedLabel("Label4", kAddFilesCountLabel, this);
  Label5 = NamedLabel("Label5", QStringLiteral("0"), this);
  Label6 = NamedLabel("Label6", kAddFilesMarkedLabel, this);
  Label7 = NamedLabel("Label7", QStringLiteral("0"), this);
  BitBtn4 = NamedButton("BitBtn4", kAddFilesSelectNone, this);
  BitBtn3 = NamedButton("BitBtn3", kAddFilesSelectAll, this);
  BitBtn2 = NamedButton("BitBtn2", kAddFilesOk, this);
  BitBtn2->setDefault(true);
  BitBtn1 = NamedButton("BitBtn1", kAddFilesCancel, this);

  auto* left = new QVBoxLayout;
  left->addWidget(Label1);
  left->addWidget(DriveComboBox1);
  left->addWidget(DirectoryListBox1, 1);
  left->addWidget(Label3);
  left->addWidget(Edit1);
  auto* right = new QVBoxLayout;
  right->addWidget(Label2);
  right->addWidget(FileListBox1, 1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);

  auto* counters = new QHBoxLayout;
  counters->addWidget(Label4);
  counters->addWidget(Label5);
  counters->addSpacing(12);
  counters->addWidget(Label6);
  counters->addWidget(Label7);
  counters->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BitBtn4);
  buttons->addWidget(BitBtn3);
  buttons->addStretch(1);
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(columns, 1);
  layout->addLayout(counters);
  layout->addLayout(buttons);

  connect(FileListBox1, &QListWidget::itemSelectionChanged, this, &TAddFiles::UpdateMarked);
  connect(FileListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    PopupMenu1->popup(FileListBox1->viewport()->mapToGlobal(at));
  });
  connect(selectAll, &QAction::triggered, this, &TAddFiles::Selectall1Click);
  connect(selectNone, &QAction::triggered, this, &TAddFiles::Selectnone1Click);
  connect(BitBtn3, &QPushButton::clicked, this, &TAddFiles::Selectall1Click);
  connect(BitBtn4, &QPushButton::clicked, this, &TAddFiles::Selectnone1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TAddFiles::BitBtn2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

  // The height stays; the width may grow but not shrink below its least (or below
  // what the captions need in the desktop's font).
  const int leastWidth = std::max(kMinWidth, layout->minimumSize().width());
  setMinimumSize(leastWidth, kHeight);
  setMaximumHeight(kHeight);
  resize(std::max(kWidth, leastWidth), kHeight);
}

void TAddFiles::FormCreate() {
  const std::string start = AddFilesStart(owner_.List().Options, state_.Program.BrowseStart);
  JoinDirectoryControls(*DriveComboBox1, *DirectoryListBox1, start);
  DirectoryListBox1Change();
  connect(DirectoryListBox1, &DirectoryListBox::directoryChanged, this,
          &TAddFiles::DirectoryListBox1Change);
}

void TAddFiles::showEvent(QShowEvent* event) {
  if (!shown_) FormShow();
  QDialog::showEvent(event);
}

void TAddFiles::FormShow() {
  shown_ = true;
  if (const std::optional<WindowPlacement> placement =
          ReadPlacement(state_.Program.Settings, kAddWinPos))
    ApplyPlacement(*this, *placement);
}

void TAddFiles::DirectoryListBox1Change() {
  listedDirectory_ = DirectoryListBox1->Directory();
  names_ = ListDirectoryFiles(state_.Program.Fs, listedDirectory_, filter_);
  FileListBox1->clear();
  QStringList items;
  items.reserve(static_cast<qsizetype>(names_.size()));
  for (const std::string& name : names_) items.append(Qt8(name));
  FileListBox1->addItems(items);
  FileListBox1Change();
}

void TAddFiles::Edit1KeyPress() {
  filter_ = Edit1->text().toStdString();
  DirectoryListBox1Change();
}

void TAddFiles::FileListBox1Change() {
  Label5->setText(QString::number(FileListBox1->count()));
  UpdateMarked();
}

void TAddFiles::UpdateMarked() {
  Label7->setText(QString::number(FileListBox1->selectionModel()->selectedRows().size()));
}

void TAddFiles::Selectall1Click() {
  FileListBox1->selectAll();
}

void TAddFiles::Selectnone1Click() {
  FileListBox1->clearSelection();
}

void TAddFiles::BitBtn2Click() {
  std::vector<bool> marked(names_.size(), false);
  for (const QModelIndex& row : FileListBox1->selectionModel()->selectedRows())
    marked[static_cast<std::size_t>(row.row())] = true;
  ListingScope listing(state_.Program.Fs);
  AddMarkedFiles(listedDirectory_, names_, marked, state_.Program.Fs.Rules().Separator(),
                 state_.Program.Ui, [this](std::string_view path) { owner_.AddFile(path); });
  owner_.RefreshGrid();
  accept();
}

// Enter in the filter applies it and is taken there: it does not press OK.
bool TAddFiles::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Edit1KeyPress();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace varnoke
