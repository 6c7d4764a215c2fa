#include "app/SearchValue.h"

namespace varnoke {

std::optional<SearchValue> SplitSearchValue(std::string_view value) {
  if (value.empty() || value.front() != '/') return std::nullopt;
  const std::size_t slash = value.rfind('/');
  SearchValue split;
  split.Directory = slash == 0 ? "/" : std::string(value.substr(0, slash));
  split.Filter = std::string(value.substr(slash + 1));
  return split;
}

}  // namespace varnoke
