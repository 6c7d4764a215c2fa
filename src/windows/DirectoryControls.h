#pragma once
// The drive box and the directory tree of the dialogs that choose a directory: the
// drive box lists the mounted file systems that hold the user's files (the root first)
// and the home directory, the tree shows the directories of the chosen one. Choosing a
// drive moves the tree to it. Hidden folders are shown only when the user asks.
#include <QComboBox>
#include <QTreeView>
#include <string>

#include "platform/FileSystem.h"

class QAction;
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
  // Opens the tree at `directory` (the nearest existing parent when it is gone); a
  // directory in a hidden folder shows the hidden folders.
  void SetDirectory(const std::string& directory);
  // The tree shows the directories below `drive`.
  void SetDrive(const std::string& drive);

  // "Show hidden folders": checked while the folders whose names begin with a dot are
  // shown. In the tree's context menu (the menu key opens it) and on Ctrl+H while the tree
  // has the focus. Hiding them moves a directory chosen in one to the folder above them.
  QAction* ShowHiddenFolders1;

 signals:
  void directoryChanged(const QString& directory);

 protected:
  void showEvent(QShowEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void HiddenFoldersToggled(bool show);
  // Reads the folders anew, the hidden ones with them or not.
  void ReadFolders(bool hidden);
  QFileSystemModel* model_ = nullptr;
  QString shown_;  // the directory set, kept in view while the tree fills; empty once the user acts
};

// Wires a drive box to its tree and starts both at `directory`.
void JoinDirectoryControls(DriveComboBox& drives, DirectoryListBox& tree,
                           const std::string& directory);

}  // namespace varnoke
