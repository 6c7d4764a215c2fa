#include "windows/TMainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/JournalSession.h"
#include "engine/JournalText.h"
#include "engine/ListEditing.h"
#include "engine/Messages.h"
#include "files/FileListFile.h"
#include "platform/SessionScopes.h"
#include "windows/HelpWindow.h"
#include "windows/MainFormTexts.h"
#include "windows/QtText.h"
#include "windows/TAboutForm.h"
#include "windows/TNameListForm.h"
#include "windows/TPreferences.h"
#include "windows/TPreviewForm.h"
#include "windows/Tr.h"

namespace varnoke {

namespace {

// A toolbar button: its tag, tool tip and the theme icon that shows it.
struct ButtonSpec {
  int Number;
  int Tag;
  UiText Tip;
  const char* Icon;
  bool Options;  // sent to OptionsClick
};

constexpr ButtonSpec kButtons[] = {
    {1, 1, kMainPreviewRenamingTip, "media-playback-start", false},
    {14, 14, kMainEditAsTextTip, "accessories-text-editor", false},
    {2, 2, kMainNewFileListTip, "document-new", false},
    {3, 3, kMainOpenFileListTip, "document-open", false},
    {4, 4, kMainSaveFileListTip, "document-save", false},
    {5, 5, kMainSearchAndAddTip, "edit-find", false},
    {6, 6, kMainAddFilesTip, "list-add", false},
    {7, 7, kMainUnlistFilesTip, "list-remove", false},
    {8, 8, kMainSelectAllTip, "edit-select-all", false},
    {9, 9, kMainUnlistAllTip, "edit-clear", false},
    {10, 10, kMainMoveUpTip, "go-up", false},
    {11, 11, kMainMoveDownTip, "go-down", false},
    {12, 1, kMainSetOptionsTip, "preferences-system", true},
    {13, 13, kMainResetOptionsTip, "edit-undo", false},
    {15, 15, kMainAboutTip, "help-about", false},
};
// Bevels stand after these buttons.
constexpr int kGroupEnds[] = {14, 4, 11, 13};

// The size a list window opens with in the workspace.
constexpr QSize kListWindowSize(640, 480);

}  // namespace

TMainForm::TMainForm(DesktopState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
  setObjectName("MainForm");
  setWindowTitle("Varnoke 7.0");
  resize(577, 408);
  setAcceptDrops(true);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  mdi_ = new QMdiArea(central);
  mdi_->setObjectName("Workspace");
  mdi_->setAccessibleName(Tr(kMainWorkspaceName));
  // List windows are larger than the frame at first: the workspace scrolls to them.
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  BuildToolbar();
  layout->addWidget(ToolbarPanel);
  layout->addWidget(mdi_, 1);
  setCentralWidget(central);
  BuildMenus();
  state_.ShowHelp = [this](int topic) { ShowHelp(topic); };
}

TMainForm::~TMainForm() {
  state_.ShowHelp = [](int) {};
  // The list windows go first: each stores the column layout as it goes.
  for (QMdiSubWindow* sub : mdi_->subWindowList()) delete sub;
  delete help_;
}

void TMainForm::BuildToolbar() {
  ToolbarPanel = new QFrame(this);
  ToolbarPanel->setObjectName("ToolbarPanel");
  ToolbarPanel->setFixedHeight(40);
  auto* row = new QHBoxLayout(ToolbarPanel);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(1);
  ResetOptionsPop = new QMenu(this);
  ResetOptionsPop->setObjectName("ResetOptionsPop");
  for (const ButtonSpec& b : kButtons) {
    auto* button = new QToolButton(ToolbarPanel);
    button->setObjectName(QString("SpeedButton%1").arg(b.Number));
    button->setFixedSize(36, 36);
    button->setAutoRaise(true);
    button->setToolTip(Tr(b.Tip));
    button->setAccessibleName(Tr(b.Tip));
    button->setIcon(QIcon::fromTheme(b.Icon, style()->standardIcon(QStyle::SP_FileIcon)));
    button->setIconSize(QSize(24, 24));
    button->setFocusPolicy(Qt::TabFocus);
    const int tag = b.Tag;
    if (b.Options)
      connect(button, &QToolButton::clicked, this, [this, tag] { OptionsClick(tag); });
    else
      connect(button, &QToolButton::clicked, this, [this, tag] { ToolButtonClick(tag); });
    row->addWidget(button);
    if (std::find(std::begin(kGroupEnds), std::end(kGroupEnds), b.Number) != std::end(kGroupEnds)) {
      auto* bevel = new QFrame(ToolbarPanel);
      bevel->setFrameShape(QFrame::VLine);
      bevel->setFrameShadow(QFrame::Sunken);
      row->addWidget(bevel);
    }
  }
  row->addStretch(1);
}

void TMainForm::BuildMenus() {
  const auto add = [this](QMenu* menu, const char* name, const UiText& caption,
                          QKeySequence shortcut, auto handler) {
    QAction* action = menu->addAction(Tr(caption));
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  QMenu* files = menuBar()->addMenu(Tr(kMainFilesMenu));
  files->setObjectName("Files1");
  const struct {
    const char* Name;
    UiText Caption;
    QKeySequence Key;
    int Tag;
  } fileItems[] = {
      {"Startrenaming1", kMainStartRenamingItem, QKeySequence(Qt::Key_F9), 1},
      {"Editmanually1", kMainEditManuallyItem, QKeySequence(Qt::Key_F10), 14},
      {"Newfilelist1", kMainNewFileListItem, QKeySequence(Qt::CTRL | Qt::Key_N), 2},
      {"Importfilelist1", kMainImportFileListItem, QKeySequence(Qt::CTRL | Qt::Key_O), 3},
      {"Addtofilelist1", kMainAddToFileListItem, QKeySequence(Qt::CTRL | Qt::Key_I), 16},
      {"Savefilelist1", kMainSaveFileListItem, QKeySequence(Qt::CTRL | Qt::Key_S), 4},
      {"Searchforfiles1", kMainSearchForFilesItem, {}, 5},
      {"Add1", kMainAddItem, {}, 6},
      {"Unlist1", kMainUnlistItem, {}, 7},
      {"Selectall1", kMainSelectAllItem, {}, 8},
      {"Unlistall1", kMainUnlistAllItem, {}, 9},
  };
  for (const auto& item : fileItems) {
    const int tag = item.Tag;
    add(files, item.Name, item.Caption, item.Key, [this, tag] { ToolButtonClick(tag); });
  }
  files->addSeparator();
  Undolastrenaming1 = add(files, "Undolastrenaming1", kMainUndoLastRenamingItem, {},
                          [this] { UndolastrenamingClick(); });
  connect(files, &QMenu::aboutToShow, this, &TMainForm::UpdateUndoItem);
  files->addSeparator();
  add(files, "Exit1", kMainExitItem, {}, [this] { ToolButtonClick(100); });

  QMenu* edit = menuBar()->addMenu(Tr(kMainEditMenu));
  edit->setObjectName("Edit1");
  const struct {
    const char* Name;
    UiText Caption;
    int Tag;
  } editItems[] = {{"Copy1", kMainCopyItem, 1},
                   {"Cut1", kMainCutItem, 2},
                   {"Paste1", kMainPasteItem, 4},
                   {"Delete1", kMainDeleteItem, 3}};
  for (const auto& item : editItems) {
    const int tag = item.Tag;
    add(edit, item.Name, item.Caption, {}, [this, tag] { EditItemClick(tag); });
  }

  QMenu* options = menuBar()->addMenu(Tr(kMainOptionsMenu));
  options->setObjectName("Options1");
  const auto optionItem = [&](QMenu* menu, const char* name, const UiText& caption, int tag,
                              QKeySequence key = {}) {
    return add(menu, name, caption, key, [this, tag] { OptionsClick(tag); });
  };
  optionItem(options, "Setrenamingoptions1", kMainSetRenamingOptionsItem, 1,
             QKeySequence(Qt::Key_F5));
  options->addSeparator();
  optionItem(options, "Resetall1", kMainResetAllItem, 7);
  optionItem(options, "Resetnames1", kMainResetNamesItem, 4);
  optionItem(options, "Resetdates1", kMainResetDatesItem, 5);
  optionItem(options, "Resetattributes1", kMainResetAttributesItem, 6);
  options->addSeparator();
  Hidetoolbar1 =
      add(options, "Hidetoolbar1", kMainHideToolbarItem, {}, [this] { Hidetoolbar1Click(); });
  add(options, "Preferences1", kMainPreferencesItem, {}, [this] {
    TPreferences preferences(state_, this);
    preferences.exec();
  });

  QMenu* quick = menuBar()->addMenu(Tr(kMainQuickSettingsMenu));
  quick->setObjectName("QuickSettings1");
  optionItem(quick, "Open1", kMainOpenItem, 8)->setStatusTip(Tr(kMainOpenHint));
  optionItem(quick, "Saveas1", kMainSaveAsItem, 9)->setStatusTip(Tr(kMainSaveAsHint));

  optionItem(ResetOptionsPop, "Alloptions1", kMainAllOptionsItem, 7);
  optionItem(ResetOptionsPop, "Nameoptions1", kMainNameOptionsItem, 4);
  optionItem(ResetOptionsPop, "Dateoptions1", kMainDateOptionsItem, 5);
  optionItem(ResetOptionsPop, "Attributeoptions1", kMainAttributeOptionsItem, 6);

  windowMenu_ = menuBar()->addMenu(Tr(kMainWindowMenu));
  windowMenu_->setObjectName("Window1");
  connect(windowMenu_, &QMenu::aboutToShow, this, &TMainForm::FillWindowMenu);
  FillWindowMenu();

  QMenu* help = menuBar()->addMenu(Tr(kMainHelpMenu));
  help->setObjectName("Help1");
  add(help, "Help2", kMainHelpItem, {}, [this] { ShowHelp(0); });
  add(help, "Introduction1", kMainIntroductionItem, {}, [this] { ShowHelp(1); });
  add(help, "Howtogethelp1", kMainHowToGetHelpItem, {},
      [this] { ShowHelp(HelpWindow::UsingHelp); });
  add(help, "About1", kMainAboutItem, {}, [this] { AboutClick(); });
}

void TMainForm::FillWindowMenu() {
  windowMenu_->clear();
  const auto item = [this](const char* name, const UiText& caption, auto handler) {
    QAction* action = windowMenu_->addAction(Tr(caption));
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
  };
  item("Tilehorizontal1", kMainTileHorizontalItem, [this] {
    // Rows one above the other, as wide as the frame.
    const QList<QMdiSubWindow*> subs = mdi_->subWindowList();
    if (subs.isEmpty()) return;
    const int height = mdi_->viewport()->height() / static_cast<int>(subs.size());
    for (int i = 0; i < subs.size(); ++i) {
      subs[i]->showNormal();
      subs[i]->setGeometry(0, i * height, mdi_->viewport()->width(), height);
    }
  });
  item("Tilevertical1", kMainTileVerticalItem, [this] { mdi_->tileSubWindows(); });
  item("Cascade1", kMainCascadeItem, [this] { mdi_->cascadeSubWindows(); });
  item("Arrangeicons1", kMainArrangeIconsItem, [this] {
    // Minimised windows in a row along the bottom edge.
    int x = 0;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
      if (!sub->isMinimized()) continue;
      sub->move(x, mdi_->viewport()->height() - sub->height());
      x += sub->width();
    }
  });
  item("Minimizeall1", kMainMinimizeAllItem, [this] {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) sub->showMinimized();
  });
  item("Normalizeall1", kMainNormalizeAllItem, [this] {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) sub->showNormal();
  });
  const QList<QMdiSubWindow*> subs = mdi_->subWindowList();
  if (!subs.isEmpty()) windowMenu_->addSeparator();
  for (int i = 0; i < subs.size(); ++i) {
    QMdiSubWindow* sub = subs[i];
    QAction* action = windowMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
    action->setCheckable(true);
    action->setChecked(sub == mdi_->activeSubWindow());
    connect(action, &QAction::triggered, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
  }
}

