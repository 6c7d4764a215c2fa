#pragma once
// The animated busy cursor: nine frames of a turning hourglass, one every 225 ms, shown
// over every window while a long operation works. Switching on and off pairs like
// brackets; the cursor runs while any switch-on is open.
#include <QCursor>
#include <QObject>
#include <array>

class QTimer;

namespace varnoke {

class WaitCursor : public QObject {
  Q_OBJECT

 public:
  static constexpr int kFrames = 9;
  static constexpr int kInterval = 225;  // milliseconds from frame to frame

  explicit WaitCursor(QObject* parent = nullptr);
  ~WaitCursor() override;

  // On starts the timer when none runs; the first frame shows one interval later, until
  // then the cursor is unchanged. Off, once every on is matched, shows the normal
  // cursor at once and stops the timer. An off without an open on does nothing.
  void SetOn(bool on);
  bool IsOn() const { return depth_ > 0; }

  // A message box in the middle of the work: the normal cursor while it is up, the
  // animation carries on afterwards. Suspend and Resume pair like SetOn.
  void Suspend();
  void Resume();

  // The frame on screen: 1 to 9, or 0 for the normal cursor.
  int Frame() const { return frame_; }
  // The picture of a frame (1 to 9).
  const QCursor& FrameCursor(int frame) const { return frames_.at(frame - 1); }

 public slots:
  // One step of the animation: the next frame, after the ninth the first again.
  void Tick();

 private:
  bool Running() const { return depth_ > 0 && suspended_ == 0; }
  void Apply();

  std::array<QCursor, kFrames> frames_;
  QTimer* timer_;
  int depth_ = 0;
  int suspended_ = 0;
  int frame_ = 0;
  bool overriding_ = false;  // our frame is on the application's cursor stack
};

}  // namespace varnoke
