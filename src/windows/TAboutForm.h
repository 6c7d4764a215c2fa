#pragma once
// The about box: an elliptic window with the program's picture, name, version and
// purpose, and an OK button that closes it.
#include <QDialog>

class QLabel;
class QPushButton;

namespace varnoke {

class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 600;
  static constexpr int kClientHeight = 300;

  explicit TAboutForm(QWidget* owner = nullptr);

  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Comments;
  QLabel* Edition;
  QPushButton* OKButton;

  // The window's shape: the ellipse inscribed in its client area.
  static QRegion EllipseShape();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace varnoke
