// The options as FIELD=VALUE lines: each value checked as the options dialog checks
// its field, shown as the dialog shows it, and every shown line taken back.
#include "files/OptionFields.h"

#include <gtest/gtest.h>

#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"

namespace varnoke {
namespace {

// Each assignment ("$" stands for a directory that exists) sets its field, which then shows
// as the line given; or it is refused with a text that begins as given ("field: why") and
// the record stays as it was.
TEST(OptionFieldsTest, SetsAFieldOrSaysWhyNotAndChangesNothing) {
  testing::TempDir dir;
  PosixFileSystem fs;
  auto in = [&](std::string text) {
    if (const std::size_t at = text.find('$'); at != std::string::npos)
      text.replace(at, 1, dir.Path());
    return text;
  };
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"name=Pic=<#>", "name=Pic=<#>"}, {"Digits=9", "digits=9"}, {"start=0", "start=0"},
      {"transport=COPY", "transport=copy"}, {"case=title", "case=title"},
      {"enumerate=yes", "enumerate=on"}, {"path=$", "path=$/"},
      {"created-date=2026-12-07T14:30", "created-date=2026-12-07 14:30:00"},
      {"accessed-increase-by=01:02:03 1m", "accessed-increase-by=0y 1m 0d 01:02:03"},
      {"attributes=-h, r+s", "attributes=+R+S-H"},
      {"digits=10", "digits: '10' is not a whole number from 1 to 9"},
      {"start=-1", "start: '-1' is not a whole number from 0 to 9999999"},
      {"step= 5", "step: ' 5' is not a whole number from 1 to 1000"},
      {"transport=moved", "transport: 'moved' is not move, leave or copy"},
      {"advanced=maybe", "advanced: 'maybe' is neither on nor off"},
      {"name=a\nb", "name: a line break cannot stand in this field"},
      {"path=relative", "path: 'relative' is no full path"},
      {"path=$/none", "path: '$/none' is no directory"},
      {"created-date=1979-12-31 23:59:59", "created-date: year 1979 is outside 1980 to 2105"},
      {"created-date=2026-02-29", "created-date: '2026-02-29' is no calendar date"},
      {"modified-date=7.12.2026", "modified-date: '7.12.2026' is no date and time such as 2026-12-07 14:30:00"},
      {"created-increase-by=11y", "created-increase-by: years 11 is outside 0 to 10"},
      {"created-increase-by=1m 30d", "created-increase-by: '1m 30d' is no calendar date counted from 1980-01-01"},
      {"created-increase-by=1d 2d", "created-increase-by: '1d 2d' is no increase such as 0y 1m 2d 03:04:05"},
      {"attributes=+X", "attributes: 'X' is none of R, A, S, H (+R sets read-only, -R clears it)"},
      {"digits", "'digits': FIELD=VALUE expected"},
      {"colour=red", "'colour': no such field (the fields: path, transport, "}};
  // clang-format on
  for (const auto& [assignment, result] : cases) {
    TFiles options;
    const std::optional<std::string> error = SetOptionField(options, in(assignment), fs);
    if (result.find(": ") != std::string::npos) {
      EXPECT_EQ(error.value_or("accepted").substr(0, in(result).size()), in(result));
      EXPECT_EQ(options, TFiles()) << assignment;
    } else {
      EXPECT_EQ(error, std::nullopt) << assignment;
      EXPECT_NE(("\n" + FormatOptionFields(options)).find("\n" + in(result) + "\n"),
                std::string::npos)
          << FormatOptionFields(options);
    }
  }
}

// Every shown line is taken back to the same record; values outside the dialog's ranges
// show as the dialog shows them.
TEST(OptionFieldsTest, ShownLinesTakenBackAndValuesOutsideTheRangesShownAsTheDialogDoes) {
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

  TFiles stored;  // the start-up defaults: dates 0, no target directory
  stored.Digits = 0, stored.Transport = 7;
  stored.AccessedDate = stored.AccessedInc = kResetDate;
  const std::string outside = FormatOptionFields(stored);
  for (const char* line :
       {"transport=7\n", "digits=1\n", "created-date=1980-01-01 00:00:00\n",
        "created-increase-by=0y 0m 0d 00:00:00\n", "accessed-date=1980-12-31 23:58:06\n",
        "accessed-increase-by=0y 11m 30d 23:58:06\n", "attributes=\n"})
    EXPECT_NE(outside.find(line), std::string::npos) << line << outside;
  EXPECT_EQ(outside.find("path="), std::string::npos);
}

}  // namespace
}  // namespace varnoke
