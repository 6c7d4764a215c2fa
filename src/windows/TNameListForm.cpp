#include "windows/TNameListForm.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>
#include <utility>

#include "engine/AddFile.h"
#include "engine/GridMessages.h"
#include "engine/ListEditing.h"
#include "engine/Messages.h"
#include "engine/TimesTaken.h"
#include "files/FileListFile.h"
#include "platform/SessionScopes.h"
#include "windows/EntryModels.h"
#include "windows/ListFormTexts.h"
#include "windows/ListGrid.h"
#include "windows/ListStatusBar.h"
#include "windows/OptionSetCommands.h"
#include "windows/QtText.h"
#include "windows/TAddFiles.h"
#include "windows/TEditChoiceForm.h"
#include "windows/TFileSearchForm.h"
#include "windows/TOptionsForm.h"
#include "windows/TPreviewForm.h"
#include "windows/Tr.h"

namespace varnoke {

namespace {

constexpr int kDropPumpInterval = 10;
constexpr int kPastePumpInterval = 10;

}  // namespace

// While a long operation lets events run, nothing may change or destroy the list: the
// commands return at once and a close waits until the operation ends.
class TNameListForm::Operation {
 public:
  explicit Operation(TNameListForm& form) : form_(form) { ++form_.working_; }
  ~Operation() {
    if (--form_.working_ > 0) return;
    for (const FileMoves& moves : std::exchange(form_.movesWaiting_, {})) form_.FollowMoves(moves);
    if (form_.closeWaiting_) {
      form_.closeWaiting_ = false;
      QMetaObject::invokeMethod(&form_, &QWidget::close, Qt::QueuedConnection);
    }
  }
  Operation(const Operation&) = delete;
  Operation& operator=(const Operation&) = delete;

