#include "windows/WaitCursor.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTimer>

namespace varnoke {

namespace {

constexpr int kSize = 32;

// An hourglass turned by `degrees` about the cursor's centre, sand running from the top
// bulb to the bottom one as the frames go on. Nine frames of 20 degrees make half a
// turn, after which the glass stands as at the start, so the animation loops smoothly.
QCursor HourglassFrame(int frame) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(kSize / 2.0, kSize / 2.0);
  p.rotate(20.0 * (frame - 1));

  QPainterPath glass;
  glass.moveTo(-8, -12);
  glass.lineTo(8, -12);
  glass.cubicTo(8, -4, 2, -2, 1.5, 0);
  glass.cubicTo(2, 2, 8, 4, 8, 12);
  glass.lineTo(-8, 12);
  glass.cubicTo(-8, 4, -2, 2, -1.5, 0);
  glass.cubicTo(-2, -2, -8, -4, -8, -12);
  glass.closeSubpath();
  p.setPen(QPen(Qt::black, 1.5));
  p.setBrush(Qt::white);
  p.drawPath(glass);

  // Sand: the top bulb empties while the bottom one fills.
  const double share = (frame - 1) / double(WaitCursor::kFrames - 1);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 150, 30));
  p.save();
  p.setClipPath(glass);
  p.drawRect(QRectF(-8, -12 + 11 * share, 16, 11 * (1 - share)));
  p.drawRect(QRectF(-8, 12 - 11 * share, 16, 11 * share));
  p.restore();

  // The frame of the glass: a bar above and below.
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(120, 70, 20));
  p.drawRoundedRect(QRectF(-10, -14.5, 20, 3), 1, 1);
  p.drawRoundedRect(QRectF(-10, 11.5, 20, 3), 1, 1);
  p.end();
  return QCursor(pixmap, kSize / 2, kSize / 2);
}

}  // namespace

WaitCursor::WaitCursor(QObject* parent) : QObject(parent), timer_(new QTimer(this)) {
  for (int frame = 1; frame <= kFrames; ++frame) frames_[frame - 1] = HourglassFrame(frame);
  timer_->setObjectName(QStringLiteral("WaitCursorTimer"));
  timer_->setInterval(kInterval);
  connect(timer_, &QTimer::timeout, this, &WaitCursor::Tick);
}

WaitCursor::~WaitCursor() {
  depth_ = 0;
  frame_ = 0;
  Apply();
}

void WaitCursor::SetOn(bool on) {
  if (on) {
    ++depth_;
  } else {
    if (depth_ == 0) return;
    if (--depth_ == 0) frame_ = 0;
  }
  Apply();
}

void WaitCursor::Suspend() {
  ++suspended_;
  Apply();
}

void WaitCursor::Resume() {
  if (suspended_ == 0) return;
  --suspended_;
  Apply();
}

void WaitCursor::Tick() {
  if (!Running()) return;
  frame_ = frame_ % kFrames + 1;
  if (overriding_) {
    QGuiApplication::changeOverrideCursor(FrameCursor(frame_));
  } else {
    QGuiApplication::setOverrideCursor(FrameCursor(frame_));
    overriding_ = true;
  }
}

// Brings the timer and the application's cursor in line with the state: while running,
// the timer ticks and the current frame (once the first tick has come) is shown;
// otherwise the normal cursor is back and the timer is still.
void WaitCursor::Apply() {
  if (!Running()) {
    timer_->stop();
    if (overriding_) {
      QGuiApplication::restoreOverrideCursor();
      overriding_ = false;
    }
    return;
  }
  if (!timer_->isActive()) timer_->start();
  if (frame_ > 0 && !overriding_) {
    QGuiApplication::setOverrideCursor(FrameCursor(frame_));
    overriding_ = true;
  }
}

}  // namespace varnoke
