#pragma once
// A window's placement as the settings keep it, taken from and given to a Qt window.
#include "files/WindowPlacement.h"

class QWidget;

namespace varnoke {

// The normal (restored) rectangle and whether the window is minimised or maximised.
WindowPlacement PlacementOf(const QWidget& window);
// Gives the window the placement: its size and state, and its position where the
// platform lets a window place itself (not on Wayland).
void ApplyPlacement(QWidget& window, const WindowPlacement& placement);

}  // namespace varnoke
