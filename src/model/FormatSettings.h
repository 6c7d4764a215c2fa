#pragma once
// The user's regional settings as the date codes read them: separators, the short and
// long date and time formats (written in the date-format language of the date codes,
// where "/" and ":" stand for the separators), the names of months and days, the AM
// and PM texts and the eras of the calendar. The platform fills it from its locale;
// tests pin EnglishFormatSettings().
#include <array>
#include <string>
#include <vector>

namespace varnoke {

// One era of the calendar: from its first day on, year-in-era = year - StartYear + Offset.
struct CalendarEra {
  int StartYear = 1;
  int StartMonth = 1;
  int StartDay = 1;
  int Offset = 1;
  std::string Name;
};

struct FormatSettings {
  std::string DateSeparator = "/";
  std::string TimeSeparator = ":";
  std::string DecimalSeparator = ".";
  // Put between groups of three digits of whole numbers; may be empty (no grouping).
  std::string ThousandSeparator = ",";
  std::string ShortDateFormat;
  std::string LongDateFormat;
  std::string ShortTimeFormat;
  std::string LongTimeFormat;
  std::string TimeAMString;
  std::string TimePMString;
  std::array<std::string, 12> ShortMonthNames;  // January first
  std::array<std::string, 12> LongMonthNames;
  std::array<std::string, 7> ShortDayNames;  // Sunday first
  std::array<std::string, 7> LongDayNames;
  // Ascending by start; an empty list is the Gregorian calendar without era names.
  std::vector<CalendarEra> Eras;
};

// United States English, the way Windows sets it up: 2/3/2001, 4:05:06 AM.
inline FormatSettings EnglishFormatSettings() {
  FormatSettings s;
  s.ShortDateFormat = "m/d/yyyy";
  s.LongDateFormat = "dddd, mmmm d, yyyy";
  s.ShortTimeFormat = "h:mm AMPM";
  s.LongTimeFormat = "h:mm:ss AMPM";
  s.TimeAMString = "AM";
  s.TimePMString = "PM";
  s.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  s.LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                      "July",    "August",   "September", "October", "November", "December"};
  s.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  s.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  s.Eras = {CalendarEra{1, 1, 1, 1, "A.D."}};
  return s;
}

}  // namespace varnoke
