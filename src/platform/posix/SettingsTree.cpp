#include "platform/posix/SettingsTree.h"

#include <algorithm>

#include "model/PathRules.h"

namespace varnoke {

const RegValue* SettingsKeyNode::FindValue(std::string_view name) const {
  for (const auto& [valueName, value] : Values)
    if (EqualsIgnoreAsciiCase(valueName, name)) return &value;
  return nullptr;
}

const SettingsKeyNode* SettingsKeyNode::FindSubkey(std::string_view name) const {
  for (const auto& sub : Subkeys)
    if (EqualsIgnoreAsciiCase(sub.Name, name)) return &sub;
  return nullptr;
}

SettingsKeyNode& SettingsKeyNode::SubkeyCreated(std::string_view name) {
  for (auto& sub : Subkeys)
    if (EqualsIgnoreAsciiCase(sub.Name, name)) return sub;
  Subkeys.push_back(SettingsKeyNode{std::string(name), {}, {}});
  return Subkeys.back();
}

void SettingsKeyNode::SetValue(std::string_view name, const RegValue& value) {
  for (auto& [valueName, stored] : Values) {
    if (EqualsIgnoreAsciiCase(valueName, name)) {
      stored = value;
      return;
    }
  }
  Values.emplace_back(std::string(name), value);
}

void SettingsKeyNode::RemoveValue(std::string_view name) {
  std::erase_if(Values, [&](const auto& v) { return EqualsIgnoreAsciiCase(v.first, name); });
}

std::vector<std::string_view> KeyParts(std::string_view key) {
  std::vector<std::string_view> parts;
  while (!key.empty()) {
    const std::size_t sep = key.find('\\');
    const std::string_view part = key.substr(0, sep);
    if (!part.empty()) parts.push_back(part);
    if (sep == std::string_view::npos) break;
    key.remove_prefix(sep + 1);
  }
  return parts;
}

bool StorableName(std::string_view name) {
  return std::none_of(name.begin(), name.end(),
                      [](char c) { return c == '\0' || c == '\n' || c == '\r'; });
}

const SettingsKeyNode* SettingsTree::Find(std::string_view key) const {
  const SettingsKeyNode* node = &root_;
  for (std::string_view part : KeyParts(key)) {
    node = node->FindSubkey(part);
    if (node == nullptr) return nullptr;
  }
  return node;
}

SettingsKeyNode& SettingsTree::Create(std::string_view key) {
  SettingsKeyNode* node = &root_;
  for (std::string_view part : KeyParts(key)) node = &node->SubkeyCreated(part);
  return *node;
}

void ApplyChange(SettingsTree& tree, const SettingsChange& change) {
  switch (change.What) {
    case SettingsChange::Kind::CreateKey:
      tree.Create(change.Key);
      break;
    case SettingsChange::Kind::Write:
      tree.Create(change.Key).SetValue(change.Name, change.Value);
      break;
    case SettingsChange::Kind::DeleteValue:
      tree.Create(change.Key).RemoveValue(change.Name);
      break;
    case SettingsChange::Kind::DeleteAllValues:
      tree.Create(change.Key).Values.clear();
      break;
  }
}

}  // namespace varnoke
