#include "engine/SearchWalker.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "engine/AddFile.h"
#include "engine/SearchMessages.h"
#include "model/Attributes.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/testing/ScriptedSession.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

using testing::TempDir;
using testing::WriteFile;

// A real directory tree:
//   a.txt  b.TXT  c.doc  noext  .dot.txt  ro.txt (read-only)
//   sub1/x.txt  sub1/deeper/y.txt  sub2/z.txt
//   old.files/w.txt  .hidden/h.txt  sysdir/s.txt (system attribute)
struct SearchWalkerTest : ::testing::Test {
  TempDir dir;
  PosixFileSystem fs;
  ScriptedSession session;
  TFiles owner;
  bool stopped = true;  // a search clears it
  std::vector<std::string> added;
  std::vector<std::string> captions;
  SearchCallbacks callbacks{[this](std::string_view p) { added.emplace_back(p); },
                            [this](std::string_view c) { captions.emplace_back(c); }};

  void SetUp() override {
    for (const char* f :
         {"a.txt", "b.TXT", "c.doc", "noext", ".dot.txt", "ro.txt", "sub1/x.txt",
          "sub1/deeper/y.txt", "sub2/z.txt", "old.files/w.txt", ".hidden/h.txt", "sysdir/s.txt"})
      WriteFile(dir / f, "data");
    ASSERT_EQ(::chmod((dir / "ro.txt").c_str(), 0444), 0);
    ASSERT_TRUE(fs.SetAttributes(dir / "sysdir", kAttrSystem));
    ASSERT_EQ(fs.GetAttributes(dir / "sysdir").value_or(0) & kAttrSystem, kAttrSystem);
  }

  SearchChoices Choices(std::vector<std::string> filters, bool subdirs = false,
                        std::uint32_t attrBits = 0) {
    return SearchChoices{dir.Path(), subdirs, std::move(filters), attrBits};
  }

  SearchOutcome Search(const SearchChoices& c) {
    return SearchClick(c, owner, fs, session, stopped, callbacks);
  }

  std::vector<std::string> Sorted() const {
    std::vector<std::string> s = added;
    std::sort(s.begin(), s.end());
    return s;
  }
  std::vector<std::string> Paths(std::vector<std::string> names) const {
    for (auto& n : names) n = dir / n;
    std::sort(names.begin(), names.end());
    return names;
  }
  std::size_t IndexOf(const std::string& name) const {
    return static_cast<std::size_t>(std::find(added.begin(), added.end(), dir / name) -
                                    added.begin());
  }
};

