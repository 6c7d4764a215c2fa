#pragma once
// Captions and texts that only the windows show, exactly as the user sees them.
// Texts the engine shows as well (progress labels, messages) live beside the engine.
#include <string_view>

namespace varnoke {

// The program's name as the windows show it.
inline constexpr std::string_view kProgramName = "Varnoke";

// About box.
inline constexpr std::string_view kAboutCaption = "About Varnoke 7.0";
inline constexpr std::string_view kAboutVersion = "Version 7.0";
inline constexpr std::string_view kAboutPurpose =
    "Renames, re-dates and re-attributes many files in one operation.";
inline constexpr std::string_view kAboutEdition = "Linux edition";
inline constexpr std::string_view kAboutOk = "OK";
inline constexpr std::string_view kAboutPictureName = "Varnoke";

// Directory trees: the choice that shows the folders whose names begin with a dot.
inline constexpr std::string_view kShowHiddenFolders = "Show hidden folders";

// Progress window: what screen readers call its parts.
inline constexpr std::string_view kProgressPictureName = "Varnoke";
inline constexpr std::string_view kProgressWindowName = "Varnoke progress";
inline constexpr std::string_view kProgressGaugeName = "Progress";
// Shown on the progress window only where the work may be stopped half-way.
inline constexpr std::string_view kProgressCancel = "&Cancel";

// Help window. The topics by number (0 the contents) with the titles of their pages.
inline constexpr std::string_view kHelpCaption = "Varnoke Help";
inline constexpr std::string_view kHelpTopicTitles[] = {"Contents", "Introduction", "Conventions",
                                                        "Date codes", "Using help"};
inline constexpr std::string_view kHelpTopicsName = "Help topics";
inline constexpr std::string_view kHelpPageName = "Help page";
inline constexpr std::string_view kHelpBack = "&Back";
inline constexpr std::string_view kHelpForward = "&Forward";
inline constexpr std::string_view kHelpContentsButton = "&Contents";

}  // namespace varnoke
