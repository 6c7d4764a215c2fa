#pragma once
// The directory of run journals: files appended record by record while a run changes
// the disk, held by their run while it lasts, read back after a crash and for undo.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileStore.h"

namespace varnoke {

// A journal held open for appending. The hold ends when the object is destroyed (or
// the process dies): until then no other process takes the journal for recovery.
class AppendFile {
 public:
  virtual ~AppendFile() = default;
  // Appends `bytes` with one write: a killed process leaves all of them or none
  // (false when not all could be written: a full disk, an I/O error).
  virtual bool Append(std::string_view bytes) = 0;
  // Appends the journal's last record: it may use the room kept back for it, so that a
  // journal that ran out of space can still be marked as given up.
  virtual bool AppendLast(std::string_view bytes) { return Append(bytes); }
  // Makes what was appended survive a power cut.
  virtual bool Flush() = 0;
};

// A journal names files to move, restore and remove: only journals that are the user's
// own are used, as ssh uses its files. The directory and each journal must belong to the
// user the program runs as and be writable by nobody else, and neither may be a symbolic
// link; anything else is refused, and what is refused is never read, held, removed or
// renamed (those calls fail for it).
class JournalDirectory {
 public:
  virtual ~JournalDirectory() = default;
  // The directory, for messages.
  virtual std::string Where() const = 0;
  // Why the journal `name`, or for an empty name the directory itself, is refused: a
  // sentence naming the path and the cause, without a closing period ("The run journal
  // /d/run-1.vnj is owned by user 1001, not by you"); a journal in a refused directory
  // gets the directory's. Empty when it is trusted or does not exist.
  virtual std::string Refusal(std::string_view name) = 0;
  // Names of the journals in it, sorted (names begin with the run's time); refused ones
  // too, so that they can be reported, but none when the directory is refused.
  virtual std::vector<std::string> Names() = 0;
  virtual FileBytes Read(std::string_view name) = 0;
  // `length` bytes from `offset` (fewer at the end of the journal).
  virtual FileBytes ReadPart(std::string_view name, std::uint64_t offset, std::size_t length) = 0;
  // The size of the journal's records in bytes (a journal a killed run left may go on
  // with zero bytes); nullopt when it cannot be told.
  virtual std::optional<std::uint64_t> SizeOf(std::string_view name) = 0;
  // A new journal of that name, held; nullptr when it exists or cannot be made
  // (`error` then tells why).
  virtual std::unique_ptr<AppendFile> Create(std::string_view name, IoError& error) = 0;
  // An existing journal, held for appending; nullptr when a live run holds it or it
  // cannot be opened or is refused.
  virtual std::unique_ptr<AppendFile> Hold(std::string_view name) = 0;
  virtual bool Remove(std::string_view name) = 0;
  // Renames a journal (kept aside when damaged); never replaces another file.
  virtual bool Rename(std::string_view from, std::string_view to) = 0;
};

}  // namespace varnoke