TEST_F(SearchWalkerTest, FindsWhatTheFiltersAndAttributeBoxesAsk) {
  const struct {
    std::vector<std::string> Filters;
    bool Subdirs;
    std::uint32_t AttrBits;
    std::vector<std::string> Found;
  } cases[] = {
      // Without subdirectories only the start directory is searched.
      {{"*.txt"}, false, 0, {".dot.txt", "a.txt", "b.TXT", "ro.txt"}},
      // The subtree without hidden, system and dotted directories.
      {{"*.txt"},
       true,
       0,
       {".dot.txt", "a.txt", "b.TXT", "ro.txt", "sub1/x.txt", "sub1/deeper/y.txt", "sub2/z.txt"}},
      {{"*."}, false, 0, {"noext"}},
      {{"*.txt"}, false, SearchUseReadOnly, {".dot.txt", "a.txt", "b.TXT"}},
      {{"*.txt"}, false, SearchUseReadOnly | SearchReadOnly, {"ro.txt"}},
      // An include box without its use box filters nothing.
      {{"*.txt"}, false, SearchReadOnly, {".dot.txt", "a.txt", "b.TXT", "ro.txt"}},
      // Hidden files in searched directories are found.
      {{"*.*"}, false, SearchUseHidden | SearchHidden, {".dot.txt"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Filters[0] + (c.Subdirs ? " in the subtree" : "") + " " +
                 std::to_string(c.AttrBits));
    added.clear();
    captions.clear();
    EXPECT_EQ(Search(Choices(c.Filters, c.Subdirs, c.AttrBits)), SearchOutcome::Completed);
    EXPECT_EQ(Sorted(), Paths(c.Found));
    EXPECT_FALSE(stopped);
    EXPECT_EQ(captions.front(), c.Subdirs ? kBuildingDirectoryTree : kSearchingForFiles);
    EXPECT_EQ(captions.back(), kSearchCaption);
  }
}

// The start directory first, then its subdirectories, then theirs; in each directory
// the files in name order, letter case aside, whatever order the disk keeps them in.
TEST_F(SearchWalkerTest, SubtreeIsSearchedBreadthFirstInNameOrder) {
  for (const char* f : {"r6.txt", "r5.txt", "R4.txt", "r10.txt", "sub2/A.txt", "sub2/a.txt"})
    WriteFile(dir / f, "data");
  Search(Choices({"*.txt"}, true));
  std::vector<std::string> expected{".dot.txt",         "a.txt",      "b.TXT",      "r10.txt",
                                    "R4.txt",           "r5.txt",     "r6.txt",     "ro.txt",
                                    "sub1/x.txt",       "sub2/A.txt", "sub2/a.txt", "sub2/z.txt",
                                    "sub1/deeper/y.txt"};
  for (std::string& name : expected) name = dir / name;
  EXPECT_EQ(added, expected);
  EXPECT_EQ(captions, (std::vector<std::string>{std::string(kBuildingDirectoryTree),
                                                std::string(kSearchingForFiles),
                                                std::string(kSearchCaption)}));
}

TEST_F(SearchWalkerTest, FileMatchingTwoFiltersIsAddedTwice) {
  TVrnFiles list;
  callbacks.AddFile = [&](std::string_view p) { AddFile(fs, list, p); };
  Search(Choices({"*.txt", "a*"}));
  int count = 0;
  for (const TVrnFile& e : list) count += e.Name() == "a" && e.Ext() == "txt";
  EXPECT_EQ(count, 2);
  EXPECT_EQ(list.Count(), 5);
}

TEST_F(SearchWalkerTest, CompletionWritesTheAttributeBitsOnly) {
  owner.Flags = Enumerate | SearchUseSystem | SearchSystem;
  const std::uint32_t bits = SearchUseReadOnly | SearchReadOnly | SearchUseArchive;
  Search(Choices({"*.zzz"}, true, bits));
  EXPECT_EQ(owner.Flags, Enumerate | bits);  // SearchSubdirs is FormDestroy's to write
}

TEST_F(SearchWalkerTest, StopInTheDirectoryPhaseAddsNothingAndStoresNothing) {
  owner.Flags = 0;
  session.OnPump = [&] { stopped = true; };
  EXPECT_EQ(Search(Choices({"*.txt"}, true, SearchUseHidden)), SearchOutcome::Stopped);
  EXPECT_TRUE(added.empty());
  EXPECT_EQ(session.Pumps, 1);
  EXPECT_EQ(owner.Flags, 0u);
  EXPECT_EQ(captions, (std::vector<std::string>{std::string(kBuildingDirectoryTree)}));
  EXPECT_EQ(session.Events, (std::vector<std::string>{"busy:1", "busy:0"}));
}

TEST_F(SearchWalkerTest, StopInTheFilePhaseKeepsWhatWasAdded) {
  session.OnPump = [&] { stopped = added.size() == 2; };
  EXPECT_EQ(Search(Choices({"*.txt"}, true, SearchUseArchive | SearchArchive)),
            SearchOutcome::Stopped);
  EXPECT_EQ(added.size(), 2u);
  EXPECT_EQ(owner.Flags, 0u);
  EXPECT_EQ(captions.back(), kSearchingForFiles);
}

TEST_F(SearchWalkerTest, NoFiltersOnlySaysSo) {
  EXPECT_EQ(Search(Choices({}, true)), SearchOutcome::NoFilters);
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text, kNoFiltersSpecified);
  EXPECT_EQ(session.Questions[0].Caption, kSearchErrorCaption);
  EXPECT_EQ(session.Questions[0].Kind, Buttons::Ok);
  EXPECT_EQ(session.Questions[0].Symbol, Icon::Warning);
  EXPECT_TRUE(captions.empty());
  EXPECT_TRUE(stopped);  // not even cleared
  EXPECT_EQ(session.Pumps, 0);
}

