// The settings file: any text either parses or is refused (and is then kept aside);
// what parses is written and parsed again to the same settings.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/posix/RegeditText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto tree = varnoke::ParseRegeditText(text);
  if (!tree) return 0;
  const auto again = varnoke::ParseRegeditText(varnoke::FormatRegeditText(*tree));
  if (!again || !(*again == *tree)) std::abort();
  return 0;
}
