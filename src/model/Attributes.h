#pragma once
// The Win32 FILE_ATTRIBUTE_* bits the program reads and sets.
#include <cstdint>

namespace varnoke {

inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;
inline constexpr std::uint32_t kAttrNormal = 0x80;

// The four bits the options can change.
inline constexpr std::uint32_t kAttrChangeable =
    kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;

}  // namespace varnoke
