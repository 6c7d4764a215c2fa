#pragma once
// The texts of the cells of the file-list and preview grids, and of the status bar
// panel that shows the selected entry. Both grids share them; the preview shows the
// planned values of its entries.
#include <cstdint>
#include <string>

#include "model/FileTime.h"
#include "model/FormatSettings.h"
#include "model/PathRules.h"
#include "model/TVrnFile.h"
#include "model/TVrnPrevFile.h"
#include "platform/Translation.h"

namespace varnoke {

// Below 5120 bytes "<n> b", up to 5 MiB "<n / 1024> Kb", above "<n / 1048576> Mb": whole
// numbers rounded half away from zero, digits grouped by threes with the locale's
// thousands separator. Under English settings 5119 is "5,119 b", 7680 "8 Kb".
std::string SizeText(std::uint64_t size, const FormatSettings& settings);

// "R" read-only, "A" archive, "S" system, "H" hidden, each "_" when the bit is clear: a
// normal archived file is "_A__".
std::string AttributeText(std::uint32_t attr);

// The calendar fields of the time as they are (UTC, not turned into local time): the
// short date, a blank, the long time. Zero, which stands for no time at all, and a time
// past the calendar's end give an empty text.
std::string TimeText(FileTime time, const FormatSettings& settings);
// The time text with every field at its widest (two-digit months, days and hours, 8s),
// which a time column must hold to show any time whole.
std::string WidestTimeText(const FormatSettings& settings);

// The text of the cell of column id `columnId` (engine/ColumnLayout.h): the directory as
// the user sees it, the name, the extension, the size, attribute or time text. Size,
// attributes and times of a busy entry are "???"; the icon column has no text.
std::string CellText(const TVrnFile& file, int columnId, const FormatSettings& settings,
                     const PathRules& rules);
std::string CellText(const TVrnPrevFile& entry, int columnId, const FormatSettings& settings,
                     const PathRules& rules);

// The preview's "Old name": the name and extension of the listed file an entry plans for,
// as they are now; empty when the entry names no listed file.
std::string OldNameText(const TVrnPrevFile& entry, const TVrnFiles& files);

// The status bar's text for the single selected entry: the full path, then " (BUSY)"
// for a busy file; for a preview entry the planned full path, then " (CONFLICT)" and
// " (BUSY)" as the entry is marked, in the language of `tr`.
std::string StatusPathText(const TVrnFile& file, const PathRules& rules, const Translation& tr);
std::string StatusPathText(const TVrnPrevFile& entry, const PathRules& rules,
                           const Translation& tr);

}  // namespace varnoke
