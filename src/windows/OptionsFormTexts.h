#pragma once
// The options dialog's captions, items and tool tips, exactly as the user sees them.
#include <array>
#include <string_view>

namespace varnoke {

inline constexpr std::string_view kOptionsCaption = "Options";
inline constexpr std::string_view kNamesPage = "Names";
inline constexpr std::string_view kDatesPage = "Dates and attributes";

// Names page.
inline constexpr std::string_view kTargetDirectoryLabel = "Target directory:";
inline constexpr std::string_view kTransportCaption = "File transportation";
inline constexpr std::array<std::string_view, 3> kTransportItems = {"Move files", "Leave files",
                                                                    "Copy files"};
inline constexpr std::string_view kConflictCaption = "On name conflict";
inline constexpr std::array<std::string_view, 2> kConflictItems = {"Add suffix (#1)",
                                                                   "Delete to recycle bin"};
inline constexpr std::string_view kStartLabel = "Start";
inline constexpr std::string_view kStepLabel = "Step:";
inline constexpr std::string_view kDigitsLabel = "Digits:";
inline constexpr std::string_view kNewFilenameLabel = "New filename:";
inline constexpr std::string_view kNewExtensionLabel = "New extension:";
inline constexpr std::string_view kMethodCaption = "Method";
inline constexpr std::array<std::string_view, 2> kMethodItems = {
    "Standard (file name + number + extensjon)",
    "Advanced renaming system (*, ?, <1:2>, \"a?:b*\", <#>)"};
inline constexpr std::string_view kChangeFileName = "Change file name";
inline constexpr std::string_view kChangeExtension = "Change extension";
inline constexpr std::string_view kChangeCase = "Change case";
inline constexpr std::string_view kCaseCaption = "Character case";
inline constexpr std::array<std::string_view, 4> kCaseItems = {
    "UPPERCASE", "lowercase", "Title case", "Title Case In Every Word"};
inline constexpr std::string_view kEnumerateFiles = "Enumerate files";
inline constexpr std::string_view kUseWildcards = "Use wildcards";
inline constexpr std::string_view kDisregardExtension = "Disregard extension";
inline constexpr std::string_view kDateCodeCaption = "Date (insert code: '|') ";
inline constexpr std::array<std::string_view, 3> kDateCodeItems = {"File time", "Clock",
                                                                   "Time taken"};
// The date format field stands in the date-code group without a label of its own.
inline constexpr std::string_view kDateFormatName = "Date format";

// Dates and attributes page.
inline constexpr std::string_view kDatesHeading = "Dates:";
inline constexpr std::array<std::string_view, 3> kDateRowCaptions = {
    "Created:", "Modified:", "Accessed:"};
inline constexpr std::string_view kIncreaseCaption = "Increase:";
inline constexpr std::string_view kNowButton = "Now";
inline constexpr std::string_view kLastButton = "Last";
inline constexpr std::string_view kResetButton = "Reset";
// Beside each date row: the file's own time taken instead of the row's date.
inline constexpr std::string_view kFromTakenCaption = "Set from time taken";
inline constexpr std::string_view kFromTakenTip =
    "Gives each file the time its photo or video was taken.\r\nFiles that record none keep "
    "this time as it is.";
inline constexpr std::array<std::string_view, 12> kMonthItems = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// What screen readers call the fields of a date row and of an increase row.
inline constexpr std::array<std::string_view, 6> kDateFieldNames = {"day",  "month",  "year",
                                                                    "hour", "minute", "second"};
inline constexpr std::array<std::string_view, 6> kIncreaseFieldNames = {
    "days", "months", "years", "hours", "minutes", "seconds"};
inline constexpr std::string_view kAttributesHeading = "Attributes:";
inline constexpr std::string_view kSetHeading = "Set:";
inline constexpr std::string_view kAttributeHeading = "Attribute:";
// In the order of the rows: read-only, archive, system, hidden.
inline constexpr std::array<std::string_view, 4> kAttributeCaptions = {"Read-only", "Archive",
                                                                       "System", "Hidden"};

// Buttons and menu.
inline constexpr std::string_view kConventionsButton = "Conventions";
inline constexpr std::string_view kDefaultButton = "&Default";
inline constexpr std::string_view kCancelButton = "&Cancel";
inline constexpr std::string_view kOkButton = "&OK";
inline constexpr std::string_view kQuickSettingsMenu = "&Quick Settings";
inline constexpr std::string_view kResetAllItem = "&Reset all";
inline constexpr std::string_view kResetNamesItem = "Reset &names";
inline constexpr std::string_view kResetDatesItem = "Reset &dates";
inline constexpr std::string_view kResetAttributesItem = "Reset &attributes";
inline constexpr std::string_view kOpenItem = "&Open";
inline constexpr std::string_view kSaveAsItem = "&Save as";

// Tool tips.
inline constexpr std::string_view kTargetDirectoryTip =
    "Choose 'Copy files' or 'Move files' in the\r\nfile transportation box to copy/move \r\nthe "
    "files to the specified directory.";
inline constexpr std::string_view kTransportTip =
    "Choose 'Copy files' or 'Move files' and\r\nspecify the appropriate directory to\r\ncopy/move "
    "files.";
inline constexpr std::string_view kMethodTip =
    "Enables wild card characters and some\r\nspecial codes that are documented in\r\nthe help "
    "file. Press F1 to read the help file.";
inline constexpr std::string_view kDisregardExtensionTip =
    "Treats the original file name and \r\nextension as one single string.";
inline constexpr std::string_view kDateCodeTip =
    "Specifies the format of the date codes\r\nentered into the file name or extension.\r\nPress "
    "F1 to read about the conventions.";

// The sample of new names beneath the pages.
inline constexpr std::string_view kSampleCaption = "Sample of new names";
inline constexpr std::array<std::string_view, 2> kSampleColumns = {"File", "New name"};

}  // namespace varnoke