TNameListForm* TMainForm::ActiveList() const {
  QMdiSubWindow* sub = mdi_->activeSubWindow();
  if (!sub && !mdi_->subWindowList().isEmpty()) sub = mdi_->currentSubWindow();
  return sub ? qobject_cast<TNameListForm*>(sub->widget()) : nullptr;
}

QList<TNameListForm*> TMainForm::Lists() const {
  QList<TNameListForm*> lists;
  for (QMdiSubWindow* sub : mdi_->subWindowList())
    if (auto* list = qobject_cast<TNameListForm*>(sub->widget())) lists << list;
  return lists;
}

TNameListForm* TMainForm::NewfilelistClick() {
  return AddListWindow(new TNameListForm(state_));
}

TNameListForm* TMainForm::OpenList(FileListOwner&& owner) {
  TNameListForm* list = AddListWindow(new TNameListForm(state_, std::move(owner)));
  list->RefreshGrid();
  return list;
}

std::optional<RenameReport> TMainForm::RenameAtOnce(FileListOwner&& owner) {
  TNameListForm* list = OpenList(std::move(owner));
  TPreviewForm preview(list->List(), list->Icons(), state_.Program, list);
  if (!preview.Planned()) return std::nullopt;
  preview.show();
  preview.Panel1DblClick();
  return preview.Report();
}

