#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QTest>
#include <QTimer>

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

// The first frame comes with the timer, then ticks run nine distinct frames around. On and
// off pair; an unmatched off and a late tick leave other programs' cursors alone.
TEST(WaitCursorTest, TicksRunNineFramesAroundAndOnAndOffPair) {
  QGuiApplication::setOverrideCursor(Qt::IBeamCursor);
  WaitCursor cursor;
  auto* timer = cursor.findChild<QTimer*>();
  ASSERT_NE(timer, nullptr);
  cursor.SetOn(false);
  cursor.SetOn(true);
  cursor.SetOn(true);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(cursor.Frame(), 0);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);
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
  EXPECT_TRUE(cursor.IsOn() && ShowsFrame(cursor, 2));
  cursor.SetOn(false);
  cursor.SetOn(false);
  EXPECT_EQ(cursor.Frame(), 0);
  EXPECT_FALSE(timer->isActive());
  cursor.Tick();  // a tick that was already on its way changes nothing
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);
  QGuiApplication::restoreOverrideCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A frameless tool window on top, centred, shaped like a cloud of nine ellipses, blue with
// a red gauge and a blinking label; it refuses to close until finished, then goes away.
TEST(ProgressWindowTest, ACentredBlinkingCloudThatClosesOnlyWhenFinished) {
  QPointer<TPrepPrevForm> form = new TPrepPrevForm;
  EXPECT_EQ(form->windowFlags() & (Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
            Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form->windowType(), Qt::Tool);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((form->geometry().center() - screen.center()).manhattanLength(), 2);
  EXPECT_FALSE(form->Image1->pixmap().isNull());
  // Inside: the middle of each ellipse; outside: the corners and a notch between two.
  for (QPoint p :
       {QPoint(50, 60), QPoint(150, 50), QPoint(210, 140), QPoint(190, 100), QPoint(230, 25),
        QPoint(300, 60), QPoint(55, 175), QPoint(155, 175), QPoint(285, 175)})
    EXPECT_TRUE(form->mask().contains(p)) << p.x() << "," << p.y();
  for (QPoint p : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 199), QPoint(399, 199), QPoint(2, 40)})
    EXPECT_FALSE(form->mask().contains(p)) << p.x() << "," << p.y();
  form->Gauge->setValue(form->Gauge->maximum());
  EXPECT_EQ(form->grab().toImage().pixelColor(20, 150), QColor(0, 128, 255));
  const QImage gauge = form->Gauge->grab().toImage();
  EXPECT_EQ(gauge.pixelColor(10, gauge.height() / 2), QColor(255, 0, 0));

  EXPECT_TRUE(form->BlinkTimer->isActive());
  form->show();
  form->BlinkTimerTimer();
  EXPECT_FALSE(form->BlinkLabel->isVisible());
  form->BlinkTimerTimer();
  EXPECT_TRUE(form->BlinkLabel->isVisible());
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  form->Finished = true;
  EXPECT_TRUE(form->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());
}

}  // namespace
}  // namespace varnoke
