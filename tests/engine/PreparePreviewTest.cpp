#include "engine/PreparePreview.h"

#include "PlanningFixture.h"
#include "engine/Messages.h"
#include "model/Attributes.h"

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;

TEST(NumberText, PaddedToTheDigitsNeverCut) {
  EXPECT_EQ(NumberText(7, 3), "007");
  EXPECT_EQ(NumberText(12345, 3), "12345");
  EXPECT_EQ(NumberText(0, 1), "0");
  EXPECT_EQ(NumberText(5, 0), "5");
  EXPECT_EQ(NumberText(1, 12), "0000000001");  // nine zeros at most
  EXPECT_EQ(NumberText(-5, 3), "0-5");
}

TEST(PlannedAttributes, OnlyTheMaskedBitsChange) {
  TFiles o;
  EXPECT_EQ(PlannedAttributes(0x8025, o), 0x8025u);
  o.AttrMask = 0x27;
  o.AttrValues = 0xFF;  // bits outside the mask mean nothing
  EXPECT_EQ(PlannedAttributes(0x80, o), 0xA7u);
}

TEST(PlannedNames, FollowTheOptions) {
  // clang-format off
  const PlanCase cases[] = {
      // What, on disk, flags, name, ext, start, step, digits, case, date string,
      // listed, expected names, conflict marks.
      {"numbers in file list order", {}, ChangeName | Enumerate, "Pic", "", 10, 5, 5, 0, "",
       {{"b", "jpg"}, {"a", "JPG"}, {"c", ""}}, {"Pic00010.jpg", "Pic00015.JPG", "Pic00020."}},
      {"start 0 step 5", {}, ChangeName | Enumerate, "", "", 0, 5, 1, 0, "",
       {{"x", "t"}, {"y", "t"}, {"z", "t"}}, {"0.t", "5.t", "10.t"}},
      {"empty name becomes an underscore, then suffixes", {}, ChangeName, "", "", 1, 1, 1, 0, "",
       {{"x", "t"}, {"y", "t"}, {"z", "t"}}, {"_.t", "_#1.t", "_#2.t"}, {false, true, true}},
      {"a name that begins with a dot gets an underscore", {}, 0, "", "", 1, 1, 1, 0, "",
       {{"", "profile"}}, {"_.profile"}},
      {"disregarding the extension joins name and extension", {}, DisregardExt, "", "", 1, 1, 1, 0,
       "", {{"photo", "jpg"}}, {"photojpg."}},
      {"wildcards take the number at the end", {}, ChangeName | Enumerate | UseWildcards, "*_", "",
       1, 1, 2, 0, "", {{"a", "txt"}}, {"a_01.txt"}},
      {"extension patterns get no number with wildcards", {},
       ChangeName | ChangeExt | Enumerate | UseWildcards, "n", "?x*", 1, 1, 1, 0, "",
       {{"a", "txt"}}, {"n1.txtxt"}},
      {"the number code works in the extension", {}, ChangeExt | Advanced | Enumerate | ChangeName,
       "*", "<#>*", 1, 1, 1, 0, "", {{"a", "txt"}}, {"a.1txt"}},
      {"a plain new extension", {}, ChangeExt, "", "doc", 1, 1, 1, 0, "", {{"a", "txt"}},
       {"a.doc"}},
      {"date codes come before the case conversion", {}, ChangeName | Advanced, "*-|", "", 1, 1, 1,
       kCaseUpper, "mmm", {{"feb", "txt"}}, {"FEB-FEB.TXT"}},
      {"date code in the extension too", {}, ChangeName | ChangeExt, "|_x", "|", 1, 1, 1, 0,
       "yymmdd", {{"a", "txt"}}, {"010203_x.010203"}},
      // A copy never takes the place of a file of its own list: the files being copied stay
      // as they are, so such a copy gets a suffix also where conflicts are settled by
      // deleting. A file outside the list is in the way as always; a move settles as ever.
      {"copies onto their list", {"c:\\data\\4.t"}, ChangeName | Enumerate, "", "", 2, 1, 1, 0, "",
       {{"1", "t"}, {"2", "t"}, {"3", "t"}}, {"2#1.t", "3#1.t", "4#1.t"}, {true, true, true},
       kTransportCopy, "c:\\data\\"},
      {"copies onto their list, settled by the trash", {"c:\\data\\4.t"},
       ChangeName | Enumerate | DeleteOnConflict, "", "", 2, 1, 1, 0, "",
       {{"1", "t"}, {"2", "t"}, {"3", "t"}}, {"2#1.t", "3#1.t", "4.t"}, {true, true, true},
       kTransportCopy, "c:\\data\\"},
      {"moves onto their list, settled by the trash", {"c:\\data\\4.t"},
       ChangeName | Enumerate | DeleteOnConflict, "", "", 2, 1, 1, 0, "",
       {{"1", "t"}, {"2", "t"}, {"3", "t"}}, {"2.t", "3.t", "4.t"}, {true, true, true},
       kTransportMove, "c:\\data\\"},
      {"the conflict test sees the converted name", {}, ChangeName, "X", "", 1, 1, 1, kCaseLower,
       "", {{"a", "TXT"}, {"b", "txt"}}, {"x.txt", "x#1.txt"}},
  };
  // clang-format on
  for (const auto& c : cases) ExpectPlanned(c);
}

