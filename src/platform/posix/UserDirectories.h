#pragma once
// Where the user's own files go on Linux, after the XDG base directory rules.
#include <string>

namespace varnoke {

// The settings directory: $VARNOKE_CONFIG_DIR, else $XDG_CONFIG_HOME/Orvelia, else
// ~/.config/Orvelia. Not created here.
std::string SettingsDirectory();

// The per-user data directory, which stands for "the directory that holds the
// program" wherever the user's own files go: $XDG_DATA_HOME/Orvelia/Varnoke/, else
// ~/.local/share/Orvelia/Varnoke/; ends in "/" and is created on first use.
std::string UserDataDirectory();

// The per-user state directory where the run journals are kept:
// $XDG_STATE_HOME/Orvelia/Varnoke/journal, else ~/.local/state/Orvelia/Varnoke/journal.
// Not created here.
std::string JournalDirectoryPath();

// The home directory, ending in "/": where browsing starts when nothing was chosen.
std::string HomeDirectory();

}  // namespace varnoke
