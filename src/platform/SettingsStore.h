#pragma once
// The per-user settings: keys holding typed values, with the key and value names,
// types and byte layouts of the registry of the current user. Changes are kept in
// memory until Flush makes them lasting.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnoke {

// Value types, with the registry's numbers.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

struct RegValue {
  std::uint32_t Type = kRegSz;
  // The data as stored; a text without its terminating zero.
  std::vector<std::uint8_t> Data;

  static RegValue String(std::string_view text);
  static RegValue Dword(std::uint32_t value);
  static RegValue Binary(std::span<const std::uint8_t> bytes);

  // The text up to its first zero byte; nullopt when the value is no text.
  std::optional<std::string> AsString() const;
  // nullopt unless the value is a 32-bit integer of exactly four bytes.
  std::optional<std::uint32_t> AsDword() const;

  bool operator==(const RegValue&) const = default;
};

// A settings file that could not be read: where it was and where it was kept.
struct SettingsProblem {
  std::string File;
  std::string KeptAs;  // empty when the file could not be moved aside either
};

// Keys are paths below the current user's root, parts separated by "\"
// ("Software\Orvelia\Varnoke"). Key and value names compare without regard to
// ASCII letter case; values enumerate in the order they were first stored.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual bool KeyExists(std::string_view key) const = 0;
  virtual std::optional<RegValue> Read(std::string_view key, std::string_view name) const = 0;
  virtual std::vector<std::string> ValueNames(std::string_view key) const = 0;
  virtual std::vector<std::string> SubkeyNames(std::string_view key) const = 0;

  // Creates the key and every key above it that is missing.
  virtual void CreateKey(std::string_view key) = 0;
  // Stores a value (creating its key); a value of the same name keeps its place.
  // False for a name the store cannot keep (line breaks or zero bytes in it).
  virtual bool Write(std::string_view key, std::string_view name, const RegValue& value) = 0;
  virtual void DeleteValue(std::string_view key, std::string_view name) = 0;
  virtual void DeleteAllValues(std::string_view key) = 0;

  // Makes the changes since the last Flush lasting; false when that failed (the
  // changes are kept for another try).
  virtual bool Flush() = 0;
  // Stored files found damaged or unreadable since the last call.
  virtual std::vector<SettingsProblem> TakeProblems() = 0;
};

}  // namespace varnoke
