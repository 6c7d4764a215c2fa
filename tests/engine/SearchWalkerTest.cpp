#include "engine/SearchWalker.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "engine/SearchMessages.h"
#include "model/Attributes.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/ScriptedSession.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;

// A real directory tree:
//   a.txt  b.TXT  c.doc  noext  .dot.txt  ro.txt (read-only)  r6.log r5.log R4.log r10.log
//   sub1/x.txt  sub1/deeper/y.txt  sub2/z.txt  sub2/a.log  sub2/A.log
//   old.files/w.txt  .hidden/h.txt  sysdir/s.txt (system attribute)
struct SearchWalkerTest : ::testing::Test {
  testing::TempDir dir;
  PosixFileSystem fs;
  ScriptedSession session;
  TFiles owner;
  bool stopped = true;  // a search clears it
  Strings added, captions;
  std::vector<std::size_t> listed;
  SearchCallbacks callbacks{[this](std::string_view p) { added.emplace_back(p); },
                            [this](const UiText& c) { captions.emplace_back(c.Source); },
                            [this](std::size_t n) { listed.push_back(n); }};

  void SetUp() override {
    for (const char* f :
         {"a.txt", "b.TXT", "c.doc", "noext", ".dot.txt", "ro.txt", "r6.log", "r5.log", "R4.log",
          "r10.log", "sub1/x.txt", "sub1/deeper/y.txt", "sub2/z.txt", "sub2/a.log", "sub2/A.log",
          "old.files/w.txt", ".hidden/h.txt", "sysdir/s.txt"})
      testing::WriteFile(dir / f, "data");
    ASSERT_EQ(::chmod((dir / "ro.txt").c_str(), 0444), 0);
    ASSERT_TRUE(fs.SetAttributes(dir / "sysdir", kAttrSystem));
  }
  SearchOutcome Search(Strings filters, bool subdirs = false, std::uint32_t attrBits = 0) {
    return SearchClick({dir.Path(), subdirs, std::move(filters), attrBits}, owner, fs, session,
                       stopped, callbacks);
  }
  Strings Paths(Strings names) const {
    for (auto& n : names) n = dir / n;
    return names;
  }
};

