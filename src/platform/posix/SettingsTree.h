#pragma once
// The settings held in memory: a tree of keys with their values in stored order,
// and the changes a process made, so that they can be applied again on a tree
// that another process wrote in the meantime.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/SettingsStore.h"

namespace varnoke {

struct SettingsKeyNode {
  std::string Name;
  std::vector<std::pair<std::string, RegValue>> Values;  // stored order
  std::vector<SettingsKeyNode> Subkeys;

  const RegValue* FindValue(std::string_view name) const;
  const SettingsKeyNode* FindSubkey(std::string_view name) const;
  SettingsKeyNode& SubkeyCreated(std::string_view name);
  void SetValue(std::string_view name, const RegValue& value);
  void RemoveValue(std::string_view name);
  bool operator==(const SettingsKeyNode&) const = default;
};

// The parts of a key path; empty parts (doubled or outer "\") are dropped.
std::vector<std::string_view> KeyParts(std::string_view key);
// Whether a key or value name can be stored and read back.
bool StorableName(std::string_view name);

class SettingsTree {
 public:
  const SettingsKeyNode& Root() const { return root_; }
  SettingsKeyNode& Root() { return root_; }

  const SettingsKeyNode* Find(std::string_view key) const;
  SettingsKeyNode& Create(std::string_view key);

  bool operator==(const SettingsTree&) const = default;

 private:
  SettingsKeyNode root_;
};

struct SettingsChange {
  enum class Kind { CreateKey, Write, DeleteValue, DeleteAllValues };
  Kind What = Kind::CreateKey;
  std::string Key;
  std::string Name;
  RegValue Value;
};

void ApplyChange(SettingsTree& tree, const SettingsChange& change);

}  // namespace varnoke
