#pragma once
// The value of a search switch: a full path whose last part is a file-name filter.
#include <optional>
#include <string>
#include <string_view>

namespace varnoke {

struct SearchValue {
  std::string Directory;  // where the search starts; "/" for the root
  std::string Filter;     // the text after the last "/" (never carries the separator)
  bool operator==(const SearchValue&) const = default;
};

// nullopt for a value that is no full path (it must begin with "/"), such as "*.txt".
std::optional<SearchValue> SplitSearchValue(std::string_view value);

}  // namespace varnoke
