#pragma once
// The file dialogs of the windows, behind one function so that tests can choose.
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace varnoke {

class FileListOwner;
struct DesktopState;

enum class ChooseFor { Open, Save };

// The file the user chose, or nothing when the dialog was cancelled. `filter` is in
// the dialogs' own form ("Varnoke file lists|*.vls|All Files|*.*").
using FileChooser = std::function<std::optional<std::string>(
    QWidget* parent, ChooseFor purpose, const QString& filter, const QString& directory,
    const QString& defaultSuffix)>;

// QFileDialog: an open dialog wants an existing file, a save dialog asks before
// replacing one.
std::optional<std::string> ChooseWithDialog(QWidget* parent, ChooseFor purpose,
                                            const QString& filter, const QString& directory,
                                            const QString& defaultSuffix);

// The file dialog of `state`, opened beside the files of `list` (the list the command
// acts on; null when there is none), else where a file was last chosen, else in the home
// directory (DialogDirectory). The directory of the chosen file is remembered for the
// session.
std::optional<std::string> ChooseFile(DesktopState& state, const FileListOwner* list,
                                      QWidget* parent, ChooseFor purpose, const QString& filter,
                                      const QString& defaultSuffix);

// "Varnoke file lists|*.vls|All Files|*.*" as QFileDialog writes filters.
QString DialogFilters(const QString& filter);

}  // namespace varnoke
