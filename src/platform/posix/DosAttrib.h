#pragma once
// The user.DOSATTRIB extended attribute that Wine and Samba keep the DOS attribute
// bits in: the text "0x" + hex digits (Wine, Samba 3; with or without a final NUL),
// or Samba 4's binary record, which starts with such a text (often empty) followed
// by a version and an attribute block.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnoke {

inline constexpr const char* kDosAttribName = "user.DOSATTRIB";

// The attribute bits stored in the value; nullopt when it is no form we know.
std::optional<std::uint32_t> ParseDosAttrib(std::string_view value);

// The value we write: "0x" + lower-case hex digits + NUL.
std::string FormatDosAttrib(std::uint32_t attr);

}  // namespace varnoke
