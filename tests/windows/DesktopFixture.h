#pragma once
// The program's services for window tests: the in-memory file system under the Linux
// rules, settings in a fresh directory, a fixed clock, English regional settings and
// a scripted user.
#include <gtest/gtest.h>

#include <QApplication>
#include <string>

#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/posix/PosixSettingsStore.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/ScriptedSession.h"
#include "support/CalendarTime.h"
#include "support/TempDir.h"
#include "windows/DesktopState.h"

namespace varnoke {

class DesktopFixture : public ::testing::Test {
 protected:
  // Files /d/f1.txt ... /d/fn.txt, written on day i of 2020.
  void MakeFiles(int n, const std::string& dir = "/d") {
    for (int i = 1; i <= n; ++i)
      fs.AddFile(dir + "/f" + std::to_string(i) + ".txt", std::string(static_cast<size_t>(i), 'x'),
                 FileTimes{0, 0, Calendar(2020, 1, 30 - i)});
  }
  static void Settle() { QApplication::processEvents(); }

  testing::TempDir dir;
  FakeFileSystem fs{FakeFileSystem::Style::Posix};
  PosixFileStore store;
  PosixSettingsStore settings{dir.Path()};
  FixedClock clock{Calendar(2021, 1, 1), 0};
  FormatSettings regional = EnglishFormatSettings();
  ScriptedSession session;
  Services services{fs, store, settings, clock, regional, session, dir.Path() + "/", "/"};
  DesktopState state{services, {}, 0};
};

}  // namespace varnoke
