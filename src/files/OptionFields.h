#pragma once
// The renaming options as text: one FIELD=VALUE line for every field of the options
// dialog, by readable names, so that option sets can be made, shown and changed
// without a window. Each value is checked against the range the dialog gives its
// field; the pattern fields themselves are checked by the caller (their check needs
// the method and the wildcards switch of the finished record).
//
//   name, ext, date-string      text
//   path                        target directory: a full path of an existing directory
//   transport                   move, leave or copy
//   case                        none, upper, lower, title or title-every-word
//   start, step, digits         0 to 9999999, 1 to 1000, 1 to 9
//   enumerate, delete-on-conflict, change-name, change-ext, use-wildcards, advanced,
//   disregard-ext                                                 on or off
//   date-source                file, clock or taken: what the date codes show
//                              (date-from-clock=on|off is still taken)
//   created, modified, accessed                  on or off: the file time gets a new value
//   created-from-taken, ...    on or off: that new value is the file's own time taken
//   created-date, ...          local date and time, 2026-12-07 14:30:00 (years 1980 to 2105)
//   created-increase, ...      on or off: the new time increases from file to file
//   created-increase-by, ...   years, months, days and a time, 0y 1m 2d 03:04:05
//                              (0 to 10 years, 0 to 11 months, 0 to 30 days)
//   attributes                 +R set read-only, -R clear it, letters R A S H;
//                              an attribute not named is left as it is
#include <optional>
#include <string>
#include <string_view>

#include "model/TFiles.h"
#include "platform/FileSystem.h"

namespace varnoke {

// Sets one field from "FIELD=VALUE" (the value is everything after the first "=").
// On an unknown field or a value the dialog would not take, returns "FIELD: why" and
// leaves the record as it was.
std::optional<std::string> SetOptionField(TFiles& options, std::string_view assignment,
                                          FileSystem& fs);

// Every field as a "FIELD=VALUE" line, in the dialog's order, each value as the dialog
// shows it (a stored value outside the dialog's range brought into it, a date without
// its fraction of a second). An empty target directory has no line, since none can be
// set. SetOptionField takes every line back.
std::string FormatOptionFields(const TFiles& options);

// A calendar time as the date fields show it, "2026-12-07 14:30:00" (the form --list
// uses for file times as well).
std::string DateTimeText(const SystemTime& time);

}  // namespace varnoke
