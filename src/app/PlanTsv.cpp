#include "app/PlanTsv.h"

#include <charconv>

namespace varnoke {

namespace {

template <class Number>
void AppendNumber(std::string& out, Number value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

}  // namespace

void AppendTsvField(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
}

void AppendPlanTsvLine(std::string& out, const PlanTsvLine& line) {
  AppendNumber(out, line.Index);
  out += line.Conflict ? "\t1\t" : "\t0\t";
  out += line.Busy ? "1\t" : "0\t";
  AppendTsvField(out, line.Path);
  out += '\t';
  AppendTsvField(out, line.Name);
  out += '\t';
  AppendTsvField(out, line.Ext);
  out += '\t';
  AppendNumber(out, line.Size);
  out += '\t';
  AppendNumber(out, line.Attr);
  out += '\t';
  AppendNumber(out, line.Created);
  out += '\t';
  AppendNumber(out, line.Accessed);
  out += '\t';
  AppendNumber(out, line.Written);
  out += '\n';
}

}  // namespace varnoke