void TMainForm::FitFirstList() {
  const QSize around = frameGeometry().size() - mdi_->viewport()->size();
  QSize wanted = kListWindowSize + around;
  if (const QScreen* shown = screen()) wanted = wanted.boundedTo(shown->availableGeometry().size());
  // What the window manager draws around the frame is not the frame's own size.
  resize((wanted - (frameGeometry().size() - size())).expandedTo(size()));
}

TNameListForm* TMainForm::AddListWindow(TNameListForm* list) {
  connect(list, &TNameListForm::importRequested, this, &TMainForm::ImportFileList);
  QMdiSubWindow* sub = mdi_->addSubWindow(list);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->resize(kListWindowSize);
  list->show();
  mdi_->setActiveSubWindow(sub);
  return list;
}

void TMainForm::ToolButtonClick(int tag) {
  switch (tag) {
    case 2:
      NewfilelistClick();
      return;
    case 3:
      ImportFileList();
      return;
    case 5:
    case 6: {
      TNameListForm* list = ActiveList();
      if (!list) list = NewfilelistClick();
      tag == 5 ? list->SearchFilesClick() : list->OpenFilesClick();
      return;
    }
    case 13:
      if (ActiveList()) ResetOptionsPop->popup(QCursor::pos());
      return;
    case 15:
      AboutClick();
      return;
    case 100:
      close();
      return;
    default:
      break;
  }
  TNameListForm* list = ActiveList();
  if (!list) return;
  switch (tag) {
    case 1:
      list->RenameFilesClick();
      break;
    case 14:
      list->SpeedButton13Click();
      break;
    case 16:
      list->Addtofilelist1Click();
      break;
    case 4:
      list->Savefilelist1Click();
      break;
    case 7:
      list->RemoveItemsClick();
      break;
    case 8:
      list->SelectAllClick();
      break;
    case 9:
      list->RemoveAllClick();
      break;
    case 10:
      list->SpeedButton6Click();
      break;
    case 11:
      list->SpeedButton7Click();
      break;
    default:
      break;
  }
}

