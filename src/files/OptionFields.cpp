#include "files/OptionFields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <functional>
#include <vector>

#include "model/Attributes.h"
#include "model/PathRules.h"

namespace varnoke {
namespace {

using Error = std::optional<std::string>;

struct Field {
  std::string_view Name;
  // The value as the dialog shows it; nullopt when the field has no line.
  std::function<std::optional<std::string>(const TFiles&)> Show;
  // Takes a value, or says why not (without the field's name).
  std::function<Error(TFiles&, std::string_view, FileSystem&)> Set;
};

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// Decimal digits only, no sign or blanks.
std::optional<int> Digits(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
  const auto parsed = std::from_chars(text.data(), end, value);
  if (parsed.ec != std::errc() || parsed.ptr != end) return std::nullopt;
  return value;
}

// "what 13 is outside 1 to 12", or nothing when the value is in range.
Error OutsideRange(std::string_view what, int value, int min, int max) {
  if (value >= min && value <= max) return std::nullopt;
  return std::string(what) + " " + std::to_string(value) + " is outside " + std::to_string(min) +
         " to " + std::to_string(max);
}

std::optional<bool> OnOff(std::string_view text) {
  const std::string word = AsciiLowerCopy(text);
  if (word == "on" || word == "yes" || word == "true" || word == "1") return true;
  if (word == "off" || word == "no" || word == "false" || word == "0") return false;
  return std::nullopt;
}

Field TextField(std::string_view name, std::string TFiles::*member) {
  return {name, [member](const TFiles& o) { return std::optional(o.*member); },
          [member](TFiles& o, std::string_view value, FileSystem&) -> Error {
            // The dialog's fields are single lines.
            if (value.find_first_of("\r\n") != std::string_view::npos)
              return "a line break cannot stand in this field";
            o.*member = std::string(value);
            return std::nullopt;
          }};
}

template <class Number>
Field NumberField(std::string_view name, Number TFiles::*member, int min, int max) {
  return {name,
          [=](const TFiles& o) {
            return std::optional(std::to_string(std::clamp<long long>(o.*member, min, max)));
          },
          [=](TFiles& o, std::string_view value, FileSystem&) -> Error {
            const std::optional<int> n = Digits(value);
            if (!n || *n < min || *n > max)
              return Quoted(value) + " is not a whole number from " + std::to_string(min) + " to " +
                     std::to_string(max);
            o.*member = static_cast<Number>(*n);
            return std::nullopt;
          }};
}

// A switch: a bit of Flags, DateFlags or IncreaseFlags.
template <class Bits>
Field SwitchField(std::string_view name, Bits TFiles::*member, Bits bit) {
  return {
      name,
      [=](const TFiles& o) { return std::optional<std::string>(o.*member & bit ? "on" : "off"); },
      [=](TFiles& o, std::string_view value, FileSystem&) -> Error {
        const std::optional<bool> on = OnOff(value);
        if (!on) return Quoted(value) + " is neither on nor off";
        o.*member = static_cast<Bits>(*on ? o.*member | bit : o.*member & ~bit);
        return std::nullopt;
      }};
}

// One of a few words, stored as its position. A stored value with no word (which the
// dialog keeps as it is) shows as its number.
Field ChoiceField(std::string_view name, std::uint8_t TFiles::*member,
                  std::vector<std::string_view> words) {
  return {name,
          [=](const TFiles& o) {
            return std::optional(o.*member < words.size() ? std::string(words[o.*member])
                                                          : std::to_string(o.*member));
          },
          [=](TFiles& o, std::string_view value, FileSystem&) -> Error {
            const std::string word = AsciiLowerCopy(value);
            std::string list;
            for (std::size_t i = 0; i < words.size(); ++i) {
              if (word == words[i]) {
                o.*member = static_cast<std::uint8_t>(i);
                return std::nullopt;
              }
              list.append(i == 0 ? "" : i + 1 == words.size() ? " or " : ", ").append(words[i]);
            }
            return Quoted(value) + " is not " + list;
          }};
}

// "2026-12-07 14:30:00" (a "T" may stand for the blank; the time, or its seconds, may
// be left out) within the dialog's ranges.
std::optional<FileTime> ParseDateTime(std::string_view text, std::string& why) {
  const std::size_t gap = text.find_first_of(" T");
  const std::vector<std::string_view> date = Split(text.substr(0, gap), '-');
  const std::vector<std::string_view> time = gap == std::string_view::npos
                                                 ? std::vector<std::string_view>{"0", "0"}
                                                 : Split(text.substr(gap + 1), ':');
  std::vector<int> n;
  for (std::string_view part : date) n.push_back(Digits(part).value_or(-1));
  for (std::string_view part : time) n.push_back(Digits(part).value_or(-1));
  if (n.size() == 5) n.push_back(0);
  if (date.size() != 3 || (time.size() != 2 && time.size() != 3) ||
      std::find(n.begin(), n.end(), -1) != n.end()) {
    why = Quoted(text) + " is no date and time such as 2026-12-07 14:30:00";
    return std::nullopt;
  }
  static constexpr std::string_view kParts[] = {"year", "month", "day", "hour", "minute", "second"};
  static constexpr int kMin[] = {1980, 1, 1, 0, 0, 0};
  static constexpr int kMax[] = {2105, 12, 31, 23, 59, 59};
  for (int i = 0; i < 6; ++i) {
    if (auto outside = OutsideRange(kParts[i], n[i], kMin[i], kMax[i])) {
      why = *outside;
      return std::nullopt;
    }
  }
  SystemTime st;
  st.Year = static_cast<std::uint16_t>(n[0]);
  st.Month = static_cast<std::uint16_t>(n[1]);
  st.Day = static_cast<std::uint16_t>(n[2]);
  st.Hour = static_cast<std::uint16_t>(n[3]);
  st.Minute = static_cast<std::uint16_t>(n[4]);
  st.Second = static_cast<std::uint16_t>(n[5]);
  const std::optional<FileTime> value = SystemTimeToFileTime(st);
  if (!value) why = Quoted(text) + " is no calendar date";
  return value;
}

// "0y 1m 2d 03:04:05": any of the parts, each once, in any order.
std::optional<FileTime> ParseIncrease(std::string_view text, std::string& why) {
  Increase inc;
  std::string seen;
  const auto fail = [&](std::string reason) {
    why = std::move(reason);
    return std::nullopt;
  };
  for (std::string_view token : Split(text, ' ')) {
    if (token.empty()) continue;
    const std::vector<std::string_view> time = Split(token, ':');
    const char unit = time.size() > 1 ? ':' : token.back();
    if (seen.find(unit) != std::string::npos ||
        std::string_view("ymd:").find(unit) == std::string_view::npos)
      return fail(Quoted(text) + " is no increase such as 0y 1m 2d 03:04:05");
    seen += unit;
    std::vector<int> n;
    for (std::string_view part : time)
      n.push_back(Digits(unit == ':' ? part : part.substr(0, part.size() - 1)).value_or(-1));
    if (time.size() > 3 || std::find(n.begin(), n.end(), -1) != n.end())
      return fail(Quoted(text) + " is no increase such as 0y 1m 2d 03:04:05");
    if (unit == 'y') inc.Years = n[0];
    if (unit == 'm') inc.Months = n[0];
    if (unit == 'd') inc.Days = n[0];
    if (unit == ':') {
      inc.Hours = n[0];
      inc.Minutes = n[1];
      inc.Seconds = n.size() > 2 ? n[2] : 0;
    }
  }
  if (seen.empty()) return fail(Quoted(text) + " is no increase such as 0y 1m 2d 03:04:05");
  for (const auto& [what, value, max] :
       {std::tuple{"years", inc.Years, 10}, std::tuple{"months", inc.Months, 11},
        std::tuple{"days", inc.Days, 30}, std::tuple{"hours", inc.Hours, 23},
        std::tuple{"minutes", inc.Minutes, 59}, std::tuple{"seconds", inc.Seconds, 59}}) {
    if (auto outside = OutsideRange(what, value, 0, max)) return fail(*outside);
  }
  const std::optional<FileTime> value = EncodeIncrease(inc);
  if (!value) return fail(Quoted(text) + " is no calendar date counted from 1980-01-01");
  return value;
}

std::string ShowDateTime(FileTime value) {
  SystemTime st = FileTimeToSystemTime(value).value_or(SystemTime{1980, 1, 0, 1});
  st.Year = std::clamp<std::uint16_t>(st.Year, 1980, 2105);
  return DateTimeText(st);
}

std::string ShowIncrease(FileTime value) {
  const Increase inc = DecodeIncrease(value).value_or(Increase{});
  char text[96];
  std::snprintf(text, sizeof text, "%dy %dm %dd %02d:%02d:%02d", std::clamp(inc.Years, 0, 10),
                inc.Months, inc.Days, inc.Hours, inc.Minutes, inc.Seconds);
  return text;
}

// A date or an increase, shown and read by the given functions.
Field TimeField(std::string_view name, FileTime TFiles::*member, std::string (*show)(FileTime),
                std::optional<FileTime> (*parse)(std::string_view, std::string&)) {
  return {name, [=](const TFiles& o) { return std::optional(show(o.*member)); },
          [=](TFiles& o, std::string_view value, FileSystem&) -> Error {
            std::string why;
            const std::optional<FileTime> time = parse(value, why);
            if (!time) return why;
            o.*member = *time;
            return std::nullopt;
          }};
}

// The dialog's attribute rows, in its order.
constexpr std::pair<char, std::uint8_t> kAttributeLetters[] = {
    {'R', kAttrReadOnly}, {'A', kAttrArchive}, {'S', kAttrSystem}, {'H', kAttrHidden}};

Field AttributesField() {
  return {"attributes",
          [](const TFiles& o) {
            std::string text;
            for (const auto& [letter, bit] : kAttributeLetters) {
              if (!(o.AttrMask & bit)) continue;
              text += o.AttrValues & bit ? '+' : '-';
              text += letter;
            }
            return std::optional(text);
          },
          [](TFiles& o, std::string_view value, FileSystem&) -> Error {
            std::uint8_t mask = 0, values = 0;
            char sign = '+';
            for (const char c : value) {
              if (c == '+' || c == '-') {
                sign = c;
                continue;
              }
              if (c == ' ' || c == ',') continue;
              const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
              const auto* row =
                  std::find_if(std::begin(kAttributeLetters), std::end(kAttributeLetters),
                               [&](const auto& r) { return r.first == upper; });
              if (row == std::end(kAttributeLetters))
                return Quoted(std::string(1, c)) +
                       " is none of R, A, S, H (+R sets read-only, -R clears it)";
              if (mask & row->second) return Quoted(std::string(1, c)) + " is named twice";
              mask |= row->second;
              if (sign == '+') values |= row->second;
              sign = '+';
            }
            o.AttrMask = mask;
            o.AttrValues = values;
            return std::nullopt;
          }};
}

// Where the date codes take their date from: file, clock or taken. The older switch
// date-from-clock is still taken but has no line of its own.
Field DateSourceField() {
  static constexpr std::array<std::string_view, 3> kWords = {"file", "clock", "taken"};
  return {"date-source",
          [](const TFiles& o) {
            return std::optional(std::string(kWords[static_cast<std::size_t>(o.DateCodes())]));
          },
          [](TFiles& o, std::string_view value, FileSystem&) -> Error {
            const std::string word = AsciiLowerCopy(value);
            for (std::size_t i = 0; i < kWords.size(); ++i) {
              if (word == kWords[i]) {
                o.SetDateCodes(static_cast<DateSource>(i));
                return std::nullopt;
              }
            }
            return Quoted(value) + " is none of file, clock, taken";
          }};
}

Field Unlisted(Field field) {
  field.Show = [](const TFiles&) { return std::optional<std::string>(); };
  return field;
}

Field PathField() {
  return {"path",
          [](const TFiles& o) { return o.Path.empty() ? std::nullopt : std::optional(o.Path); },
          [](TFiles& o, std::string_view value, FileSystem& fs) -> Error {
            const char separator = fs.Rules().Separator();
            if (value.empty() || value.front() != separator)
              return Quoted(value) + " is no full path";
            const std::optional<std::uint32_t> attr = fs.GetAttributes(value);
            if (!attr || !(*attr & kAttrDirectory)) return Quoted(value) + " is no directory";
            // Stored with its separator, as the dialog stores it.
            o.Path = std::string(value);
            if (o.Path.back() != separator) o.Path += separator;
            return std::nullopt;
          }};
}

const std::vector<Field>& Fields() {
  static const std::vector<Field> fields = {
      PathField(),
      ChoiceField("transport", &TFiles::Transport, {"move", "leave", "copy"}),
      SwitchField("delete-on-conflict", &TFiles::Flags, DeleteOnConflict),
      NumberField("start", &TFiles::Start, 0, 9999999),
      NumberField("step", &TFiles::Step, 1, 1000),
      NumberField("digits", &TFiles::Digits, 1, 9),
      TextField("name", &TFiles::Name),
      TextField("ext", &TFiles::Ext),
      SwitchField("advanced", &TFiles::Flags, Advanced),
      SwitchField("change-name", &TFiles::Flags, ChangeName),
      SwitchField("change-ext", &TFiles::Flags, ChangeExt),
      ChoiceField("case", &TFiles::CaseMode,
                  {"none", "upper", "lower", "title", "title-every-word"}),
      SwitchField("enumerate", &TFiles::Flags, Enumerate),
      SwitchField("use-wildcards", &TFiles::Flags, UseWildcards),
      SwitchField("disregard-ext", &TFiles::Flags, DisregardExt),
      DateSourceField(),
      Unlisted(SwitchField("date-from-clock", &TFiles::Flags, DateFromClock)),
      TextField("date-string", &TFiles::DateString),
      SwitchField("created", &TFiles::DateFlags, kDateCreated),
      SwitchField("created-from-taken", &TFiles::Flags, CreatedFromTaken),
      TimeField("created-date", &TFiles::CreatedDate, ShowDateTime, ParseDateTime),
      SwitchField("created-increase", &TFiles::IncreaseFlags, kDateCreated),
      TimeField("created-increase-by", &TFiles::CreatedInc, ShowIncrease, ParseIncrease),
      SwitchField("modified", &TFiles::DateFlags, kDateModified),
      SwitchField("modified-from-taken", &TFiles::Flags, ModifiedFromTaken),
      TimeField("modified-date", &TFiles::ModifiedDate, ShowDateTime, ParseDateTime),
      SwitchField("modified-increase", &TFiles::IncreaseFlags, kDateModified),
      TimeField("modified-increase-by", &TFiles::ModifiedInc, ShowIncrease, ParseIncrease),
      SwitchField("accessed", &TFiles::DateFlags, kDateAccessed),
      SwitchField("accessed-from-taken", &TFiles::Flags, AccessedFromTaken),
      TimeField("accessed-date", &TFiles::AccessedDate, ShowDateTime, ParseDateTime),
      SwitchField("accessed-increase", &TFiles::IncreaseFlags, kDateAccessed),
      TimeField("accessed-increase-by", &TFiles::AccessedInc, ShowIncrease, ParseIncrease),
      AttributesField(),
  };
  return fields;
}

}  // namespace

std::string DateTimeText(const SystemTime& time) {
  char text[64];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", unsigned{time.Year},
                unsigned{time.Month}, unsigned{time.Day}, unsigned{time.Hour},
                unsigned{time.Minute}, unsigned{time.Second});
  return text;
}

std::optional<std::string> SetOptionField(TFiles& options, std::string_view assignment,
                                          FileSystem& fs) {
  const std::size_t equals = assignment.find('=');
  if (equals == std::string_view::npos) return Quoted(assignment) + ": FIELD=VALUE expected";
  const std::string name = AsciiLowerCopy(assignment.substr(0, equals));
  const std::string_view value = assignment.substr(equals + 1);
  for (const Field& field : Fields()) {
    if (field.Name != name) continue;
    TFiles changed = options;
    if (Error why = field.Set(changed, value, fs)) return name + ": " + *why;
    options = std::move(changed);
    return std::nullopt;
  }
  std::string known;
  for (const Field& field : Fields()) known.append(known.empty() ? "" : ", ").append(field.Name);
  return Quoted(assignment.substr(0, equals)) + ": no such field (the fields: " + known + ")";
}

std::string FormatOptionFields(const TFiles& options) {
  std::string text;
  for (const Field& field : Fields()) {
    if (const std::optional<std::string> value = field.Show(options))
      text.append(field.Name).append("=").append(*value).append("\n");
  }
  return text;
}

}  // namespace varnoke
