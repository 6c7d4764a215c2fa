// The run journal's reader: whatever a journal holds it either reads a run or says why
// not, and a run it reads, written out again, reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/JournalRecords.h"

namespace {

std::string Write(const varnoke::JournalRun& run) {
  using namespace varnoke;
  std::string out;
  AppendHeaderRecords(out, run.Header);
  for (std::size_t i = 0; i < run.Entries.size(); ++i)
    AppendEntryRecord(out, static_cast<int>(i), run.Entries[i]);
  if (!run.Begun) return out;
  AppendBeginRecord(out, static_cast<int>(run.Entries.size()));
  long seq = 0;
  for (const JournalChange& c : run.Changes) {
    AppendChangeRecord(out, seq, c);
    if (c.State != ChangeState::Unknown) AppendOutcomeRecord(out, seq, c.Error, c.TrashedAt);
    ++seq;
  }
  if (run.Complete)
    AppendEndRecord(out, run.Changed, run.Failed, static_cast<int>(run.Entries.size()));
  if (!run.UndoneBy.empty()) AppendUndoneRecord(out, run.UndoneBy);
  if (!run.RecoveredAs.empty()) AppendRecoveredRecord(out, run.RecoveredAs);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const varnoke::JournalReading reading = varnoke::ReadJournal(bytes);
  if (reading.Run.has_value() == !reading.Problem.empty()) std::abort();
  if (!reading.Run) return 0;
  const varnoke::JournalReading again = varnoke::ReadJournal(Write(*reading.Run));
  if (!again.Run) std::abort();
  const varnoke::JournalRun& a = *reading.Run;
  const varnoke::JournalRun& b = *again.Run;
  if (a.Entries.size() != b.Entries.size() || a.Changes.size() != b.Changes.size() ||
      a.Complete != b.Complete || a.Header.Origin != b.Header.Origin || a.UndoneBy != b.UndoneBy ||
      a.RecoveredAs != b.RecoveredAs)
    std::abort();
  for (std::size_t i = 0; i < a.Entries.size(); ++i)
    if (a.Entries[i].OldPath != b.Entries[i].OldPath ||
        a.Entries[i].NewPath != b.Entries[i].NewPath)
      std::abort();
  for (std::size_t i = 0; i < a.Changes.size(); ++i)
    if (a.Changes[i].From != b.Changes[i].From || a.Changes[i].State != b.Changes[i].State ||
        a.Changes[i].TrashedAt != b.Changes[i].TrashedAt)
      std::abort();
  return 0;
}
