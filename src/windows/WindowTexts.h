#pragma once
// Captions and texts that only the windows show, exactly as the user sees them.
// Texts the engine shows as well (progress labels, messages) live beside the engine.
#include <string_view>

namespace varnoke {

// Progress window: what screen readers call its parts.
inline constexpr std::string_view kProgressPictureName = "Varnoke";
inline constexpr std::string_view kProgressWindowName = "Varnoke progress";
inline constexpr std::string_view kProgressGaugeName = "Progress";

}  // namespace varnoke
