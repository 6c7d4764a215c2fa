#pragma once
// The plan as tab-separated text (varnoke-cli --plan=tsv): one header line, then one
// line per preview entry in preview order. Scripts rely on this format: columns are
// only ever added at the end.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "engine/TsvField.h"
#include "model/PathRules.h"
#include "model/TVrnFile.h"
#include "model/TVrnPrevFile.h"

namespace varnoke {

inline constexpr std::string_view kPlanTsvHeader =
    "index\tconflict\tbusy\tpath\tname\text\tsize\tattr\tcreated\taccessed\twritten\tsource\t"
    "taken\n";

// One entry's line, ending in a line feed; numbers in decimal, flags as 0 or 1,
// times as FILETIME counts, the full path of the file before the run, and last the time
// it was taken as local ISO 8601 time ("2021-07-04T15:30:45", ".250" where the file gives
// a fraction of a second), empty when it records none.
void AppendPlanTsvLine(std::string& out, const TVrnPrevFile& entry, std::string_view source,
                       std::optional<FileTime> taken);

// The header and every entry of the preview, planned from `files`, in preview order.
void WritePlanTsv(std::ostream& out, const TVrnFiles& files, const TVrnPrevFiles& preview,
                  const PathRules& rules);

}  // namespace varnoke
