#pragma once
// varnoke-cli's --set: renaming options changed by readable field names after the
// options sets are loaded, each checked as the options dialog checks its field.
#include <optional>
#include <string>
#include <vector>

#include "model/FormatSettings.h"
#include "model/TFiles.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace varnoke {

// Applies every "FIELD=VALUE" of `sets` in order, then checks what the options dialog
// checks when it takes its fields over: the new file name, then the new extension, as
// patterns of the method and wildcards switch the options now have, then the date
// format. The first failure comes back as "field: why", and `options` is left as it
// was; with no sets nothing is checked.
std::optional<std::string> ApplySetSwitches(TFiles& options, const std::vector<std::string>& sets,
                                            FileSystem& fs, const FormatSettings& regional,
                                            Clock& clock);

}  // namespace varnoke
