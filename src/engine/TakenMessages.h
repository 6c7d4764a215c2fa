#pragma once
// The texts about times taken, exactly as the user sees them in English, marked for
// translation.
#include <string>

#include "platform/Translation.h"

namespace varnoke {

// Label of the progress window while the times taken of a long list are read.
inline constexpr UiText kReadingTimesTakenLabel =
    VARNOKE_UI("TimesTaken", "Varnoke is reading the times taken");

// Tool tip of a preview row whose file records no time taken.
inline constexpr UiText kNoTimeTakenTip =
    VARNOKE_UI("TimesTaken", "No time taken: the file time is used");

// The preview's notes: how many planned files had no time taken, for the date codes of
// their names and for their new file times.
inline constexpr UiPlural kNoTimeTakenForNames = {
    VARNOKE_UI_N("TimesTaken", "%n files have no time taken; their file time is used"),
    "%n file has no time taken; its file time is used"};
inline constexpr UiPlural kNoTimeTakenForTimes = {
    VARNOKE_UI_N("TimesTaken", "%n files have no time taken; their times are left unchanged"),
    "%n file has no time taken; its times are left unchanged"};

inline std::string NoTimeTakenForNamesNote(const Translation& tr, int files) {
  return tr.Plural(kNoTimeTakenForNames, files);
}
inline std::string NoTimeTakenForTimesNote(const Translation& tr, int files) {
  return tr.Plural(kNoTimeTakenForTimes, files);
}

}  // namespace varnoke
