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
  // The masked change of read-only to hidden is planned in SizeAndAttributesComeFromTheEntry.
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
      {"the conflict test sees the converted name", {}, ChangeName, "X", "", 1, 1, 1, kCaseLower,
       "", {{"a", "TXT"}, {"b", "txt"}}, {"x.txt", "x#1.txt"}},
  };
  // clang-format on
  for (const auto& c : cases) ExpectPlanned(c);
}

// With the Linux rules a dot file keeps its name; a file part that would be empty,
// "." or "..", or an ordinary file that would become a dot file, gets the underscore.
class PosixPlanning : public Planning {
 protected:
  PosixPlanning() : Planning(FakeFileSystem::Style::Posix) {}
};

TEST_F(PosixPlanning, DotFilesKeepTheirNamesOnlyUnusableNamesGetAnUnderscore) {
  struct Case {
    const char* OldName;
    const char* OldExt;
    std::uint32_t Flags;
    const char* NewName;
    const char* NewExt;
    const char* Expected;  // Name + "." + Ext
  };
  const Case cases[] = {
      {"", "profile", 0, "", "", ".profile"},
      {"", "profile", ChangeName, "", "", ".profile"},
      {"", "profile", ChangeName, ".hidden", "", ".hidden.profile"},
      {"", "profile", ChangeName | ChangeExt, "", "", "_."},
      {"", "profile", ChangeName | ChangeExt, ".", "", "_.."},
      {"", "profile", ChangeName | ChangeExt, "..", "", "_..."},
      {"", "profile", ChangeName | ChangeExt, "", ".", "_.."},
      {"photo", "jpg", ChangeName, "", "", "_.jpg"},
      {"photo", "jpg", ChangeName, ".x", "", "_.x.jpg"},
      {".config", "bak", ChangeName, ".old", "", ".old.bak"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Expected);
    files.Clear();
    preview.Clear();
    options.Flags = c.Flags;
    options.Name = c.NewName;
    options.Ext = c.NewExt;
    List(c.OldName, c.OldExt);
    Plan();
    ASSERT_EQ(preview.Count(), 1);
    const auto& w = preview.Items(0);
    EXPECT_EQ(w.Name + "." + w.Ext, c.Expected);
  }
}

TEST_F(Planning, TransportDecidesTheDirectory) {
  List("a", "txt");
  options.Transport = kTransportLeave;
  options.Path = "D:\\";
  Plan();
  EXPECT_EQ(preview.Items(0).Path(), "c:\\data");
  for (std::uint8_t t : {kTransportMove, kTransportCopy}) {
    options.Transport = t;
    preview.Clear();
    Plan();
    EXPECT_EQ(preview.Items(0).Path(), "D:");
  }
}

TEST_F(Planning, ProgressAndPumpsFollowTheFiles) {
  for (int i = 0; i < 25; ++i) List("f" + std::to_string(i), "t");
  Plan();
  EXPECT_EQ(session.Events.front(), "start:Varnoke is preparing name preview:25");
  EXPECT_EQ(session.Steps, 25);
  EXPECT_EQ(session.Pumps, 2);  // before the 10th and the 20th file
  EXPECT_EQ(session.Events.back(), "finish");
  EXPECT_FALSE(session.ProgressOpen);
  EXPECT_EQ(preview.Count(), 25);
}

TEST_F(Planning, EmptyListPlansNothingAndShowsNoProgress) {
  Plan();
  EXPECT_TRUE(session.Events.empty());
  EXPECT_EQ(preview.Count(), 0);
}

TEST_F(Planning, UnchangedNamesCostNoExistenceTest) {
  for (int i = 0; i < 5; ++i) List("f" + std::to_string(i), "t");
  options.CaseMode = kCaseLower;  // a change of case alone is no change on Windows
  Plan();
  EXPECT_EQ(fs.TotalCalls(), 0);
  options.Flags = ChangeName | Enumerate;
  preview.Clear();
  Plan();
  EXPECT_EQ(fs.Calls(FakeOp::Exists), 5);
  EXPECT_EQ(fs.ChangingCalls(), 0);
}

TEST_F(Planning, FileListAndOptionsAreLeftAsTheyWere) {
  options.Flags = ChangeName | Enumerate | DisregardExt;
  options.Name = "n";
  options.DateFlags = kDateCreated | kDateModified | kDateAccessed;
  options.IncreaseFlags = kDateCreated | kDateModified | kDateAccessed;
  options.CreatedDate = Calendar(2010, 1, 1);
  options.ModifiedDate = Calendar(2011, 1, 1);
  options.AccessedDate = Calendar(2012, 1, 1);
  options.CreatedInc = options.ModifiedInc = options.AccessedInc =
      EncodeIncrease(Increase{0, 0, 1, 0, 0, 0}).value();
  List("a", "txt");
  List("b", "txt");
  const TFiles before = options;
  Plan();
  EXPECT_EQ(options, before);
  EXPECT_EQ(files.Items(0).Name(), "a");
  EXPECT_EQ(files.Items(1).Ext(), "txt");
}

struct IncreaseCase {
  const char* what;
  FileTime start;
  Increase inc;
  std::vector<FileTime> expected;  // local times of the first three files
};

class RunningDates : public Planning, public ::testing::WithParamInterface<IncreaseCase> {};

