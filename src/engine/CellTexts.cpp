#include "engine/CellTexts.h"

#include <string_view>

#include "engine/ColumnLayout.h"
#include "engine/DateFormat.h"
#include "engine/GridMessages.h"
#include "model/Attributes.h"

namespace varnoke {
namespace {

// What a cell shows of an entry of either list.
struct CellValues {
  bool Busy;
  std::string_view Path, Name, Ext;
  std::uint64_t Size;
  std::uint32_t Attr;
  FileTime Written, Accessed, Created;
};

std::string Grouped(std::uint64_t n, std::string_view separator) {
  const std::string digits = std::to_string(n);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out.append(separator);
    out.push_back(digits[i]);
  }
  return out;
}

// n / unit, rounded half away from zero, without overflow near the top of the range.
std::uint64_t RoundedQuotient(std::uint64_t n, std::uint64_t unit) {
  return n / unit + (n % unit >= unit / 2 ? 1 : 0);
}

std::string Text(const CellValues& v, int columnId, const FormatSettings& settings,
                 const PathRules& rules) {
  if (columnId == kPathColumn) return rules.DisplayDirectory(v.Path);
  if (columnId == kNameColumn) return std::string(v.Name);
  if (columnId == kExtColumn) return std::string(v.Ext);
  if (columnId < kSizeColumn || columnId > kCreatedColumn) return {};
  if (v.Busy) return std::string(kBusyCellText);
  if (columnId == kSizeColumn) return SizeText(v.Size, settings);
  if (columnId == kAttribColumn) return AttributeText(v.Attr);
  return TimeText(columnId == kWrittenColumn    ? v.Written
                  : columnId == kAccessedColumn ? v.Accessed
                                                : v.Created,
                  settings);
}

}  // namespace

std::string WidestTimeText(const FormatSettings& settings) {
  SystemTime widest;
  widest.Year = 2088;
  widest.Month = 12;
  widest.Day = 28;
  widest.Hour = 20;  // 8 PM where hours go by twelve, 20 where they do not
  widest.Minute = 58;
  widest.Second = 58;
  return TimeText(SystemTimeToFileTime(widest).value_or(0), settings);
}

std::string OldNameText(const TVrnPrevFile& entry, const TVrnFiles& files) {
  if (entry.FileIndex < 0 || entry.FileIndex >= files.Count()) return {};
  const TVrnFile& file = files.Items(entry.FileIndex);
  std::string name(file.Name());
  if (!file.Ext().empty()) name.append(".").append(file.Ext());
  return name;
}

std::string SizeText(std::uint64_t size, const FormatSettings& settings) {
  constexpr std::uint64_t kKb = 1024, kMb = 1024 * 1024;
  if (size < 5 * kKb) return Grouped(size, settings.ThousandSeparator) + " b";
  if (size <= 5 * kMb)
    return Grouped(RoundedQuotient(size, kKb), settings.ThousandSeparator) + " Kb";
  return Grouped(RoundedQuotient(size, kMb), settings.ThousandSeparator) + " Mb";
}

std::string AttributeText(std::uint32_t attr) {
  std::string out = "____";
  if (attr & kAttrReadOnly) out[0] = 'R';
  if (attr & kAttrArchive) out[1] = 'A';
  if (attr & kAttrSystem) out[2] = 'S';
  if (attr & kAttrHidden) out[3] = 'H';
  return out;
}

std::string TimeText(FileTime time, const FormatSettings& settings) {
  if (time == 0) return {};
  auto fields = FileTimeToSystemTime(time);
  if (!fields) return {};
  fields->Milliseconds = 0;
  return FormatDateTime(settings.ShortDateFormat, *fields, settings) + " " +
         FormatDateTime(settings.LongTimeFormat, *fields, settings);
}

std::string CellText(const TVrnFile& f, int columnId, const FormatSettings& settings,
                     const PathRules& rules) {
  return Text(
      {f.Busy, f.Path(), f.Name(), f.Ext(), f.Size, f.Attr, f.Written, f.Accessed, f.Created},
      columnId, settings, rules);
}

std::string CellText(const TVrnPrevFile& e, int columnId, const FormatSettings& settings,
                     const PathRules& rules) {
  return Text({e.Busy, e.Path(), e.Name, e.Ext, e.Size, e.Attr, e.Written, e.Accessed, e.Created},
              columnId, settings, rules);
}

std::string StatusPathText(const TVrnFile& f, const PathRules& rules, const Translation& tr) {
  std::string text = rules.Join(f.Path(), f.Name(), f.Ext());
  if (f.Busy) text.append(tr.Text(kBusySuffix));
  return text;
}

std::string StatusPathText(const TVrnPrevFile& e, const PathRules& rules, const Translation& tr) {
  std::string text = rules.Join(e.Path(), e.Name, e.Ext);
  if (e.Conflict) text.append(tr.Text(kConflictSuffix));
  if (e.Busy) text.append(tr.Text(kBusySuffix));
  return text;
}

}  // namespace varnoke
