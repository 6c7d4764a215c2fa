#pragma once
// A planning run against the in-memory file system with the Windows rules, a fixed
// clock one hour ahead of UTC, the English regional settings and a scripted session.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine/PreparePreview.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/testing/FakeCaptureTimes.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/ScriptedSession.h"
#include "support/CalendarTime.h"

namespace varnoke {

class Planning : public ::testing::Test {
 protected:
  explicit Planning(FakeFileSystem::Style style = FakeFileSystem::Style::Windows)
      : fs(style), preview(fs.Rules().FoldsCase()) {}

  // Lists a file (and creates it on the fake disk) in c:\data.
  void List(const std::string& name, const std::string& ext, FileTimes times = {},
            std::uint32_t attr = 0x20, std::uint64_t size = 0) {
    fs.AddFile(fs.Rules().Join("c:\\data", name, ext), "", times, attr);
    files.AddEntry(false, "c:\\data", name, ext, size, attr, times.Created, times.Accessed,
                   times.Written);
  }

  Services Context() {
    Services services{fs, idle.Store, idle.Settings, clock, settings, session};
    services.Taken = &taken;
    return services;
  }

  bool Plan() {
    fs.ResetCalls();
    return PreparePreview(files, options, preview, Context());
  }

  // "name.ext" of every preview entry, in preview order.
  std::vector<std::string> Names() const {
    std::vector<std::string> out;
    for (int i = 0; i < preview.Count(); ++i)
      out.push_back(preview.Items(i).Name + "." + preview.Items(i).Ext);
    return out;
  }

  FakeFileSystem fs;
  FakeCaptureTimes taken;
  IdleStores idle;
  FixedClock clock{Calendar(2020, 6, 7, 8, 9, 10), 3600};
  ScriptedSession session;
  FormatSettings settings = EnglishFormatSettings();
  TVrnFiles files;
  TFiles options;
  TVrnPrevFiles preview;
};

// One planning run given as data: files already on disk, the options that differ from
// the defaults, the listed files (all written 2001-02-03 04:05:06 UTC) and the names
// (and, where given, the conflict marks) planning must give them.
struct PlanCase {
  const char* What;
  std::vector<std::string> OnDisk = {};
  std::uint32_t Flags = 0;
  const char* Name = "";
  const char* Ext = "";
  std::int32_t Start = 1;
  std::uint16_t Step = 1;
  std::uint8_t Digits = 1;
  std::uint8_t CaseMode = 0;
  const char* DateString = "";
  std::vector<std::pair<std::string, std::string>> Listed = {};
  std::vector<std::string> Expected = {};
  std::vector<bool> Conflicts = {};
  std::uint8_t Transport = kTransportLeave;
  const char* Path = "";
};

class PlanCaseRun : public Planning {
 public:
  void TestBody() override {}
  void Check(const PlanCase& c) {
    SCOPED_TRACE(c.What);
    for (const auto& path : c.OnDisk) fs.AddFile(path);
    std::tie(options.Flags, options.Name, options.Ext, options.Start, options.Step) =
        std::tie(c.Flags, c.Name, c.Ext, c.Start, c.Step);
    std::tie(options.Digits, options.CaseMode, options.DateString, options.Transport,
             options.Path) = std::tie(c.Digits, c.CaseMode, c.DateString, c.Transport, c.Path);
    for (const auto& [name, ext] : c.Listed)
      List(name, ext, FileTimes{0, 0, Calendar(2001, 2, 3, 4, 5, 6)});
    Plan();
    EXPECT_EQ(Names(), c.Expected);
    std::vector<bool> marks;
    for (int i = 0; i < preview.Count(); ++i) {
      EXPECT_EQ(preview.Items(i).FileIndex, i);
      marks.push_back(preview.Items(i).Conflict);
    }
    EXPECT_EQ(marks, c.Conflicts.empty() ? marks : c.Conflicts);
  }
};

// Each case on a fresh fake disk.
inline void ExpectPlanned(const PlanCase& c) {
  PlanCaseRun run;
  run.Check(c);
}

}  // namespace varnoke
