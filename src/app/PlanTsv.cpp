#include "app/PlanTsv.h"

#include "engine/TimesTaken.h"

#include <charconv>
#include <cstdio>
#include <ostream>

namespace varnoke {

namespace {

template <class Number>
void AppendNumber(std::string& out, Number value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

void AppendTakenField(std::string& out, std::optional<FileTime> taken) {
  const std::optional<SystemTime> st = taken ? FileTimeToSystemTime(*taken) : std::nullopt;
  if (!st) return;
  char text[40];
  int n = std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u", unsigned{st->Year},
                        unsigned{st->Month}, unsigned{st->Day}, unsigned{st->Hour},
                        unsigned{st->Minute}, unsigned{st->Second});
  if (st->Milliseconds != 0)
    n += std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), ".%03u",
                       unsigned{st->Milliseconds});
  out.append(text, static_cast<std::size_t>(n));
}

}  // namespace

void AppendPlanTsvLine(std::string& out, const TVrnPrevFile& entry, std::string_view source,
                       std::optional<FileTime> taken) {
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
  out += '\t';
  AppendTakenField(out, taken);
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
    AppendPlanTsvLine(buffer, entry, rules.Join(file.Path(), file.Name(), file.Ext()),
                      TimeTakenOf(file));
    if (buffer.size() >= kChunk) {
      out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
      buffer.clear();
    }
  }
  out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  out.flush();
}

}  // namespace varnoke