// With the Linux rules a dot file keeps its name; a file part that would be empty,
// "." or "..", or an ordinary file that would become a dot file, gets the underscore.
struct PosixPlanning : Planning {
  PosixPlanning() : Planning(FakeFileSystem::Style::Posix) {}
};

TEST_F(PosixPlanning, DotFilesKeepTheirNamesOnlyUnusableNamesGetAnUnderscore) {
  // Expected: Name + "." + Ext
  // clang-format off
  const struct { const char *OldName, *OldExt; std::uint32_t Flags;
                 const char *NewName, *NewExt, *Expected; } cases[] = {
      {"", "profile", 0, "", "", ".profile"}, {"", "profile", ChangeName, "", "", ".profile"},
      {"", "profile", ChangeName, ".hidden", "", ".hidden.profile"},
      {"", "profile", ChangeName | ChangeExt, "", "", "_."},
      {"", "profile", ChangeName | ChangeExt, ".", "", "_.."},
      {"", "profile", ChangeName | ChangeExt, "..", "", "_..."},
      {"", "profile", ChangeName | ChangeExt, "", ".", "_.."},
      {"photo", "jpg", ChangeName, "", "", "_.jpg"}, {"photo", "jpg", ChangeName, ".x", "", "_.x.jpg"},
      {".config", "bak", ChangeName, ".old", "", ".old.bak"},
  };
  // clang-format on
  for (const auto& c : cases) {
    files.Clear();
    preview.Clear();
    std::tie(options.Flags, options.Name, options.Ext) = std::tie(c.Flags, c.NewName, c.NewExt);
    List(c.OldName, c.OldExt);
    Plan();
    EXPECT_EQ(Names(), Strings{c.Expected});
  }
}

// A file's plan: its own directory or the options' one by the transport, its size and
// listed times, the option dates that are set (local; the clock is an hour ahead of UTC),
// the masked attribute bits changed.
TEST_F(Planning, DirectorySizeTimesAndAttributesOfAPlan) {
  List("a", "t", {111, 222, 333}, kAttrReadOnly | kAttrSystem | kAttrArchive, 5ULL << 30);
  options.AttrMask = 0x03;
  options.AttrValues = 0x02;
  options.Path = "D:\\";
  options.DateFlags = kDateModified;
  options.ModifiedDate = Calendar(2005, 5, 5, 5, 5, 5);
  options.CreatedDate = options.AccessedDate = Calendar(1999, 1, 1);
  for (std::uint8_t t : {kTransportLeave, kTransportMove, kTransportCopy}) {
    options.Transport = t;
    preview.Clear();
    Plan();
    const TVrnPrevFile& p = preview.Items(0);
    EXPECT_EQ(p.Path(), t == kTransportLeave ? "c:\\data" : "D:");
    EXPECT_EQ(p.Size, 5ULL << 30);
    EXPECT_EQ(p.Attr, kAttrHidden | kAttrSystem | kAttrArchive);
    EXPECT_EQ((FileTimes{p.Created, p.Accessed, p.Written}),
              (FileTimes{111, 222, Calendar(2005, 5, 5, 4, 5, 5)}));
  }
}

