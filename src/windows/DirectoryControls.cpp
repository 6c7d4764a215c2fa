#include "windows/DirectoryControls.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>

#include "engine/HiddenFolders.h"
#include "engine/VolumeOf.h"
#include "windows/QtText.h"
#include "windows/Tr.h"
#include "windows/WindowTexts.h"

namespace varnoke {
namespace {

constexpr QDir::Filters kFolders = QDir::AllDirs | QDir::NoDotAndDotDot;

}  // namespace

DriveComboBox::DriveComboBox(FileSystem& fs, QWidget* parent) : QComboBox(parent) {
  setObjectName("DriveComboBox1");
  setAccessibleName(Tr(kDriveName));
  for (const std::string& volume : fs.Volumes()) addItem(Qt8(volume));
}

std::string DriveComboBox::Drive() const {
  return currentText().toStdString();
}

void DriveComboBox::ShowDriveOf(const std::string& directory) {
  std::vector<std::string> volumes;
  for (int i = 0; i < count(); ++i) volumes.push_back(itemText(i).toStdString());
  const int at = findText(Qt8(VolumeOf(directory, volumes)));
  if (at >= 0) setCurrentIndex(at);
}

DirectoryListBox::DirectoryListBox(QWidget* parent) : QTreeView(parent) {
  setObjectName("DirectoryListBox1");
  setAccessibleName(Tr(kDirectoryName));
  ShowHiddenFolders1 = new QAction(Tr(kShowHiddenFolders), this);
  ShowHiddenFolders1->setObjectName("ShowHiddenFolders1");
  ShowHiddenFolders1->setCheckable(true);
  ShowHiddenFolders1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  ShowHiddenFolders1->setShortcutContext(Qt::WidgetShortcut);
  addAction(ShowHiddenFolders1);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(ShowHiddenFolders1, &QAction::toggled, this, &DirectoryListBox::HiddenFoldersToggled);
  ReadFolders(false);
  header()->hide();
}

void DirectoryListBox::ReadFolders(bool hidden) {
  // A fresh model for each choice: QFileSystemModel keeps showing folders that it once
  // had to show, whatever its filter says later.
  QFileSystemModel* old = model_;
  QItemSelectionModel* oldSelection = selectionModel();
  model_ = new QFileSystemModel(this);
  model_->setFilter(hidden ? kFolders | QDir::Hidden : kFolders);
  model_->setRootPath(QStringLiteral("/"));
  setModel(model_);
  delete oldSelection;
  delete old;
  for (int column = 1; column < model_->columnCount(); ++column) hideColumn(column);
  // The model reads and sorts directories in the background: until the user takes over,
  // the directory set stays in view as rows arrive above it.
  const auto follow = [this] {
    if (!shown_.isEmpty()) scrollTo(model_->index(shown_), QAbstractItemView::PositionAtCenter);
  };
  connect(model_, &QFileSystemModel::directoryLoaded, this, follow);
  connect(model_, &QAbstractItemModel::rowsInserted, this, follow, Qt::QueuedConnection);
  connect(model_, &QAbstractItemModel::layoutChanged, this, follow, Qt::QueuedConnection);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) emit directoryChanged(model_->filePath(current));
          });
}

std::string DirectoryListBox::Directory() const {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return model_->filePath(rootIndex()).toStdString();
  return model_->filePath(current).toStdString();
}

void DirectoryListBox::SetDirectory(const std::string& directory) {
  QString path = QDir::cleanPath(Qt8(directory));  // the model knows "/a/b", not "/a/b/"
  while (!path.isEmpty() && path != "/" && !QFileInfo(path).isDir())
    path = QFileInfo(path).absolutePath();
  if (path.isEmpty()) path = "/";
  if (InHiddenFolder(path.toStdString()) && !ShowHiddenFolders1->isChecked()) {
    const QSignalBlocker quiet(ShowHiddenFolders1);  // the directory is about to be set
    ShowHiddenFolders1->setChecked(true);
    ReadFolders(true);
  }
  const QModelIndex index = model_->index(path);
  for (QModelIndex above = index.parent(); above.isValid(); above = above.parent()) expand(above);
  setCurrentIndex(index);
  expand(index);
  shown_ = path;
  scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void DirectoryListBox::HiddenFoldersToggled(bool show) {
  const std::string directory = Directory();
  ReadFolders(show);
  SetDirectory(show ? directory : OutsideHiddenFolders(directory));
}

void DirectoryListBox::showEvent(QShowEvent* event) {
  QTreeView::showEvent(event);
  // Before it is shown the tree has no height to centre a row in.
  QTimer::singleShot(0, this,
                     [this] { scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter); });
}

bool DirectoryListBox::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel) shown_.clear();
  return QTreeView::viewportEvent(event);
}

void DirectoryListBox::keyPressEvent(QKeyEvent* event) {
  shown_.clear();
  QTreeView::keyPressEvent(event);
}

void DirectoryListBox::SetDrive(const std::string& drive) {
  SetDirectory(drive);
}

void JoinDirectoryControls(DriveComboBox& drives, DirectoryListBox& tree,
                           const std::string& directory) {
  drives.ShowDriveOf(directory);
  tree.SetDirectory(directory);
  QObject::connect(&drives, &QComboBox::textActivated, &tree,
                   [&tree](const QString& drive) { tree.SetDrive(drive.toStdString()); });
}

}  // namespace varnoke