TEST_F(SearchWalkerTest, MissingStartDirectoryFindsNothing) {
  SearchChoices c = Choices({"*.*"}, true);
  c.Directory = dir / "gone";
  EXPECT_EQ(Search(c), SearchOutcome::Completed);
  EXPECT_TRUE(added.empty());
}

TEST(SearchDialogValues, FormCreateTakesTheOwnersValues) {
  TFiles owner;
  owner.Flags = SearchSubdirs | SearchUseHidden | SearchHidden | Enumerate;
  owner.Filters = {"*.a", "*.b"};
  const SearchChoices c = FormCreate(owner, "/home/u/");
  EXPECT_EQ(owner.AddFiles, "/home/u/");  // an empty start directory is filled in
  EXPECT_EQ(c, (SearchChoices{"/home/u/", true, {"*.a", "*.b"}, SearchUseHidden | SearchHidden}));
  owner.AddFiles = "/data";
  EXPECT_EQ(FormCreate(owner, "/home/u/").Directory, "/data");
}

TEST(SearchDialogValues, FormDestroyAndDefaultWriteTheirFields) {
  const SearchChoices c{"/pics", false, {"*.jpg"}, SearchUseArchive | SearchArchive};
  TFiles owner;
  owner.Flags = SearchSubdirs | SearchUseHidden | Advanced;
  FormDestroy(c, owner);
  EXPECT_EQ(owner.AddFiles, "/pics");
  EXPECT_EQ(owner.Filters, (std::vector<std::string>{"*.jpg"}));
  EXPECT_EQ(owner.Flags, SearchUseHidden | Advanced);  // the attribute bits stay

  TFiles defaults;
  defaults.Flags = SearchUseHidden | DateFromClock;
  BitBtn6Click(c, defaults);
  EXPECT_EQ(defaults.Flags, SearchUseArchive | SearchArchive | DateFromClock);
  EXPECT_EQ(defaults.AddFiles, "/pics");
  EXPECT_EQ(defaults.Filters, (std::vector<std::string>{"*.jpg"}));
}

struct AttrCase {
  std::uint32_t Attr;
  std::uint32_t Flags;
  bool Passes;
};

class SearchAttributeFilter : public ::testing::TestWithParam<AttrCase> {};

TEST_P(SearchAttributeFilter, EveryUsedAttributeMustMatchItsBox) {
  EXPECT_EQ(PassesAttributeFilter(GetParam().Attr, GetParam().Flags), GetParam().Passes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchAttributeFilter,
    ::testing::Values(
        AttrCase{kAttrArchive, 0, true}, AttrCase{kAttrArchive, SearchUseArchive, false},
        AttrCase{kAttrArchive, SearchUseArchive | SearchArchive, true},
        AttrCase{0, SearchUseArchive, true},
        AttrCase{kAttrSystem | kAttrHidden,
                 SearchUseSystem | SearchSystem | SearchUseHidden | SearchHidden, true},
        AttrCase{kAttrSystem, SearchUseSystem | SearchSystem | SearchUseHidden | SearchHidden,
                 false},
        AttrCase{kAttrReadOnly, SearchUseReadOnly | SearchReadOnly, true},
        AttrCase{kAttrHidden, SearchReadOnly | SearchSystem, true}));

}  // namespace
}  // namespace varnoke
