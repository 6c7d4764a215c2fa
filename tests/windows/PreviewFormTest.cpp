// The preview window driven through its own widgets: sorting, deleting rows, the
// conflict marks, the start of the run and the column layout it leaves behind.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <memory>

#include "files/ColLayoutValue.h"
#include "windows/DesktopFixture.h"
#include "windows/EntryModels.h"
#include "windows/ListGrid.h"
#include "windows/TPreviewForm.h"

namespace varnoke {
namespace {

class PreviewForm : public DesktopFixture {
 protected:
  PreviewForm() {
    list.Options.Set(ChangeName, true);
    list.Options.Set(Enumerate, true);
    list.Options.Name = "Pic";
    list.Options.Start = 9;  // Pic9, Pic10, Pic11: by name the first comes last
  }

  // Lists /d/<name>.txt with the day of the month of its three times.
  void List(const std::string& name, int created, int accessed, int written) {
    const FileTimes times{Calendar(2001, 1, created), Calendar(2001, 1, accessed),
                          Calendar(2001, 1, written)};
    fs.AddFile("/d/" + name + ".txt", "", times);
    list.Files.AddEntry(false, "/d", name, "txt", 0, 0x20, times.Created, times.Accessed,
                        times.Written);
  }
  void Open() {
    form = std::make_unique<TPreviewForm>(list, icons, services, nullptr);
    form->show();
  }
  template <typename T>
  T* Find(const char* name) {
    T* found = form->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  ListGrid* Grid() { return Find<ListGrid>("DrawGrid1"); }
  QString Panel(int i) { return Find<QLabel>(("StatusPanel" + std::to_string(i)).c_str())->text(); }
  std::vector<int> Order() const {
    std::vector<int> order;
    for (int i = 0; i < form->Preview().Count(); ++i)
      order.push_back(form->Preview().Items(i).FileIndex);
    return order;
  }

  FileListOwner list{state.Settings.Defaults, state.ListCounter, EnglishTexts()};
  IconCache icons;
  std::unique_ptr<TPreviewForm> form;
};

// The "Written to" header, the sort menu (its sixth item sorts by write time too) and the
// name sort order the rows; a double click on "Rename now!" still renames in list order.
TEST_F(PreviewForm, SortedByHeaderOrMenuTheRunStillGoesInListOrder) {
  List("c", 2, 1, 2);
  List("a", 1, 2, 3);
  List("b", 3, 3, 1);
  Open();
  ASSERT_TRUE(form->Planned());
  QHeaderView* header = Grid()->horizontalHeader();
  const int x = header->sectionViewportPosition(kWrittenColumn) + 20;
  QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
  EXPECT_EQ(Order(), (std::vector<int>{2, 0, 1}));
  Find<QAction>("N8Created1")->trigger();
  EXPECT_EQ(Order(), (std::vector<int>{1, 0, 2}));
  QAction* written = Find<QAction>("N6Created1");
  EXPECT_EQ(written->text(), "&6: Written to");
  written->trigger();
  EXPECT_EQ(Order(), (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(session.Events.back(), "busy:0");
  Find<QAction>("N2Name1")->trigger();
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(Grid()->model()->index(0, kNameColumn).data().toString(), "Pic10");

  fs.KeepLog = true;
  QTest::mouseDClick(Find<QLabel>("Panel1"), Qt::LeftButton);
  EXPECT_EQ(form->result(), QDialog::Accepted);
  ASSERT_TRUE(form->Report());
  EXPECT_EQ(form->Report()->Changed, 3);
  std::vector<std::string> moves;
  for (const std::string& call : fs.Log)
    if (call.starts_with("move ")) moves.push_back(call);
  EXPECT_EQ(moves,
            (std::vector<std::string>{"move /d/c.txt /d/Pic9.txt", "move /d/a.txt /d/Pic10.txt",
                                      "move /d/b.txt /d/Pic11.txt"}));
  EXPECT_EQ(list.Files.Items(0).Name(), "Pic9");
}

// Delete (not Backspace) takes rows off the preview, never off the list, and selects the row
// at the former top; with every row gone, Enter on the focused panel skips every file.
TEST_F(PreviewForm, DeletingRowsSkipsTheirFilesAndEnterStartsTheRun) {
  for (const char* name : {"a", "b", "c", "d"}) List(name, 1, 1, 1);
  Open();
  Grid()->SelectRows(1, 2);
  QTest::keyClick(Grid(), Qt::Key_Delete);
  EXPECT_EQ(Order(), (std::vector<int>{0, 3}));
  EXPECT_EQ(Grid()->SelectedRows(), (RowRange{1, 1}));
  EXPECT_EQ(Panel(4), "/d/Pic12.txt");
  EXPECT_EQ(Find<QLabel>("StatusPanel4")->accessibleName(), "Selected file: /d/Pic12.txt");
  QTest::keyClick(Grid(), Qt::Key_Backspace);
  EXPECT_EQ(form->Preview().Count(), 2);
  Grid()->selectAll();
  QTest::keyClick(Grid(), Qt::Key_Delete);
  EXPECT_EQ(form->Preview().Count(), 0);
  EXPECT_EQ(list.Files.Count(), 4);
  // The empty row left is no entry; screen readers hear each panel's name with its value.
  EXPECT_EQ(Panel(1), "0");
  EXPECT_EQ(Panel(3), "0");
  EXPECT_EQ(Find<QLabel>("StatusPanel1")->accessibleName(), "Files: 0");
  EXPECT_EQ(Find<QLabel>("StatusPanel3")->accessibleName(), "Marked: 0");
  EXPECT_EQ(Find<QLabel>("StatusPanel4")->accessibleName(), "Selected file");

  QLabel* panel = Find<QLabel>("Panel1");
  EXPECT_TRUE(panel->toolTip().contains("process.\nYou may"));
  fs.ResetCalls();
  QTest::keyClick(panel, Qt::Key_Return);
  EXPECT_EQ(fs.ChangingCalls(), 0);
  EXPECT_EQ(fs.FilePaths().size(), 4u);
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_FALSE(form->isVisible());
}

// "Rename now!" is reached from the grid by Tab and started by Space, and a screen reader
// sees a button named by its caption whose press action starts the run.
TEST_F(PreviewForm, RenameNowIsAButtonForTheKeyboardAndScreenReaders) {
  for (const bool byScreenReader : {false, true}) {
    SCOPED_TRACE(byScreenReader ? "screen reader" : "keyboard");
    List(byScreenReader ? "b" : "a", 1, 1, 1);
    Open();
    QApplication::setActiveWindow(form.get());
    auto* panel = Find<QLabel>("Panel1");
    if (byScreenReader) {
      QAccessibleInterface* button = QAccessible::queryAccessibleInterface(panel);
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(button->role(), QAccessible::Button);
      EXPECT_EQ(button->text(QAccessible::Name), "Rename now!");
      ASSERT_NE(button->actionInterface(), nullptr);
      EXPECT_EQ(button->actionInterface()->actionNames(),
                QStringList{QAccessibleActionInterface::pressAction()});
      button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
      EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
    } else {
      Grid()->setFocus();
      QTest::keyClick(Grid(), Qt::Key_Tab);
      EXPECT_EQ(QApplication::focusWidget(), panel);
      QTest::keyClick(panel, Qt::Key_Space);
    }
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_TRUE(fs.File(byScreenReader ? "/d/Pic10.txt" : "/d/Pic9.txt"));
  }
}

TEST_F(PreviewForm, AConflictIsRedAndNamedInTheStatusBar) {
  fs.AddFile("/d/Pic10.txt");
  List("a", 1, 1, 1);
  List("b", 2, 2, 2);
  Open();
  const QAbstractItemModel* model = Grid()->model();
  EXPECT_EQ(model->index(0, kNameColumn).data(Qt::BackgroundRole), QVariant());
  EXPECT_EQ(model->index(1, kNameColumn).data(Qt::BackgroundRole).value<QBrush>().color(),
            QColor(255, 0, 0));
  Grid()->SelectRows(1, 1);
  EXPECT_TRUE(Panel(4).endsWith(" (CONFLICT)")) << Panel(4).toStdString();
  // Selected, the conflict stays red.
  const QRect cell = Grid()->visualRect(model->index(1, kNameColumn));
  EXPECT_EQ(Grid()->viewport()->grab().toImage().pixelColor(cell.left() + 1, cell.center().y()),
            QColor(255, 0, 0));
  Grid()->SelectRows(0, 1);
  EXPECT_EQ(Panel(4), "");
}

// Files without a time taken are noted beside the panels; a note longer than the window
// is cut to fit rather than widening it, and carried whole by its tool tip and name.
TEST_F(PreviewForm, ANoteWiderThanTheWindowIsCutToFitAndCarriedWhole) {
  list.Options.Name = "Pic|";
  list.Options.Set(DateFromTaken, true);
  List("a", 1, 1, 1);
  List("b", 2, 2, 2);
  Open();
  const std::string whole = "2 files have no time taken; their file time is used";
  QLabel* note = Find<QLabel>("StatusNote");
  EXPECT_EQ(note->toolTip().toStdString(), whole);
  EXPECT_EQ(note->accessibleName().toStdString(), whole);
  form->resize(1, form->height());  // as narrow as the window goes
  Settle();
  EXPECT_TRUE(note->isVisible());
  EXPECT_TRUE(note->text().endsWith(QChar(0x2026))) << note->text().toStdString();
  EXPECT_LE(note->geometry().right(), note->parentWidget()->width());
  form->resize(note->fontMetrics().horizontalAdvance(QString::fromStdString(whole)) * 3,
               form->height());
  Settle();
  EXPECT_EQ(note->text().toStdString(), whole);
}

// The old name stands last, after the nine columns, beside the new one: sorted by a
// double click on its header, never dragged among the nine, its width kept on its own
// while the stored nine-column layout stays as it was.
TEST_F(PreviewForm, OldNamesStandLastSortableAndKeptApartFromTheLayout) {
  List("b", 1, 1, 1);
  List("a", 2, 2, 2);
  Open();
  const QAbstractItemModel* model = Grid()->model();
  QHeaderView* header = Grid()->horizontalHeader();
  const int last = static_cast<int>(kColumnCount);
  EXPECT_EQ(model->headerData(kOldNameColumn, Qt::Horizontal).toString(), "Old name");
  EXPECT_EQ(header->visualIndex(kOldNameColumn), last);
  EXPECT_FALSE(header->isSectionHidden(kOldNameColumn));
  EXPECT_EQ(model->index(0, kNameColumn).data().toString(), "Pic9");
  EXPECT_EQ(model->index(0, kOldNameColumn).data().toString(), "b.txt");

  emit header->sectionDoubleClicked(kOldNameColumn);
  EXPECT_EQ(model->index(0, kOldNameColumn).data().toString(), "a.txt");
  EXPECT_EQ(model->index(0, kNameColumn).data().toString(), "Pic10");

  header->moveSection(last, 2);  // the old name dragged among the nine goes back
  EXPECT_EQ(header->visualIndex(kOldNameColumn), last);
  header->moveSection(header->visualIndex(kPathColumn), last);  // lands before it
  EXPECT_EQ(header->visualIndex(kOldNameColumn), last);
  EXPECT_EQ(header->visualIndex(kPathColumn), last - 1);

  header->resizeSection(kOldNameColumn, 222);
  form.reset();
  EXPECT_EQ(ReadOldNameWidth(settings), 222);
  const ColLayoutWords words = ReadColLayout(settings);
  EXPECT_EQ(static_cast<int>(ColumnId(words.back())), kPathColumn);
  Open();
  EXPECT_EQ(Grid()->horizontalHeader()->sectionSize(kOldNameColumn), 222);
  EXPECT_EQ(Grid()->horizontalHeader()->visualIndex(kPathColumn), last - 1);
}

TEST_F(PreviewForm, AColumnHiddenHereIsHiddenInTheNextWindow) {
  List("a", 1, 1, 1);
  Open();
  Find<QAction>("PopSize")->trigger();
  EXPECT_TRUE(Grid()->isColumnHidden(kSizeColumn));
  form.reset();
  ListGrid next(kFileListColumnWidths, nullptr);
  next.LoadLayout(PosixSettingsStore(dir.Path()));
  EXPECT_FALSE(IsColumnShown(next.Layout(), kSizeColumn));
  EXPECT_EQ(ShownColumnCount(next.Layout()), kColumnCount - 1);
}

}  // namespace
}  // namespace varnoke
