#pragma once
// What the main window holds for the whole program: the services it was given, the
// default options with the preferences (read at its creation, written at its
// destruction), and the counter that numbers new lists. Made by the program's start
// and passed in; nothing here is global.
#include <QString>
#include <functional>
#include <string>

#include "engine/Services.h"
#include "files/Settings.h"
#include "windows/FileChooser.h"

namespace varnoke {

struct DesktopState {
  Services& Program;
  StoredSettings Settings;  // Defaults and Preferences
  int ListCounter = 0;      // the next "Blank list (n)"
  FileChooser Choose = ChooseWithDialog;
  // Where a file was last chosen in a file dialog, for this session; empty before.
  std::string LastDialogDirectory = {};
  // Opens a topic of the program's help; the main window sets it.
  std::function<void(int topic)> ShowHelp = [](int) {};
  // The language the windows speak, as the translation files name it; English for none.
  QString Language = {};
};

}  // namespace varnoke
