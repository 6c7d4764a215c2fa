// Which translation files the desktop program loads for the languages of the user's
// desktop: its own where it has them, Qt's for the same language, English otherwise.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/desktop/Languages.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

class Languages : public ::testing::Test {
 protected:
  Languages() {
    std::filesystem::create_directories(installed / "sub");
    std::filesystem::create_directories(built / "sub");
    std::filesystem::create_directories(qt / "sub");
    for (const char* name :
         {"installed/varnoke_de.qm", "installed/varnoke_pt_BR.qm", "built/varnoke_de.qm",
          "built/varnoke_fr.qm", "qt/qtbase_de.qm", "qt/qtbase_pt_BR.qm"})
      dir.Write(name);
  }
  QString At(const char* name) const { return QString::fromStdString(dir / name); }
  LanguageFiles Find(const QStringList& uiLanguages) const {
    return FindLanguageFiles(uiLanguages, {At("installed"), At("built")}, At("qt"));
  }

  testing::TempDir dir;
  std::filesystem::path installed{dir / "installed"}, built{dir / "built"}, qt{dir / "qt"};
};

TEST_F(Languages, TheFirstLanguageTheProgramHasIsTakenWithQtsOwnForIt) {
  const struct {
    QStringList Asked;
    const char* Language;
    const char* Program;  // null: none
    const char* Toolkit;
  } cases[] = {
      {{"de-DE", "de"}, "de", "installed/varnoke_de.qm", "qt/qtbase_de.qm"},
      {{"de-AT"}, "de", "installed/varnoke_de.qm", "qt/qtbase_de.qm"},  // the region dropped
      {{"it-IT", "fr-FR"}, "fr", "built/varnoke_fr.qm", nullptr},       // Qt has no French here
      {{"pt-BR"}, "pt_BR", "installed/varnoke_pt_BR.qm", "qt/qtbase_pt_BR.qm"},
      {{"pt-PT"}, "en", nullptr, nullptr},           // another Portuguese
      {{"en-US", "de-DE"}, "en", nullptr, nullptr},  // English first: the program as written
      {{"C"}, "en", nullptr, nullptr},
      {{}, "en", nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Asked.join(QLatin1Char(',')).toStdString());
    const LanguageFiles files = Find(c.Asked);
    EXPECT_EQ(files.Language, QString::fromLatin1(c.Language));
    EXPECT_EQ(files.Program, c.Program ? At(c.Program) : QString());
    EXPECT_EQ(files.Toolkit, c.Toolkit ? At(c.Toolkit) : QString());
  }
}

TEST_F(Languages, AFolderNamedLikeATranslationIsNoTranslation) {
  std::filesystem::create_directories(installed / "varnoke_es.qm");
  EXPECT_EQ(Find({"es-ES"}).Language, QStringLiteral("en"));
}

TEST(TranslationDirectories, BesideTheInstalledProgramThenInTheBuildTree) {
  EXPECT_EQ(TranslationDirectories(QStringLiteral("/usr/bin")),
            (QStringList{"/usr/share/varnoke/translations", "/translations"}));
  EXPECT_EQ(TranslationDirectories(QStringLiteral("/home/u/varnoke/build/src/app")),
            (QStringList{"/home/u/varnoke/build/src/share/varnoke/translations",
                         "/home/u/varnoke/build/translations"}));
}

}  // namespace
}  // namespace varnoke
