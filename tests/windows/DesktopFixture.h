#pragma once
// The program's services for window tests: the in-memory file system under the Linux
// rules (or real files in a fresh directory, with the run journals and the trash beside
// them), settings in a fresh directory, a fixed clock, English regional settings and a
// scripted user.
#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <filesystem>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixJournalFiles.h"
#include "platform/posix/PosixSettingsStore.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/ScriptedSession.h"
#include "support/CalendarTime.h"
#include "support/TempDir.h"
#include "support/TrashHome.h"
#include "windows/DesktopState.h"

namespace varnoke {

// A file system of the kind a world works on; the in-memory one under the Linux rules.
template <typename FileSystemT>
FileSystemT MadeFileSystem() {
  if constexpr (std::is_same_v<FileSystemT, FakeFileSystem>)
    return FakeFileSystem(FakeFileSystem::Style::Posix);
  else
    return FileSystemT();
}

template <typename FileSystemT>
class DesktopWorld : public ::testing::Test {
 protected:
  static void Settle() { QApplication::processEvents(); }

  testing::TempDir dir;
  FileSystemT fs{MadeFileSystem<FileSystemT>()};
  PosixFileStore store;
  PosixSettingsStore settings{dir.Path()};
  FixedClock clock{Calendar(2021, 1, 1), 0};
  FormatSettings regional = EnglishFormatSettings();
  ScriptedSession session;
  Services services{fs, store, settings, clock, regional, session, dir.Path() + "/", "/"};
  DesktopState state{services, {}, 0};
};

class DesktopFixture : public DesktopWorld<FakeFileSystem> {
 protected:
  // Files /d/f1.txt ... /d/fn.txt, written on day i of 2020.
  void MakeFiles(int n, const std::string& dir = "/d") {
    for (int i = 1; i <= n; ++i)
      fs.AddFile(dir + "/f" + std::to_string(i) + ".txt", std::string(static_cast<size_t>(i), 'x'),
                 FileTimes{0, 0, Calendar(2020, 1, 30 - i)});
  }
};

// The same over real files: the files of a test lie in `files`, runs keep their journals
// and trash what they trash in fresh directories of their own.
class DesktopOnRealFiles : public DesktopWorld<PosixFileSystem> {
 protected:
  DesktopOnRealFiles() {
    testing::EmptyTrash();
    services.Journals = &journals;
    clock.SetTick(10'000);  // every run starts a millisecond after the last
  }
  // The full path of a file of the test.
  std::string At(const std::string& name) const { return files / name; }
  // Writes files of the test; each holds its own name.
  void Write(const std::vector<std::string>& names) {
    for (const std::string& name : names) files.Write(name, name);
  }
  // The names of the test's files, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(files.Path()))
      names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  testing::TempDir files;
  PosixJournalDirectory journals{dir / "journal"};
};

}  // namespace varnoke
