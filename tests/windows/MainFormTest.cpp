// The frame's commands as a user gives them: menus, toolbar, drops, windows and help.
#include "windows/TMainForm.h"

#include <QAction>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "engine/AddFile.h"
#include "platform/posix/PosixJournalFiles.h"
#include "windows/DesktopFixture.h"
#include "windows/HelpWindow.h"
#include "windows/ListGrid.h"
#include "windows/TNameListForm.h"

namespace varnoke {
namespace {

class MainFormTest : public DesktopFixture {
 protected:
  // The frame's own item of that name; the list windows have items of the same names.
  QAction* Item(const char* name) {
    for (QAction* action : main.findChildren<QAction*>(name)) {
      QObject* owner = action->parent();
      while (owner && !qobject_cast<TNameListForm*>(owner)) owner = owner->parent();
      if (!owner) return action;
    }
    return nullptr;
  }
  TMainForm main{state};
};

// At a first start the frame opens large enough for its first list window, status bar
// and columns whole, as far as the screen's available area allows.
TEST_F(MainFormTest, AFirstStartHoldsItsFirstListWhole) {
  main.show();
  main.FitFirstList();
  const QRect list = main.NewfilelistClick()->parentWidget()->geometry();
  const QSize available = main.screen()->availableGeometry().size();
  EXPECT_TRUE(main.frameGeometry().width() <= available.width() &&
              main.frameGeometry().height() <= available.height());
  if (main.frameGeometry().size() != available) {
    EXPECT_TRUE(main.Workspace()->viewport()->rect().contains(list))
        << list.width() << "x" << list.height() << " in " << main.Workspace()->viewport()->width()
        << "x" << main.Workspace()->viewport()->height();
  }
}

TEST_F(MainFormTest, MenusToolbarAndCommandsWithoutAList) {
  EXPECT_EQ(main.windowTitle(), "Varnoke 7.0");
  const struct {
    const char* Name;
    const char* Caption;
    QKeySequence Key;
  } items[] = {{"Startrenaming1", "&Start renaming", Qt::Key_F9},
               {"Editmanually1", "&Edit manually", Qt::Key_F10},
               {"Newfilelist1", "&New file list", Qt::CTRL | Qt::Key_N},
               {"Importfilelist1", "&Import file list", Qt::CTRL | Qt::Key_O},
               {"Addtofilelist1", "A&dd to file list", Qt::CTRL | Qt::Key_I},
               {"Savefilelist1", "S&ave file list", Qt::CTRL | Qt::Key_S},
               {"Setrenamingoptions1", "&Set renaming options", Qt::Key_F5},
               // One mnemonic, not the R of "&Reset all" above it.
               {"Resetattributes1", "Reset &attributes", {}}};
  for (const auto& item : items) {
    ASSERT_TRUE(Item(item.Name)) << item.Name;
    EXPECT_EQ(Item(item.Name)->text(), item.Caption);
    EXPECT_EQ(Item(item.Name)->shortcut(), item.Key);
  }
  for (int n = 1; n <= 15; ++n) {
    auto* button = main.findChild<QToolButton*>(QString("SpeedButton%1").arg(n));
    ASSERT_TRUE(button) << n;
    EXPECT_FALSE(button->toolTip().isEmpty());
  }
  // Commands that need a list do nothing without one.
  for (int tag : {1, 4, 7, 8, 9, 10, 11, 13, 14, 16, 99}) main.ToolButtonClick(tag);
  for (int tag = 1; tag <= 9; ++tag) main.OptionsClick(tag), main.EditItemClick(tag);
  EXPECT_TRUE(main.Lists().isEmpty());
  QString opened;  // the dialog "&Add" shows, closed at once
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    opened = dialog->objectName();
    dialog->close();
  });
  main.ToolButtonClick(6);  // "&Add" opens a list first, then its add-files dialog
  EXPECT_EQ(opened, "AddFiles");
  ASSERT_EQ(main.Lists().size(), 1);
  EXPECT_EQ(main.Lists()[0]->windowTitle(), "Blank list (0)");