// No progress for an empty list; else one step per file, a pump before the 10th and the
// 20th, and a file still busy named with the progress out of the way and planned busy.
// Planning changes nothing on disk.
TEST_F(Planning, ProgressStillBusyFilesAndExistenceTests) {
  Plan();
  EXPECT_TRUE(session.Events.empty());
  fs.AddFile("c:\\data\\held.txt");
  fs.AddFile("c:\\data\\freed.txt");
  fs.SetBusy("c:\\data\\held.txt", true);
  files.AddEntry(true, "c:\\data", "held", "txt", 0, 0, 0, 0, 0);
  files.AddEntry(true, "c:\\data", "freed", "txt", 0, 0, 0, 0, 0);
  for (int i = 0; i < 23; ++i) List("f" + std::to_string(i), "t");
  Plan();
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(std::tie(session.Questions[0].Text, session.Questions[0].Kind),
            std::tuple(StillBusyMessage(EnglishTexts(), "c:\\data\\held.txt"), Buttons::Ok));
  Strings events{"start:Varnoke is preparing name preview:25",
                 "busy:1",
                 "hide",
                 "busy:0",
                 "ask:Varnoke",
                 "show",
                 "busy:1"};
  events.insert(events.end(), 25, "step");
  events.insert(events.end(), {"busy:0", "finish"});
  EXPECT_EQ(session.Events, events);
  EXPECT_EQ(session.Pumps, 2);
  ASSERT_EQ(preview.Count(), 25);
  EXPECT_TRUE(preview.Items(0).Busy);
  EXPECT_FALSE(preview.Items(1).Busy);

  // An unchanged name costs no existence test; a change of case alone is none on Windows.
  options.CaseMode = kCaseLower;
  preview.Clear();
  Plan();
  EXPECT_EQ(fs.TotalCalls(), fs.Calls(FakeOp::IsBusy));  // the busy files tried again
  options.Flags = ChangeName | Enumerate;
  preview.Clear();
  Plan();
  EXPECT_EQ(fs.Calls(FakeOp::Exists), 25);
  EXPECT_EQ(fs.ChangingCalls(), 0);
}

// Each option date goes to its own time; an increasing one advances from file to file
// without carry: a result that is no time or no date keeps the date where it is.
TEST_F(Planning, OptionDatesRunWithoutCarry) {
  const auto at = [](int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return Calendar(y, mo, d, h, mi, s) - 3600 * kTicksPerSecond;  // as UTC
  };
  // clang-format off
  const struct { const char* What; FileTime Start; Increase Inc; std::vector<FileTime> Expected; }
  cases[] = {
      {"seconds", Calendar(2000, 1, 1, 10, 0, 0), {0, 0, 0, 0, 0, 10},
       {at(2000, 1, 1, 10, 0, 0), at(2000, 1, 1, 10, 0, 10), at(2000, 1, 1, 10, 0, 20)}},
      {"10:00:60", Calendar(2000, 1, 1, 10, 0, 50), {0, 0, 0, 0, 0, 10},
       {at(2000, 1, 1, 10, 0, 50), at(2000, 1, 1, 10, 0, 50), at(2000, 1, 1, 10, 0, 50)}},
      {"2000-02-31", Calendar(2000, 1, 31), {0, 1, 0, 0, 0, 0},
       {at(2000, 1, 31), at(2000, 1, 31), at(2000, 1, 31)}},
      {"days and years", Calendar(2000, 1, 1), {1, 0, 2, 0, 0, 0},
       {at(2000, 1, 1), at(2001, 1, 3), at(2002, 1, 5)}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    files.Clear();
    preview.Clear();
    options.DateFlags = kDateCreated | kDateModified | kDateAccessed;
    options.IncreaseFlags = kDateCreated;
    options.CreatedDate = c.Start;
    options.CreatedInc = EncodeIncrease(c.Inc).value();
    options.ModifiedDate = Calendar(2005, 5, 5);
    options.AccessedDate = Calendar(2006, 6, 6);
    for (const char* n : {"a", "b", "c"}) List(n, "t", {111, 222, 333});
    Plan();
    ASSERT_EQ(preview.Count(), 3);
    for (int i = 0; i < 3; ++i) {
      const TVrnPrevFile& p = preview.Items(i);
      EXPECT_EQ((FileTimes{p.Created, p.Accessed, p.Written}),
                (FileTimes{c.Expected[i], at(2006, 6, 6), at(2005, 5, 5)}))
          << i;
    }
  }
}

TEST_F(Planning, NameThatWouldGrowPastTheLimitIsLeftOutAndPlanningGoesOn) {
  options.Flags = ChangeName | Advanced | Enumerate;
  options.Name = "\"a:**\"*<#>";
  options.DateFlags = kDateCreated;
  options.IncreaseFlags = kDateCreated;
  options.CreatedDate = Calendar(2000, 1, 1, 10, 0, 0);
  options.CreatedInc = EncodeIncrease(Increase{0, 0, 0, 0, 0, 1}).value();
  List("b", "t");
  List(std::string(30, 'a'), "t");
  List("c", "t");
  Plan();
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text,
            NameTooLongMessage(EnglishTexts(), "c:\\data\\" + std::string(30, 'a') + ".t"));
  EXPECT_EQ(Names(), (Strings{"b1.t", "c3.t"}));
  EXPECT_EQ(preview.Items(1).FileIndex, 2);
  // The left-out file still took its date.
  EXPECT_EQ(preview.Items(1).Created, Calendar(2000, 1, 1, 9, 0, 2));
  EXPECT_FALSE(session.ProgressOpen);
  EXPECT_EQ(session.Steps, 3);
}

