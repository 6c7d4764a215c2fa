#include "engine/OptionsDialog.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "engine/FieldValidation.h"
#include "engine/GridMessages.h"
#include "engine/Messages.h"
#include "engine/PreparePreview.h"
#include "engine/TimesTaken.h"

namespace varnoke {

int ClampToRange(long long value, NumberRange range) {
  return static_cast<int>(std::clamp<long long>(value, range.Min, range.Max));
}

int FieldNumber(std::string_view text, NumberRange range) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data(), end, value);
  if (text.empty() || parsed.ptr != end) return range.Min;
  // Digits beyond any number are past the maximum (or below the minimum with a sign).
  if (parsed.ec == std::errc::result_out_of_range)
    return text.front() == '-' ? range.Min : range.Max;
  if (parsed.ec != std::errc()) return range.Min;
  return ClampToRange(value, range);
}

DateRowValues DateRowOf(const SystemTime& local) {
  return {local.Day,  local.Month - 1, ClampToRange(local.Year, kYearRange),
          local.Hour, local.Minute,    local.Second};
}

std::optional<DateRowValues> DateRowOf(FileTime local) {
  const std::optional<SystemTime> time = FileTimeToSystemTime(local);
  if (!time) return std::nullopt;
  return DateRowOf(*time);
}

DateRowValues NowDateRow(Clock& clock) {
  return DateRowOf(clock.LocalNow());
}

std::optional<DateRowValues> LastDateRow(const TFiles& record, DateBlock block) {
  return DateRowOf(record.*kDateBlocks[block].Date);
}

IncreaseRowValues IncreaseRowOf(FileTime increase) {
  const Increase by = DecodeIncrease(increase).value_or(Increase{});
  return {by.Days,  by.Months,  ClampToRange(by.Years, kIncreaseYearsRange),
          by.Hours, by.Minutes, by.Seconds};
}

void FormCreate(const TFiles& o, const PathRules& rules, OptionsFormValues& v) {
  for (std::size_t i = 0; i < kAttributeRows.size(); ++i)
    v.Attributes[i] = {(o.AttrMask & kAttributeRows[i]) != 0,
                       (o.AttrValues & kAttributeRows[i]) != 0};
  for (std::size_t b = 0; b < kDateBlocks.size(); ++b) {
    const DateBlockFields& fields = kDateBlocks[b];
    DateBlockValues& block = v.Dates[b];
    block.Set = (o.DateFlags & fields.Bit) != 0;
    block.FromTaken = o.Has(TFiles::FromTakenBit(fields.Bit));
    block.Increase = (o.IncreaseFlags & fields.Bit) != 0;
    if (const auto row = DateRowOf(o.*fields.Date)) block.Date = *row;
    block.By = IncreaseRowOf(o.*fields.Increase);
  }
  v.Name = o.Name;
  v.Ext = o.Ext;
  if (!o.Path.empty()) v.Directory = rules.DisplayDirectory(rules.StripTrailingSeparator(o.Path));
  v.DateString = o.DateString;
  v.Enumerate = o.Has(Enumerate);
  v.Digits = ClampToRange(o.Digits, kDigitsRange);
  v.Start = ClampToRange(o.Start, kStartRange);
  v.Step = ClampToRange(o.Step, kStepRange);
  v.Transport = std::min<int>(o.Transport, kTransportCopy);
  v.DeleteOnConflict = o.Has(DeleteOnConflict);
  v.ChangeName = o.Has(ChangeName);
  v.ChangeExt = o.Has(ChangeExt);
  v.UseWildcards = o.Has(UseWildcards);
  v.DisregardExt = o.Has(DisregardExt);
  v.Advanced = o.Has(Advanced);
  v.ChangeCase = o.CaseMode != kCaseNone;
  v.CaseItem = o.CaseMode == kCaseNone ? 0 : std::min(o.CaseMode - 1, kCaseTitleEveryWord - 1);
  v.DateCodes = o.DateCodes();
}

