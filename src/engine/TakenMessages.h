#pragma once
// The texts about times taken, exactly as the user sees them.
#include <string>
#include <string_view>

namespace varnoke {

// Label of the progress window while the times taken of a long list are read.
inline constexpr std::string_view kReadingTimesTakenLabel = "Varnoke is reading the times taken";

// Tool tip of a preview row whose file records no time taken.
inline constexpr std::string_view kNoTimeTakenTip = "No time taken: the file time is used";

// The preview's notes: how many planned files had no time taken, for the date codes of
// their names and for their new file times.
inline std::string NoTimeTakenForNamesNote(int files) {
  return files == 1 ? "1 file has no time taken; its file time is used"
                    : std::to_string(files) + " files have no time taken; their file time is used";
}
inline std::string NoTimeTakenForTimesNote(int files) {
  return files == 1
             ? "1 file has no time taken; its times are left unchanged"
             : std::to_string(files) + " files have no time taken; their times are left unchanged";
}

}  // namespace varnoke
