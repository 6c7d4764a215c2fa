#pragma once
// The regional settings of the C library's locale, translated into the date-format
// language of the date codes ("%d.%m.%Y" becomes "dd/mm/yyyy" with "." as the date
// separator).
#include <array>
#include <string>
#include <string_view>

#include "model/FormatSettings.h"

namespace varnoke {

// The locale texts the record is made from, as nl_langinfo gives them.
struct LocaleTexts {
  std::string DateFormat;      // D_FMT
  std::string TimeFormat;      // T_FMT
  std::string TimeFormatAmPm;  // T_FMT_AMPM
  std::string DateTimeFormat;  // D_T_FMT
  std::string Am, Pm;          // AM_STR, PM_STR
  std::string Radix;           // RADIXCHAR
  std::string Thousands;       // THOUSEP: empty where digits are not grouped
  std::string Eras;            // ERA: "direction:offset:start:end:name:format" segments
  std::array<std::string, 12> ShortMonths, LongMonths;
  std::array<std::string, 7> ShortDays, LongDays;  // Sunday first
};

// The settings of the locale the environment names (LC_TIME, LC_NUMERIC, LC_ALL,
// LANG); the "C" locale when it names none that is installed. The process's own
// locale is not changed.
FormatSettings PosixLocaleFormatSettings();

// The pure part: the record made from the locale texts.
FormatSettings TranslateLocale(const LocaleTexts& texts);

// One strftime format in the date-format language; literal text equal to the given
// separators becomes "/" or ":", other literal letters are quoted.
std::string TranslateStrftime(std::string_view format, std::string_view timeFormatAmPm,
                              std::string_view dateSeparator, std::string_view timeSeparator);

}  // namespace varnoke
