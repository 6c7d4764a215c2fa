// File-list files: every text splits into lines without breaks in them, and lines
// written back with CR LF split into the same lines.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/FileListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto lines = varnoke::SplitListLines(text);
  std::string written;
  for (std::string_view line : lines) {
    if (line.find_first_of("\r\n") != std::string_view::npos) std::abort();
    if (line.data() < text.data() || line.data() + line.size() > text.data() + text.size())
      std::abort();
    written.append(line).append("\r\n");
  }
  if (varnoke::SplitListLines(written) != lines) std::abort();
  return 0;
}