  Item("Hidetoolbar1")->trigger();
  EXPECT_EQ(Item("Hidetoolbar1")->text(), "Show &toolbar");
  EXPECT_TRUE(main.Toolbar()->isHidden());
  Item("Hidetoolbar1")->trigger();
  EXPECT_EQ(Item("Hidetoolbar1")->text(), "Hide &toolbar");

  Item("Introduction1")->trigger();  // our help, closed with the main window
  ASSERT_TRUE(main.Help());
  EXPECT_TRUE(main.Help()->isVisible());
  main.close();
  EXPECT_FALSE(main.Help()->isVisible());
}

TEST_F(MainFormTest, EachDropOpensOneWindow) {
  MakeFiles(25);
  std::vector<std::string> paths;
  for (int i = 1; i <= 25; ++i) paths.push_back("/d/f" + std::to_string(i) + ".txt");
  QMimeData drop;
  QList<QUrl> urls;
  for (const std::string& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
  drop.setUrls(urls);
  QDropEvent event(QPointF(5, 5), Qt::CopyAction, &drop, Qt::LeftButton, Qt::NoModifier);
  static_cast<QObject*>(&main)->event(&event);
  ASSERT_EQ(main.Lists().size(), 1);
  EXPECT_EQ(main.Lists()[0]->List().Files.Count(), 25);
  EXPECT_EQ(session.Pumps, 2);
  // A folder opens an empty window of its own.
  main.DropFiles({"/d"});
  ASSERT_EQ(main.Lists().size(), 2);
  EXPECT_EQ(main.Lists()[1]->List().Files.Count(), 0);

  // Commands go to the active window; Normalize all restores minimised ones.
  main.Workspace()->setActiveSubWindow(main.Workspace()->subWindowList()[0]);
  main.ToolButtonClick(8);
  main.EditItemClick(3);
  EXPECT_EQ(main.Lists()[0]->List().Files.Count(), 0);
  Item("Minimizeall1")->trigger();
  for (QMdiSubWindow* sub : main.Workspace()->subWindowList()) EXPECT_TRUE(sub->isMinimized());
  Item("Normalizeall1")->trigger();
  for (QMdiSubWindow* sub : main.Workspace()->subWindowList()) EXPECT_FALSE(sub->isMinimized());
}

// Each menu item that works on a list reaches the active list's own command: the rows it
// removes, marks, copies or pastes, the option group it resets.
TEST_F(MainFormTest, EachListItemReachesItsCommandOfTheActiveList) {
  MakeFiles(4);
  const auto names = [](TNameListForm* w) {
    std::string text;
    for (int i = 0; i < w->List().Files.Count(); ++i) text += w->List().Files.Items(i).Name();
    return text;
  };
  struct Case {
    const char* Item;
    std::string Rows;     // the list's names afterwards
    std::string Options;  // which groups keep their values: n(ame) d(ates) a(ttributes)
    std::string Clipboard;
  };
  const std::string copied = "/d/f2.txt\r\n";
  const Case cases[] = {
      {"Unlist1", "f1f3", "nda", ""},
      {"Delete1", "f1f3", "nda", ""},
      {"Unlistall1", "", "nda", ""},
      {"Copy1", "f1f2f3", "nda", copied},
      {"Cut1", "f1f3", "nda", copied},
      {"Paste1", "f1f2f3f4", "nda", ""},
      {"Resetall1", "f1f2f3", "", ""},
      {"Alloptions1", "f1f2f3", "", ""},
      {"Resetnames1", "f1f2f3", "da", ""},
      {"Nameoptions1", "f1f2f3", "da", ""},
      {"Resetdates1", "f1f2f3", "na", ""},
      {"Dateoptions1", "f1f2f3", "na", ""},
      {"Resetattributes1", "f1f2f3", "nd", ""},
      {"Attributeoptions1", "f1f2f3", "nd", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Item);
    auto* paste = new QMimeData;
    paste->setText("/d/f4.txt");
    QApplication::clipboard()->setMimeData(paste);
    TNameListForm* w = main.NewfilelistClick();
    for (int i = 1; i <= 3; ++i) AddFile(fs, w->List().Files, "/d/f" + std::to_string(i) + ".txt");
    w->RefreshGrid();
    w->List().Options.Name = "Pic";
    w->List().Options.DateFlags = 1;
    w->List().Options.AttrMask = 1;
    w->Grid()->SelectRows(1, 1);
    ASSERT_TRUE(Item(c.Item));
    Item(c.Item)->trigger();
    EXPECT_EQ(names(w), c.Rows);
    const TFiles& o = w->List().Options;
    EXPECT_EQ(o.Name == "Pic", c.Options.find('n') != std::string::npos);
    EXPECT_EQ(o.DateFlags == 1, c.Options.find('d') != std::string::npos);
    EXPECT_EQ(o.AttrMask == 1, c.Options.find('a') != std::string::npos);
    if (!c.Clipboard.empty()) {
      EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.Clipboard);
    }
    main.Workspace()->closeAllSubWindows();
  }
  // Select all marks every row of the active list only.
  TNameListForm* first = main.NewfilelistClick();
  TNameListForm* second = main.NewfilelistClick();
  for (TNameListForm* w : {first, second}) {
    for (int i = 1; i <= 3; ++i) AddFile(fs, w->List().Files, "/d/f" + std::to_string(i) + ".txt");
    w->RefreshGrid();
    w->Grid()->SelectRows(0, 0);
  }
  Item("Selectall1")->trigger();
  EXPECT_EQ(second->Grid()->MarkedCount(), 3);
  EXPECT_EQ(first->Grid()->MarkedCount(), 1);
  // Tile horizontally: one above the other, each as wide as the frame's workspace.
  main.show();
  Item("Tilehorizontal1")->trigger();
  const QWidget* top = first->parentWidget();
  const QWidget* below = second->parentWidget();
  const int width = main.Workspace()->viewport()->width();
  EXPECT_EQ(top->geometry(), QRect(0, 0, width, below->y()));
  EXPECT_EQ(below->width(), width);
  EXPECT_GT(below->y(), 0);
}

