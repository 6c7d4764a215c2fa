#include "engine/DialogDirectory.h"

#include <optional>

#include "model/Attributes.h"

namespace varnoke {
namespace {

// `directory` (a stored one: the root is empty on Linux) as the dialog takes it, when it
// exists.
std::optional<std::string> Existing(FileSystem& fs, std::string_view directory) {
  std::string shown = fs.Rules().DisplayDirectory(directory);
  const std::optional<std::uint32_t> attr = fs.GetAttributes(shown);
  if (!attr || (*attr & kAttrDirectory) == 0) return std::nullopt;
  return shown;
}

// The list's own file: the caption of a list that was saved or read from a list file.
bool CaptionIsListFile(const PathRules& rules, std::string_view caption) {
  return !caption.empty() && rules.IsFullPath(caption);
}

}  // namespace

std::string DialogDirectory(FileSystem& fs, const FileListOwner* list, std::string_view lastChosen,
                            std::string_view home) {
  const PathRules& rules = fs.Rules();
  if (list != nullptr) {
    if (CaptionIsListFile(rules, list->Caption))
      if (auto own = Existing(fs, rules.Split(list->Caption).Path)) return *own;
    if (list->Files.Count() > 0)
      if (auto first = Existing(fs, list->Files.Items(0).Path())) return *first;
  }
  if (!lastChosen.empty())
    if (auto last = Existing(fs, lastChosen)) return *last;
  return std::string(home);
}

std::string ChosenDirectory(const PathRules& rules, std::string_view chosenFile) {
  return rules.DisplayDirectory(rules.Split(chosenFile).Path);
}

}  // namespace varnoke
