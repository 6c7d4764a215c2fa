#pragma once
// The application's tool tips, off or on at once: while they are off, an event filter
// on the application object swallows every tool-tip event. The filter belongs to the
// application object and goes with it.
class QObject;

namespace varnoke {

// Switches the tool tips of the running application; a tool tip on screen goes when
// they are switched off. The program calls it at start with the stored preference and
// the preferences dialog when it is accepted.
void SwitchToolTips(bool on);
// Whether tool tips are shown (true until switched off).
bool ToolTipsOn();

}  // namespace varnoke
