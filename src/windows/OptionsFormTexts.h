#pragma once
// The options dialog's captions, items and tool tips, exactly as the user sees them in
// English, marked for translation.
#include <array>

#include "platform/UiText.h"

namespace varnoke {

inline constexpr UiText kOptionsCaption = VARNOKE_UI("TOptionsForm", "Options");
inline constexpr UiText kNamesPage = VARNOKE_UI("TOptionsForm", "Names");
inline constexpr UiText kDatesPage = VARNOKE_UI("TOptionsForm", "Dates and attributes");
// What screen readers call the notebook.
inline constexpr UiText kOptionPagesName = VARNOKE_UI("TOptionsForm", "Option pages");

// Names page.
inline constexpr UiText kTargetDirectoryLabel = VARNOKE_UI("TOptionsForm", "Target directory:");
inline constexpr UiText kTransportCaption = VARNOKE_UI("TOptionsForm", "File transportation");
inline constexpr std::array<UiText, 3> kTransportItems = {VARNOKE_UI("TOptionsForm", "Move files"),
                                                          VARNOKE_UI("TOptionsForm", "Leave files"),
                                                          VARNOKE_UI("TOptionsForm", "Copy files")};
inline constexpr UiText kConflictCaption = VARNOKE_UI("TOptionsForm", "On name conflict");
inline constexpr std::array<UiText, 2> kConflictItems = {
    VARNOKE_UI("TOptionsForm", "Add suffix (#1)"),
    VARNOKE_UI("TOptionsForm", "Delete to recycle bin")};
inline constexpr UiText kStartLabel = VARNOKE_UI("TOptionsForm", "Start");
inline constexpr UiText kStepLabel = VARNOKE_UI("TOptionsForm", "Step:");
inline constexpr UiText kDigitsLabel = VARNOKE_UI("TOptionsForm", "Digits:");
inline constexpr UiText kNewFilenameLabel = VARNOKE_UI("TOptionsForm", "New filename:");
inline constexpr UiText kNewExtensionLabel = VARNOKE_UI("TOptionsForm", "New extension:");
inline constexpr UiText kMethodCaption = VARNOKE_UI("TOptionsForm", "Method");
inline constexpr std::array<UiText, 2> kMethodItems = {
    VARNOKE_UI("TOptionsForm", "Standard (file name + number + extensjon)"),
    VARNOKE_UI("TOptionsForm", "Advanced renaming system (*, ?, <1:2>, \"a?:b*\", <#>)")};
inline constexpr UiText kChangeFileName = VARNOKE_UI("TOptionsForm", "Change file name");
inline constexpr UiText kChangeExtension = VARNOKE_UI("TOptionsForm", "Change extension");
inline constexpr UiText kChangeCase = VARNOKE_UI("TOptionsForm", "Change case");
inline constexpr UiText kCaseCaption = VARNOKE_UI("TOptionsForm", "Character case");
inline constexpr std::array<UiText, 4> kCaseItems = {
    VARNOKE_UI("TOptionsForm", "UPPERCASE"), VARNOKE_UI("TOptionsForm", "lowercase"),
    VARNOKE_UI("TOptionsForm", "Title case"),
    VARNOKE_UI("TOptionsForm", "Title Case In Every Word")};
inline constexpr UiText kEnumerateFiles = VARNOKE_UI("TOptionsForm", "Enumerate files");
inline constexpr UiText kUseWildcards = VARNOKE_UI("TOptionsForm", "Use wildcards");
inline constexpr UiText kDisregardExtension = VARNOKE_UI("TOptionsForm", "Disregard extension");
inline constexpr UiText kDateCodeCaption = VARNOKE_UI("TOptionsForm", "Date (insert code: '|') ");
inline constexpr std::array<UiText, 3> kDateCodeItems = {VARNOKE_UI("TOptionsForm", "File time"),
                                                         VARNOKE_UI("TOptionsForm", "Clock"),
                                                         VARNOKE_UI("TOptionsForm", "Time taken")};
// The date format field stands in the date-code group without a label of its own.
inline constexpr UiText kDateFormatName = VARNOKE_UI("TOptionsForm", "Date format");

// Dates and attributes page.
inline constexpr UiText kDatesHeading = VARNOKE_UI("TOptionsForm", "Dates:");
inline constexpr std::array<UiText, 3> kDateRowCaptions = {VARNOKE_UI("TOptionsForm", "Created:"),
                                                           VARNOKE_UI("TOptionsForm", "Modified:"),
                                                           VARNOKE_UI("TOptionsForm", "Accessed:")};
// The rows without their colons, in what screen readers call their fields.
inline constexpr std::array<UiText, 3> kDateRowNames = {VARNOKE_UI("TOptionsForm", "Created"),
                                                        VARNOKE_UI("TOptionsForm", "Modified"),
                                                        VARNOKE_UI("TOptionsForm", "Accessed")};
inline constexpr UiText kIncreaseCaption = VARNOKE_UI("TOptionsForm", "Increase:");
inline constexpr UiText kNowButton = VARNOKE_UI("TOptionsForm", "Now");
inline constexpr UiText kLastButton = VARNOKE_UI("TOptionsForm", "Last");
inline constexpr UiText kResetButton = VARNOKE_UI("TOptionsForm", "Reset");
// Beside each date row: the file's own time taken instead of the row's date.
inline constexpr UiText kFromTakenCaption = VARNOKE_UI("TOptionsForm", "Set from time taken");
inline constexpr UiText kFromTakenTip = VARNOKE_UI(
    "TOptionsForm",
    "Gives each file the time its photo or video was taken.\r\nFiles that record none keep "
    "this time as it is.");
inline constexpr std::array<UiText, 12> kMonthItems = {
    VARNOKE_UI("TOptionsForm", "Jan"), VARNOKE_UI("TOptionsForm", "Feb"),
    VARNOKE_UI("TOptionsForm", "Mar"), VARNOKE_UI("TOptionsForm", "Apr"),
    VARNOKE_UI("TOptionsForm", "May"), VARNOKE_UI("TOptionsForm", "Jun"),
    VARNOKE_UI("TOptionsForm", "Jul"), VARNOKE_UI("TOptionsForm", "Aug"),
    VARNOKE_UI("TOptionsForm", "Sep"), VARNOKE_UI("TOptionsForm", "Oct"),
    VARNOKE_UI("TOptionsForm", "Nov"), VARNOKE_UI("TOptionsForm", "Dec")};
// What screen readers call the fields of a date row and of an increase row, and how
// they join them to the row's name.
inline constexpr std::array<UiText, 6> kDateFieldNames = {
    VARNOKE_UI("TOptionsForm", "day"),    VARNOKE_UI("TOptionsForm", "month"),
    VARNOKE_UI("TOptionsForm", "year"),   VARNOKE_UI("TOptionsForm", "hour"),
    VARNOKE_UI("TOptionsForm", "minute"), VARNOKE_UI("TOptionsForm", "second")};
inline constexpr std::array<UiText, 6> kIncreaseFieldNames = {
    VARNOKE_UI("TOptionsForm", "days"),    VARNOKE_UI("TOptionsForm", "months"),
    VARNOKE_UI("TOptionsForm", "years"),   VARNOKE_UI("TOptionsForm", "hours"),
    VARNOKE_UI("TOptionsForm", "minutes"), VARNOKE_UI("TOptionsForm", "seconds")};
inline constexpr UiText kDateFieldName =
    VARNOKE_UI3("TOptionsForm", "%1 %2", "a date field: the row, then the field");
inline constexpr UiText kIncreaseFieldName =
    VARNOKE_UI3("TOptionsForm", "%1 increase %2", "an increase field: the row, then the field");
inline constexpr UiText kFromTakenName =
    VARNOKE_UI3("TOptionsForm", "%1 %2", "the row, then 'Set from time taken'");
inline constexpr UiText kAttributesHeading = VARNOKE_UI("TOptionsForm", "Attributes:");
inline constexpr UiText kSetHeading = VARNOKE_UI("TOptionsForm", "Set:");
inline constexpr UiText kAttributeHeading = VARNOKE_UI("TOptionsForm", "Attribute:");
// In the order of the rows: read-only, archive, system, hidden.
inline constexpr std::array<UiText, 4> kAttributeCaptions = {
    VARNOKE_UI("TOptionsForm", "Read-only"), VARNOKE_UI("TOptionsForm", "Archive"),
    VARNOKE_UI("TOptionsForm", "System"), VARNOKE_UI("TOptionsForm", "Hidden")};
// What screen readers call the box that sets an attribute, the attribute in it.
inline constexpr UiText kSetAttributeName = VARNOKE_UI("TOptionsForm", "Set %1");

// Buttons and menu.
inline constexpr UiText kConventionsButton = VARNOKE_UI("TOptionsForm", "Conventions");
inline constexpr UiText kDefaultButton = VARNOKE_UI("TOptionsForm", "&Default");
inline constexpr UiText kCancelButton = VARNOKE_UI("TOptionsForm", "&Cancel");
inline constexpr UiText kOkButton = VARNOKE_UI("TOptionsForm", "&OK");
inline constexpr UiText kQuickSettingsMenu = VARNOKE_UI("TOptionsForm", "&Quick Settings");
inline constexpr UiText kResetAllItem =
    VARNOKE_UI3("TOptionsForm", "&Reset all", "Quick Settings menu");
inline constexpr UiText kResetNamesItem =
    VARNOKE_UI3("TOptionsForm", "Reset &names", "Quick Settings menu");
inline constexpr UiText kResetDatesItem =
    VARNOKE_UI3("TOptionsForm", "Reset &dates", "Quick Settings menu");
inline constexpr UiText kResetAttributesItem =
    VARNOKE_UI3("TOptionsForm", "Reset &attributes", "Quick Settings menu");
inline constexpr UiText kOpenItem = VARNOKE_UI3("TOptionsForm", "&Open", "Quick Settings menu");
inline constexpr UiText kSaveAsItem =
    VARNOKE_UI3("TOptionsForm", "&Save as", "Quick Settings menu");

// Tool tips.
inline constexpr UiText kTargetDirectoryTip = VARNOKE_UI(
    "TOptionsForm",
    "Choose 'Copy files' or 'Move files' in the\r\nfile transportation box to copy/move \r\nthe "
    "files to the specified directory.");
inline constexpr UiText kTransportTip = VARNOKE_UI(
    "TOptionsForm",
    "Choose 'Copy files' or 'Move files' and\r\nspecify the appropriate directory to\r\ncopy/move "
    "files.");
inline constexpr UiText kMethodTip = VARNOKE_UI(
    "TOptionsForm",
    "Enables wild card characters and some\r\nspecial codes that are documented in\r\nthe help "
    "file. Press F1 to read the help file.");
inline constexpr UiText kDisregardExtensionTip = VARNOKE_UI(
    "TOptionsForm", "Treats the original file name and \r\nextension as one single string.");
inline constexpr UiText kDateCodeTip = VARNOKE_UI(
    "TOptionsForm",
    "Specifies the format of the date codes\r\nentered into the file name or extension.\r\nPress "
    "F1 to read about the conventions.");

// The sample of new names beneath the pages.
inline constexpr UiText kSampleCaption = VARNOKE_UI("TOptionsForm", "Sample of new names");
inline constexpr std::array<UiText, 2> kSampleColumns = {VARNOKE_UI("TOptionsForm", "File"),
                                                         VARNOKE_UI("TOptionsForm", "New name")};

}  // namespace varnoke
