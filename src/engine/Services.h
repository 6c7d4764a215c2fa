#pragma once
// What the program works with, made once at its start and passed down: the file
// system, the program's own files, the settings, the clock and time zone, the regional
// settings, and the user (the session of a run). Nothing below the front ends reaches
// any of them another way.
#include <string>

#include "model/FormatSettings.h"
#include "platform/CaptureTimes.h"
#include "platform/Clock.h"
#include "platform/FileStore.h"
#include "platform/FileSystem.h"
#include "platform/JournalFiles.h"
#include "platform/Session.h"
#include "platform/SettingsStore.h"

namespace varnoke {

struct Services {
  FileSystem& Fs;
  FileStore& Store;
  SettingsStore& Settings;
  Clock& Time;
  const FormatSettings& Regional;  // what the date codes and the grids write
  Session& Ui;
  std::string ProgramDirectory = {};     // the per-user directory that stands for the program's
  std::string BrowseStart = {};          // where adding and searching start when nothing was chosen
  bool ListInParallel = false;           // Fs allows calls from several threads
  JournalDirectory* Journals = nullptr;  // where runs keep their journals; none: runs keep none
  std::string WorkingDirectory = {};     // where relative paths start from
  CaptureTimes* Taken = nullptr;         // reads times taken; none: no file has one
};

}  // namespace varnoke
