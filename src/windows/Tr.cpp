#include "windows/Tr.h"

#include <QCoreApplication>

#include "windows/QtText.h"

namespace varnoke {

QString Tr(const UiText& text) {
  return QCoreApplication::translate(text.Context, text.Source, text.Disambiguation);
}

QString Tr(const UiPlural& text, int n) {
  const UiText& many = text.Many;
  const QString translated =
      QCoreApplication::translate(many.Context, many.Source, many.Disambiguation, n);
  // Without a translation Qt gives the source, the plural form, for every number: English
  // then takes its singular from beside the source.
  if (translated ==
      QString::fromUtf8(many.Source).replace(QStringLiteral("%n"), QString::number(n)))
    return Qt8(EnglishPlural(text, n));
  return translated;
}

std::string QtTranslation::Text(const UiText& text) const {
  return Tr(text).toStdString();
}

std::string QtTranslation::Plural(const UiPlural& text, int n) const {
  return Tr(text, n).toStdString();
}

}  // namespace varnoke