void TMainForm::OptionsClick(int tag) {
  TNameListForm* list = ActiveList();
  if (!list) return;
  switch (tag) {
    case 1:
      list->SpeedButton8Click();
      break;
    case 4:
      list->Resetname1Click();
      break;
    case 5:
      list->Resetdate1Click();
      break;
    case 6:
      list->Resetattribute1Click();
      break;
    case 7:
      list->Resetall1Click();
      break;
    case 8:
      list->Open1Click();
      break;
    case 9:
      list->Saveas1Click();
      break;
    default:
      break;
  }
}

void TMainForm::EditItemClick(int tag) {
  TNameListForm* list = ActiveList();
  if (!list) return;
  switch (tag) {
    case 1:
      list->CopySelection(false);
      break;
    case 2:
      list->CopySelection(true);
      break;
    case 3:
      list->RemoveItemsClick();
      break;
    case 4:
      list->PasteFiles();
      break;
    default:
      break;
  }
}

void TMainForm::ImportFileList() {
  TNameListForm* active = ActiveList();
  const std::optional<std::string> path =
      ChooseFile(state_, active ? &active->List() : nullptr, this, ChooseFor::Open,
                 Qt8(FileListFilter(QtTranslation())), QStringLiteral("vls"));
  if (!path) return;
  Session& ui = state_.Program.Ui;
  std::vector<std::string> lines;
  if (auto error = LoadListLines(state_.Program.Store, *path, lines, ui.texts())) {
    ui.ask(*error, kVarnokeCaption, Buttons::Ok, Icon::Error);
    return;
  }
  TNameListForm* list = NewfilelistClick();
  list->AddPaths(lines, kImportPumpInterval);
  list->List().Caption = *path;
  list->setWindowTitle(Qt8(*path));
  list->RefreshGrid();
}

