#include "app/OptionSwitches.h"

#include "engine/FieldValidation.h"
#include "engine/Messages.h"
#include "files/OptionFields.h"

namespace varnoke {

std::optional<std::string> ApplySetSwitches(TFiles& options, const std::vector<std::string>& sets,
                                            FileSystem& fs, const FormatSettings& regional,
                                            Clock& clock) {
  if (sets.empty()) return std::nullopt;
  TFiles changed = options;
  for (const std::string& set : sets) {
    if (auto error = SetOptionField(changed, set, fs)) return error;
  }
  const bool advanced = changed.Has(Advanced), wildcards = changed.Has(UseWildcards);
  const std::string method = advanced    ? " (checked as a pattern of the advanced method)"
                             : wildcards ? " (checked for the standard method with wildcards)"
                                         : " (checked for the standard method without wildcards)";
  if (!IsValidPatternField(changed.Name, advanced, wildcards))
    return "name: " + std::string(kFilenameFieldIllegal.Source) + method;
  if (!IsValidPatternField(changed.Ext, advanced, wildcards))
    return "ext: " + std::string(kExtensionFieldIllegal.Source) + method;
  if (!IsValidDateFormat(changed.DateString, regional, clock))
    return "date-string: " + std::string(kDateFieldIllegal.Source);
  options = std::move(changed);
  return std::nullopt;
}

}  // namespace varnoke
