#include "engine/PreferenceChoices.h"

#include <optional>

#include "files/Settings.h"

namespace varnoke {

PreferenceChoices ReadPreferenceChoices(std::uint8_t preferences, SettingsStore& store) {
  store.CreateKey(kExplorerAdvancedKey);
  PreferenceChoices choices;
  choices.BlankListOnStart = (preferences & kPrefBlankListOnStart) != 0;
  choices.DisableToolTips = (preferences & kPrefDisableToolTips) != 0;
  choices.SaveEveryTime = (preferences & kPrefSaveEveryTime) != 0;
  const std::optional<RegValue> value = store.Read(kExplorerAdvancedKey, kDontPrettyPath);
  const std::optional<std::uint32_t> number = value ? value->AsDword() : std::nullopt;
  choices.ShowTrueCases = number.value_or(0) != 0;
  return choices;
}

std::uint8_t PreferenceBits(const PreferenceChoices& choices) {
  std::uint8_t bits = 0;
  if (choices.BlankListOnStart) bits |= kPrefBlankListOnStart;
  if (choices.DisableToolTips) bits |= kPrefDisableToolTips;
  if (choices.SaveEveryTime) bits |= kPrefSaveEveryTime;
  return bits;
}

}  // namespace varnoke
