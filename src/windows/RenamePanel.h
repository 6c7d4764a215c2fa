#pragma once
// The "Rename now!" panel: a raised caption that starts the run on a double-click, or on
// Enter or Space when it has the keyboard focus (shown by a focus frame). Screen readers
// see it as the button it acts as: its caption as name, a press action that starts the run.
#include <QLabel>
#include <functional>

namespace varnoke {

class RenamePanel final : public QLabel {
 public:
  RenamePanel(std::function<void()> start, QWidget* parent);
  // Starts the run as a click would.
  void Press() { start_(); }

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void()> start_;
};

}  // namespace varnoke