TEST_P(RunningDates, AdvanceWithoutCarry) {
  const IncreaseCase& c = GetParam();
  options.DateFlags = kDateCreated;
  options.IncreaseFlags = kDateCreated;
  options.CreatedDate = c.start;
  options.CreatedInc = EncodeIncrease(c.inc).value();
  const FileTimes listed{111, 222, 333};
  for (const char* n : {"a", "b", "c"}) List(n, "t", listed);
  Plan();
  ASSERT_EQ(preview.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    // The option dates are local; the clock is an hour ahead of UTC.
    EXPECT_EQ(preview.Items(i).Created, c.expected[i] - 3600 * kTicksPerSecond) << c.what << i;
    EXPECT_EQ(preview.Items(i).Accessed, 222u);
    EXPECT_EQ(preview.Items(i).Written, 333u);
  }
  EXPECT_EQ(options.CreatedDate, c.start);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RunningDates,
    ::testing::Values(
        IncreaseCase{"seconds",
                     Calendar(2000, 1, 1, 10, 0, 0),
                     {0, 0, 0, 0, 0, 10},
                     {Calendar(2000, 1, 1, 10, 0, 0), Calendar(2000, 1, 1, 10, 0, 10),
                      Calendar(2000, 1, 1, 10, 0, 20)}},
        // 10:00:60 is no time: the date stops advancing.
        IncreaseCase{"10:00:60",
                     Calendar(2000, 1, 1, 10, 0, 50),
                     {0, 0, 0, 0, 0, 10},
                     {Calendar(2000, 1, 1, 10, 0, 50), Calendar(2000, 1, 1, 10, 0, 50),
                      Calendar(2000, 1, 1, 10, 0, 50)}},
        // 2000-02-31 is no date.
        IncreaseCase{"2000-02-31",
                     Calendar(2000, 1, 31),
                     {0, 1, 0, 0, 0, 0},
                     {Calendar(2000, 1, 31), Calendar(2000, 1, 31), Calendar(2000, 1, 31)}},
        IncreaseCase{"days and years",
                     Calendar(2000, 1, 1),
                     {1, 0, 2, 0, 0, 0},
                     {Calendar(2000, 1, 1), Calendar(2001, 1, 3), Calendar(2002, 1, 5)}}));

TEST_F(Planning, EachDateFlagChangesItsOwnTime) {
  const FileTimes listed{111, 222, 333};
  List("a", "t", listed);
  options.DateFlags = kDateModified;
  options.ModifiedDate = Calendar(2005, 5, 5, 5, 5, 5);
  options.CreatedDate = options.AccessedDate = Calendar(1999, 1, 1);
  Plan();
  EXPECT_EQ(preview.Items(0).Created, 111u);
  EXPECT_EQ(preview.Items(0).Accessed, 222u);
  EXPECT_EQ(preview.Items(0).Written, Calendar(2005, 5, 5, 4, 5, 5));
  options.DateFlags = kDateAccessed;
  options.AccessedDate = Calendar(2006, 6, 6, 6, 6, 6);
  preview.Clear();
  Plan();
  EXPECT_EQ(preview.Items(0).Accessed, Calendar(2006, 6, 6, 5, 6, 6));
  EXPECT_EQ(preview.Items(0).Written, 333u);
}

TEST_F(Planning, SizeAndAttributesComeFromTheEntry) {
  List("a", "t", {}, kAttrReadOnly | kAttrSystem | kAttrArchive, 5ULL << 30);
  options.AttrMask = 0x03;
  options.AttrValues = 0x02;
  Plan();
  EXPECT_EQ(preview.Items(0).Attr, kAttrHidden | kAttrSystem | kAttrArchive);
  EXPECT_EQ(preview.Items(0).Size, 5ULL << 30);
}

TEST_F(Planning, BusyFileIsReportedOnceWithTheProgressHidden) {
  fs.AddFile("c:\\data\\held.txt");
  fs.SetBusy("c:\\data\\held.txt", true);
  files.AddEntry(true, "c:\\data", "held", "txt", 0, 0, 0, 0, 0);
  List("free", "txt");
  Plan();
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text, StillBusyMessage("c:\\data\\held.txt"));
  EXPECT_EQ(session.Questions[0].Text,
            "The file:\r\nc:\\data\\held.txt\r\nis still busy. Please delete it from the list or "
            "free it");
  EXPECT_EQ(session.Questions[0].Kind, Buttons::Ok);
  EXPECT_EQ(session.Events, (Strings{"start:Varnoke is preparing name preview:2", "busy:1", "hide",
                                     "ask:Varnoke", "show", "step", "step", "busy:0", "finish"}));
  EXPECT_TRUE(preview.Items(0).Busy);
  EXPECT_FALSE(preview.Items(1).Busy);
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
            NameTooLongMessage("c:\\data\\" + std::string(30, 'a') + ".t"));
  EXPECT_EQ(Names(), (Strings{"b1.t", "c3.t"}));
  EXPECT_EQ(preview.Items(1).FileIndex, 2);
  // The left-out file still took its date.
  EXPECT_EQ(preview.Items(1).Created, Calendar(2000, 1, 1, 9, 0, 2));
  EXPECT_FALSE(session.ProgressOpen);
  EXPECT_EQ(session.Steps, 3);
}

}  // namespace
}  // namespace varnoke