TNameListForm* TMainForm::DropFiles(const std::vector<std::string>& paths) {
  if (paths.empty()) return nullptr;
  TNameListForm* list = NewfilelistClick();
  list->AddPaths(paths, 10);
  list->RefreshGrid();
  return list;
}

void TMainForm::Hidetoolbar1Click() {
  ToolbarPanel->setHidden(!ToolbarPanel->isHidden());
  Hidetoolbar1->setText(Tr(ToolbarPanel->isHidden() ? kMainShowToolbarItem : kMainHideToolbarItem));
}

void TMainForm::UpdateUndoItem() {
  const std::optional<RunSummary> last = LastUndoable(state_.Program);
  Undolastrenaming1->setText(last ? Tr(kMainUndoLastRenamingOfItem, last->Changed)
                                  : Tr(kMainUndoLastRenamingItem));
  Undolastrenaming1->setEnabled(last.has_value());
}

void TMainForm::UndolastrenamingClick() {
  const UndoReport undone = UndoLastRun(state_.Program);
  FollowMoves(undone.Moved);
  if (!undone.Text.empty())
    state_.Program.Ui.ask(undone.Text, kVarnokeCaption, Buttons::Ok, Icon::Information);
  UpdateUndoItem();
}

void TMainForm::FollowMoves(const FileMoves& moves) {
  if (moves.empty()) return;
  for (TNameListForm* list : Lists()) list->FollowMoves(moves);
}

void TMainForm::OfferRecoveryAtStart() {
  OfferRecovery(
      state_.Program,
      [this](const std::string& text) {
        state_.Program.Ui.ask(text, kVarnokeCaption, Buttons::Ok, Icon::Information);
      },
      [this](const FileMoves& moves) { FollowMoves(moves); });
}

void TMainForm::AboutClick() {
  TAboutForm about(this);
  about.exec();
}

void TMainForm::ShowHelp(int topic) {
  if (!help_) {
    help_ = new HelpWindow(state_.Language, nullptr);
    help_->setAttribute(Qt::WA_QuitOnClose, false);  // the frame's close ends the program
  }
  help_->ShowTopic(topic);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() || event->mimeData()->hasText()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const std::vector<std::string> paths = PathsOf(event->mimeData());
  event->acceptProposedAction();
  DropFiles(paths);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // A list still busy with a long operation keeps the program open until it ends.
  for (TNameListForm* list : Lists()) {
    if (list->Working()) {
      event->ignore();
      return;
    }
  }
  if (help_) help_->close();
  event->accept();
}

}  // namespace varnoke
