#include <gtest/gtest.h>

#include "engine/SearchWalker.h"
#include "model/Attributes.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/testing/ScriptedSession.h"

namespace varnoke {
namespace {

std::vector<std::string> SearchAll(FakeFileSystem& fs, const SearchChoices& choices,
                                   int* pumps = nullptr) {
  ScriptedSession session;
  TFiles owner;
  bool stopped = false;
  std::vector<std::string> added;
  SearchClick(choices, owner, fs, session, stopped,
              {[&](std::string_view p) { added.emplace_back(p); }, {}});
  if (pumps) *pumps = session.Pumps;
  return added;
}

TEST(SearchWalkerFake, DirectoriesAreSearchedBreadthFirstInEnumerationOrder) {
  FakeFileSystem fs;
  for (const char* f : {"/r/f", "/r/a/f", "/r/a/a1/f", "/r/a/a1/deep/f", "/r/b/f", "/r/b/b1/f"})
    fs.AddFile(f);
  EXPECT_EQ(SearchAll(fs, {"/r", true, {"*"}, 0}),
            (std::vector<std::string>{"/r/f", "/r/a/f", "/r/b/f", "/r/a/a1/f", "/r/b/b1/f",
                                      "/r/a/a1/deep/f"}));
}

TEST(SearchWalkerFake, EveryFilterIsSearchedInTurnInEachDirectory) {
  FakeFileSystem fs;
  for (const char* f : {"/r/a.txt", "/r/b.doc", "/r/s/c.doc", "/r/s/d.txt"}) fs.AddFile(f);
  EXPECT_EQ(SearchAll(fs, {"/r/", true, {"*.txt", "*.doc"}, 0}),
            (std::vector<std::string>{"/r/a.txt", "/r/b.doc", "/r/s/d.txt", "/r/s/c.doc"}));
}

TEST(SearchWalkerFake, EventsRunAfterEveryMatchingEntryDirectoriesIncluded) {
  FakeFileSystem fs;
  fs.AddFile("/r/a.txt");
  fs.AddFile("/r/b.doc");
  fs.AddDirectory("/r/d.txt");
  int pumps = 0;
  // Of ".", "..", a.txt, b.doc and the directory d.txt only two match "*.txt".
  const auto added = SearchAll(fs, {"/r", false, {"*.txt"}, 0}, &pumps);
  EXPECT_EQ(added, (std::vector<std::string>{"/r/a.txt"}));
  EXPECT_EQ(pumps, 2);  // a.txt and the directory d.txt
}

TEST(SearchWalkerFake, RootOfADriveIsSearchedWithOneSeparator) {
  FakeFileSystem fs(FakeFileSystem::Style::Windows);
  fs.AddFile("c:\\boot.ini");
  fs.AddFile("c:\\data\\x.ini");
  EXPECT_EQ(SearchAll(fs, {"c:\\", true, {"*.ini"}, 0}),
            (std::vector<std::string>{"c:\\boot.ini", "c:\\data\\x.ini"}));
}

TEST(SearchWalkerFake, UnreadableDirectoryContributesNothing) {
  FakeFileSystem fs;
  fs.AddFile("/r/a/f");
  fs.AddFile("/r/b/f");
  fs.Fail(FakeOp::Enumerate, "/r/a/");
  fs.Fail(FakeOp::Enumerate, "/r/a");
  EXPECT_EQ(SearchAll(fs, {"/r", true, {"*.*"}, 0}), (std::vector<std::string>{"/r/b/f"}));
}

}  // namespace
}  // namespace varnoke
