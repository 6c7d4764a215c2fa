// The file-list window driven as a user drives it: keys, menus, the clipboard and drops.
#include "windows/TNameListForm.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QTest>

#include "platform/testing/FakeCaptureTimes.h"
#include "windows/DesktopFixture.h"
#include "windows/EntryModels.h"
#include "windows/ListGrid.h"

namespace varnoke {
namespace {

class NameListFormTest : public DesktopFixture {
 protected:
  // A window listing /d/f1.txt ... /d/fn.txt.
  TNameListForm* Window(int n) {
    MakeFiles(n);
    auto* w = new TNameListForm(state);
    for (int i = 1; i <= n; ++i) w->AddFile("/d/f" + std::to_string(i) + ".txt");
    w->RefreshGrid();
    w->show();
    windows.push_back(w);
    return w;
  }
  static std::string Names(TNameListForm* w) {
    std::string s;
    for (const TVrnFile& f : w->List().Files) s += std::string(f.Name()).substr(1) + " ";
    return s;
  }
  static QString Panel(TNameListForm* w, int i) {
    return w->findChild<QLabel*>(QString("StatusPanel%1").arg(i))->text();
  }
  static void Key(TNameListForm* w, int key, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(w->Grid(), static_cast<Qt::Key>(key), m);
  }
  void TearDown() override {
    for (QPointer<TNameListForm>& w : windows) delete w;
  }
  std::vector<QPointer<TNameListForm>> windows;
};

// Without stored widths, every column of a short entry shows its text whole in the
// window's own font: dates with their times, sizes, attributes.
TEST_F(NameListFormTest, BuiltInColumnsShowWholeDatesInTheWindowsFont) {
  TNameListForm* w = Window(1);
  const QAbstractItemModel* grid = w->Grid()->model();
  const QFontMetrics metrics(w->Grid()->font());
  for (int column = 1; column < grid->columnCount(); ++column) {
    const QString text = grid->index(0, column).data().toString();
    SCOPED_TRACE(text.toStdString());
    EXPECT_GE(w->Grid()->horizontalHeader()->sectionSize(column),
              metrics.horizontalAdvance(text) + 8);
  }
}

TEST_F(NameListFormTest, KeysMoveRemoveAndCutRows) {
  TNameListForm* w = Window(10);
  w->Grid()->SelectRows(2, 4);
  Key(w, Qt::Key_Delete);
  EXPECT_EQ(Names(w), "1 2 6 7 8 9 10 ");
  EXPECT_EQ(w->Grid()->SelectedRows(), RowRange(2, 2));
  EXPECT_EQ(Panel(w, 1), "7");

  Key(w, Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(Names(w), "1 2 7 6 8 9 10 ");
  w->Grid()->SelectRows(6, 6);
  Key(w, Qt::Key_Up, Qt::AltModifier);
  EXPECT_EQ(Names(w), "1 2 7 6 8 10 9 ");
  EXPECT_EQ(w->Grid()->SelectedRows(), RowRange(5, 5));

  TNameListForm* six = Window(6);
  six->Grid()->SelectRows(1, 3);
  Key(six, Qt::Key_X);
  EXPECT_EQ(Names(six), "1 5 6 ");
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  EXPECT_EQ(copied->text(), "/d/f2.txt\r\n/d/f3.txt\r\n/d/f4.txt\r\n");
  EXPECT_EQ(copied->data("text/uri-list"),
            "file:///d/f2.txt\r\nfile:///d/f3.txt\r\nfile:///d/f4.txt\r\n");

  // Pasted into another window, the same files; the file manager's form first.
  TNameListForm other(state);
  QTest::keyClick(other.Grid(), Qt::Key_V);
  EXPECT_EQ(Names(&other), "2 3 4 ");
  auto* text = new QMimeData;
  text->setText("/d/f5.txt\r/d/f6.txt\n/missing\r\n");
  QApplication::clipboard()->setMimeData(text);
  QTest::keyClick(other.Grid(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Names(&other), "2 3 4 5 6 ");
}

// The other keys of the grid: Ctrl+A marks every row, Ctrl+Insert and C copy, Shift+Delete
// cuts; a key with a modifier that is not its own does nothing.
TEST_F(NameListFormTest, EachKeyOfTheGridDoesItsOwnCommand) {
  const struct {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    const char* Rows;  // afterwards
    int Marked;
    const char* Clipboard;
  } cases[] = {
      {Qt::Key_A, Qt::ControlModifier, "1 2 3 4 ", 4, "-"},
      {Qt::Key_A, Qt::NoModifier, "1 2 3 4 ", 2, "-"},
      {Qt::Key_Insert, Qt::ControlModifier, "1 2 3 4 ", 2, "/d/f2.txt\r\n/d/f3.txt\r\n"},
      {Qt::Key_C, Qt::NoModifier, "1 2 3 4 ", 2, "/d/f2.txt\r\n/d/f3.txt\r\n"},
      {Qt::Key_Delete, Qt::ShiftModifier, "1 4 ", 1, "/d/f2.txt\r\n/d/f3.txt\r\n"},
      {Qt::Key_Delete, Qt::ControlModifier, "1 2 3 4 ", 2, "-"},
      {Qt::Key_Up, Qt::NoModifier, "1 2 3 4 ", 1, "-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QKeySequence(c.Key | c.Modifiers).toString().toStdString());
    QApplication::clipboard()->setText("-");
    TNameListForm* w = Window(4);
    w->Grid()->SelectRows(1, 2);
    Key(w, c.Key, c.Modifiers);
    EXPECT_EQ(Names(w), c.Rows);
    EXPECT_EQ(w->Grid()->MarkedCount(), c.Marked);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.Clipboard);
  }
}

TEST_F(NameListFormTest, SortingAndStatus) {
  TNameListForm* w = Window(3);  // f3 was written first
  fs.SetBusy("/d/f2.txt", true);
  w->AddFile("/d/f2.txt");
  w->RefreshGrid();
  auto* header = w->Grid()->horizontalHeader();
  const int written = header->sectionViewportPosition(kWrittenColumn) + 5;
  QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(written, 5));
  EXPECT_EQ(Names(w), "2 3 2 1 ");  // busy entries carry no time
  w->PopSortClick(2);
  EXPECT_EQ(Names(w), "1 2 2 3 ");
  w->Grid()->SelectRows(1, 1);
  EXPECT_EQ(Panel(w, 4), "/d/f2.txt (BUSY)");
  EXPECT_EQ(w->Grid()->model()->index(1, kNameColumn).data(Qt::ForegroundRole).value<QBrush>(),
            QBrush(QColor(0, 0, 255)));
  const int icon = header->sectionViewportPosition(kIconColumn) + 3;
  QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(icon, 5));
  EXPECT_EQ(Names(w), "1 2 2 3 ");
  w->Grid()->SelectRows(0, 3);
  EXPECT_EQ(Panel(w, 3), "4");
  EXPECT_EQ(Panel(w, 4), "");
}

// "9: Time taken" in the sort menu orders by the photos' own times; a file without one
// takes its place by its file time. The times are read once for the listing.
TEST_F(NameListFormTest, SortMenuOrdersByTimeTaken) {
  FakeCaptureTimes taken;
  services.Taken = &taken;
  TNameListForm* w = Window(3);  // written on 29, 28 and 27 January 2020
  taken.Set("/d/f1.txt", TakenStamp{Calendar(2019, 1, 1), {}}, 1, Calendar(2020, 1, 29));
  taken.Set("/d/f2.txt", std::nullopt, 2, Calendar(2020, 1, 28));
  taken.Set("/d/f3.txt", TakenStamp{Calendar(2019, 5, 1), {}}, 3, Calendar(2020, 1, 27));
  auto* item = w->findChild<QAction*>("Timetaken1");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "&9: Time taken");
  item->trigger();
  EXPECT_EQ(Names(w), "1 3 2 ");
  EXPECT_EQ(Panel(w, 1), "3");
  item->trigger();
  EXPECT_EQ(taken.Reads(), 3);
  EXPECT_EQ(Names(w), "1 3 2 ");
}

TEST_F(NameListFormTest, DroppedUrisAndAWindowClosedDuringALongPaste) {
  TNameListForm* w = Window(2);
  MakeFiles(25, "/drop");
  QList<QUrl> urls;
  for (int i = 1; i <= 25; ++i) urls << QUrl::fromLocalFile(QString("/drop/f%1.txt").arg(i));
  urls << QUrl::fromLocalFile("/drop");
  QMimeData drop;
  drop.setUrls(urls);
  QDropEvent event(QPointF(20, 20), Qt::CopyAction, &drop, Qt::LeftButton, Qt::NoModifier);
  // Straight to the window: a drop sent through the application needs a drag under way.
  static_cast<QObject*>(w)->event(&event);
  EXPECT_EQ(w->List().Files.Count(), 27);
  EXPECT_EQ(w->Grid()->SelectedRows(), RowRange(1, 1));  // 26 items, 25 listed

  QPointer<TNameListForm> watched = w;
  auto* many = new QMimeData;
  many->setUrls(urls);
  QApplication::clipboard()->setMimeData(many);
  int closes = 0;
  session.OnPump = [&] {
    if (closes++ == 0) {
      EXPECT_FALSE(w->close());
    }
    w->RemoveAllClick();  // commands wait while the list is busy
  };
  w->PasteFiles();
  EXPECT_GT(closes, 0);
  EXPECT_EQ(w->List().Files.Count(), 52);
  ASSERT_TRUE(watched);
  Settle();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(watched);
}

// Blank lists are captioned counting from zero; the columns hidden in one window are hidden
// in the next, and the last column shown stays.
TEST_F(NameListFormTest, CaptionsCountFromZeroAndHiddenColumnsLastForTheNextWindow) {
  {
    TNameListForm w(state);
    EXPECT_EQ(w.windowTitle(), "Blank list (0)");
    EXPECT_EQ(w.Grid()->model()->rowCount(), 1);  // the empty row of an empty list
    auto* size = w.findChild<QAction*>("PopSize");
    size->trigger();
    w.findChild<QAction*>("PopAttributes")->trigger();
    EXPECT_FALSE(size->isChecked());
  }
  TNameListForm next(state);
  EXPECT_EQ(next.windowTitle(), "Blank list (1)");
  auto* header = next.Grid()->horizontalHeader();
  EXPECT_TRUE(header->isSectionHidden(kSizeColumn));
  EXPECT_EQ(header->count() - header->hiddenSectionCount(), 7);
  EXPECT_FALSE(next.findChild<QAction*>("PopAttributes")->isChecked());
  next.findChild<QAction*>("PopSize")->trigger();
  EXPECT_EQ(header->visualIndex(kSizeColumn), 7);
  EXPECT_EQ(header->sectionSize(kSizeColumn), 64);
  for (int id = 0; id < 9; ++id)
    if (id != kNameColumn && !header->isSectionHidden(id)) next.PopColumnsClick(id);
  EXPECT_EQ(header->count() - header->hiddenSectionCount(), 1);
  next.findChild<QAction*>("PopName")->trigger();  // the last shown column stays
  EXPECT_FALSE(header->isSectionHidden(kNameColumn));
  EXPECT_TRUE(next.findChild<QAction*>("PopName")->isChecked());
}

}  // namespace
}  // namespace varnoke
