#include "windows/DirectoryControls.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>

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
  QString path = Qt8(directory);
  while (!path.isEmpty() && path != "/" && !QFileInfo(path).isDir())
    path = QFileInfo(path).absolutePath();
  if (path.isEmpty()) path = "/";
  const QModelIndex index = model_->index(path);
  setCurrentIndex(index);
  scrollTo(index);
  expand(index);
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
