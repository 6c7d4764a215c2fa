#include "windows/DirectoryControls.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

#include "engine/VolumeOf.h"
#include "windows/QtText.h"

namespace varnoke {

DriveComboBox::DriveComboBox(FileSystem& fs, QWidget* parent) : QComboBox(parent) {
  setObjectName("DriveComboBox1");
  setAccessibleName("Drive");
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

DirectoryListBox::DirectoryListBox(QWidget* parent)
    : QTreeView(parent), model_(new QFileSystemModel(this)) {
  setObjectName("DirectoryListBox1");
  setAccessibleName("Directory");
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
  model_->setRootPath(QStringLiteral("/"));
  setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) hideColumn(column);
  header()->hide();
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
  const QModelIndex index = model_->index(path);
  for (QModelIndex above = index.parent(); above.isValid(); above = above.parent()) expand(above);
  setCurrentIndex(index);
  expand(index);
  shown_ = path;
  scrollTo(index, QAbstractItemView::PositionAtCenter);
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
