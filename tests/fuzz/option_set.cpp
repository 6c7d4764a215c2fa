// Option-set files: any bytes either load or are refused, never read out of bounds
// or allocate what a length claims; what loads saves and loads again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/OptionSetFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto record = varnoke::ParseOptionSet(bytes);
  if (!record) return 0;
  const std::string saved = varnoke::FormatOptionSet(*record);
  if (saved.size() > size) std::abort();  // texts only ever get shorter (cut at a zero)
  const auto again = varnoke::ParseOptionSet(saved);
  if (!again || !(*again == *record)) std::abort();
  return 0;
}