TEST_F(MainFormTest, ImportReadsAListFileIntoANewWindow) {
  MakeFiles(3);
  const std::string list = dir.Path() + "/three.vls";
  ASSERT_FALSE(store.Save(list, "/d/f1.txt\r\n/d/f3.txt\r\n/nothing\r\n"));
  state.Choose = [&](QWidget*, ChooseFor, const QString& filter, const QString&, const QString&) {
    EXPECT_EQ(filter, "Varnoke file lists|*.vls|All Files|*.*");
    return std::optional<std::string>(list);
  };
  main.ToolButtonClick(3);
  ASSERT_EQ(main.Lists().size(), 1);
  EXPECT_EQ(main.Lists()[0]->windowTitle().toStdString(), list);
  EXPECT_EQ(main.Lists()[0]->List().Files.Count(), 2);

  // A list file that cannot be read: the reason, and no window.
  state.Choose = [&](QWidget*, ChooseFor, const QString&, const QString&, const QString&) {
    return std::optional<std::string>(dir.Path() + "/missing.vls");
  };
  main.ToolButtonClick(3);
  EXPECT_EQ(main.Lists().size(), 1);
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text, "Cannot open file " + dir.Path() + "/missing.vls");
}

// It is journaled like any run: the Files menu offers to undo it.
TEST_F(MainFormTest, TheAutomaticRunRenamesWithoutShowingTheMainWindow) {
  PosixJournalDirectory journals(dir / "journal");
  services.Journals = &journals;
  MakeFiles(3);
  FileListOwner list(state.Settings.Defaults, state.ListCounter, EnglishTexts());
  for (int i = 1; i <= 3; ++i) AddFile(fs, list.Files, "/d/f" + std::to_string(i) + ".txt");
  list.Options.Set(ChangeName, true);
  list.Options.Set(Enumerate, true);
  list.Options.Name = "Pic";
  const std::optional<RenameReport> report = main.RenameAtOnce(std::move(list));
  ASSERT_TRUE(report);
  EXPECT_EQ(report->Changed, 3);
  EXPECT_TRUE(fs.Exists("/d/Pic3.txt"));
  EXPECT_FALSE(main.isVisible());
  EXPECT_TRUE(session.Questions.empty());  // nothing asked beyond the start's question
  emit main.findChild<QMenu*>("Files1")->aboutToShow();
  EXPECT_EQ(Item("Undolastrenaming1")->text(), "Und&o last renaming (3 files)");
}

}  // namespace
}  // namespace varnoke
