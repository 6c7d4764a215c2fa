#pragma once
// The renaming options of one file list: a fixed 68-byte block (stored whole in
// option-set files and the settings) followed by five texts and the search filters.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/FileTime.h"

namespace varnoke {

// Bits of TFiles::Flags.
inline constexpr std::uint32_t Enumerate = 0x00000001;
inline constexpr std::uint32_t DeleteOnConflict = 0x00000002;
inline constexpr std::uint32_t ChangeName = 0x00000004;
inline constexpr std::uint32_t ChangeExt = 0x00000008;
inline constexpr std::uint32_t UseWildcards = 0x00000010;
inline constexpr std::uint32_t Advanced = 0x00000020;
inline constexpr std::uint32_t SearchSubdirs = 0x00000040;
inline constexpr std::uint32_t SearchUseReadOnly = 0x00000080;
inline constexpr std::uint32_t SearchUseArchive = 0x00000100;
inline constexpr std::uint32_t SearchUseSystem = 0x00000200;
inline constexpr std::uint32_t SearchUseHidden = 0x00000400;
inline constexpr std::uint32_t SearchReadOnly = 0x00000800;
inline constexpr std::uint32_t SearchArchive = 0x00001000;
inline constexpr std::uint32_t SearchSystem = 0x00002000;
inline constexpr std::uint32_t SearchHidden = 0x00004000;
inline constexpr std::uint32_t DisregardExt = 0x00008000;
inline constexpr std::uint32_t DateFromClock = 0x00010000;
// Date codes from the time each photo or video was taken (when DateFromClock is clear).
// Sets made before it never set this bit, so they keep meaning file time.
inline constexpr std::uint32_t DateFromTaken = 0x00020000;
// A new creation, last-write or last-access time from the file's own time taken
// instead of the option's date (when the time gets a new value at all).
inline constexpr std::uint32_t CreatedFromTaken = 0x00040000;
inline constexpr std::uint32_t ModifiedFromTaken = 0x00080000;
inline constexpr std::uint32_t AccessedFromTaken = 0x00100000;
inline constexpr std::uint32_t kFromTakenMask = 0x001C0000;
// Bits 6 to 14: the search dialog's own switches.
inline constexpr std::uint32_t kSearchFlagsMask = 0x00007FC0;

// Bits of DateFlags and IncreaseFlags: which file time gets a new value.
inline constexpr std::uint8_t kDateCreated = 0x01;
inline constexpr std::uint8_t kDateModified = 0x02;
inline constexpr std::uint8_t kDateAccessed = 0x04;

// Where the date codes take their date from.
enum class DateSource { File, Clock, Taken };

// Transport values.
inline constexpr std::uint8_t kTransportMove = 0;
inline constexpr std::uint8_t kTransportLeave = 1;
inline constexpr std::uint8_t kTransportCopy = 2;

// CaseMode values.
inline constexpr std::uint8_t kCaseNone = 0;
inline constexpr std::uint8_t kCaseUpper = 1;
inline constexpr std::uint8_t kCaseLower = 2;
inline constexpr std::uint8_t kCaseTitle = 3;
inline constexpr std::uint8_t kCaseTitleEveryWord = 4;

// The value every date field gets from the date reset: local 1979-12-31 23:58:06.4719871.
inline constexpr FileTime kResetDate = 0x01A8E79F9E2A7FFFULL;

inline constexpr std::size_t kOptionsBlockSize = 68;
using OptionsBlock = std::array<std::uint8_t, kOptionsBlockSize>;

struct TFiles {
  // Fixed part, in block order. The initial values are the start-up defaults.
  std::uint32_t Flags = 0;
  std::uint8_t CaseMode = 0;
  std::uint8_t Digits = 1;
  std::uint16_t Step = 1;
  std::int32_t Start = 1;
  std::uint8_t Transport = kTransportLeave;
  std::uint8_t DateFlags = 0;
  std::uint8_t IncreaseFlags = 0;
  std::uint8_t Unused15 = 0;  // never read, stored as it came
  FileTime CreatedDate = 0;
  FileTime AccessedDate = 0;
  FileTime ModifiedDate = 0;
  FileTime CreatedInc = 0;
  FileTime AccessedInc = 0;
  FileTime ModifiedInc = 0;
  std::uint8_t AttrMask = 0;
  std::uint8_t AttrValues = 0;
  std::uint8_t EditParts = 0;
  std::uint8_t Columns = 0;

  // Variable part.
  std::string Name;
  std::string Ext;
  std::string Path;
  std::string AddFiles;
  std::string DateString;
  std::vector<std::string> Filters;

  bool Has(std::uint32_t flag) const { return (Flags & flag) != 0; }
  void Set(std::uint32_t flag, bool on) { Flags = on ? (Flags | flag) : (Flags & ~flag); }

  // The fixed part as stored, little-endian whatever the host.
  OptionsBlock EncodeBlock() const;
  // Takes the 68 bytes as they are, without range checks.
  void DecodeBlock(std::span<const std::uint8_t, kOptionsBlockSize> block);

  bool operator==(const TFiles&) const = default;

  // The clock wins over the time taken, as a program that knows only the clock reads it.
  DateSource DateCodes() const;
  void SetDateCodes(DateSource source);
  // The bit of Flags that sets a file time from the time taken, by its DateFlags bit.
  static std::uint32_t FromTakenBit(std::uint8_t dateBit);
  // Whether a file time that gets a new value takes it from the file's time taken.
  bool SetsTimeFromTaken() const;
  // Whether planning needs the times taken of the files.
  bool UsesTimeTaken() const { return DateCodes() == DateSource::Taken || SetsTimeFromTaken(); }
};

// The reset groups of the options, as the file-list window's menu items name them.
void Resetname1Click(TFiles& options);
void Resetdate1Click(TFiles& options);
void Resetattribute1Click(TFiles& options);
void Resetall1Click(TFiles& options);

}  // namespace varnoke
