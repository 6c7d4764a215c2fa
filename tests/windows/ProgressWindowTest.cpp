#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <tuple>
#include <utility>

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
  cursor.SetOn(true);
  cursor.SetOn(true);
  cursor.Tick();
  cursor.SetOn(false);
  EXPECT_TRUE(ShowsFrame(cursor, 1));
  cursor.SetOn(false);
  EXPECT_FALSE(cursor.IsOn());
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);
  QGuiApplication::restoreOverrideCursor();
}

TEST(ProgressWindowTest, LaidOutAsDesignedCentredAndBlinking) {
  TPrepPrevForm form;
  EXPECT_EQ(form.windowFlags() & (Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
            Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form.windowType(), Qt::Tool);
  EXPECT_EQ(form.size(), QSize(400, 200));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(), 2);
  EXPECT_FALSE(form.Finished);

  const std::pair<QWidget*, QRect> controls[] = {{form.Image1, QRect(40, 24, 321, 105)},
                                                 {form.BlinkLabel, QRect(56, 128, 279, 19)},
                                                 {form.Gauge, QRect(56, 160, 281, 25)}};
  for (const auto& [control, rect] : controls) {
    EXPECT_EQ(form.findChild<QWidget*>(control->objectName()), control);
    EXPECT_EQ(control->geometry(), rect) << control->objectName().toStdString();
  }
  EXPECT_FALSE(form.Image1->pixmap().isNull());
  EXPECT_EQ(form.BlinkLabel->text().toStdString(), kPreparingPreviewLabel);
  const QFont font = form.BlinkLabel->font();
  EXPECT_EQ(std::tuple(font.family(), font.pixelSize(), font.bold()),
            std::tuple(QStringLiteral("Arial"), 16, true));
  EXPECT_EQ(form.BlinkLabel->palette().color(QPalette::WindowText), QColor(255, 221, 0));
  EXPECT_EQ(form.Gauge->value(), 0);

  EXPECT_EQ(form.findChild<QTimer*>("BlinkTimer"), form.BlinkTimer);
  EXPECT_EQ(form.BlinkTimer->interval(), 400);
  EXPECT_TRUE(form.BlinkTimer->isActive());
  form.show();
  form.BlinkTimerTimer();
  EXPECT_FALSE(form.BlinkLabel->isVisible());
  form.BlinkTimerTimer();
  EXPECT_TRUE(form.BlinkLabel->isVisible());
}

TEST(ProgressWindowTest, ShapedLikeACloudOfNineEllipses) {
  TPrepPrevForm form;
  EXPECT_EQ(form.mask(), TPrepPrevForm::CloudShape());
  // Inside: the middle of each ellipse; outside: the corners and a notch between two.
  const QPoint inside[] = {{50, 60},  {150, 50}, {210, 140}, {190, 100}, {230, 25},
                           {300, 60}, {55, 175}, {155, 175}, {285, 175}};
  for (QPoint p : inside) EXPECT_TRUE(form.mask().contains(p)) << p.x() << "," << p.y();
  for (QPoint p : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 199), QPoint(399, 199), QPoint(2, 40)})
    EXPECT_FALSE(form.mask().contains(p)) << p.x() << "," << p.y();
}

TEST(ProgressWindowTest, BlueWithARedGauge) {
  TPrepPrevForm form;
  form.Gauge->setValue(form.Gauge->maximum());
  const QImage window = form.grab().toImage();
  EXPECT_EQ(window.pixelColor(20, 150), QColor(0, 128, 255));
  const QImage gauge = form.Gauge->grab().toImage();
  EXPECT_EQ(gauge.pixelColor(10, gauge.height() / 2), QColor(255, 0, 0));
}

TEST(ProgressWindowTest, RefusesToCloseUntilFinishedThenGoesAway) {
  QPointer<TPrepPrevForm> form = new TPrepPrevForm;
  form->show();
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  form->Finished = true;
  EXPECT_TRUE(form->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());
}

}  // namespace
}  // namespace varnoke
