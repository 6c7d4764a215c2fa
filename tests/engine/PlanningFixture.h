#pragma once
// A planning run against the in-memory file system with the Windows rules, a fixed
// clock one hour ahead of UTC, the English regional settings and a scripted session.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalendarTime.h"
#include "engine/PreparePreview.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/ScriptedSession.h"

namespace varnoke {

class Planning : public ::testing::Test {
 protected:
  explicit Planning(FakeFileSystem::Style style = FakeFileSystem::Style::Windows)
      : fs(style), preview(fs.Rules().FoldsCase()) {}

  // Lists a file (and creates it on the fake disk) in c:\data.
  void List(const std::string& name, const std::string& ext, FileTimes times = {},
            std::uint32_t attr = 0x20, std::int32_t size = 0) {
    fs.AddFile(fs.Rules().Join("c:\\data", name, ext), "", times, attr);
    files.AddEntry(false, "c:\\data", name, ext, size, attr, times.Created, times.Accessed,
                   times.Written);
  }

  void Plan() {
    fs.ResetCalls();
    PreparePreview(files, options, preview, PlanningContext{fs, clock, session, settings});
  }

  // "name.ext" of every preview entry, in preview order.
  std::vector<std::string> Names() const {
    std::vector<std::string> out;
    for (int i = 0; i < preview.Count(); ++i)
      out.push_back(preview.Items(i).Name + "." + preview.Items(i).Ext);
    return out;
  }

  FakeFileSystem fs;
  FixedClock clock{Calendar(2020, 6, 7, 8, 9, 10), 3600};
  ScriptedSession session;
  FormatSettings settings = EnglishFormatSettings();
  TVrnFiles files;
  TFiles options;
  TVrnPrevFiles preview;
};

}  // namespace varnoke
