// The preview window driven through its own widgets: sorting, deleting rows, the
// conflict marks, the start of the run and the column layout it leaves behind.
#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixSettingsStore.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/ScriptedSession.h"
#include "support/CalendarTime.h"
#include "support/TempDir.h"
#include "windows/EntryModels.h"
#include "windows/ListGrid.h"
#include "windows/TPreviewForm.h"

namespace varnoke {
namespace {

class PreviewForm : public ::testing::Test {
 protected:
  PreviewForm() : settings(dir.Path()) {
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

  TPreviewForm& Open() {
    form = std::make_unique<TPreviewForm>(list, icons, services, nullptr);
    form->show();
    return *form;
  }
  template <typename T>
  T* Find(const char* name) {
    T* found = form->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  ListGrid* Grid() { return Find<ListGrid>("DrawGrid1"); }
  QString Status() { return Find<QLabel>("StatusPanel4")->text(); }
  std::vector<int> Order() const {
    std::vector<int> order;
    for (int i = 0; i < form->Preview().Count(); ++i)
      order.push_back(form->Preview().Items(i).FileIndex);
    return order;
  }
  void DoubleClickPanel() { QTest::mouseDClick(Find<QLabel>("Panel1"), Qt::LeftButton); }

  testing::TempDir dir;
  FakeFileSystem fs{FakeFileSystem::Style::Posix};
  IdleStores idle;
  PosixSettingsStore settings;
  FixedClock clock{Calendar(2020, 6, 7), 0};
  FormatSettings regional = EnglishFormatSettings();
  ScriptedSession session;
  Services services{fs, idle.Store, settings, clock, regional, session};
  TFiles defaults;
  int counter = 0;
  FileListOwner list{defaults, counter};
  IconCache icons;
  std::unique_ptr<TPreviewForm> form;
};

TEST_F(PreviewForm, SortedByNameTheRunStillGoesInListOrder) {
  List("c", 1, 1, 1);
  List("a", 2, 2, 2);
  List("b", 3, 3, 3);
  Open();
  ASSERT_TRUE(form->Planned());
  Find<QAction>("N2Name1")->trigger();
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(Grid()->model()->index(0, kNameColumn).data().toString(), "Pic10");

  fs.KeepLog = true;
  DoubleClickPanel();
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

TEST_F(PreviewForm, DeletingEveryRowSkipsEveryFile) {
  List("a", 1, 1, 1);
  List("b", 2, 2, 2);
  Open();
  Grid()->selectAll();
  QTest::keyClick(Grid(), Qt::Key_Delete);
  EXPECT_EQ(form->Preview().Count(), 0);
  EXPECT_EQ(list.Files.Count(), 2);
  EXPECT_EQ(Find<QLabel>("StatusPanel1")->text(), "0");
  EXPECT_EQ(Find<QLabel>("StatusPanel3")->text(), "1");

  fs.ResetCalls();
  DoubleClickPanel();
  EXPECT_EQ(fs.ChangingCalls(), 0);
  EXPECT_TRUE(fs.HasFile("/d/a.txt") && fs.HasFile("/d/b.txt"));
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(PreviewForm, DeletingRowsSelectsTheRowAtTheFormerTop) {
  for (const char* name : {"a", "b", "c", "d"}) List(name, 1, 1, 1);
  Open();
  Grid()->SelectRows(1, 2);
  QTest::keyClick(Grid(), Qt::Key_Delete);
  EXPECT_EQ(Order(), (std::vector<int>{0, 3}));
  EXPECT_EQ(Grid()->SelectedRows(), (RowRange{1, 1}));
  EXPECT_EQ(Status(), "/d/Pic12.txt");
  QTest::keyClick(Grid(), Qt::Key_Backspace);
  EXPECT_EQ(form->Preview().Count(), 2);
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
  EXPECT_TRUE(Status().endsWith(" (CONFLICT)")) << Status().toStdString();
  Grid()->SelectRows(0, 1);
  EXPECT_EQ(Status(), "");
}

TEST_F(PreviewForm, WrittenToHeaderAndSixthSortItemSortByWriteTime) {
  List("a", 1, 2, 3);
  List("b", 3, 3, 1);
  List("c", 2, 1, 2);
  Open();
  QHeaderView* header = Grid()->horizontalHeader();
  const int x = header->sectionViewportPosition(kWrittenColumn) + 20;
  QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 0}));

  Find<QAction>("N8Created1")->trigger();
  EXPECT_EQ(Order(), (std::vector<int>{0, 2, 1}));
  QAction* written = Find<QAction>("N6Created1");
  EXPECT_EQ(written->text(), "&6: Written to");
  written->trigger();
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(session.Events.back(), "busy:0");
}

TEST_F(PreviewForm, EnterOnTheFocusedPanelStartsTheRun) {
  List("a", 1, 1, 1);
  Open();
  QLabel* panel = Find<QLabel>("Panel1");
  EXPECT_EQ(panel->focusPolicy(), Qt::StrongFocus);
  EXPECT_TRUE(panel->toolTip().contains("process.\nYou may"));
  QTest::keyClick(panel, Qt::Key_Return);
  EXPECT_TRUE(fs.HasFile("/d/Pic9.txt"));
  EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST_F(PreviewForm, AColumnHiddenHereIsHiddenInTheNextWindow) {
  List("a", 1, 1, 1);
  Open();
  Find<QAction>("PopSize")->trigger();
  EXPECT_TRUE(Grid()->isColumnHidden(kSizeColumn));
  form.reset();

  PosixSettingsStore reread(dir.Path());
  ListGrid next(kFileListColumnWidths, nullptr);
  next.LoadLayout(reread);
  EXPECT_FALSE(IsColumnShown(next.Layout(), kSizeColumn));
  EXPECT_TRUE(IsColumnShown(next.Layout(), kNameColumn));
  EXPECT_EQ(ShownColumnCount(next.Layout()), kColumnCount - 1);
}

}  // namespace
}  // namespace varnoke
