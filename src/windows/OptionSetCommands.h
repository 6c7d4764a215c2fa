#pragma once
// "&Open" and "&Save as" of the options sets, shared by the list window's menu and the
// options dialog: the file dialog, then loading into or saving the record; a failure is
// told with its reason.
#include "model/TFiles.h"
#include "windows/DesktopState.h"

class QWidget;

namespace varnoke {

// False when the user cancelled; true when a set was chosen (loaded, or its error told).
bool OpenOptionSetInto(TFiles& options, DesktopState& state, QWidget* parent);
// Saves the record as it stands; a name without an extension gets ".vns".
bool SaveOptionSetOf(const TFiles& options, DesktopState& state, QWidget* parent);

}  // namespace varnoke
