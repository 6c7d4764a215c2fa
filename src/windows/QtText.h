#pragma once
// The program's texts (UTF-8 bytes, as the file system and the messages hold them) as
// Qt strings.
#include <QString>
#include <string_view>

namespace varnoke {

inline QString Qt8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace varnoke
