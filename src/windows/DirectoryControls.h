#pragma once
// The drive box and the directory tree of the dialogs that choose a directory: the
// drive box lists the mounted file systems (the root first), the tree shows the
// directories of the chosen one. Choosing a drive moves the tree to it.
#include <QComboBox>
#include <QTreeView>
#include <string>

#include "platform/FileSystem.h"

class QFileSystemModel;

namespace varnoke {

class DriveComboBox : public QComboBox {
  Q_OBJECT

 public:
  DriveComboBox(FileSystem& fs, QWidget* parent);
  std::string Drive() const;
  // Shows the drive that holds `directory`.
  void ShowDriveOf(const std::string& directory);
};

class DirectoryListBox : public QTreeView {
  Q_OBJECT

 public:
  explicit DirectoryListBox(QWidget* parent);
  // The directory chosen, without a trailing separator (the root is "/").
  std::string Directory() const;
  // Opens the tree at `directory` (the nearest existing parent when it is gone).
  void SetDirectory(const std::string& directory);
  // The tree shows the directories below `drive`.
  void SetDrive(const std::string& drive);

 signals:
  void directoryChanged(const QString& directory);

 protected:
  void showEvent(QShowEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QFileSystemModel* model_;
  QString shown_;  // the directory set, kept in view while the tree fills; empty once the user acts
};

// Wires a drive box to its tree and starts both at `directory`.
void JoinDirectoryControls(DriveComboBox& drives, DirectoryListBox& tree,
                           const std::string& directory);

}  // namespace varnoke
