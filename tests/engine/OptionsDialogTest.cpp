#include "engine/OptionsDialog.h"

#include <gtest/gtest.h>

#include "engine/Messages.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/ScriptedSession.h"
#include "support/CalendarTime.h"

namespace varnoke {
namespace {

class OptionsDialog : public ::testing::Test {
 protected:
  // What the dialog shows for `record`, with the tree at /shown when the record has no path.
  OptionsFormValues Shown() {
    OptionsFormValues v;
    v.Directory = "/shown";
    FormCreate(record, fs.Rules(), v);
    return v;
  }
  std::optional<UiText> Take(const OptionsFormValues& v, TFiles& into,
                             TakeOverFor what = TakeOverFor::Ok) {
    return TakeOverOptions(v, into, what, {fs.Rules(), regional, clock});
  }

  FakeFileSystem fs{FakeFileSystem::Style::Posix};
  IdleStores idle;
  FixedClock clock{Calendar(2021, 3, 4, 5, 6, 7), 3600};
  FormatSettings regional = EnglishFormatSettings();
  ScriptedSession session;
  Services services{fs, idle.Store, idle.Settings, clock, regional, session};
  TFiles record;
};

TEST_F(OptionsDialog, NumberFieldsReadTheirTextInRange) {
  // clang-format off
  const struct { const char* Text; NumberRange Range; int Read; } cases[] = {
      {"abc", kYearRange, 1980}, {"1999", kYearRange, 1999}, {"3000", kYearRange, 2105},
      {"-5", kDayRange, 1}, {" 12 ", kDayRange, 12}, {"", kStepRange, 1}, {"12x", kStartRange, 0},
      {"99999999999999999999", kStartRange, 9999999}, {"+7", kDigitsRange, 7},
      {"10", kDigitsRange, 9}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(FieldNumber(c.Text, c.Range), c.Read) << c.Text;
}

TEST_F(OptionsDialog, LoadingShowsStoredDatesAndOutOfRangeValuesInTheFieldsRanges) {
  record.Digits = 0;
  record.Transport = 7;
  record.CaseMode = 9;
  OptionsFormValues v = Shown();
  // The start-up dates (zero) show as the earliest date and no increase.
  EXPECT_EQ(v.Dates[kCreatedBlock].Date, (DateRowValues{1, 0, 1980, 0, 0, 0}));
  EXPECT_EQ(v.Dates[kCreatedBlock].By, IncreaseRowValues{});
  EXPECT_EQ(std::tie(v.Digits, v.Transport, v.ChangeCase, v.CaseItem), std::tuple(1, 2, true, 3));
  EXPECT_EQ(v.Directory, "/shown");

  Resetdate1Click(record);
  record.ModifiedDate = Calendar(2004, 5, 6, 7, 8, 9);
  record.Path = "/t/";
  v = Shown();
  EXPECT_EQ(v.Dates[kAccessedBlock].Date, (DateRowValues{31, 11, 1980, 23, 58, 6}));
  EXPECT_EQ(v.Dates[kAccessedBlock].By, (IncreaseRowValues{30, 11, 0, 23, 58, 6}));
  EXPECT_EQ(v.Dates[kModifiedBlock].Date, (DateRowValues{6, 4, 2004, 7, 8, 9}));
  EXPECT_EQ(v.Directory, "/t");
}

TEST_F(OptionsDialog, OkTakesAttributesAndDatesBeforeTheFieldChecksAndTheRestAfter) {
  // clang-format off
  const struct { const char *Name, *Ext; std::optional<UiText> Message; } cases[] = {
      {"Pic", "jpg", std::nullopt}, {"a/b", "jpg", kFilenameFieldIllegal},
      {"Pic", "j<", kExtensionFieldIllegal}, {"a::b", "x/y", kFilenameFieldIllegal}};
  // clang-format on
  for (const auto& c : cases) {
    record = TFiles{};
    record.Flags = SearchSubdirs | SearchHidden;
    record.AddFiles = "/add";
    record.EditParts = 2;
    OptionsFormValues v = Shown();
    v.Name = c.Name;
    v.Ext = c.Ext;
    v.ChangeName = v.Enumerate = true;
    v.Attributes[3] = {true, true};   // hidden
    v.Attributes[0] = {true, false};  // read-only
    v.Dates[kModifiedBlock] = {true, false, {2, 1, 2003, 4, 5, 6}, true, {1, 2, 3, 4, 5, 6}};
    v.Dates[kCreatedBlock].Date = {31, 1, 2003};  // 31 February keeps the old value
    v.Dates[kAccessedBlock].By = {30, 1};         // so does an increase of 30 days and 1 month
    EXPECT_EQ(Take(v, record), c.Message) << c.Name;
    EXPECT_EQ(std::tie(record.AttrMask, record.AttrValues), std::tuple(0x03, 0x02));
    EXPECT_EQ(std::tie(record.DateFlags, record.IncreaseFlags),
              std::tuple(kDateModified, kDateModified));
    EXPECT_EQ(record.ModifiedDate, Calendar(2003, 2, 2, 4, 5, 6));
    EXPECT_EQ(record.ModifiedInc, EncodeIncrease({3, 2, 1, 4, 5, 6}));
    EXPECT_EQ(std::tie(record.CreatedDate, record.AccessedInc), std::tuple(0u, 0u));
    EXPECT_EQ(record.Name, c.Message ? "" : c.Name);
    EXPECT_EQ(record.Path, c.Message ? "" : "/shown/");
    EXPECT_EQ(record.Flags,
              SearchSubdirs | SearchHidden | (c.Message ? 0u : ChangeName | Enumerate));
    EXPECT_EQ(std::tie(record.AddFiles, record.EditParts), std::tuple("/add", 2));
  }
}

TEST_F(OptionsDialog, LoadingAndTakingOverGiveTheRecordBack) {
  // Either date source, the times from the time taken, and a bit this program does not
  // know (kept as it came).
  for (const std::uint32_t dates :
       {DateFromClock, DateFromTaken | ModifiedFromTaken | AccessedFromTaken | 0x02000000u}) {
    record.Flags = Enumerate | ChangeName | ChangeExt | UseWildcards | Advanced | DisregardExt |
                   dates | DeleteOnConflict | SearchSubdirs;
    std::tie(record.CaseMode, record.Digits, record.Step, record.Start, record.Transport) =
        std::tuple(4, 5, 6, 7, kTransportCopy);
    std::tie(record.DateFlags, record.IncreaseFlags, record.AttrMask, record.AttrValues) =
        std::tuple(5, 2, 0x25, 0x21);
    record.CreatedDate = Calendar(2001, 1, 2, 3, 4, 5);
    record.ModifiedDate = Calendar(2100, 12, 31, 23, 59, 59);
    record.AccessedDate = Calendar(1980, 1, 1);
    record.CreatedInc = *EncodeIncrease({10, 11, 30, 23, 59, 59});
    record.ModifiedInc = record.AccessedInc = IncreaseBase;
    std::tie(record.Name, record.Ext, record.Path, record.DateString) =
        std::tuple("<1:3>x", "\"a?:b*\"", "/target/", "yymmdd");
    TFiles copy = record;
    ASSERT_EQ(Take(Shown(), copy), std::nullopt);
    EXPECT_EQ(copy, record);
  }
}

TEST_F(OptionsDialog, EnablingFollowsTheSwitches) {
  OptionsFormValues v;
  v.Advanced = true;
  v.UseWildcards = true;
  v.ChangeExt = true;
  v.DisregardExt = true;
  v.Transport = kTransportLeave;
  v.Directory = "/kept";
  v.Dates[kModifiedBlock].FromTaken = true;  // its date and increase rows mean nothing
  OptionsFormEnabling off;
  off.UseWildcards = off.Name = off.Ext = off.ChangeExt = off.CaseItems = off.Numbers =
      off.Directory = false;
  off.DateRows = {true, false, true};
  EXPECT_EQ(EnabledControls(v), off);
  // Disabled controls are taken over all the same.
  ASSERT_EQ(Take(v, record), std::nullopt);
  EXPECT_TRUE(record.Has(UseWildcards) && record.Has(ChangeExt));
  EXPECT_EQ(record.Path, "/kept/");
  // The advanced method still checks the wildcards: with the standard one a ':' fails.
  v.Name = "\"a?:b\"";
  EXPECT_EQ(Take(v, record), std::nullopt);
  v.Advanced = false;
  EXPECT_EQ(Take(v, record), kFilenameFieldIllegal);

  v.DisregardExt = false;
  v.Dates[kModifiedBlock].FromTaken = false;
  v.Transport = kTransportMove;
  v.ChangeName = v.ChangeCase = v.Enumerate = true;
  EXPECT_EQ(EnabledControls(v), OptionsFormEnabling{});
}

TEST_F(OptionsDialog, DefaultWithAnInvalidPatternTakesOnlyAttributesAndDates) {
  TFiles defaults;
  OptionsFormValues v = Shown();
  v.Name = "a<>b";
  v.Attributes[1] = {true, true};
  v.Dates[kAccessedBlock].Set = true;
  EXPECT_EQ(Take(v, defaults, TakeOverFor::Default), kFilenameFieldIllegal);
  TFiles expected;
  expected.AttrMask = expected.AttrValues = kAttrArchive;
  expected.DateFlags = kDateAccessed;
  expected.CreatedDate = expected.ModifiedDate = expected.AccessedDate = Calendar(1980, 1, 1);
  expected.CreatedInc = expected.ModifiedInc = expected.AccessedInc = IncreaseBase;
  EXPECT_EQ(defaults, expected);
}

TEST_F(OptionsDialog, DateButtonsAndMenuCommands) {
  record.ModifiedDate = Calendar(2002, 3, 4, 5, 6, 7);
  EXPECT_EQ(NowDateRow(clock), (DateRowValues{4, 2, 2021, 6, 6, 7}));  // local: one hour on
  EXPECT_EQ(LastDateRow(record, kModifiedBlock), (DateRowValues{4, 2, 2002, 5, 6, 7}));

  record.AttrMask = record.AttrValues = kAttrReadOnly;
  record.Flags = SearchSubdirs | SearchUseHidden | Enumerate;
  OptionsFormValues v = Shown();
  v.Name = "edited";
  ApplyQuickSetting(QuickSetting::ResetAttributes, record, fs.Rules(), v);
  EXPECT_EQ(v.Attributes, (std::array<AttributeRowValues, 4>{}));
  EXPECT_EQ(v.Name, "");  // edits not taken over are lost
  ASSERT_EQ(Take(v, record), std::nullopt);
  EXPECT_EQ(std::tie(record.AttrMask, record.AttrValues), std::tuple(0, 0));

  ApplyQuickSetting(QuickSetting::ResetNames, record, fs.Rules(), v);
  EXPECT_EQ(record.Flags, 0u);
}

class OptionsSampleTest : public OptionsDialog {
 protected:
  void List(int n) {
    for (int i = 1; i <= n; ++i) {
      const std::string name = "f" + std::to_string(i);
      fs.AddFile("/d/" + name + ".txt");
      files.AddEntry(false, "/d", name, "txt", 0, 0x20, 0, 0, 0);
    }
  }
  std::vector<std::string> Names(const OptionsSample& s) {
    std::vector<std::string> names;
    for (const SampleRow& row : s.Rows) names.push_back(row.NewName);
    return names;
  }
  TVrnFiles files;
};

TEST_F(OptionsSampleTest, ShowsTheFirstTenNewNamesWithoutChangingAnything) {
  List(12);
  fs.AddFile("/d/P3.txt");
  record.Flags = ChangeName | Enumerate;
  record.Name = "Old";
  const TFiles before = record;
  OptionsFormValues v = Shown();
  v.Name = "P";
  v.Attributes[0] = {true, true};
  v.Dates[kModifiedBlock].Set = true;
  fs.ResetCalls();
  OptionsSample s = MakeOptionsSample(v, record, files, services);
  EXPECT_EQ(fs.ChangingCalls(), 0);
  EXPECT_EQ(record, before);
  EXPECT_EQ(std::tuple(files.Count(), files.Items(0).Name()), std::tuple(12, "f1"));
  EXPECT_TRUE(session.Questions.empty());
  EXPECT_EQ(Names(s),
            (std::vector<std::string>{"P1.txt", "P2.txt", "P3#1.txt (CONFLICT)", "P4.txt", "P5.txt",
                                      "P6.txt", "P7.txt", "P8.txt", "P9.txt", "P10.txt"}));
  EXPECT_EQ(std::tuple(s.Rows[0].File, s.Rows[2].Conflict), std::tuple("f1.txt", true));

  // An invalid field shows its message instead of names.
  v.Ext = "a:b";
  s = MakeOptionsSample(v, record, files, services);
  EXPECT_EQ(s.Message, kExtensionFieldIllegal.Source);
  EXPECT_TRUE(s.Rows.empty());
}

TEST_F(OptionsSampleTest, ShowsWhatPlanningWouldSayInsteadOfAsking) {
  List(2);
  files.Items(1).Busy = true;
  fs.SetBusy("/d/f2.txt", true);
  OptionsFormValues v = Shown();
  v.ChangeName = true;
  v.Advanced = true;
  v.Name = std::string(5000, 'x');
  OptionsSample s = MakeOptionsSample(v, record, files, services);
  EXPECT_TRUE(session.Questions.empty());
  ASSERT_EQ(s.Rows.size(), 2u);
  EXPECT_TRUE(s.Rows[0].LeftOut && s.Rows[1].LeftOut);
  EXPECT_EQ(s.Rows[1].NewName, NameTooLongMessage(EnglishTexts(), "/d/f2.txt"));

  v.Name = "n";
  s = MakeOptionsSample(v, record, files, services);
  EXPECT_EQ(Names(s), (std::vector<std::string>{"n.txt", "n#1.txt (CONFLICT) (BUSY)"}));
  EXPECT_TRUE(s.Rows[1].Busy);
}

}  // namespace
}  // namespace varnoke
