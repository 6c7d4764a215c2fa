#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include "windows/HelpWindow.h"
#include "windows/TAboutForm.h"
#include "windows/WindowTexts.h"

namespace varnoke {
namespace {

QString Title(int topic) {
  return QString::fromUtf8(kHelpTopicTitles[topic].Source);
}

QString AccessibleName(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Every topic shows its page and is marked in the topics; unknown topics show the contents.
// The topics go by keyboard, back and forward.
TEST(HelpWindowTest, EveryTopicShowsItsPageByNumberKeyboardAndHistory) {
  HelpWindow help;
  for (int topic = 0; topic < HelpWindow::kTopicCount; ++topic) {
    help.ShowTopic(topic);
    EXPECT_EQ(help.Page->documentTitle(), Title(topic));
    EXPECT_GT(help.Page->toPlainText().size(), 300) << topic;
    EXPECT_EQ(help.Topics->currentItem()->text(0), Title(topic));
  }
  for (int unknown : {-1, 5, 99}) {
    help.ShowTopic(HelpWindow::Conventions);
    help.ShowTopic(unknown);
    EXPECT_EQ(help.CurrentTopic(), HelpWindow::Contents) << unknown;
  }
  help.ShowTopic(HelpWindow::Introduction);
  QTest::keyClick(help.Topics, Qt::Key_Down);
  QTest::keyClick(help.Topics, Qt::Key_Down);
  EXPECT_EQ(help.CurrentTopic(), HelpWindow::DateCodes);
  help.BackButton->click();
  EXPECT_EQ(help.Topics->currentItem()->text(0), Title(HelpWindow::Conventions));
  help.ForwardButton->click();
  EXPECT_EQ(help.CurrentTopic(), HelpWindow::DateCodes);
  EXPECT_EQ(AccessibleName(help.Topics), QStringLiteral("Help topics"));
}

// Help asked for while a modal dialog is open (F1 in the options) is modal above it, so it
// takes the input the dialog would otherwise block; asked for without one, it is free.
TEST(HelpWindowTest, HelpFromAModalDialogTakesInputAboveIt) {
  QDialog options;
  options.setModal(true);
  options.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &options);
  HelpWindow help;
  help.ShowTopic(HelpWindow::DateCodes);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), &help);
  help.ShowTopic(HelpWindow::Conventions);  // asked for again while shown
  EXPECT_EQ(QApplication::activeModalWidget(), &help);
  help.close();
  EXPECT_EQ(QApplication::activeModalWidget(), &options);
  options.close();
  help.ShowTopic(HelpWindow::Contents);
  EXPECT_EQ(help.windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The resource file a help link shows: the page itself, or the English page where the
// language has none.
QString ShownFile(const QUrl& target) {
  const QString own = QLatin1Char(':') + target.path();
  return QFile::exists(own) ? own : QStringLiteral(":/help/") + QFileInfo(target.path()).fileName();
}

// Every link of every page, in English and in each language, leads to a page, and to an
// anchor there when it names one.
TEST(HelpWindowTest, NoPageHasABrokenLink) {
  for (const QString language : {"", "de", "fr", "es"}) {
    SCOPED_TRACE(language.toStdString());
    HelpWindow help(language);
    int links = 0;
    for (int topic = 0; topic < HelpWindow::kTopicCount; ++topic) {
      help.ShowTopic(topic);
      const QUrl page = HelpWindow::TopicUrl(topic, language);
      for (QTextBlock block = help.Page->document()->begin(); block.isValid();
           block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
          const QString href = it.fragment().charFormat().anchorHref();
          if (href.isEmpty()) continue;
          ++links;
          const QUrl target = page.resolved(QUrl(href));
          QFile file(ShownFile(target));
          ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << href.toStdString();
          if (target.hasFragment()) {
            const QByteArray anchor = "name=\"" + target.fragment().toUtf8() + '"';
            EXPECT_TRUE(file.readAll().contains(anchor)) << href.toStdString();
          }
        }
      }
    }
    EXPECT_GT(links, 20);
  }
}

// The introduction and the conventions are in German, French and Spanish; the other pages
// show in English among them, and a language without pages, or with only its region
// different, shows the pages of its own language or the English ones.
TEST(HelpWindowTest, ThePagesOfTheProgramsLanguageWithEnglishWhereNoneIsTranslated) {
  HelpWindow english;
  const auto text = [](HelpWindow& help, int topic) {
    help.ShowTopic(topic);
    return help.Page->toPlainText();
  };
  const QString introduction = text(english, HelpWindow::Introduction);
  const QString conventions = text(english, HelpWindow::Conventions);
  const QString dateCodes = text(english, HelpWindow::DateCodes);
  const struct {
    const char* Language;
    const char* Folder;
  } cases[] = {{"de", "/help/de/"},    {"fr", "/help/fr/"}, {"es", "/help/es/"},
               {"de_AT", "/help/de/"}, {"it", "/help/"},    {"", "/help/"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Language);
    HelpWindow help(QString::fromLatin1(c.Language));
    const bool translated = QString::fromLatin1(c.Folder) != QLatin1String("/help/");
    EXPECT_EQ(text(help, HelpWindow::Introduction) != introduction, translated);
    EXPECT_EQ(help.Page->source().path(), QString::fromLatin1(c.Folder) + "introduction.html");
    EXPECT_EQ(help.CurrentTopic(), HelpWindow::Introduction);
    EXPECT_EQ(text(help, HelpWindow::Conventions) != conventions, translated);
    EXPECT_GT(help.Page->toPlainText().size(), conventions.size() / 2);
    EXPECT_EQ(text(help, HelpWindow::DateCodes), dateCodes);
    EXPECT_EQ(help.CurrentTopic(), HelpWindow::DateCodes);
    EXPECT_EQ(help.Page->documentTitle(), Title(HelpWindow::DateCodes));
  }
}

TEST(AboutFormTest, EllipticBoxClosedByItsOkButton) {
  TAboutForm about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About Varnoke 7.0"));
  EXPECT_TRUE(about.mask().contains(QPoint(10, 150)));
  EXPECT_FALSE(about.mask().contains(QPoint(30, 30)));
  EXPECT_EQ(AccessibleName(about.OKButton), QStringLiteral("OK"));
  about.open();
  QTest::keyClick(&about, Qt::Key_Return);
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace varnoke
