#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "engine/Messages.h"
#include "windows/TPrepPrevForm.h"
#include "windows/WaitCursor.h"

namespace varnoke {
namespace {

QImage FrameImage(const WaitCursor& cursor, int frame) {
  return cursor.FrameCursor(frame).pixmap().toImage();
}

bool ShowsFrame(const WaitCursor& cursor, int frame) {
  const QCursor* shown = QGuiApplication::overrideCursor();
  return shown != nullptr && shown->pixmap().toImage() == FrameImage(cursor, frame);
}

TEST(WaitCursorTest, FirstFrameComesWithTheTimerThenTicksRunNineFramesAround) {
  WaitCursor cursor;
  auto* timer = cursor.findChild<QTimer*>();
  ASSERT_NE(timer, nullptr);
  cursor.SetOn(true);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), WaitCursor::kInterval);
  EXPECT_EQ(cursor.Frame(), 0);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  ASSERT_TRUE(QTest::qWaitFor([&] { return cursor.Frame() == 1; }, 5000));
  timer->stop();  // from here the test ticks by itself
  EXPECT_TRUE(ShowsFrame(cursor, 1));
  for (int expected : {2, 3, 4, 5, 6, 7, 8, 9, 1, 2}) {
    cursor.Tick();
    EXPECT_EQ(cursor.Frame(), expected);
    EXPECT_TRUE(ShowsFrame(cursor, expected));
  }
  EXPECT_NE(FrameImage(cursor, 1), FrameImage(cursor, 2));
  EXPECT_NE(FrameImage(cursor, 9), FrameImage(cursor, 1));

  cursor.SetOn(false);
  EXPECT_EQ(cursor.Frame(), 0);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(timer->isActive());
  cursor.Tick();  // a tick that was already on its way changes nothing
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WaitCursorTest, OnAndOffPairAndAnUnmatchedOffLeavesOtherCursorsAlone) {
  QGuiApplication::setOverrideCursor(Qt::IBeamCursor);
  WaitCursor cursor;
  cursor.SetOn(false);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);

  cursor.SetOn(true);
  cursor.SetOn(true);
  cursor.Tick();
  cursor.SetOn(false);
  EXPECT_TRUE(cursor.IsOn());
  EXPECT_TRUE(ShowsFrame(cursor, 1));
  cursor.SetOn(false);
  EXPECT_FALSE(cursor.IsOn());
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);

  // Suspended for a message box: the normal cursor, then the same frame again.
  cursor.SetOn(true);
  cursor.Tick();
  cursor.Suspend();
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);
  cursor.Tick();
  EXPECT_EQ(cursor.Frame(), 1);
  cursor.Resume();
  EXPECT_TRUE(ShowsFrame(cursor, 1));
  cursor.SetOn(false);
  QGuiApplication::restoreOverrideCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(ProgressWindowTest, LaidOutAsDesignedAndCentredOnTheScreen) {
  TPrepPrevForm form;
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(form.windowType(), Qt::Tool);
  EXPECT_EQ(form.size(), QSize(400, 200));
  EXPECT_FALSE(form.Finished);

  EXPECT_EQ(form.findChild<QLabel*>("Image1"), form.Image1);
  EXPECT_EQ(form.Image1->geometry(), QRect(40, 24, 321, 105));
  EXPECT_TRUE(form.Image1->hasScaledContents());
  EXPECT_FALSE(form.Image1->pixmap().isNull());
  EXPECT_EQ(form.findChild<QLabel*>("BlinkLabel"), form.BlinkLabel);
  EXPECT_EQ(form.BlinkLabel->geometry(), QRect(56, 128, 279, 19));
  EXPECT_EQ(form.BlinkLabel->text().toStdString(), kPreparingPreviewLabel);
  EXPECT_EQ(form.BlinkLabel->font().family(), QStringLiteral("Arial"));
  EXPECT_EQ(form.BlinkLabel->font().pixelSize(), 16);
  EXPECT_TRUE(form.BlinkLabel->font().bold());
  EXPECT_EQ(form.BlinkLabel->palette().color(QPalette::WindowText), QColor(255, 221, 0));
  EXPECT_EQ(form.findChild<QProgressBar*>("Gauge"), form.Gauge);
  EXPECT_EQ(form.Gauge->geometry(), QRect(56, 160, 281, 25));
  EXPECT_EQ(form.Gauge->value(), 0);
  EXPECT_EQ(form.findChild<QTimer*>("BlinkTimer"), form.BlinkTimer);
  EXPECT_EQ(form.BlinkTimer->interval(), 400);
  EXPECT_TRUE(form.BlinkTimer->isActive());

  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(), 2);
}

TEST(ProgressWindowTest, ShapedLikeACloudOfNineEllipses) {
  TPrepPrevForm form;
  EXPECT_EQ(form.mask(), TPrepPrevForm::CloudShape());
  // Inside: the middle of each ellipse; outside: the corners and the notches between.
  for (QPoint inside :
       {QPoint(50, 60), QPoint(150, 50), QPoint(210, 140), QPoint(190, 100), QPoint(230, 25),
        QPoint(300, 60), QPoint(55, 175), QPoint(155, 175), QPoint(285, 175)}) {
    EXPECT_TRUE(form.mask().contains(inside)) << inside.x() << "," << inside.y();
  }
  for (QPoint outside : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 199), QPoint(399, 199),
                         QPoint(2, 40), QPoint(395, 190)}) {
    EXPECT_FALSE(form.mask().contains(outside)) << outside.x() << "," << outside.y();
  }
}

TEST(ProgressWindowTest, BlueWithARedGauge) {
  TPrepPrevForm form;
  form.Gauge->setValue(form.Gauge->maximum());
  const QImage window = form.grab().toImage();
  EXPECT_EQ(window.pixelColor(20, 150), QColor(0, 128, 255));
  const QImage gauge = form.Gauge->grab().toImage();
  EXPECT_EQ(gauge.pixelColor(10, gauge.height() / 2), QColor(255, 0, 0));
}

TEST(ProgressWindowTest, LabelBlinksWithEveryTimerTick) {
  TPrepPrevForm form;
  form.show();
  ASSERT_TRUE(form.BlinkLabel->isVisible());
  form.BlinkTimerTimer();
  EXPECT_FALSE(form.BlinkLabel->isVisible());
  form.BlinkTimerTimer();
  EXPECT_TRUE(form.BlinkLabel->isVisible());
}

TEST(ProgressWindowTest, RefusesToCloseUntilFinishedAndReleasesItself) {
  QPointer<TPrepPrevForm> form = new TPrepPrevForm;
  form->show();
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());

  form->Release();
  EXPECT_TRUE(form->Finished);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());

  QPointer<TPrepPrevForm> closed = new TPrepPrevForm;
  closed->show();
  closed->Finished = true;
  EXPECT_TRUE(closed->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull());
}

}  // namespace
}  // namespace varnoke
