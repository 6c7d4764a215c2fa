#include "engine/JournalTrail.h"

#include "engine/JournalTrace.h"

namespace varnoke {

std::unordered_map<std::string, std::string> MovesOfRun(const JournalRun& run) {
  const Trace t =
      TraceByRecords(run, [](const JournalChange& c) { return c.State == ChangeState::Done; });
  std::unordered_map<std::string, std::string> moves;
  for (const TrashedByTheRun& f : t.Trashed) moves.emplace(f.Original, std::string());
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    const std::string& old = run.Entries[i].OldPath;
    if (!old.empty() && t.Entries[i].At != old) moves[old] = t.Entries[i].At;
  }
  return moves;
}

JournalTrail::JournalTrail(JournalDirectory& journals, const PathRules& rules) {
  if (!journals.Refusal({}).empty()) return;
  for (const std::string& name : journals.Names()) {
    if (!journals.Refusal(name).empty()) continue;
    const FileBytes bytes = journals.Read(name);
    if (bytes.Error) continue;
    JournalReading reading = ReadJournal(bytes.Bytes);
    if (!reading.Run) continue;
    MakePathsFull(*reading.Run, rules);
    runs_.push_back(MovesOfRun(*reading.Run));
  }
}

std::optional<std::string> JournalTrail::WhereNow(const std::string& path) const {
  auto newest = runs_.rbegin();
  while (newest != runs_.rend() && !newest->count(path)) ++newest;
  if (newest == runs_.rend()) return std::nullopt;
  std::string where = newest->at(path);
  for (auto later = newest.base(); later != runs_.end() && !where.empty(); ++later)
    if (auto it = later->find(where); it != later->end()) where = it->second;
  if (where.empty()) return std::nullopt;
  return where;
}

}  // namespace varnoke
