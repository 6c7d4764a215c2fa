#include "engine/AddFilesChoices.h"

#include <gtest/gtest.h>

#include "model/Attributes.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/testing/ScriptedSession.h"

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;

TEST(AddFilesListing, ShowsTheDirectorysFilesThatMatchAnyPattern) {
  FakeFileSystem fs;
  for (const char* name : {"b.txt", "A.TXT", ".hidden.txt", "c.doc", "noext", "B.txt"})
    fs.AddFile(std::string("/d/") + name);
  fs.AddFile("/d/sys.txt", "", {}, kAttrSystem | kAttrReadOnly);
  fs.AddFile("/d/dir.txt/inner.txt");
  const Strings all{".hidden.txt", "A.TXT", "B.txt", "b.txt", "c.doc", "noext", "sys.txt"};
  // clang-format off
  const struct { const char* Filter; Strings Names; } cases[] = {
      {"*.*", all},
      {"", all},
      {" ; ", all},
      {"*.txt", {".hidden.txt", "A.TXT", "B.txt", "b.txt", "sys.txt"}},
      {"*.doc; *.", {"c.doc", "noext"}},
      {"*.txt;b*", {".hidden.txt", "A.TXT", "B.txt", "b.txt", "sys.txt"}},  // each once
      {"C.*", {"c.doc"}},
      {"zzz", {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Filter);
    EXPECT_EQ(ListDirectoryFiles(fs, "/d", c.Filter), c.Names);
  }
  EXPECT_TRUE(ListDirectoryFiles(fs, "/gone", "*.*").empty());
}

TEST(AddFilesStartAndPaths, AnEmptyRememberedDirectoryBecomesTheStart) {
  TFiles owner;
  EXPECT_EQ(AddFilesStart(owner, "/home/u"), "/home/u");
  EXPECT_EQ(owner.AddFiles, "/home/u");
  owner.AddFiles = "/data";
  EXPECT_EQ(AddFilesStart(owner, "/home/u"), "/data");

  EXPECT_EQ(PathInDirectory("/d", "a.txt", '/'), "/d/a.txt");
  EXPECT_EQ(PathInDirectory("/", "a.txt", '/'), "/a.txt");
  EXPECT_EQ(PathInDirectory("c:\\", "a.txt", '\\'), "c:\\a.txt");
}

TEST(AddFilesMarked, MarkedNamesGoInListOrderWithEventsEveryTenthIndex) {
  Strings names;
  std::vector<bool> marked(40, false);
  for (int i = 0; i < 40; ++i) names.push_back("f" + std::to_string(i));
  for (int i : {0, 9, 10, 19, 29}) marked[static_cast<std::size_t>(i)] = true;
  ScriptedSession session;
  Strings added;
  AddMarkedFiles("/d", names, marked, '/', session,
                 [&](std::string_view path) { added.emplace_back(path); });
  EXPECT_EQ(added, (Strings{"/d/f0", "/d/f9", "/d/f10", "/d/f19", "/d/f29"}));
  EXPECT_EQ(session.Pumps, 3);  // after f9, f19 and f29
  EXPECT_EQ(session.Events, (Strings{"busy:1", "busy:0"}));
}

}  // namespace
}  // namespace varnoke
