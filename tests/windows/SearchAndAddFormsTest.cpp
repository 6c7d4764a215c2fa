// The search and add-files dialogs of a file-list window, driven as a user drives them.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "engine/SearchMessages.h"
#include "files/WindowPlacement.h"
#include "windows/DesktopFixture.h"
#include "windows/DirectoryControls.h"
#include "windows/QtText.h"
#include "windows/TAddFiles.h"
#include "windows/TFileSearchForm.h"
#include "windows/TNameListForm.h"

namespace varnoke {
namespace {

// Two directories that exist on disk for the directory tree; their files are the fake
// file system's: one/{.h.txt, a.txt, b.txt, c.doc, sub/d.txt} and two/x.txt.
class SearchAndAddFormsTest : public DesktopFixture {
 protected:
  void SetUp() override {
    for (const char* name : {"one/b.txt", "one/a.txt", "one/.h.txt", "one/c.doc", "one/sub/d.txt"})
      fs.AddFile(disk / name);
    fs.AddFile(two + "/x.txt");
    services.BrowseStart = one;
  }
  std::string Listed() {
    std::string s;
    for (const TVrnFile& f : list.List().Files) s += std::string(f.Name()) + " ";
    return s;
  }
  static QString Items(const TAddFiles& d) {
    QStringList items;
    for (int i = 0; i < d.FileListBox1->count(); ++i) items << d.FileListBox1->item(i)->text();
    return items.join(' ');
  }

  testing::TempDir disk;
  std::string one = disk.MakeDir("one"), two = disk.MakeDir("two");
  TNameListForm list{state};
};

TEST_F(SearchAndAddFormsTest, SearchStopsInEitherPhaseAndKeepsWhatItFound) {
  const struct {
    UiText StopIn;
    int StopAt;  // files listed when Stop is pressed; -1: never
    const char* Kept;
    const char* Counts;
    std::uint32_t Flags;  // the attribute boxes are stored only by a completed search
  } cases[] = {
      {kBuildingDirectoryTree, 0, "", "Directories: 1   Files: 0", SearchSubdirs},
      {kSearchingForFiles, 2, ".h a ", "Directories: 2   Files: 2", SearchSubdirs},
      {kSearchingForFiles, -1, ".h a b d ", "", SearchSubdirs | SearchUseReadOnly},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.StopAt);
    list.List().Files.Clear();
    list.List().Options.Flags = SearchSubdirs;
    list.List().Options.Filters = {"*.txt"};
    {
      TFileSearchForm d(list, state);
      d.show();
      d.CheckBox2->setChecked(true);
      session.OnPump = [&] {
        if (d.windowTitle() != QString::fromUtf8(c.StopIn.Source) ||
            list.List().Files.Count() != c.StopAt)
          return;
        EXPECT_FALSE(d.ListBox1->isEnabled() || d.CheckBox2->isEnabled() || d.BitBtn2->isEnabled());
        EXPECT_EQ(d.BitBtn1->text(), "&Stop");
        QTest::mouseClick(d.BitBtn1, Qt::LeftButton);
      };
      QTest::mouseClick(d.BitBtn2, Qt::LeftButton);
      EXPECT_EQ(d.result(), c.StopAt < 0 ? QDialog::Accepted : QDialog::Rejected);
      EXPECT_FALSE(d.isVisible());
      EXPECT_EQ(d.Label6->text().toStdString(), c.Counts);
      d.CheckBox1->setChecked(false);
      d.ListBox1->addItem("*.doc");
    }
    EXPECT_EQ(Listed(), c.Kept);
    EXPECT_EQ(list.List().Options.Flags, c.Flags & ~SearchSubdirs);  // the box as it was left
    EXPECT_EQ(list.List().Options.Filters, (std::vector<std::string>{"*.txt", "*.doc"}));
    EXPECT_EQ(list.List().Options.AddFiles, one);
  }
}

TEST_F(SearchAndAddFormsTest, AddFilesRemembersItsDirectoryPerWindow) {
  TNameListForm other(state);
  WindowPlacement stored;
  stored.Left = 10, stored.Top = 20, stored.Right = 410, stored.Bottom = 520;
  WritePlacement(settings, kAddWinPos, stored);
  {
    TAddFiles d(list, state);
    d.show();
    EXPECT_EQ(d.size(), QSize(400, TAddFiles::kHeight));  // the height is always its own
    EXPECT_EQ(d.ListedDirectory(), one);
    d.DirectoryListBox1->SetDirectory(two);
    EXPECT_EQ(Items(d), "x.txt");
    d.BitBtn1->click();  // cancelled, and still remembered
  }
  const std::optional<WindowPlacement> kept = ReadPlacement(settings, kAddWinPos);
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->Right - kept->Left, 400);
  EXPECT_EQ(kept->Bottom - kept->Top, TAddFiles::kHeight);
  EXPECT_EQ(TAddFiles(list, state).ListedDirectory(), two);
  EXPECT_EQ(TAddFiles(other, state).ListedDirectory(), one);
}

TEST_F(SearchAndAddFormsTest, AddFilesFiltersOnEnterCountsAndAddsTheMarkedFiles) {
  TAddFiles d(list, state);
  d.show();
  EXPECT_EQ(Items(d), ".h.txt a.txt b.txt c.doc");
  d.Edit1->clear();
  QTest::keyClicks(d.Edit1, "b* ; *.doc");
  EXPECT_EQ(d.Label5->text(), "4");  // not before Enter
  QTest::keyClick(d.Edit1, Qt::Key_Return);
  EXPECT_EQ(Items(d), "b.txt c.doc");
  EXPECT_TRUE(d.isVisible());  // Enter did not press OK
  const struct {
    std::function<void()> Action;
    const char* Marked;
  } steps[] = {
      {[&] { QTest::keyClick(d.FileListBox1, Qt::Key_A, Qt::ControlModifier); }, "2"},
      {[&] { d.BitBtn4->click(); }, "0"},
      {[&] { d.BitBtn3->click(); }, "2"},
      {[&] { d.PopupMenu1->findChild<QAction*>("Selectnone1")->trigger(); }, "0"},
      {[&] { d.FileListBox1->item(1)->setSelected(true); }, "1"},
  };
  for (const auto& s : steps) {
    s.Action();
    EXPECT_EQ(d.Label5->text(), "2");
    EXPECT_EQ(d.Label7->text(), s.Marked);
  }
  d.resize(100, 600);
  EXPECT_EQ(d.height(), TAddFiles::kHeight);
  EXPECT_GE(d.width(), TAddFiles::kMinWidth);
  QTest::mouseClick(d.BitBtn2, Qt::LeftButton);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(Listed(), "c ");
}

}  // namespace
}  // namespace varnoke
