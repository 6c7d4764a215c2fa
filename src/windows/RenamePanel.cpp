#include "windows/RenamePanel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFocusRect>
#include <QTimer>

namespace varnoke {

namespace {

// The panel as an accessibility tool sees it: a button named by its caption.
class RenamePanelAccessible final : public QAccessibleWidget {
 public:
  explicit RenamePanelAccessible(RenamePanel* panel)
      : QAccessibleWidget(panel, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return Panel()->text();
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action != pressAction()) return;
    // The run lets events through for long: the tool's call returns first.
    QPointer<RenamePanel> panel = Panel();
    QTimer::singleShot(0, panel, [panel] {
      if (panel) panel->Press();
    });
  }

 private:
  RenamePanel* Panel() const { return static_cast<RenamePanel*>(widget()); }
};

QAccessibleInterface* AccessibleRenamePanel(const QString&, QObject* object) {
  if (auto* panel = dynamic_cast<RenamePanel*>(object)) return new RenamePanelAccessible(panel);
  return nullptr;
}

}  // namespace

RenamePanel::RenamePanel(std::function<void()> start, QWidget* parent)
    : QLabel(parent), start_(std::move(start)) {
  static const bool installed = [] {
    QAccessible::installFactory(AccessibleRenamePanel);
    return true;
  }();
  (void)installed;
  setFocusPolicy(Qt::StrongFocus);
}

void RenamePanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    start_();
    return;
  }
  QLabel::mouseDoubleClickEvent(event);
}

void RenamePanel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      start_();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

void RenamePanel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  focus.rect = contentsRect().adjusted(2, 2, -2, -2);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

}  // namespace varnoke
