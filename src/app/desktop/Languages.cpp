#include "app/desktop/Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace varnoke {

namespace {

// "de-DE" as the file names write it, then with its last parts dropped: "de_DE", "de".
QStringList NameVariants(const QString& uiLanguage) {
  QStringList parts = QString(uiLanguage)
                          .replace(QLatin1Char('-'), QLatin1Char('_'))
                          .split(QLatin1Char('_'), Qt::SkipEmptyParts);
  QStringList names;
  while (!parts.isEmpty()) {
    names << parts.join(QLatin1Char('_'));
    parts.removeLast();
  }
  return names;
}

QString ExistingFile(const QString& directory, const QString& name) {
  const QString path = QDir(directory).filePath(name);
  return QFileInfo(path).isFile() ? path : QString();
}

}  // namespace

LanguageFiles FindLanguageFiles(const QStringList& uiLanguages, const QStringList& directories,
                                const QString& toolkitDirectory) {
  for (const QString& uiLanguage : uiLanguages) {
    const QStringList names = NameVariants(uiLanguage);
    if (names.isEmpty()) continue;
    if (names.back().compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) return {};
    for (const QString& name : names) {
      for (const QString& directory : directories) {
        const QString program = ExistingFile(directory, QStringLiteral("varnoke_%1.qm").arg(name));
        if (program.isEmpty()) continue;
        return {name, program,
                ExistingFile(toolkitDirectory, QStringLiteral("qtbase_%1.qm").arg(name))};
      }
    }
  }
  return {};
}

QStringList TranslationDirectories(const QString& programDirectory) {
  const QDir here(programDirectory);
  return {QDir::cleanPath(here.filePath(QStringLiteral("../share/varnoke/translations"))),
          QDir::cleanPath(here.filePath(QStringLiteral("../../translations")))};
}

LanguageFiles InstallTranslations(QCoreApplication& app, const QStringList& uiLanguages,
                                  const QStringList& directories) {
  const LanguageFiles files = FindLanguageFiles(uiLanguages, directories,
                                                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  for (const QString& file : {files.Toolkit, files.Program}) {
    if (file.isEmpty()) continue;
    auto* translator = new QTranslator(&app);
    if (translator->load(file)) {
      QCoreApplication::installTranslator(translator);
    } else {
      delete translator;
    }
  }
  return files;
}

}  // namespace varnoke