OptionsFormEnabling EnabledControls(const OptionsFormValues& v) {
  OptionsFormEnabling e;
  e.UseWildcards = !v.Advanced;
  e.Name = v.ChangeName;
  e.ChangeExt = !v.DisregardExt;
  e.Ext = v.ChangeExt && !v.DisregardExt;
  e.CaseItems = v.ChangeCase;
  e.Numbers = v.Enumerate;
  e.Directory = v.Transport != kTransportLeave;
  for (std::size_t b = 0; b < kDateBlocks.size(); ++b) e.DateRows[b] = !v.Dates[b].FromTaken;
  return e;
}

namespace {

std::optional<FileTime> DateOf(const DateRowValues& row) {
  SystemTime st;
  const auto word = [](int value) {
    return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF));
  };
  st.Year = word(row.Year);
  st.Month = word(row.Month + 1);
  st.Day = word(row.Day);
  st.Hour = word(row.Hour);
  st.Minute = word(row.Minute);
  st.Second = word(row.Second);
  return SystemTimeToFileTime(st);
}

std::optional<FileTime> IncreaseOf(const IncreaseRowValues& row) {
  return EncodeIncrease({row.Years, row.Months, row.Days, row.Hours, row.Minutes, row.Seconds});
}

std::string WithTrailingSeparator(std::string directory, char separator) {
  if (directory.empty() || directory.back() != separator) directory.push_back(separator);
  return directory;
}

}  // namespace

std::optional<UiText> TakeOverOptions(const OptionsFormValues& v, TFiles& o, TakeOverFor what,
                                      const TakeOverContext& context) {
  o.AttrMask = 0;
  o.AttrValues = 0;
  for (std::size_t i = 0; i < kAttributeRows.size(); ++i) {
    if (v.Attributes[i].Set) o.AttrMask |= kAttributeRows[i];
    if (v.Attributes[i].On) o.AttrValues |= kAttributeRows[i];
  }
  o.DateFlags = 0;
  o.IncreaseFlags = 0;
  for (std::size_t b = 0; b < kDateBlocks.size(); ++b) {
    if (v.Dates[b].Set) o.DateFlags |= kDateBlocks[b].Bit;
    if (v.Dates[b].Increase) o.IncreaseFlags |= kDateBlocks[b].Bit;
    o.Set(TFiles::FromTakenBit(kDateBlocks[b].Bit), v.Dates[b].FromTaken);
  }
  // A row that is no calendar date (31 February) keeps the field's value.
  for (std::size_t b = 0; b < kDateBlocks.size(); ++b)
    if (const auto date = DateOf(v.Dates[b].Date)) o.*kDateBlocks[b].Date = *date;
  for (std::size_t b = 0; b < kDateBlocks.size(); ++b)
    if (const auto increase = IncreaseOf(v.Dates[b].By)) o.*kDateBlocks[b].Increase = *increase;

  if (!IsValidPatternField(v.Name, v.Advanced, v.UseWildcards)) return kFilenameFieldIllegal;
  if (!IsValidPatternField(v.Ext, v.Advanced, v.UseWildcards)) return kExtensionFieldIllegal;
  if (what == TakeOverFor::Ok && !IsValidDateFormat(v.DateString, context.Regional, context.Time))
    return kDateFieldIllegal;

  o.Name = v.Name;
  o.Ext = v.Ext;
  o.Path = WithTrailingSeparator(v.Directory, context.Rules.Separator());
  o.Set(Enumerate, v.Enumerate);
  o.DateString = v.DateString;
  o.Digits = static_cast<std::uint8_t>(ClampToRange(v.Digits, kDigitsRange));
  o.Start = ClampToRange(v.Start, kStartRange);
  o.Step = static_cast<std::uint16_t>(ClampToRange(v.Step, kStepRange));
  o.Transport = static_cast<std::uint8_t>(std::clamp<int>(v.Transport, 0, kTransportCopy));
  o.Set(DeleteOnConflict, v.DeleteOnConflict);
  o.Set(ChangeName, v.ChangeName);
  o.Set(ChangeExt, v.ChangeExt);
  o.Set(UseWildcards, v.UseWildcards);
  o.Set(DisregardExt, v.DisregardExt);
  o.CaseMode =
      v.ChangeCase ? static_cast<std::uint8_t>(std::clamp(v.CaseItem, 0, 3) + 1) : kCaseNone;
  o.Set(Advanced, v.Advanced);
  o.SetDateCodes(v.DateCodes);
  return std::nullopt;
}

