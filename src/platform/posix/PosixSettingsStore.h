#pragma once
// The settings kept as one REGEDIT4 text file (Varnoke.reg in the settings
// directory). The file is read when the store is made; Flush takes the lock file
// beside it, reads the file again, applies only this process's changes to what it
// finds and replaces the file atomically, so two processes that end at the same
// time both keep their changes. A file that cannot be parsed is moved aside to
// Varnoke.reg.bad (never overwritten) and reported through TakeProblems.
#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "platform/posix/SettingsTree.h"

namespace varnoke {

inline constexpr const char* kSettingsFileName = "Varnoke.reg";

class PosixSettingsStore final : public SettingsStore {
 public:
  // Reads the settings file of `directory` (see SettingsDirectory()).
  explicit PosixSettingsStore(std::string directory);

  bool KeyExists(std::string_view key) const override;
  std::optional<RegValue> Read(std::string_view key, std::string_view name) const override;
  std::vector<std::string> ValueNames(std::string_view key) const override;
  std::vector<std::string> SubkeyNames(std::string_view key) const override;

  void CreateKey(std::string_view key) override;
  bool Write(std::string_view key, std::string_view name, const RegValue& value) override;
  void DeleteValue(std::string_view key, std::string_view name) override;
  void DeleteAllValues(std::string_view key) override;

  bool Flush() override;
  std::vector<SettingsProblem> TakeProblems() override;

  const std::string& FilePath() const { return file_; }

 private:
  enum class Loaded { Tree, Missing, Damaged, Unreadable };
  // Reads the file; a damaged one is moved aside. Call with the lock held.
  Loaded LoadLocked(SettingsTree& into);
  void Record(SettingsChange change);

  std::string directory_;
  std::string file_;
  SettingsTree tree_;
  std::vector<SettingsChange> pending_;
  std::vector<SettingsProblem> problems_;
};

}  // namespace varnoke
