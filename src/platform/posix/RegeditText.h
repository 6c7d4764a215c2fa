#pragma once
// The settings file's text: the registry's own export format, REGEDIT4.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Orvelia\Varnoke]
//   "Version"="7.0"
//   "Columns"=dword:00000000
//   "Options"=hex:00,00,...
//
// Texts escape "\" and the quote with "\"; a text holding control characters is
// written as hex(1): with its terminating zero, so that every line stays one line.
#include <optional>
#include <string>
#include <string_view>

#include "platform/posix/SettingsTree.h"

namespace varnoke {

inline constexpr std::string_view kRegeditHeader = "REGEDIT4";
inline constexpr std::string_view kRegeditRoot = "HKEY_CURRENT_USER";

// nullopt when the text is not such a file (a damaged or foreign file).
std::optional<SettingsTree> ParseRegeditText(std::string_view text);
std::string FormatRegeditText(const SettingsTree& tree);

}  // namespace varnoke
