#pragma once
// The options dialog's syntax check of the new-name and new-extension fields, and its
// check of the date format. Pure: the dialog passes what its controls show.
#include <string_view>

#include "model/FormatSettings.h"
#include "platform/Clock.h"

namespace varnoke {

// Whether a pattern field may be taken over: `advanced` is the method chosen (the
// advanced renaming system rather than the standard method), `useWildcards` the state
// of "Use wildcards".
bool IsValidPatternField(std::string_view text, bool advanced, bool useWildcards);

// The date field is tried as a date format on the current local time; it fails only
// when the formatting fails, which the date-format language never does.
bool IsValidDateFormat(std::string_view format, const FormatSettings& settings, Clock& clock);

}  // namespace varnoke
