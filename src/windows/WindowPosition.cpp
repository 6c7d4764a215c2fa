#include "windows/WindowPosition.h"

#include <QGuiApplication>
#include <QRect>
#include <QWidget>

namespace varnoke {

WindowPlacement PlacementOf(const QWidget& window) {
  WindowPlacement p;
  const QRect normal =
      window.isMaximized() || window.isMinimized() ? window.normalGeometry() : window.geometry();
  p.ShowCmd = window.isMaximized()   ? kShowMaximized
              : window.isMinimized() ? kShowMinimized
                                     : kShowNormal;
  p.Left = normal.left();
  p.Top = normal.top();
  p.Right = normal.left() + normal.width();
  p.Bottom = normal.top() + normal.height();
  return p;
}

void ApplyPlacement(QWidget& window, const WindowPlacement& placement) {
  const int width = placement.Right - placement.Left;
  const int height = placement.Bottom - placement.Top;
  if (width > 0 && height > 0) {
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
      window.resize(width, height);
    else
      window.setGeometry(placement.Left, placement.Top, width, height);
  }
  if (placement.ShowCmd == kShowMaximized) window.setWindowState(Qt::WindowMaximized);
  if (placement.ShowCmd == kShowMinimized) window.setWindowState(Qt::WindowMinimized);
}

}  // namespace varnoke
