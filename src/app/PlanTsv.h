#pragma once
// The plan as tab-separated text (varnoke-cli --plan=tsv): one header line, then one
// line per preview entry in preview order. Scripts rely on this format: columns are
// only ever added at the end.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/FileTime.h"

namespace varnoke {

inline constexpr std::string_view kPlanTsvHeader =
    "index\tconflict\tbusy\tpath\tname\text\tsize\tattr\tcreated\taccessed\twritten\n";

// A text as one field: tab, line feed and backslash written as \t, \n and \\.
void AppendTsvField(std::string& out, std::string_view text);

struct PlanTsvLine {
  std::int32_t Index = 0;
  bool Conflict = false;
  bool Busy = false;
  std::string_view Path;
  std::string_view Name;
  std::string_view Ext;
  std::uint32_t Size = 0;
  std::uint32_t Attr = 0;
  FileTime Created = 0;
  FileTime Accessed = 0;
  FileTime Written = 0;
};

// One entry's line, ending in a line feed; numbers in decimal, flags as 0 or 1,
// times as FILETIME counts.
void AppendPlanTsvLine(std::string& out, const PlanTsvLine& line);

}  // namespace varnoke
