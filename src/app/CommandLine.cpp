#include "app/CommandLine.h"

#include <algorithm>

#include "model/PathRules.h"

namespace varnoke {

namespace {

bool HasPrefix(std::string_view parameter, std::string_view prefix) {
  return parameter.size() >= prefix.size() &&
         EqualsIgnoreAsciiCase(parameter.substr(0, prefix.size()), prefix);
}

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsRunSwitch(std::string_view parameter) {
  return HasPrefix(parameter, "/R") &&
         std::all_of(parameter.begin() + 2, parameter.end(), IsAsciiLetter);
}

}  // namespace

Switch ClassifyParameter(std::string_view parameter) {
  if (HasPrefix(parameter, "/O:")) return {SwitchKind::OptionSet, parameter.substr(3)};
  if (HasPrefix(parameter, "/L:")) return {SwitchKind::FileList, parameter.substr(3)};
  if (HasPrefix(parameter, "/SR:")) return {SwitchKind::SearchSubdirs, parameter.substr(4)};
  if (HasPrefix(parameter, "/S:")) return {SwitchKind::Search, parameter.substr(3)};
  if (IsRunSwitch(parameter)) return {SwitchKind::Run, {}};
  return {};
}

RunMarks CollectRunMarks(std::span<const std::string> parameters) {
  RunMarks marks;
  for (const std::string& parameter : parameters) {
    switch (ClassifyParameter(parameter).Kind) {
      case SwitchKind::OptionSet:
        marks.O = true;
        break;
      case SwitchKind::FileList:
      case SwitchKind::Search:
      case SwitchKind::SearchSubdirs:
        marks.L = true;
        break;
      case SwitchKind::Run:
        marks.R = true;
        break;
      case SwitchKind::None:
        break;
    }
  }
  return marks;
}

}  // namespace varnoke
