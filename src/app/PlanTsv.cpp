#include "app/PlanTsv.h"

#include <charconv>
#include <ostream>

namespace varnoke {

namespace {

template <class Number>
void AppendNumber(std::string& out, Number value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

}  // namespace

void AppendPlanTsvLine(std::string& out, const TVrnPrevFile& entry, std::string_view source) {
  AppendNumber(out, entry.FileIndex);
  out += entry.Conflict ? "\t1\t" : "\t0\t";
  out += entry.Busy ? "1\t" : "0\t";
  AppendTsvField(out, entry.Path());
  out += '\t';
  AppendTsvField(out, entry.Name);
  out += '\t';
  AppendTsvField(out, entry.Ext);
  out += '\t';
  AppendNumber(out, entry.Size);
  out += '\t';
  AppendNumber(out, entry.Attr);
  out += '\t';
  AppendNumber(out, entry.Created);
  out += '\t';
  AppendNumber(out, entry.Accessed);
  out += '\t';
  AppendNumber(out, entry.Written);
  out += '\t';
  AppendTsvField(out, source);
  out += '\n';
}

void WritePlanTsv(std::ostream& out, const TVrnFiles& files, const TVrnPrevFiles& preview,
                  const PathRules& rules) {
  constexpr std::size_t kChunk = 1 << 16;  // written in pieces, not one line at a time
  std::string buffer(kPlanTsvHeader);
  buffer.reserve(kChunk + 1024);
  for (int i = 0; i < preview.Count(); ++i) {
    const TVrnPrevFile& entry = preview.Items(i);
    const TVrnFile& file = files.Items(entry.FileIndex);
    AppendPlanTsvLine(buffer, entry, rules.Join(file.Path(), file.Name(), file.Ext()));
    if (buffer.size() >= kChunk) {
      out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
      buffer.clear();
    }
  }
  out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  out.flush();
}

}  // namespace varnoke
