#pragma once
// Captions and texts that only the windows show, exactly as the user sees them in
// English, marked for translation. Texts the engine shows as well (progress labels,
// messages) live beside the engine.
#include <string_view>

#include "platform/UiText.h"

namespace varnoke {

// The program's name as the windows show it: a name, the same in every language.
inline constexpr std::string_view kProgramName = "Varnoke";

// About box.
inline constexpr UiText kAboutCaption = VARNOKE_UI("TAboutForm", "About Varnoke 7.0");
inline constexpr UiText kAboutVersion = VARNOKE_UI("TAboutForm", "Version 7.0");
inline constexpr UiText kAboutPurpose =
    VARNOKE_UI("TAboutForm", "Renames, re-dates and re-attributes many files in one operation.");
inline constexpr UiText kAboutEdition = VARNOKE_UI("TAboutForm", "Linux edition");
inline constexpr UiText kAboutOk = VARNOKE_UI("TAboutForm", "OK");

// Directory trees: what screen readers call the two controls, and the choice that shows
// the folders whose names begin with a dot.
inline constexpr UiText kDriveName = VARNOKE_UI("DirectoryControls", "Drive");
inline constexpr UiText kDirectoryName = VARNOKE_UI("DirectoryControls", "Directory");
inline constexpr UiText kShowHiddenFolders = VARNOKE_UI("DirectoryControls", "Show hidden folders");

// Progress window: what screen readers call its parts.
inline constexpr UiText kProgressWindowName = VARNOKE_UI("TPrepPrevForm", "Varnoke progress");
inline constexpr UiText kProgressGaugeName = VARNOKE_UI("TPrepPrevForm", "Progress");
// Shown on the progress window only where the work may be stopped half-way.
inline constexpr UiText kProgressCancel = VARNOKE_UI("TPrepPrevForm", "&Cancel");

// Help window. The topics by number (0 the contents) with the titles of their pages.
inline constexpr UiText kHelpCaption = VARNOKE_UI("HelpWindow", "Varnoke Help");
inline constexpr UiText kHelpTopicTitles[] = {
    VARNOKE_UI("HelpWindow", "Contents"), VARNOKE_UI("HelpWindow", "Introduction"),
    VARNOKE_UI("HelpWindow", "Conventions"), VARNOKE_UI("HelpWindow", "Date codes"),
    VARNOKE_UI("HelpWindow", "Using help")};
inline constexpr UiText kHelpTopicsName = VARNOKE_UI("HelpWindow", "Help topics");
inline constexpr UiText kHelpPageName = VARNOKE_UI("HelpWindow", "Help page");
inline constexpr UiText kHelpBack = VARNOKE_UI("HelpWindow", "&Back");
inline constexpr UiText kHelpForward = VARNOKE_UI("HelpWindow", "&Forward");
inline constexpr UiText kHelpContentsButton = VARNOKE_UI("HelpWindow", "&Contents");
// The caption while a page is shown: the help's caption, then the page's title.
inline constexpr UiText kHelpPageCaption =
    VARNOKE_UI3("HelpWindow", "%1 - %2", "the help's caption, then the page's title");

}  // namespace varnoke
