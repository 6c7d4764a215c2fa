#include "windows/FileChooser.h"

#include <QFileDialog>
#include <QStringList>

#include "engine/DialogDirectory.h"
#include "windows/DesktopState.h"
#include "windows/QtText.h"

namespace varnoke {

QString DialogFilters(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  return filters.join(";;");
}

std::optional<std::string> ChooseWithDialog(QWidget* parent, ChooseFor purpose,
                                            const QString& filter, const QString& directory,
                                            const QString& defaultSuffix) {
  QFileDialog dialog(parent, QString(), directory, DialogFilters(filter));
  dialog.setDefaultSuffix(defaultSuffix);
  if (purpose == ChooseFor::Open) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> ChooseFile(DesktopState& state, const FileListOwner* list,
                                      QWidget* parent, ChooseFor purpose, const QString& filter,
                                      const QString& defaultSuffix) {
  FileSystem& fs = state.Program.Fs;
  const std::string directory =
      DialogDirectory(fs, list, state.LastDialogDirectory, state.Program.BrowseStart);
  std::optional<std::string> chosen =
      state.Choose(parent, purpose, filter, Qt8(directory), defaultSuffix);
  if (chosen) state.LastDialogDirectory = ChosenDirectory(fs.Rules(), *chosen);
  return chosen;
}

}  // namespace varnoke
