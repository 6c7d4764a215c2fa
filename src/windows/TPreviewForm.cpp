#include "windows/TPreviewForm.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>
#include <functional>

#include "engine/CellTexts.h"
#include "engine/ColumnLayout.h"
#include "engine/JournalSession.h"
#include "engine/PreparePreview.h"
#include "engine/RenameMessages.h"
#include "engine/TimesTaken.h"
#include "platform/SessionScopes.h"
#include "windows/EntryModels.h"
#include "windows/ListGrid.h"
#include "windows/ListStatusBar.h"
#include "windows/PreviewFormTexts.h"
#include "windows/QtText.h"
#include "windows/RenamePanel.h"
#include "windows/Tr.h"

namespace varnoke {

namespace {

constexpr int kPanelHeight = 41;

// The sort menu's items by number 1..8.
constexpr std::array<const char*, 8> kSortItemNames = {
    "N1Path1",       "N2Name1",    "N3Extension1",    "N4Size1",
    "N5Attributes1", "N6Created1", "N7Accessedlast1", "N8Created1"};

// Sets a flag for the length of a scope (the window's work that lets events through).
class WorkingScope {
 public:
  explicit WorkingScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~WorkingScope() { flag_ = false; }
  WorkingScope(const WorkingScope&) = delete;
  WorkingScope& operator=(const WorkingScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TPreviewForm::TPreviewForm(FileListOwner& list, IconCache& icons, Services& services,
                           QWidget* owner)
    : QDialog(owner),
      list_(list),
      icons_(icons),
      services_(services),
      PrevFiles(services.Fs.Rules().FoldsCase()) {
  FormCreate();
}

TPreviewForm::~TPreviewForm() {
  FormDestroy();
  // The grid goes before the model it shows, and the model before the list it reads.
  delete DrawGrid1;
}

void TPreviewForm::FormCreate() {
  setObjectName("PreviewForm");
  setWindowTitle(Tr(kPreviewCaption));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  resize(696, 480);

  auto* panel = new RenamePanel([this] { Panel1DblClick(); }, this);
  Panel1 = panel;
  Panel1->setObjectName("Panel1");
  Panel1->setText(Tr(kRenameNowText));
  Panel1->setToolTip(Tr(kRenameNowHint).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  Panel1->setAlignment(Qt::AlignCenter);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setFixedHeight(kPanelHeight);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(16);
  font.setBold(true);
  font.setItalic(true);
  font.setUnderline(true);
  Panel1->setFont(font);
  QPalette red = Panel1->palette();
  red.setColor(QPalette::WindowText, QColor(255, 0, 0));
  Panel1->setPalette(red);

  DrawGrid1 = new ListGrid(kPreviewColumnWidths, this);
  DrawGrid1->setAccessibleName(Tr(kPlannedFilesName));
  model_ = std::make_unique<PreviewModel>(PrevFiles, list_.Files, services_.Regional,
                                          services_.Fs.Rules(), icons_, nullptr);
  DrawGrid1->SetEntryModel(model_.get());
  DrawGrid1->LoadLayout(services_.Settings);
  DrawGrid1->installEventFilter(this);
  connect(DrawGrid1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { UpdateStatusBar(); });
  connect(DrawGrid1, &ListGrid::headerDoubleClicked, this,
          [this](int columnId) { DrawGrid1HeaderDblClick(columnId); });

  BuildPopupMenu();
  StatusBar = new ListStatusBar(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Panel1);
  layout->addWidget(DrawGrid1, 1);
  layout->addWidget(StatusBar);
  setTabOrder(Panel1, DrawGrid1);

  planned_ = PreparePreview(list_.Files, list_.Options, PrevFiles, services_);
  QStringList notes;
  for (const std::string& note : TimeTakenNotes(QtTranslation(), PrevFiles, list_.Options))
    notes << Qt8(note);
  StatusBar->ShowNote(notes.join(QStringLiteral("; ")));
  model_->Refresh();
  DrawGrid1->SelectRows(0, 0);
  DrawGrid1->setFocus();
  UpdateStatusBar();
}

void TPreviewForm::FormDestroy() {
  DrawGrid1->StoreLayout(services_.Settings);
}

void TPreviewForm::BuildPopupMenu() {
  ListPopMenu = new QMenu(this);
  ListPopMenu->setObjectName("ListPopMenu");
  PopColumns = ListPopMenu->addMenu(Tr(kPreviewColumnsMenu));
  PopColumns->setObjectName("PopColumns");
  DrawGrid1->FillColumnsMenu(PopColumns);
  Sortlist1 = ListPopMenu->addMenu(Tr(kPreviewSortMenu));
  Sortlist1->setObjectName("Sortlist1");
  for (int number = 1; number <= static_cast<int>(kSortItemNames.size()); ++number) {
    QAction* item = Sortlist1->addAction(Tr(SortMenuCaption(number)));
    item->setObjectName(kSortItemNames[static_cast<std::size_t>(number - 1)]);
    connect(item, &QAction::triggered, this, [this, number] { PopSortClick(number); });
  }
  DrawGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(DrawGrid1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { ListPopMenu->popup(DrawGrid1->viewport()->mapToGlobal(at)); });
}

void TPreviewForm::UpdateStatusBar() {
  StatusBar->ShowStatusOf(*DrawGrid1);
}

void TPreviewForm::SortBy(std::optional<int> key) {
  if (key) {
    SortWith([this, key] { PrevFiles.Sort(*key); });
  } else {
    SortWith({});
  }
}

void TPreviewForm::SortWith(const std::function<void()>& sort) {
  if (sort) {
    BusyScope busy(services_.Ui);
    model_->Reorder(sort);
  }
  DrawGrid1->viewport()->update();
  UpdateStatusBar();
}

void TPreviewForm::PopSortClick(int number) {
  if (working_) return;
  SortBy(PreviewSortKey(number));
}

void TPreviewForm::DrawGrid1HeaderDblClick(int columnId) {
  if (working_) return;
  if (columnId == kOldNameColumn) {
    SortWith([this] {
      PrevFiles.SortByText(
          [this](const TVrnPrevFile& entry) { return OldNameText(entry, list_.Files); });
    });
  } else {
    SortBy(PreviewSortKey(columnId));
  }
}

void TPreviewForm::DeleteSelectedRows() {
  if (working_ || PrevFiles.Count() == 0) return;
  const std::optional<RowRange> rows = DrawGrid1->SelectedRows();
  if (!rows) return;
  {
    // One cut however many rows: a million rows deleted one by one would move the rest
    // of the list each time.
    BusyScope busy(services_.Ui);
    PrevFiles.DeleteRange(rows->first, rows->second);
    model_->Refresh();
  }
  DrawGrid1->SelectRows(rows->first, rows->first);
  DrawGrid1->viewport()->update();
  UpdateStatusBar();
}

void TPreviewForm::Panel1DblClick() {
  if (working_) return;
  {
    WorkingScope working(working_);
    const JournalForRun journal =
        StartJournal(services_, "Varnoke window \"" + list_.Caption + "\"", list_.Options);
    if (!journal.Go) return;
    report_ = RenameFiles(list_.Files, PrevFiles, list_.Options, services_.Fs, services_.Ui,
                          journal.Journal.get());
    model_->Refresh();
  }
  if (report_->NothingToDo())
    services_.Ui.ask(services_.Ui.texts().Text(kNothingToRenameText), kVarnokeCaption, Buttons::Ok,
                     Icon::None);
  accept();
}

void TPreviewForm::reject() {
  if (!working_) QDialog::reject();
}

void TPreviewForm::closeEvent(QCloseEvent* event) {
  if (working_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == DrawGrid1 && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    DeleteSelectedRows();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace varnoke
