#include "files/Settings.h"

#include "files/FileMessages.h"
#include "model/WindowsWildcard.h"

namespace varnoke {
namespace {

constexpr std::string_view kOptionsValue = "Options";
constexpr std::string_view kColumnsValue = "Columns";
constexpr std::string_view kPreferencesValue = "Preferences";
constexpr std::string_view kAppPathValue = "AppPath";
constexpr std::string_view kOptionSetPattern = "*.vns";

struct StringValue {
  std::string_view Name;
  std::string TFiles::*Field;
};
constexpr StringValue kStringValues[] = {{"Name", &TFiles::Name},
                                         {"Ext", &TFiles::Ext},
                                         {"Path", &TFiles::Path},
                                         {"AddFiles", &TFiles::AddFiles},
                                         {"Date string", &TFiles::DateString}};

std::string WithSeparator(std::string_view dir, char separator) {
  std::string out(dir);
  if (out.empty() || out.back() != separator) out.push_back(separator);
  return out;
}

bool IsResetMarker(const SettingsStore& store) {
  const auto version = store.Read(kSettingsKey, kVersionValue);
  return version && version->AsString() == kResetMarker;
}

}  // namespace

void ResetSettings(SettingsStore& store, FileSystem& fs, std::string_view programDirectory) {
  const std::string dir = WithSeparator(programDirectory, fs.Rules().Separator());
  std::vector<std::string> sets;
  fs.Enumerate(dir, [&](const DirEntry& entry) {
    if (!entry.IsDirectory && MatchesWindowsWildcard(entry.Name, kOptionSetPattern))
      sets.push_back(dir + entry.Name);
    return true;
  });
  for (const std::string& path : sets) fs.Delete(path);
  store.DeleteAllValues(kFiltersKey);
  store.DeleteAllValues(kSettingsKey);
}

StoredSettings ReadSettings(SettingsStore& store, FileSystem& fs,
                            std::string_view programDirectory) {
  store.CreateKey(kSettingsKey);
  if (IsResetMarker(store)) {
    ResetSettings(store, fs, programDirectory);
    store.Write(kSettingsKey, kAppPathValue,
                RegValue::String(WithSeparator(programDirectory, fs.Rules().Separator())));
    store.Write(kSettingsKey, kVersionValue, RegValue::String(kProgramVersion));
    store.DeleteValue(kSettingsKey, kOptionsValue);
    store.Flush();  // so that the next start does not reset again
  }

  StoredSettings out;
  TFiles& d = out.Defaults;
  if (const auto options = store.Read(kSettingsKey, kOptionsValue);
      options && options->Type == kRegBinary && options->Data.size() == kOptionsBlockSize) {
    d.DecodeBlock(
        std::span<const std::uint8_t, kOptionsBlockSize>(options->Data.data(), kOptionsBlockSize));
  }
  for (const StringValue& s : kStringValues) {
    const auto value = store.Read(kSettingsKey, s.Name);
    d.*s.Field = value ? value->AsString().value_or(std::string()) : std::string();
  }
  const auto columns = store.Read(kSettingsKey, kColumnsValue);
  d.Columns = columns && columns->AsDword() ? static_cast<std::uint8_t>(*columns->AsDword()) : 0;
  if (const auto prefs = store.Read(kSettingsKey, kPreferencesValue);
      prefs && prefs->Type == kRegBinary && prefs->Data.size() == 1) {
    out.Preferences = prefs->Data[0];
  }
  store.CreateKey(kFiltersKey);
  d.Filters.clear();
  for (const std::string& name : store.ValueNames(kFiltersKey)) {
    const auto value = store.Read(kFiltersKey, name);
    if (auto text = value ? value->AsString() : std::nullopt) d.Filters.push_back(std::move(*text));
  }
  return out;
}

bool WriteSettings(SettingsStore& store, const StoredSettings& settings,
                   const WindowPlacement& mainWindow) {
  const TFiles& d = settings.Defaults;
  store.Write(kSettingsKey, kMainWinPos, RegValue::Binary(EncodePlacement(mainWindow)));
  store.Write(kSettingsKey, kOptionsValue, RegValue::Binary(d.EncodeBlock()));
  for (const StringValue& s : kStringValues)
    store.Write(kSettingsKey, s.Name, RegValue::String(d.*s.Field));
  store.Write(kSettingsKey, kColumnsValue, RegValue::Dword(d.Columns));
  const std::uint8_t prefs[1] = {settings.Preferences};
  store.Write(kSettingsKey, kPreferencesValue, RegValue::Binary(prefs));
  store.DeleteAllValues(kFiltersKey);
  for (std::size_t i = 0; i < d.Filters.size(); ++i)
    store.Write(kFiltersKey, std::to_string(i), RegValue::String(d.Filters[i]));
  return store.Flush();
}

std::vector<std::string> TakeSettingsProblemMessages(SettingsStore& store, const Translation& tr) {
  std::vector<std::string> messages;
  for (const SettingsProblem& p : store.TakeProblems()) {
    messages.push_back(p.KeptAs.empty() ? Arg(tr.Text(kSettingsFileUnreadable), {p.File})
                                        : Arg(tr.Text(kSettingsFileDamaged), {p.File, p.KeptAs}));
  }
  return messages;
}

}  // namespace varnoke