void ApplyQuickSetting(QuickSetting command, TFiles& record, const PathRules& rules,
                       OptionsFormValues& values) {
  switch (command) {
    case QuickSetting::ResetAll:
      Resetall1Click(record);
      break;
    case QuickSetting::ResetNames:
      Resetname1Click(record);
      break;
    case QuickSetting::ResetDates:
      Resetdate1Click(record);
      break;
    case QuickSetting::ResetAttributes:
      Resetattribute1Click(record);
      break;
  }
  FormCreate(record, rules, values);
}

namespace {

// The sample's session: shows nothing and refuses every question, keeping what was
// asked and for which file (planning steps once per file).
class SampleSession final : public Session {
 public:
  struct Said {
    int File;
    std::string Text;
  };
  std::vector<Said> Texts;

  explicit SampleSession(const Translation& texts) : texts_(texts) {}
  const Translation& texts() const override { return texts_; }
  void pump() override {}
  void start(std::string_view, int) override {}
  void step() override { ++file_; }
  void hide() override {}
  void show() override {}
  void finish() override {}
  void busyCursor(bool) override {}
  Answer ask(std::string_view text, std::string_view, Buttons buttons, Icon) override {
    Texts.push_back({file_, std::string(text)});
    return SafeAnswer(buttons);
  }

 private:
  const Translation& texts_;
  int file_ = 0;
};

std::string FilePart(std::string_view name, std::string_view ext) {
  std::string text(name);
  if (!ext.empty()) text.append(".").append(ext);
  return text;
}

}  // namespace

OptionsSample MakeOptionsSample(const OptionsFormValues& values, const TFiles& record,
                                const TVrnFiles& files, const Services& program) {
  OptionsSample sample;
  TFiles options = record;
  if (auto message = TakeOverOptions(values, options, TakeOverFor::Ok,
                                     {program.Fs.Rules(), program.Regional, program.Time})) {
    sample.Message = program.Ui.texts().Text(*message);
    return sample;
  }
  SampleSession session(program.Ui.texts());
  Services quiet{program.Fs,
                 program.Store,
                 program.Settings,
                 program.Time,
                 program.Regional,
                 session,
                 program.ProgramDirectory,
                 program.BrowseStart,
                 false};
  quiet.Taken = program.Taken;
  const int count = std::min(files.Count(), kSampleFiles);
  // The times taken the sample needs are kept in the list's own entries: read once, not at
  // every keystroke.
  if (options.UsesTimeTaken())
    ReadTimesTaken(
        files, quiet, [&options](const TVrnFile& f) { return NeedsTimeTaken(options, f); }, count);
  TVrnFiles first;
  first.Reserve(count);
  for (int i = 0; i < count; ++i) first.AddCopy(files.Items(i));
  TVrnPrevFiles preview(program.Fs.Rules().FoldsCase());
  if (!PreparePreview(first, options, preview, quiet)) {
    if (!session.Texts.empty()) sample.Message = session.Texts.front().Text;
    return sample;
  }
  int next = 0;  // the preview is in file order and leaves out some files
  for (int i = 0; i < count; ++i) {
    const TVrnFile& f = first.Items(i);
    SampleRow row;
    row.File = FilePart(f.Name(), f.Ext());
    if (next < preview.Count() && preview.Items(next).FileIndex == i) {
      const TVrnPrevFile& planned = preview.Items(next++);
      row.NewName = FilePart(planned.Name, planned.Ext);
      row.Conflict = planned.Conflict;
      row.Busy = planned.Busy;
      row.NoTimeTaken = planned.NoTimeTaken;
      if (row.Conflict) row.NewName.append(program.Ui.texts().Text(kConflictSuffix));
      if (row.Busy) row.NewName.append(program.Ui.texts().Text(kBusySuffix));
    } else {
      row.LeftOut = true;
      const auto said = std::find_if(session.Texts.rbegin(), session.Texts.rend(),
                                     [i](const SampleSession::Said& s) { return s.File == i; });
      if (said != session.Texts.rend()) row.NewName = said->Text;
    }
    sample.Rows.push_back(std::move(row));
  }
  return sample;
}

}  // namespace varnoke
