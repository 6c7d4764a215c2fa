#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "windows/TAboutForm.h"

namespace varnoke {
namespace {

QString AccessibleName(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

TEST(AboutFormTest, EllipticBoxWithTheProgramAndAnOkButton) {
  TAboutForm about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About Varnoke 7.0"));
  EXPECT_EQ(about.size(), QSize(600, 300));
  EXPECT_EQ(about.mask(), TAboutForm::EllipseShape());
  EXPECT_TRUE(about.mask().contains(QPoint(300, 150)));
  EXPECT_TRUE(about.mask().contains(QPoint(10, 150)));
  EXPECT_FALSE(about.mask().contains(QPoint(30, 30)));
  EXPECT_FALSE(about.mask().contains(QPoint(590, 290)));

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

  about.open();
  about.OKButton->click();
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace varnoke
