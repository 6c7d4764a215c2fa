#include "engine/JournalTrail.h"

namespace varnoke {

std::unordered_map<std::string, std::string> MovesOfRun(const JournalRun& run) {
  std::vector<std::string> at(run.Entries.size());
  for (std::size_t i = 0; i < run.Entries.size(); ++i) at[i] = run.Entries[i].OldPath;
  std::unordered_map<std::string, std::string> moves;
  for (const JournalChange& c : run.Changes) {
    if (c.State != ChangeState::Done) continue;
    if (c.Entry < 0) {
      if (c.Op == JournalOp::Trash) moves.emplace(c.From, std::string());
      continue;
    }
    std::string& where = at[static_cast<std::size_t>(c.Entry)];
    switch (c.Op) {
      case JournalOp::Move:
      case JournalOp::Aside:
      case JournalOp::Settle:
        where = c.To;
        break;
      case JournalOp::TrashSource:
        where.clear();
        break;
      case JournalOp::Trash:
        // The file that stood at the entry's planned place, not the entry's own.
        moves.emplace(c.From, std::string());
        break;
      case JournalOp::Copy:
      case JournalOp::Times:
      case JournalOp::Attributes:
        break;
    }
  }
  for (std::size_t i = 0; i < run.Entries.size(); ++i) {
    const std::string& old = run.Entries[i].OldPath;
    if (!old.empty() && at[i] != old) moves[old] = std::move(at[i]);
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
