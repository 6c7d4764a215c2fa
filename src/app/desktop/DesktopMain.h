#pragma once

namespace varnoke {

// The desktop program's start: services, settings, the main window, one list from the
// parameters, the event loop, and the settings written at the end. Returns the exit
// status; without a display it says so and returns 2.
int DesktopMain(int argc, char** argv);

}  // namespace varnoke
