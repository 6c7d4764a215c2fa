#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QLabel>
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
  const std::string_view title = kHelpTopicTitles[topic];
  return QString::fromUtf8(title.data(), qsizetype(title.size()));
}

QString AccessibleName(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

TEST(HelpWindowTest, EveryTopicShowsItsPageAndUnknownTopicsTheContents) {
  HelpWindow help;
  for (int topic = 0; topic < HelpWindow::kTopicCount; ++topic) {
    help.ShowTopic(topic);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.CurrentTopic(), topic);
    EXPECT_EQ(help.Page->documentTitle(), Title(topic));
    EXPECT_GT(help.Page->toPlainText().size(), 300) << topic;
    ASSERT_NE(help.Topics->currentItem(), nullptr) << help.windowTitle().toStdString();
    EXPECT_EQ(help.Topics->currentItem()->text(0), Title(topic));
    EXPECT_TRUE(help.windowTitle().endsWith(Title(topic)));
  }
  for (int unknown : {-1, 5, 99}) {
    help.ShowTopic(HelpWindow::Conventions);
    help.ShowTopic(unknown);
    EXPECT_EQ(help.CurrentTopic(), HelpWindow::Contents) << unknown;
  }
}

TEST(HelpWindowTest, TopicsByKeyboardAndBackAndForward) {
  HelpWindow help;
  help.ShowTopic(HelpWindow::Introduction);
  help.Topics->setFocus();
  QTest::keyClick(help.Topics, Qt::Key_Down);
  EXPECT_EQ(help.CurrentTopic(), HelpWindow::Conventions);
  QTest::keyClick(help.Topics, Qt::Key_Down);
  EXPECT_EQ(help.CurrentTopic(), HelpWindow::DateCodes);

  EXPECT_TRUE(help.BackButton->isEnabled());
  help.BackButton->click();
  EXPECT_EQ(help.CurrentTopic(), HelpWindow::Conventions);
  EXPECT_EQ(help.Topics->currentItem()->text(0), Title(HelpWindow::Conventions));
  help.ForwardButton->click();
  EXPECT_EQ(help.CurrentTopic(), HelpWindow::DateCodes);
  help.ContentsButton->click();
  EXPECT_EQ(help.CurrentTopic(), HelpWindow::Contents);

  EXPECT_EQ(AccessibleName(help.Topics), QStringLiteral("Help topics"));
  EXPECT_EQ(AccessibleName(help.BackButton), QStringLiteral("Back"));
}

// Every link of every page leads to a page, and to an anchor there when it names one.
TEST(HelpWindowTest, NoPageHasABrokenLink) {
  HelpWindow help;
  int links = 0;
  for (int topic = 0; topic < HelpWindow::kTopicCount; ++topic) {
    help.ShowTopic(topic);
    const QUrl page = HelpWindow::TopicUrl(topic);
    for (QTextBlock block = help.Page->document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QString href = it.fragment().charFormat().anchorHref();
        if (href.isEmpty()) continue;
        ++links;
        const QUrl target = page.resolved(QUrl(href));
        QFile file(QLatin1Char(':') + target.path());
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

TEST(AboutFormTest, EllipticBoxWithTheProgramAndAnOkButton) {
  TAboutForm about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About Varnoke 7.0"));
  EXPECT_EQ(about.size(), QSize(600, 300));
  EXPECT_EQ(about.mask(), TAboutForm::EllipseShape());
  EXPECT_TRUE(about.mask().contains(QPoint(10, 150)));
  EXPECT_FALSE(about.mask().contains(QPoint(30, 30)));

  EXPECT_FALSE(about.ProgramIcon->pixmap().isNull());
  EXPECT_EQ(about.ProductName->text(), QStringLiteral("Varnoke"));
  EXPECT_TRUE(about.Version->text().contains(QStringLiteral("7.0")));
  EXPECT_FALSE(about.Comments->text().isEmpty());
  EXPECT_EQ(about.Edition->text(), QStringLiteral("Linux edition"));
  EXPECT_EQ(about.findChild<QPushButton*>("OKButton"), about.OKButton);
  EXPECT_EQ(AccessibleName(about.OKButton), QStringLiteral("OK"));
  EXPECT_TRUE(about.OKButton->isDefault());

  about.open();
  QTest::keyClick(&about, Qt::Key_Return);
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace varnoke
