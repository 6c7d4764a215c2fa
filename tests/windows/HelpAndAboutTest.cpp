#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFile>
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
