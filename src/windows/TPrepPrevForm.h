#pragma once
// The progress window: a small cloud-shaped window without a frame, always on top, with
// a picture, a blinking line of text and a gauge, shown while a preview is planned or a
// run is carried out. The user cannot close it; its owner releases it at the end.
#include <QRegion>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QShortcut;
class QTimer;

namespace varnoke {

class TPrepPrevForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 400;
  static constexpr int kClientHeight = 200;
  static constexpr int kBlinkInterval = 400;  // milliseconds

  explicit TPrepPrevForm(QWidget* owner = nullptr);

  QLabel* Image1;
  QLabel* BlinkLabel;
  QProgressBar* Gauge;
  QTimer* BlinkTimer;
  // Hidden until the work offers to stop; the button or Esc sets CancelPressed.
  QPushButton* CancelButton;
  bool CancelPressed = false;
  // Whether the window may close; until it is set, every close is refused.
  bool Finished = false;

  // The window's shape: the union of nine ellipses, in client coordinates.
  static QRegion CloudShape();

  // The end of the work: Finished is set and the window destroys itself once pending
  // events are processed.
  void Release();

  // Shows the Cancel button beside a shorter gauge and lets Esc press it.
  void OfferCancel();

 public slots:
  // Every 400 ms: the label shows when it was hidden and hides when it was shown.
  void BlinkTimerTimer();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();

  QShortcut* escape_ = nullptr;
};

}  // namespace varnoke
