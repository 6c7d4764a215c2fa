// The options as FIELD=VALUE lines: each value checked as the options dialog checks
// its field, shown as the dialog shows it, and every shown line taken back.
#include "files/OptionFields.h"

#include <gtest/gtest.h>

#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

struct FieldCase {
  std::string Assignment;  // "$" stands for a directory that exists
  std::string Result;      // the line shown afterwards, or how the error begins ("field: why")
};

class OptionFieldsTest : public ::testing::TestWithParam<FieldCase> {
 protected:
  std::string In(std::string text) {
    if (const std::size_t at = text.find('$'); at != std::string::npos)
      text.replace(at, 1, dir.Path());
    return text;
  }
  testing::TempDir dir;
  PosixFileSystem fs;
};

TEST_P(OptionFieldsTest, SetsAFieldOrSaysWhyNotAndChangesNothing) {
  TFiles options;
  const std::optional<std::string> error = SetOptionField(options, In(GetParam().Assignment), fs);
  if (GetParam().Result.find(": ") != std::string::npos) {
    EXPECT_EQ(error.value_or("accepted").substr(0, In(GetParam().Result).size()),
              In(GetParam().Result));
    EXPECT_EQ(options, TFiles());
  } else {
    EXPECT_EQ(error, std::nullopt);
    EXPECT_NE(("\n" + FormatOptionFields(options)).find("\n" + In(GetParam().Result) + "\n"),
              std::string::npos)
        << FormatOptionFields(options);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, OptionFieldsTest,
    ::testing::Values(
        FieldCase{"name=Pic=<#>", "name=Pic=<#>"}, FieldCase{"Digits=9", "digits=9"},
        FieldCase{"start=0", "start=0"}, FieldCase{"transport=COPY", "transport=copy"},
        FieldCase{"case=title", "case=title"}, FieldCase{"enumerate=yes", "enumerate=on"},
        FieldCase{"path=$", "path=$/"},
        FieldCase{"created-date=2026-12-07T14:30", "created-date=2026-12-07 14:30:00"},
        FieldCase{"accessed-increase-by=01:02:03 1m", "accessed-increase-by=0y 1m 0d 01:02:03"},
        FieldCase{"attributes=-h, r+s", "attributes=+R+S-H"},
        FieldCase{"digits=10", "digits: '10' is not a whole number from 1 to 9"},
        FieldCase{"start=-1", "start: '-1' is not a whole number from 0 to 9999999"},
        FieldCase{"step= 5", "step: ' 5' is not a whole number from 1 to 1000"},
        FieldCase{"transport=moved", "transport: 'moved' is not move, leave or copy"},
        FieldCase{"advanced=maybe", "advanced: 'maybe' is neither on nor off"},
        FieldCase{"name=a\nb", "name: a line break cannot stand in this field"},
        FieldCase{"path=relative", "path: 'relative' is no full path"},
        FieldCase{"path=$/none", "path: '$/none' is no directory"},
        FieldCase{"created-date=1979-12-31 23:59:59",
                  "created-date: year 1979 is outside 1980 to 2105"},
        FieldCase{"created-date=2026-02-29", "created-date: '2026-02-29' is no calendar date"},
        FieldCase{"modified-date=7.12.2026",
                  "modified-date: '7.12.2026' is no date and time such as 2026-12-07 14:30:00"},
        FieldCase{"created-increase-by=11y", "created-increase-by: years 11 is outside 0 to 10"},
        FieldCase{"created-increase-by=1m 30d",
                  "created-increase-by: '1m 30d' is no calendar date counted from 1980-01-01"},
        FieldCase{"created-increase-by=1d 2d",
                  "created-increase-by: '1d 2d' is no increase such as 0y 1m 2d 03:04:05"},
        FieldCase{"attributes=+X",
                  "attributes: 'X' is none of R, A, S, H (+R sets read-only, -R clears it)"},
        FieldCase{"digits", "'digits': FIELD=VALUE expected"},
        FieldCase{"colour=red", "'colour': no such field (the fields: path, transport, "}));

TEST(OptionFieldsFormatTest, EveryShownLineIsTakenBackToTheSameRecord) {
  TFiles set;
  testing::TempDir dir;
  PosixFileSystem fs;
  set.Flags = Enumerate | ChangeName | Advanced | DateFromClock, set.CaseMode = kCaseTitleEveryWord;
  set.Digits = 6, set.Step = 5, set.Start = 9999999, set.Transport = kTransportMove;
  set.Name = "<1:3>x", set.Ext = "jpg", set.DateString = "yyyy-mm", set.Path = dir.Path() + "/";
  set.DateFlags = kDateCreated | kDateAccessed, set.IncreaseFlags = kDateAccessed;
  set.CreatedDate = *SystemTimeToFileTime({2105, 12, 0, 31, 23, 59, 59, 0});
  set.AccessedDate = *SystemTimeToFileTime({1980, 2, 0, 29, 0, 0, 1, 0});
  set.ModifiedDate = *SystemTimeToFileTime({2026, 12, 0, 7, 14, 30, 0, 0});
  set.CreatedInc = *EncodeIncrease({10, 11, 30, 23, 59, 59});
  set.AccessedInc = *EncodeIncrease({0, 0, 1, 0, 0, 0});
  set.ModifiedInc = IncreaseBase;
  set.AttrMask = 0x27, set.AttrValues = 0x05;
  const std::string shown = FormatOptionFields(set);
  TFiles back;
  for (std::size_t start = 0, end; (end = shown.find('\n', start)) != std::string::npos;
       start = end + 1)
    ASSERT_EQ(SetOptionField(back, shown.substr(start, end - start), fs), std::nullopt);
  EXPECT_EQ(back, set) << shown;
}

TEST(OptionFieldsFormatTest, ValuesOutsideTheDialogsRangesShowAsTheDialogShowsThem) {
  TFiles stored;  // the start-up defaults: dates 0, no target directory
  stored.Digits = 0, stored.Transport = 7;
  stored.AccessedDate = stored.AccessedInc = kResetDate;
  const std::string shown = FormatOptionFields(stored);
  for (const char* line :
       {"transport=7\n", "digits=1\n", "created-date=1980-01-01 00:00:00\n",
        "created-increase-by=0y 0m 0d 00:00:00\n", "accessed-date=1980-12-31 23:58:06\n",
        "accessed-increase-by=0y 11m 30d 23:58:06\n", "attributes=\n"})
    EXPECT_NE(shown.find(line), std::string::npos) << line << shown;
  EXPECT_EQ(shown.find("path="), std::string::npos);
}

}  // namespace
}  // namespace varnoke
