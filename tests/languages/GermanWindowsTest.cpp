// The windows of a program started in German (CTest runs this with LANGUAGE=de): the
// start-up finds the German translation and Qt's own for the desktop's language, and the
// options dialog shows the German caption the translation holds for it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include "app/desktop/Languages.h"
#include "windows/DesktopFixture.h"
#include "windows/OptionsFormTexts.h"
#include "windows/TOptionsForm.h"

namespace varnoke {
namespace {

class GermanWindows : public DesktopFixture {};

TEST_F(GermanWindows, TheOptionsDialogShowsTheGermanCaption) {
  ASSERT_EQ(qEnvironmentVariable("LANGUAGE"), QStringLiteral("de"))
      << "CTest runs this with LANGUAGE=de";
  const LanguageFiles files = InstallTranslations(
      *QCoreApplication::instance(), QLocale::system().uiLanguages(), {VARNOKE_TRANSLATIONS_DIR});
  ASSERT_EQ(files.Language, QStringLiteral("de"));
  QTranslator german;
  ASSERT_TRUE(german.load(files.Program));
  const QString caption = german.translate(kOptionsCaption.Context, kOptionsCaption.Source);
  ASSERT_FALSE(caption.isEmpty());
  EXPECT_NE(caption, QString::fromUtf8(kOptionsCaption.Source));

  FileListOwner list(state.Settings.Defaults, state.ListCounter, EnglishTexts());
  TOptionsForm form(list, state, {}, nullptr);
  EXPECT_EQ(form.windowTitle(), caption);

  // Qt's own texts, such as the standard buttons of the message boxes, are German too.
  ASSERT_FALSE(files.Toolkit.isEmpty());
  EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace varnoke