// A later entry that names the same file as an earlier one (the same path once "." and
// ".." components and doubled separators are resolved as text, letter case aside where
// the platform ignores it) is left out with a message naming both; it still counts for
// the running number. Different paths stay entries of their own.
struct PlanningUnder : Planning {
  explicit PlanningUnder(FakeFileSystem::Style style) : Planning(style) {}
  void TestBody() override {}
  using Planning::files, Planning::fs, Planning::List, Planning::Names, Planning::options,
      Planning::Plan, Planning::preview, Planning::session;
};

TEST(PlanningListedTwice, LaterEntriesOfTheSameFileAreLeftOut) {
  using Style = FakeFileSystem::Style;
  // Names: of the entries planned
  // LeftOut: (entry, the earlier entry it repeats)
  // clang-format off
  const struct { const char* What; Style Rules; Strings Listed; Strings Names;
                 std::vector<std::pair<int, int>> LeftOut = {}; } cases[] = {
      {"the same path twice", Style::Posix, {"/d/f1", "/d/f2", "/d/f2"}, {"f2.", "f3."}, {{2, 1}}},
      {"a dot component", Style::Posix, {"/d/a.t", "/d/./a.t"}, {"f2.t"}, {{1, 0}}},
      {"a doubled separator", Style::Posix, {"/d/a.t", "/d//a.t"}, {"f2.t"}, {{1, 0}}},
      {"a directory and its parent", Style::Posix, {"/d/a.t", "/d/x/../a.t"}, {"f2.t"}, {{1, 0}}},
      {"up past the root", Style::Posix, {"/d/a.t", "/../d/a.t"}, {"f2.t"}, {{1, 0}}},
      {"a parent that leaves the directory", Style::Posix, {"/d/a.t", "/d/x/../../a.t"},
       {"f2.t", "f3.t"}},
      {"letter case counts on Linux", Style::Posix, {"/d/a.t", "/d/A.t"}, {"f2.t", "f3.t"}},
      {"other directories", Style::Posix, {"/d/a.t", "/e/a.t"}, {"f2.t", "f3.t"}},
      {"the third entry repeats the first, the fourth is new", Style::Posix,
       {"/d/a.t", "/d/b.t", "/d/a.t", "/d/c.t"}, {"f2.t", "f3.t", "f5.t"}, {{2, 0}}},
      {"letter case aside on Windows", Style::Windows, {"c:\\d\\a.t", "c:\\d\\A.T"}, {"f2.t"},
       {{1, 0}}},
      {"parents on Windows", Style::Windows, {"c:\\d\\a.t", "c:\\d\\x\\..\\a.t", "c:\\..\\d\\a.t"},
       {"f2.t"}, {{1, 0}, {2, 0}}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    PlanningUnder run(c.Rules);
    for (const std::string& path : c.Listed) {
      const SplitPath s = run.fs.Rules().Split(path);
      run.fs.AddFile(path);
      run.files.AddEntry(false, s.Path, s.Name, s.Ext, 0, 0x20, 0, 0, 0);
    }
    run.options.Flags = ChangeName | Enumerate | DeleteOnConflict;
    run.options.Name = "f";
    run.options.Start = 2;
    run.Plan();
    EXPECT_EQ(run.Names(), c.Names);
    Strings notes, expected;
    for (const AskedQuestion& q : run.session.Questions) notes.push_back(q.Text);
    for (const auto& [later, earlier] : c.LeftOut)
      expected.push_back(ListedTwiceMessage(EnglishTexts(),
                                            c.Listed[static_cast<std::size_t>(later)],
                                            c.Listed[static_cast<std::size_t>(earlier)]));
    EXPECT_EQ(notes, expected);
  }
}
}  // namespace
}  // namespace varnoke
