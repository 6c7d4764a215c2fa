#pragma once
// The options dialog without its widgets: every value its controls show, loading them
// from a list's options, which controls are enabled, taking the values over with "&OK"
// or "&Default", the buttons of the date rows, the menu commands, the ranges of the
// number fields and the sample of new names shown beneath the pages.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Services.h"
#include "model/Attributes.h"
#include "model/PathRules.h"
#include "model/TFiles.h"
#include "model/TVrnFile.h"
#include "platform/FileStore.h"

namespace varnoke {

// The range of a number field.
struct NumberRange {
  int Min;
  int Max;
};
inline constexpr NumberRange kStartRange{0, 9999999};
inline constexpr NumberRange kStepRange{1, 1000};
inline constexpr NumberRange kDigitsRange{1, 9};
// Date rows (the month is a list of twelve items).
inline constexpr NumberRange kDayRange{1, 31};
inline constexpr NumberRange kYearRange{1980, 2105};
inline constexpr NumberRange kHourRange{0, 23};
inline constexpr NumberRange kMinuteRange{0, 59};  // minutes and seconds
// Increase rows (the months are a list of the items "0" to "11").
inline constexpr NumberRange kIncreaseDaysRange{0, 30};
inline constexpr NumberRange kIncreaseYearsRange{0, 10};

// A value set into a number field: brought into the field's range.
int ClampToRange(long long value, NumberRange range);
// What a number field reads from its text: a whole number brought into the range; the
// minimum for a text that is no whole number.
int FieldNumber(std::string_view text, NumberRange range);

struct DateRowValues {
  int Day = 1;
  int Month = 0;  // item of the month list: 0 is January
  int Year = 1980;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  bool operator==(const DateRowValues&) const = default;
};

struct IncreaseRowValues {
  int Days = 0;
  int Months = 0;  // item of the months list, the number itself
  int Years = 0;
  int Hours = 0;
  int Minutes = 0;
  int Seconds = 0;
  bool operator==(const IncreaseRowValues&) const = default;
};

// One block of the dates page: its date row and its increase row with their check boxes.
struct DateBlockValues {
  bool Set = false;        // "Created:", "Modified:", "Accessed:"
  bool FromTaken = false;  // "Set from time taken": the file's own time instead of the date
  DateRowValues Date;
  bool Increase = false;  // "Increase:"
  IncreaseRowValues By;
  bool operator==(const DateBlockValues&) const = default;
};

// The blocks in the order of the page, and the record fields of each.
enum DateBlock { kCreatedBlock = 0, kModifiedBlock = 1, kAccessedBlock = 2 };
struct DateBlockFields {
  std::uint8_t Bit;  // in DateFlags and IncreaseFlags
  FileTime TFiles::*Date;
  FileTime TFiles::*Increase;
};
inline constexpr std::array<DateBlockFields, 3> kDateBlocks = {
    DateBlockFields{kDateCreated, &TFiles::CreatedDate, &TFiles::CreatedInc},
    DateBlockFields{kDateModified, &TFiles::ModifiedDate, &TFiles::ModifiedInc},
    DateBlockFields{kDateAccessed, &TFiles::AccessedDate, &TFiles::AccessedInc}};

// The attribute rows in the order of the page: read-only, archive, system, hidden.
inline constexpr std::array<std::uint8_t, 4> kAttributeRows = {kAttrReadOnly, kAttrArchive,
                                                               kAttrSystem, kAttrHidden};
struct AttributeRowValues {
  bool Set = false;  // "Set:": the attribute is changed
  bool On = false;   // "Attribute:": the value it gets
  bool operator==(const AttributeRowValues&) const = default;
};

// Everything the dialog's controls show.
struct OptionsFormValues {
  // Names page.
  std::string Directory;            // the directory the directory tree shows
  int Transport = kTransportLeave;  // item of "File transportation"
  bool DeleteOnConflict = false;    // "On name conflict": item 1
  int Start = 1;
  int Step = 1;
  int Digits = 1;
  std::string Name;       // "New filename:"
  std::string Ext;        // "New extension:"
  bool Advanced = false;  // "Method": item 1
  bool ChangeName = false;
  bool ChangeExt = false;
  bool ChangeCase = false;
  int CaseItem = 0;  // item of "Character case"
  bool Enumerate = false;
  bool UseWildcards = false;
  bool DisregardExt = false;
  DateSource DateCodes = DateSource::File;  // the date-code group: item 0, 1 or 2
  std::string DateString;
  // Dates and attributes page.
  std::array<DateBlockValues, 3> Dates;
  std::array<AttributeRowValues, 4> Attributes;
  bool operator==(const OptionsFormValues&) const = default;
};

// Loads the values from a record, as when the dialog opens and after each of its menu
// commands. An empty target directory leaves the directory shown as it is; values out
// of a control's range are brought into it.
void FormCreate(const TFiles& record, const PathRules& rules, OptionsFormValues& values);

// Which controls are enabled for the values shown. Attribute boxes are always enabled;
// disabled controls keep their values and are taken over all the same.
struct OptionsFormEnabling {
  bool Name = true;          // Edit1, Label3
  bool Ext = true;           // Edit2, Label6
  bool ChangeExt = true;     // CheckBox3
  bool CaseItems = true;     // RadioGroup4
  bool Numbers = true;       // SpinEdit1, SpinEdit3, SpinEdit2, Label4, Label1, Label5
  bool UseWildcards = true;  // CheckBox5
  bool Directory = true;     // Label2, DriveComboBox1, DirectoryListBox1
  // The date and increase rows of each block: they mean nothing while its time is set
  // from the time taken.
  std::array<bool, 3> DateRows = {true, true, true};
  bool operator==(const OptionsFormEnabling&) const = default;
};
OptionsFormEnabling EnabledControls(const OptionsFormValues& values);

// What the values are taken over for: "&OK" into the list's options (with the date-format
// check), "&Default" into the defaults (without it).
enum class TakeOverFor { Ok, Default };

// What checking and taking over need besides the values.
struct TakeOverContext {
  const PathRules& Rules;
  const FormatSettings& Regional;
  Clock& Time;
};

// Takes the values over into `record`: first the attributes, the date switches, the
// dates and the increases (a row that is no calendar date leaves its field as it was),
// then the checks of the new-name field, the new-extension field and (for "&OK") the
// date format, then the rest. A failed check returns its message: the record then holds
// the attribute and date values and nothing of the rest. The search switches, the
// add-files directory, the filters, the text-editing choice and byte 15 are never
// touched.
std::optional<UiText> TakeOverOptions(const OptionsFormValues& values, TFiles& record,
                                      TakeOverFor what, const TakeOverContext& context);

// The date row of a local time (its year brought up to 1980 or down to 2105); nullopt
// when the time is no calendar time.
std::optional<DateRowValues> DateRowOf(FileTime local);
DateRowValues DateRowOf(const SystemTime& local);
// "Now": the current local time.
DateRowValues NowDateRow(Clock& clock);
// "Last": the block's date in the record; nullopt when it is no calendar time.
std::optional<DateRowValues> LastDateRow(const TFiles& record, DateBlock block);
// The increase row of a stored increase, each field brought into its range.
IncreaseRowValues IncreaseRowOf(FileTime increase);

// The menu commands that work on the record at once.
enum class QuickSetting { ResetAll, ResetNames, ResetDates, ResetAttributes };
// Runs the command on the record and loads the values again from it.
void ApplyQuickSetting(QuickSetting command, TFiles& record, const PathRules& rules,
                       OptionsFormValues& values);

// The sample of new names: the first files of the list with the names the values shown
// would give them.
inline constexpr int kSampleFiles = 10;
struct SampleRow {
  std::string File;     // name and extension as listed
  std::string NewName;  // the planned name, or why the file would be left out
  bool Conflict = false;
  bool Busy = false;
  bool LeftOut = false;
  bool NoTimeTaken = false;  // its date codes show its file time: it records no time taken
  bool operator==(const SampleRow&) const = default;
};
struct OptionsSample {
  // Shown instead of the rows: the message of a field that would not be taken over, or
  // what planning would ask about the values.
  std::optional<std::string> Message;
  std::vector<SampleRow> Rows;
};

// Plans the first kSampleFiles files of `files` with a copy of `record` that has the
// values taken over. Neither the record nor the list is changed, no file is changed
// and nobody is asked anything: what planning would say is part of the sample.
OptionsSample MakeOptionsSample(const OptionsFormValues& values, const TFiles& record,
                                const TVrnFiles& files, const Services& program);

}  // namespace varnoke