// Each directory's files in name order, letter case aside, whatever order the disk keeps
// them in; a completed search stores the attribute boxes in the owner's flags, no more.
TEST_F(SearchWalkerTest, FindsWhatTheFiltersAndAttributeBoxesAsk) {
  // clang-format off
  const struct { Strings Filters; bool Subdirs; std::uint32_t AttrBits; Strings Found; } cases[] = {
      {{"*.txt"}, false, 0, {".dot.txt", "a.txt", "b.TXT", "ro.txt"}},
      // The subtree without hidden, system and dotted directories, breadth first.
      {{"*.txt"}, true, 0,
       {".dot.txt", "a.txt", "b.TXT", "ro.txt", "sub1/x.txt", "sub2/z.txt", "sub1/deeper/y.txt"}},
      // Letter case aside; ties in byte order.
      {{"*.log"}, true, 0, {"r10.log", "R4.log", "r5.log", "r6.log", "sub2/A.log", "sub2/a.log"}},
      {{"*."}, false, 0, {"noext"}},
      {{"*.txt"}, false, SearchUseReadOnly, {".dot.txt", "a.txt", "b.TXT"}},
      {{"*.txt"}, false, SearchUseReadOnly | SearchReadOnly, {"ro.txt"}},
      // An include box without its use box filters nothing.
      {{"*.txt"}, false, SearchReadOnly, {".dot.txt", "a.txt", "b.TXT", "ro.txt"}},
      {{"*.*"}, false, SearchUseHidden | SearchHidden, {".dot.txt"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Filters[0] + (c.Subdirs ? " in the subtree " : " ") +
                 std::to_string(c.AttrBits));
    added.clear();
    captions.clear();
    listed.clear();
    owner.Flags = Enumerate | SearchUseSystem | SearchSystem;
    EXPECT_EQ(Search(c.Filters, c.Subdirs, c.AttrBits), SearchOutcome::Completed);
    // SearchSubdirs is FormDestroy's to write.
    EXPECT_EQ(std::tie(added, stopped, owner.Flags),
              std::tuple(Paths(c.Found), false, Enumerate | c.AttrBits));
    Strings phases{kSearchingForFiles.Source, kSearchCaption.Source};
    if (c.Subdirs) phases.insert(phases.begin(), kBuildingDirectoryTree.Source);
    EXPECT_EQ(captions, phases);
    // The start directory, then sub1, sub2 and sub1/deeper as the tree grows.
    const std::vector<std::size_t> grown = {1, 2, 3, 4}, alone = {1};
    EXPECT_EQ(listed, c.Subdirs ? grown : alone);
  }
}

// Without filters the user is told so and nothing runs (the stop flag not even cleared).
TEST_F(SearchWalkerTest, NoFiltersOnlySaysSoAndAMissingDirectoryFindsNothing) {
  EXPECT_EQ(Search({}, true), SearchOutcome::NoFilters);
  ASSERT_EQ(session.Questions.size(), 1u);
  const AskedQuestion& q = session.Questions[0];
  EXPECT_EQ(std::tie(q.Text, q.Caption, q.Kind, q.Symbol),
            std::tuple(kNoFiltersSpecified.Source, kSearchErrorCaption.Source, Buttons::Ok,
                       Icon::Warning));
  EXPECT_EQ(std::tuple(captions.empty(), stopped, session.Pumps), std::tuple(true, true, 0));
  bool again = false;
  EXPECT_EQ(SearchClick({dir / "gone", true, {"*.*"}, 0}, owner, fs, session, again, callbacks),
            SearchOutcome::Completed);
  EXPECT_TRUE(added.empty());
}

// Stopped in the directory phase nothing is added; in the file phase what was added is
// kept. Either way the attribute boxes are not stored.
TEST_F(SearchWalkerTest, StopEndsTheSearchAndStoresNothing) {
  session.OnPump = [&] { stopped = true; };
  EXPECT_EQ(Search({"*.txt"}, true, SearchUseHidden), SearchOutcome::Stopped);
  EXPECT_EQ(std::tie(added, session.Pumps, captions, session.Events),
            std::tuple(Strings{}, 1, Strings{kBuildingDirectoryTree.Source},
                       Strings{"busy:1", "busy:0"}));
  session.OnPump = [&] { stopped = added.size() == 2; };
  EXPECT_EQ(Search({"*.txt"}, true, SearchUseArchive | SearchArchive), SearchOutcome::Stopped);
  EXPECT_EQ(std::tuple(added.size(), owner.Flags, captions.back()),
            std::tuple(2u, 0u, std::string(kSearchingForFiles.Source)));
}

TEST(SearchDialogValues, CreateDestroyAndDefaultMoveTheirFields) {
  TFiles owner;
  owner.Flags = SearchSubdirs | SearchUseHidden | SearchHidden | Enumerate;
  owner.Filters = {"*.a", "*.b"};
  EXPECT_EQ(FormCreate(owner, "/home/u/"),
            (SearchChoices{"/home/u/", true, {"*.a", "*.b"}, SearchUseHidden | SearchHidden}));
  EXPECT_EQ(owner.AddFiles, "/home/u/");  // an empty start directory is filled in
  owner.AddFiles = "/data";
  EXPECT_EQ(FormCreate(owner, "/home/u/").Directory, "/data");

  const SearchChoices c{"/pics", false, {"*.jpg"}, SearchUseArchive | SearchArchive};
  FormDestroy(c, owner);
  EXPECT_EQ(owner.AddFiles, "/pics");
  EXPECT_EQ(owner.Filters, Strings{"*.jpg"});
  EXPECT_EQ(owner.Flags, SearchUseHidden | SearchHidden | Enumerate);  // the attribute bits stay
  TFiles defaults;
  defaults.Flags = SearchUseHidden | DateFromClock;
  BitBtn6Click(c, defaults);
  EXPECT_EQ(defaults.Flags, SearchUseArchive | SearchArchive | DateFromClock);
  EXPECT_EQ(defaults.AddFiles, "/pics");
  EXPECT_EQ(defaults.Filters, Strings{"*.jpg"});
}

TEST(SearchAttributeFilter, EveryUsedAttributeMustMatchItsBox) {
  constexpr std::uint32_t kBoth = SearchUseSystem | SearchSystem | SearchUseHidden | SearchHidden;
  // clang-format off
  const struct { std::uint32_t Attr, Flags; bool Passes; } cases[] = {
      {kAttrArchive, 0, true}, {kAttrArchive, SearchUseArchive, false},
      {kAttrArchive, SearchUseArchive | SearchArchive, true}, {0, SearchUseArchive, true},
      {kAttrSystem | kAttrHidden, kBoth, true}, {kAttrSystem, kBoth, false},
      {kAttrReadOnly, SearchUseReadOnly | SearchReadOnly, true},
      {kAttrHidden, SearchReadOnly | SearchSystem, true},
  };
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(PassesAttributeFilter(c.Attr, c.Flags), c.Passes) << c.Attr << " " << c.Flags;
}

// In memory: directory by directory, every filter in turn (a file two filters match is
// added twice); a pump after every matching entry, directories too; the root of a drive
// with one separator; an unreadable directory contributes nothing.
TEST(SearchWalkerFake, OrderEventsDrivesAndFaults) {
  const auto search = [](FakeFileSystem& fs, const SearchChoices& choices, int* pumps = nullptr) {
    ScriptedSession session;
    TFiles owner;
    bool stopped = false;
    Strings added;
    SearchClick(choices, owner, fs, session, stopped,
                {[&](std::string_view p) { added.emplace_back(p); }, {}});
    if (pumps) *pumps = session.Pumps;
    return added;
  };
  FakeFileSystem fs, drive(FakeFileSystem::Style::Windows), faulty;
  for (const char* f : {"/r/a.txt", "/r/b.doc", "/r/s/c.doc", "/r/s/d.txt"}) fs.AddFile(f);
  EXPECT_EQ(search(fs, {"/r/", true, {"*.txt", "*.doc", "a*"}, 0}),
            (Strings{"/r/a.txt", "/r/b.doc", "/r/a.txt", "/r/s/d.txt", "/r/s/c.doc"}));
  fs.AddDirectory("/r/e.txt");
  int pumps = 0;
  EXPECT_EQ(search(fs, {"/r", false, {"*.txt"}, 0}, &pumps), Strings{"/r/a.txt"});
  EXPECT_EQ(pumps, 2);  // a.txt and the directory e.txt
  drive.AddFile("c:\\boot.ini");
  drive.AddFile("c:\\data\\x.ini");
  EXPECT_EQ(search(drive, {"c:\\", true, {"*.ini"}, 0}),
            (Strings{"c:\\boot.ini", "c:\\data\\x.ini"}));
  faulty.AddFile("/r/a/f");
  faulty.AddFile("/r/b/f");
  faulty.Fail(FakeOp::Enumerate, "/r/a/");
  faulty.Fail(FakeOp::Enumerate, "/r/a");
  EXPECT_EQ(search(faulty, {"/r", true, {"*.*"}, 0}), Strings{"/r/b/f"});
}

}  // namespace
}  // namespace varnoke
