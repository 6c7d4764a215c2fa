// The windows' texts in the language installed: the English sources without a
// translation (their singular for one), a translation's own forms for every number.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "engine/TakenMessages.h"
#include "windows/Tr.h"

namespace varnoke {
namespace {

TEST(Tr, WithoutATranslationTheEnglishSourcesWithTheirSingular) {
  EXPECT_EQ(Tr(kReadingTimesTakenLabel), QString::fromUtf8(kReadingTimesTakenLabel.Source));
  for (const int n : {0, 1, 2, 21})
    EXPECT_EQ(Tr(kNoTimeTakenForNames, n),
              QString::fromStdString(EnglishPlural(kNoTimeTakenForNames, n)));
  EXPECT_EQ(QtTranslation().Plural(kNoTimeTakenForTimes, 1),
            "1 file has no time taken; its times are left unchanged");
}

TEST(Tr, AnInstalledTranslationGivesItsOwnFormForEveryNumber) {
  QTranslator german;
  ASSERT_TRUE(german.load(QStringLiteral(VARNOKE_TRANSLATIONS_DIR "/varnoke_de.qm")));
  QCoreApplication::installTranslator(&german);
  const UiText& many = kNoTimeTakenForNames.Many;
  for (const int n : {1, 2, 5}) {
    SCOPED_TRACE(n);
    const QString form = german.translate(many.Context, many.Source, many.Disambiguation, n);
    ASSERT_FALSE(form.isEmpty());
    const QString shown = Tr(kNoTimeTakenForNames, n);
    EXPECT_EQ(shown, QString(form).replace(QStringLiteral("%n"), QString::number(n)));
    EXPECT_NE(shown.toStdString(), EnglishPlural(kNoTimeTakenForNames, n));
    EXPECT_EQ(QtTranslation().Plural(kNoTimeTakenForNames, n), shown.toStdString());
  }
  EXPECT_NE(Tr(kReadingTimesTakenLabel), QString::fromUtf8(kReadingTimesTakenLabel.Source));
  QCoreApplication::removeTranslator(&german);
}

}  // namespace
}  // namespace varnoke
