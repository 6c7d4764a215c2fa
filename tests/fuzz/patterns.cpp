// Name patterns, field validation and date formats on arbitrary input: nothing may
// crash, loop for ever or build a text past the expansion limit.
//
// Input: source, pattern and number text (or date format) separated by NUL bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/DateFormat.h"
#include "engine/FieldValidation.h"
#include "engine/Messages.h"
#include "engine/Patterns.h"

namespace {

std::string_view Next(std::string_view& rest) {
  const std::size_t nul = rest.find('\0');
  const std::string_view part = rest.substr(0, nul);
  rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
  return part;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace varnoke;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string_view source = Next(rest), pattern = Next(rest), number = Next(rest);
  for (const auto& out : {ApplyWildcards(source, pattern), ReplaceSection(source, pattern),
                          ApplyAdvancedPattern(source, pattern, number)})
    Check(!out || out->size() <= kMaxExpandedLength);
  Check(PickCharacters(source, pattern).size() <= pattern.size() + 1);
  (void)IsValidPatternField(pattern, true, false);
  (void)IsValidPatternField(pattern, false, true);
  const SystemTime t{2001, 2, 6, 3, 4, 5, 6, 0};
  Check(FormatDateTime(pattern, t, EnglishFormatSettings()).size() <= kMaxDateTextLength);
  return 0;
}