 private:
  TNameListForm& form_;
};

std::vector<std::string> PathsOf(const QMimeData* mime) {
  if (!mime) return {};
  if (mime->hasFormat("text/uri-list")) {
    const QByteArray uris = mime->data("text/uri-list");
    return UriListPaths(std::string_view(uris.constData(), static_cast<std::size_t>(uris.size())));
  }
  if (mime->hasText()) return TextPaths(mime->text().toStdString());
  return {};
}

TNameListForm::TNameListForm(DesktopState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      list_(state.Settings.Defaults, state.ListCounter, QtTranslation()) {
  FormCreate();
}

TNameListForm::TNameListForm(DesktopState& state, FileListOwner&& list, QWidget* parent)
    : QWidget(parent), state_(state), list_(std::move(list)) {
  FormCreate();
}

void TNameListForm::FormCreate() {
  setObjectName("NameListForm");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Qt8(list_.Caption));
  resize(640, 480);
  setAcceptDrops(true);

  DrawGrid1 = new ListGrid(kFileListColumnWidths, this);
  model_ = new FileListModel(list_.Files, state_.Program.Regional, state_.Program.Fs.Rules(),
                             icons_, this);
  DrawGrid1->SetEntryModel(model_);
  DrawGrid1->LoadLayout(state_.Program.Settings);
  DrawGrid1->installEventFilter(this);
  DrawGrid1->viewport()->installEventFilter(this);
  DrawGrid1->viewport()->setAcceptDrops(true);
  connect(DrawGrid1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TNameListForm::UpdateStatus);
  connect(DrawGrid1, &ListGrid::headerDoubleClicked, this, &TNameListForm::SortByColumn);

  StatusBar = new ListStatusBar(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(DrawGrid1, 1);
  layout->addWidget(StatusBar);
  BuildPopupMenu();
  DrawGrid1->SelectRows(0, 0);
  UpdateStatus();
}

TNameListForm::~TNameListForm() {
  DrawGrid1->StoreLayout(state_.Program.Settings);
}

void TNameListForm::BuildPopupMenu() {
  ListPopMenu = new QMenu(this);
  ListPopMenu->setObjectName("ListPopMenu");
  const auto item = [this](const char* name, const UiText& caption, const UiText& hint,
                           void (TNameListForm::*handler)()) {
    QAction* action = ListPopMenu->addAction(Tr(caption));
    action->setObjectName(name);
    action->setStatusTip(Tr(hint));
    action->setToolTip(Tr(hint));
    connect(action, &QAction::triggered, this, handler);
  };
  item("Searchforfiles1", kListSearchItem, kListSearchHint, &TNameListForm::SearchFilesClick);
  item("Addfiles3", kListAddFilesItem, kListAddFilesHint, &TNameListForm::Addtofilelist1Click);
  item("Unlistfiles1", kListUnlistItem, kListUnlistHint, &TNameListForm::RemoveItemsClick);
  item("Selectall1", kListSelectAllItem, kListSelectAllHint, &TNameListForm::SelectAllClick);
  item("Unlistall1", kListUnlistAllItem, kListUnlistAllHint, &TNameListForm::RemoveAllClick);
  ListPopMenu->addSeparator();
  item("Importfilelist1", kListImportItem, kListImportHint, &TNameListForm::Importfilelist2Click);
  item("Addtofilelist1", kListAddToItem, kListAddFilesHint, &TNameListForm::OpenFilesClick);
  item("Savefilelist1", kListSaveItem, kListSaveHint, &TNameListForm::Savefilelist1Click);
  ListPopMenu->addSeparator();
  QMenu* columns = ListPopMenu->addMenu(Tr(kListColumnsMenu));
  columns->menuAction()->setObjectName("PopColumns");
  DrawGrid1->FillColumnsMenu(columns);
  QMenu* sort = ListPopMenu->addMenu(Tr(kListSortMenu));
  sort->menuAction()->setObjectName("Sortlist2");
  sort->menuAction()->setStatusTip(Tr(kListSortHint));
  const char* names[] = {"Path1",       "Name1",      "Extension1",    "Size1",
                         "Attributes1", "Writtento1", "Accessedlast1", "Created1"};
  for (int n = 1; n <= 8; ++n) {
    QAction* action = sort->addAction(Tr(SortMenuCaption(n)));
    action->setObjectName(names[n - 1]);
    connect(action, &QAction::triggered, this, [this, n] { PopSortClick(n); });
  }
  QAction* taken = sort->addAction(Tr(kSortByTimeTakenCaption));
  taken->setObjectName("Timetaken1");
  connect(taken, &QAction::triggered, this, &TNameListForm::SortByTimeTakenClick);
}

bool TNameListForm::AddFile(std::string_view path) {
  return varnoke::AddFile(state_.Program.Fs, list_.Files, path);
}

void TNameListForm::RefreshGrid() {
  const std::optional<RowRange> rows = DrawGrid1->SelectedRows();
  model_->Refresh();
  if (rows) DrawGrid1->SelectRows(rows->first, rows->second);
  UpdateStatus();
}

void TNameListForm::UpdateStatus() {
  StatusBar->ShowStatusOf(*DrawGrid1);
}

void TNameListForm::FollowMoves(const FileMoves& moves) {
  if (Working()) {
    movesWaiting_.push_back(moves);
    return;
  }
  if (varnoke::FollowMoves(list_.Files, moves, state_.Program.Fs.Rules()) > 0) RefreshGrid();
}

void TNameListForm::FindListedFiles() {
  ListedFilesCheck check;
  {
    BusyScope busy(Ui());
    check = varnoke::FindListedFiles(list_.Files, state_.Program.Fs, state_.Program.Journals);
  }
  if (check.FoundAgain == 0 && check.Gone.empty()) return;
  RefreshGrid();
  if (!check.Gone.empty())
    Ui().ask(GoneFromListMessage(Ui().texts(), check.Gone), kVarnokeCaption, Buttons::Ok,
             Icon::None);
}

void TNameListForm::SelectAllClick() {
  if (Working() || list_.Files.Count() == 0) return;
  DrawGrid1->SelectRows(0, list_.Files.Count() - 1);
  UpdateStatus();
}

void TNameListForm::RemoveSelected() {
  const std::optional<RowRange> rows = DrawGrid1->SelectedRows();
  if (Working() || list_.Files.Count() == 0 || !rows) return;
  {
    BusyScope busy(Ui());
    RemoveRows(list_.Files, rows->first, rows->second);
  }
  model_->Refresh();
  DrawGrid1->SelectRows(rows->first, rows->first);
  UpdateStatus();
}

void TNameListForm::RemoveAllClick() {
  if (Working()) return;
  list_.Files.Clear();
  model_->Refresh();
  DrawGrid1->SelectRows(0, 0);
  UpdateStatus();
}

void TNameListForm::SpeedButton6Click() {
  MoveSelection(-1);
}

void TNameListForm::SpeedButton7Click() {
  MoveSelection(+1);
}

void TNameListForm::MoveSelection(int by) {
  const std::optional<RowRange> rows = DrawGrid1->SelectedRows();
  if (Working() || !rows) return;
  BusyScope busy(Ui());
  const bool moved = by < 0 ? MoveRowsUp(list_.Files, rows->first, rows->second)
                            : MoveRowsDown(list_.Files, rows->first, rows->second);
  if (!moved) return;
  model_->Refresh();
  DrawGrid1->SelectRows(rows->first + by, rows->second + by);
  UpdateStatus();
}

void TNameListForm::CopySelection(bool cut) {
  const std::optional<RowRange> rows = DrawGrid1->SelectedRows();
  if (Working() || list_.Files.Count() == 0 || !rows) return;
  std::string text, uris;
  {
    BusyScope busy(Ui());
    const PathRules& rules = state_.Program.Fs.Rules();
    text = RowsText(list_.Files, rows->first, rows->second, rules);
    uris = RowsUriList(list_.Files, rows->first, rows->second, rules);
  }
  if (cut) RemoveSelected();
  if (text.empty()) return;
  auto* mime = new QMimeData;
  mime->setText(Qt8(text));
  mime->setData("text/uri-list", QByteArray::fromStdString(uris));
  QApplication::clipboard()->setMimeData(mime);
}

void TNameListForm::PasteFiles() {
  if (Working()) return;
  PasteMime(QApplication::clipboard()->mimeData());
}

void TNameListForm::PasteMime(const QMimeData* mime) {
  const std::vector<std::string> paths = PathsOf(mime);
  if (paths.empty()) return;
  AddPaths(paths, kPastePumpInterval);
  RefreshGrid();
}

void TNameListForm::AddPaths(const std::vector<std::string>& paths, int pumpInterval) {
  Operation operation(*this);
  varnoke::AddPaths(state_.Program.Fs, list_.Files, paths, Ui(), pumpInterval);
}

void TNameListForm::AddDroppedPaths(const std::vector<std::string>& paths) {
  if (Working()) return;
  AddPaths(paths, kDropPumpInterval);
  model_->Refresh();
  // The first dropped file, when every item was listed.
  const int first = list_.Files.Count() - static_cast<int>(paths.size());
  DrawGrid1->SelectRows(first, first);
  UpdateStatus();
}

void TNameListForm::PopSortClick(int number) {
  SortByColumn(number);
}

void TNameListForm::SortByColumn(int columnId) {
  if (Working()) return;
  if (const std::optional<int> key = FileListSortKey(columnId)) {
    BusyScope busy(Ui());
    model_->Reorder([&] { list_.Files.Sort(*key); });
  }
  DrawGrid1->viewport()->update();
  UpdateStatus();
}

void TNameListForm::SortByTimeTakenClick() {
  if (Working()) return;
  {
    // The times are read first, events running, the list untouched; the sort then
    // reorders at once.
    const Operation operation(*this);
    if (!ReadTimesTaken(list_.Files, state_.Program, [](const TVrnFile&) { return true; })) return;
    BusyScope busy(Ui());
    model_->Reorder([&] { SortByTimeTaken(list_.Files, state_.Program); });
  }
  DrawGrid1->viewport()->update();
  UpdateStatus();
}

void TNameListForm::PopColumnsClick(int columnId) {
  DrawGrid1->PopColumnsClick(columnId);
}

void TNameListForm::OpenFilesClick() {
  if (Working()) return;
  {
    Operation operation(*this);
    TAddFiles dialog(*this, state_, this);
    dialog.exec();
  }
  RefreshGrid();
}

void TNameListForm::SearchFilesClick() {
  if (Working()) return;
  {
    // The search lets events run while it adds to the list.
    Operation operation(*this);
    TFileSearchForm dialog(*this, state_, this);
    dialog.exec();
  }
  RefreshGrid();
}

void TNameListForm::SpeedButton8Click() {
  if (Working()) return;
  TOptionsForm dialog(list_, state_, state_.ShowHelp, this);
  dialog.exec();
}

void TNameListForm::SpeedButton13Click() {
  if (Working()) return;
  FindListedFiles();
  TEditChoiceForm dialog(*this, state_, this);
  dialog.exec();
}

void TNameListForm::RenameFilesClick() {
  if (Working()) return;
  FindListedFiles();
  QWidget* main = window();
  const bool hideMain = main != this && main->isVisible();
  if (hideMain) main->hide();
  {
    Operation operation(*this);
    TPreviewForm preview(list_, icons_, state_.Program, this);
    if (preview.Planned()) preview.exec();
  }
  if (hideMain) main->show();
  RefreshGrid();
}

void TNameListForm::Savefilelist1Click() {
  if (Working()) return;
  const std::optional<std::string> path =
      ChooseFile(state_, &list_, this, ChooseFor::Save, Qt8(FileListFilter(QtTranslation())),
                 QStringLiteral("vls"));
  if (!path) return;
  Operation operation(*this);
  BusyScope busy(Ui());
  if (auto error =
          SaveFileList(state_.Program.Store, Ui(), state_.Program.Fs.Rules(), list_.Files, *path)) {
    Ui().ask(*error, kVarnokeCaption, Buttons::Ok, Icon::Error);
    return;
  }
  list_.Caption = *path;
  setWindowTitle(Qt8(list_.Caption));
}

void TNameListForm::Addtofilelist1Click() {
  if (Working()) return;
  const std::optional<std::string> path =
      ChooseFile(state_, &list_, this, ChooseFor::Open, Qt8(FileListFilter(QtTranslation())),
                 QStringLiteral("vls"));
  if (path) {
    Operation operation(*this);
    BusyScope busy(Ui());
    ListingScope listing(state_.Program.Fs);
    if (auto error = ReadFileList(state_.Program.Store, Ui(), *path, kAddPumpInterval,
                                  [this](std::string_view line) { AddFile(line); }))
      Ui().ask(*error, kVarnokeCaption, Buttons::Ok, Icon::Error);
  }
  RefreshGrid();
}

void TNameListForm::Resetall1Click() {
  varnoke::Resetall1Click(list_.Options);
}
void TNameListForm::Resetname1Click() {
  varnoke::Resetname1Click(list_.Options);
}
void TNameListForm::Resetdate1Click() {
  varnoke::Resetdate1Click(list_.Options);
}
void TNameListForm::Resetattribute1Click() {
  varnoke::Resetattribute1Click(list_.Options);
}

void TNameListForm::Open1Click() {
  OpenOptionSetInto(list_.Options, state_, this);
}

void TNameListForm::Saveas1Click() {
  SaveOptionSetOf(list_.Options, state_, this);
}

bool TNameListForm::DrawGrid1KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  modifiers &= ~Qt::KeypadModifier;
  const bool none = modifiers == Qt::NoModifier;
  switch (key) {
    case Qt::Key_A:
      if (modifiers != Qt::ControlModifier) return false;
      SelectAllClick();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (modifiers != Qt::AltModifier) return false;
      key == Qt::Key_Up ? SpeedButton6Click() : SpeedButton7Click();
      return true;
    case Qt::Key_Insert:
      if (none)
        OpenFilesClick();
      else if (modifiers == Qt::ShiftModifier)
        PasteFiles();
      else if (modifiers == Qt::ControlModifier)
        CopySelection(false);
      else
        return false;
      return true;
    case Qt::Key_Delete:
      if (none)
        RemoveSelected();
      else if (modifiers == Qt::ShiftModifier)
        CopySelection(true);
      else
        return false;
      return true;
    case Qt::Key_C:
      CopySelection(false);
      return true;
    case Qt::Key_V:
      PasteFiles();
      return true;
    case Qt::Key_X:
      CopySelection(true);
      return true;
    default:
      return false;
  }
}

bool TNameListForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == DrawGrid1 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    return DrawGrid1KeyDown(key->key(), key->modifiers());
  }
  if (watched == DrawGrid1->viewport()) {
    switch (event->type()) {
      case QEvent::ContextMenu:
        ListPopMenu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
      case QEvent::MouseButtonDblClick:
        return true;  // a data row's double-click does nothing
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
        return QWidget::event(event);  // the window's own drop handling
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TNameListForm::closeEvent(QCloseEvent* event) {
  if (Working()) {
    closeWaiting_ = true;
    event->ignore();
    return;
  }
  event->accept();
}

void TNameListForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!Working() && (event->mimeData()->hasUrls() || event->mimeData()->hasText()))
    event->acceptProposedAction();
}

void TNameListForm::dropEvent(QDropEvent* event) {
  if (Working()) return;
  const std::vector<std::string> paths = PathsOf(event->mimeData());
  event->acceptProposedAction();
  AddDroppedPaths(paths);
}

}  // namespace varnoke
