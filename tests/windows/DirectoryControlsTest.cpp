// The drive box and the directory tree of the dialogs, on the real file system.
#include "windows/DirectoryControls.h"

#include <QAction>
#include <QFileSystemModel>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/posix/UserDirectories.h"
#include "windows/DesktopFixture.h"
#include "windows/QtText.h"

namespace varnoke {
namespace {

class DirectoryControlsTest : public DesktopOnRealFiles {
 protected:
  // The names of the folders the tree shows in `directory`, sorted, between spaces.
  static std::string Shown(const DirectoryListBox& tree, const std::string& directory) {
    const auto* model = qobject_cast<const QFileSystemModel*>(tree.model());
    const QModelIndex at = model->index(Qt8(directory));
    QStringList names;
    for (int row = 0; row < model->rowCount(at); ++row)
      names << model->fileName(model->index(row, 0, at));
    names.sort();
    return names.join(' ').toStdString();
  }
};

TEST_F(DirectoryControlsTest, TheDriveBoxOffersTheRootFirstTheHomeAndNoSystemMounts) {
  DriveComboBox drives(fs, nullptr);
  std::vector<std::string> offered;
  for (int i = 0; i < drives.count(); ++i) offered.push_back(drives.itemText(i).toStdString());
  ASSERT_FALSE(offered.empty());
  EXPECT_EQ(offered.front(), "/");
  for (const char* system : {"/proc", "/sys", "/dev", "/dev/shm", "/dev/pts", "/sys/fs/cgroup",
                             "/sys/fs/cgroup/unified", "/run"})
    EXPECT_EQ(std::count(offered.begin(), offered.end(), system), 0) << system;
  const std::string home = HomeDirectory();
  if (home == "/") return;
  EXPECT_EQ(std::count(offered.begin(), offered.end(), home.substr(0, home.size() - 1)), 1);
  drives.ShowDriveOf(home + "Documents");
  EXPECT_EQ(drives.Drive() + "/", home);
}

// Ctrl+H (or the tree's context menu) shows the dot-folders; hiding them again moves a
// directory chosen in one out of it; a directory set in one shows them at once.
TEST_F(DirectoryControlsTest, HiddenFoldersShowOnlyWhenTheUserAsks) {
  files.MakeDir("seen");
  const std::string dot = files.MakeDir(".dot"), inner = files.MakeDir(".dot/inner");
  DirectoryListBox tree(nullptr);
  QAction* toggle = tree.ShowHiddenFolders1;
  EXPECT_EQ(toggle->text(), "Show hidden folders");
  EXPECT_TRUE(toggle->isCheckable() && !toggle->isChecked());
  EXPECT_EQ(tree.contextMenuPolicy(), Qt::ActionsContextMenu);
  EXPECT_TRUE(tree.actions().contains(toggle));
  tree.show();
  tree.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&tree));
  tree.SetDirectory(files.Path());
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return Shown(tree, files.Path()).find("seen") != std::string::npos; }));
  EXPECT_EQ(Shown(tree, files.Path()), "seen");

  tree.setFocus();
  QTest::keyClick(&tree, Qt::Key_H, Qt::ControlModifier);
  EXPECT_TRUE(toggle->isChecked());
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return Shown(tree, files.Path()).find(".dot") != std::string::npos; }));
  EXPECT_EQ(Shown(tree, files.Path()), ".dot seen");
  EXPECT_EQ(tree.Directory(), files.Path());

  tree.SetDirectory(inner);
  toggle->trigger();  // as from the context menu
  EXPECT_FALSE(toggle->isChecked());
  EXPECT_EQ(tree.Directory(), files.Path());
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return Shown(tree, files.Path()).find("seen") != std::string::npos; }));
  EXPECT_EQ(Shown(tree, files.Path()), "seen");

  tree.SetDirectory(dot);
  EXPECT_TRUE(toggle->isChecked());
  EXPECT_EQ(tree.Directory(), dot);
}

}  // namespace
}  // namespace varnoke
