#pragma once
// The language the desktop program speaks: the first language of the user's desktop
// that it has a translation for, else English, in which its texts are written. Its own
// translation comes from the program's files, Qt's (standard buttons, file dialogs) from
// Qt's translations of the system.
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace varnoke {

struct LanguageFiles {
  QString Language = QStringLiteral("en");  // "de", "pt_BR"...: the name in the file names
  QString Program;                          // varnoke_<Language>.qm; empty for English
  QString Toolkit;                          // qtbase_<Language>.qm; empty where Qt has none
};

// The files for the first of `uiLanguages` (as QLocale names them: "de-DE", "de") that a
// varnoke_*.qm in one of `directories` is there for; a name is tried whole, then with its
// last parts dropped ("de_DE", then "de"). English stops the search: whoever reads it
// first gets the program as written.
LanguageFiles FindLanguageFiles(const QStringList& uiLanguages, const QStringList& directories,
                                const QString& toolkitDirectory);

// Where the program's translations lie, seen from the directory of the running program:
// ../share/varnoke/translations when installed, <build>/translations in the build tree.
QStringList TranslationDirectories(const QString& programDirectory);

// Finds the files for `uiLanguages` (Qt's own in Qt's translations directory) and installs
// them in the application, which owns them from then on; returns what was found.
LanguageFiles InstallTranslations(QCoreApplication& app, const QStringList& uiLanguages,
                                  const QStringList& directories);

}  // namespace varnoke
