#include "engine/JournalRecords.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <concepts>

#include "engine/TsvField.h"

namespace varnoke {
namespace {

constexpr std::array<std::string_view, 4> kKindNames = {"run", "undo", "rollback", "finish"};
constexpr std::array<std::string_view, 8> kOpNames = {
    "move", "copy", "aside", "settle", "trash", "trash-source", "times", "attributes"};

void Field(std::string& out, std::string_view text) {
  out += '\t';
  AppendTsvField(out, text);
}

template <std::integral Number>
void Field(std::string& out, Number value) {
  std::array<char, 24> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  out += '\t';
  out.append(digits.data(), end);
}

void Times(std::string& out, const FileTimes& times) {
  Field(out, times.Created);
  Field(out, times.Accessed);
  Field(out, times.Written);
}

// One line split into its unescaped fields; nullopt when an escape is unknown.
std::optional<std::vector<std::string>> Fields(std::string_view line) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') {
      fields.emplace_back();
    } else if (c != '\\') {
      fields.back() += c;
    } else {
      if (++i == line.size()) return std::nullopt;
      switch (line[i]) {
        case '\\':
          fields.back() += '\\';
          break;
        case 't':
          fields.back() += '\t';
          break;
        case 'n':
          fields.back() += '\n';
          break;
        case '0':
          fields.back() += '\0';
          break;
        default:
          return std::nullopt;
      }
    }
  }
  return fields;
}

template <typename Number>
bool Parse(const std::string& text, Number& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && ptr == end && !text.empty();
}

// An identity: two numbers, or two empty fields where it is not known.
bool ParseId(const std::string& device, const std::string& inode, FileId& id) {
  if (device.empty() && inode.empty()) return true;
  return Parse(device, id.Device) && Parse(inode, id.Inode);
}

void IdFields(std::string& out, const FileId& id) {
  if (!id) {
    out += "\t\t";
    return;
  }
  Field(out, id.Device);
  Field(out, id.Inode);
}

template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i)
    if (names[i] == name) return static_cast<int>(i);
  return -1;
}

class Reader {
 public:
  JournalReading Read(std::string_view bytes) {
    JournalReading reading;
    // A run that was killed leaves zero bytes after its last record.
    bytes = bytes.substr(0, bytes.find('\0'));
    std::size_t at = 0;
    while (at < bytes.size()) {
      const std::size_t end = bytes.find('\n', at);
      if (end == std::string_view::npos) break;  // a write cut short: not a record
      ++line_;
      const auto fields = Fields(bytes.substr(at, end - at));
      at = end + 1;
      if (!fields || !Take(*fields)) {
        reading.Problem = problem_.empty() ? Damaged("a record that cannot be read") : problem_;
        return reading;
      }
    }
    if (line_ == 0) {
      reading.Problem = "not a journal of this program (it is empty)";
      return reading;
    }
    reading.Run = std::move(run_);
    return reading;
  }

 private:
  std::string Damaged(std::string_view what) const {
    return "damaged at line " + std::to_string(line_) + ": " + std::string(what);
  }
  bool Fail(std::string text) {
    problem_ = std::move(text);
    return false;
  }

  bool Take(const std::vector<std::string>& f) {
    const std::string& tag = f[0];
    if (line_ == 1) {
      int version = 0;
      if (f.size() != 2 || tag != kJournalMagic || !Parse(f[1], version))
        return Fail("not a journal of this program");
      version_ = version;
      if (version != 1 && version != kJournalVersion)
        return Fail("written in journal version " + f[1] + ", which this program does not read");
      return true;
    }
    if (line_ == 2) return tag == "run" && TakeRun(f);
    // The journal could not be written on: nothing of it may be acted on.
    if (tag == "given-up" && f.size() == 1 && !run_.GivenUp) {
      run_.GivenUp = true;
      return true;
    }
    if (run_.GivenUp) return false;
    if (tag == "e") return !run_.Begun && TakeEntry(f);
    if (tag == "go") {
      int n = 0;
      run_.Begun = !run_.Begun && f.size() == 2 && Parse(f[1], n) &&
                   n == static_cast<int>(run_.Entries.size());
      return run_.Begun;
    }
    // Changes follow the entries; after the end (or a recovery) only an undo's mark.
    if (!run_.Begun || !run_.RecoveredAs.empty()) return false;
    if (run_.Complete) {
      if (tag != "undone" || f.size() != 2 || !run_.UndoneBy.empty()) return false;
      run_.UndoneBy = f[1];
      return true;
    }
    if (tag == "b") return TakeChange(f);
    if (tag == "a") return TakeOutcome(f);
    if (tag == "n") return TakeMade(f);
    if (tag == "end") {
      int entries = -1;
      run_.Complete = f.size() == 4 && Parse(f[1], run_.Changed) && Parse(f[2], run_.Failed) &&
                      Parse(f[3], entries) && entries == static_cast<int>(run_.Entries.size());
      return run_.Complete;
    }
    if (tag == "recovered" && f.size() == 2 && (f[1] == "finish" || f[1] == "rollback")) {
      run_.RecoveredAs = f[1];
      return true;
    }
    return false;
  }

  bool TakeRun(const std::vector<std::string>& f) {
    JournalHeader& h = run_.Header;
    int kind = f.size() == 8 ? IndexOf(kKindNames, f[1]) : -1;
    int transport = 0;
    int deletes = 0;
    if (kind < 0 || !Parse(f[2], h.Started) || !Parse(f[3], transport) || transport < 0 ||
        transport > 2 || !Parse(f[4], deletes))
      return false;
    h.Kind = static_cast<RunKind>(kind);
    h.Transport = static_cast<std::uint8_t>(transport);
    h.DeleteOnConflict = deletes != 0;
    h.Origin = f[5];
    h.Of = f[6];
    h.Directory = f[7];
    return true;
  }

  bool TakeEntry(const std::vector<std::string>& f) {
    JournalEntry e;
    int index = -1;
    const std::size_t fields = version_ == 1 ? 14 : 18;
    if (f.size() != fields || !Parse(f[1], index) || index != static_cast<int>(run_.Entries.size()))
      return false;
    e.OldPath = f[2];
    e.NewPath = f[3];
    // Where the run keeps the times, the old access time is left out (0 here), and in a
    // journal of version 1 the creation time too: nothing needs them then.
    if (!Parse(f[4], e.Size) || !Parse(f[5], e.OldAttr) ||
        (!f[6].empty() && !Parse(f[6], e.OldTimes.Created)) ||
        (!f[7].empty() && !Parse(f[7], e.OldTimes.Accessed)) || !Parse(f[8], e.OldTimes.Written))
      return false;
    // Empty new values are the old ones.
    e.NewAttr = e.OldAttr;
    if (!f[9].empty() && !Parse(f[9], e.NewAttr)) return false;
    e.NewTimes = e.OldTimes;
    const bool sameTimes = f[10].empty() && f[11].empty() && f[12].empty();
    if (!sameTimes && (!Parse(f[10], e.NewTimes.Created) || !Parse(f[11], e.NewTimes.Accessed) ||
                       !Parse(f[12], e.NewTimes.Written)))
      return false;
    if (!f[13].empty()) return false;  // room for flags of a later version
    if (fields == 18 && (!ParseId(f[14], f[15], e.Id) || !ParseId(f[16], f[17], e.InTheWay)))
      return false;
    run_.Entries.push_back(std::move(e));
    return true;
  }

  bool TakeChange(const std::vector<std::string>& f) {
    JournalChange c;
    long seq = -1;
    const int op = f.size() == 6 ? IndexOf(kOpNames, f[2]) : -1;
    if (op < 0 || !Parse(f[1], seq) || seq != static_cast<long>(run_.Changes.size()) ||
        !Parse(f[3], c.Entry) || c.Entry < -1 || c.Entry >= static_cast<int>(run_.Entries.size()))
      return false;
    c.Op = static_cast<JournalOp>(op);
    c.From = f[4];
    c.To = f[5];
    // A carry from the entry's old path to its planned one names neither.
    if ((c.Op == JournalOp::Move || c.Op == JournalOp::Copy) && c.Entry >= 0) {
      const JournalEntry& e = run_.Entries[static_cast<std::size_t>(c.Entry)];
      if (c.From.empty()) c.From = e.OldPath;
      if (c.To.empty()) c.To = e.NewPath;
    }
    run_.Changes.push_back(std::move(c));
    return true;
  }

  bool TakeOutcome(const std::vector<std::string>& f) {
    long seq = -1;
    int error = 0;
    if (f.size() != 4 || !Parse(f[1], seq) || seq < 0 ||
        seq >= static_cast<long>(run_.Changes.size()) || !Parse(f[2], error))
      return false;
    JournalChange& c = run_.Changes[static_cast<std::size_t>(seq)];
    if (c.State != ChangeState::Unknown) return false;
    c.State = error == 0 ? ChangeState::Done : ChangeState::Failed;
    c.Error = error;
    c.TrashedAt = f[3];
    return true;
  }

  bool TakeMade(const std::vector<std::string>& f) {
    long seq = -1;
    FileId id;
    if (f.size() != 4 || !Parse(f[1], seq) || seq < 0 ||
        seq >= static_cast<long>(run_.Changes.size()) || !Parse(f[2], id.Device) ||
        !Parse(f[3], id.Inode))
      return false;
    run_.Changes[static_cast<std::size_t>(seq)].Made = id;
    return true;
  }

  JournalRun run_;
  int version_ = kJournalVersion;
  int line_ = 0;
  std::string problem_;
};

}  // namespace

std::string_view RunKindName(RunKind kind) {
  return kKindNames[static_cast<std::size_t>(kind)];
}

void AppendHeaderRecords(std::string& out, const JournalHeader& h) {
  out += kJournalMagic;
  Field(out, kJournalVersion);
  out += "\nrun";
  Field(out, RunKindName(h.Kind));
  Field(out, h.Started);
  Field(out, static_cast<int>(h.Transport));
  Field(out, h.DeleteOnConflict ? 1 : 0);
  Field(out, h.Origin);
  Field(out, h.Of);
  Field(out, h.Directory);
  out += '\n';
}

void AppendEntryRecord(std::string& out, int index, const JournalEntry& e) {
  out += 'e';
  Field(out, index);
  Field(out, e.OldPath);
  Field(out, e.NewPath);
  Field(out, e.Size);
  Field(out, e.OldAttr);
  // New values equal to the old are left empty, and so is the old access time when no
  // time changes: most runs change names only, and undo goes by the size and the
  // last-write time alone.
  const bool sameTimes = e.NewTimes == e.OldTimes;
  if (sameTimes) {
    // The creation time stays: with the identity it tells the file from another that
    // was given the same identity after this one was removed.
    Field(out, e.OldTimes.Created);
    out += '\t';
    Field(out, e.OldTimes.Written);
  } else {
    Times(out, e.OldTimes);
  }
  if (e.NewAttr != e.OldAttr)
    Field(out, e.NewAttr);
  else
    out += '\t';
  if (!sameTimes)
    Times(out, e.NewTimes);
  else
    out += "\t\t\t";
  out += '\t';  // flags: none yet
  IdFields(out, e.Id);
  IdFields(out, e.InTheWay);
  out += '\n';
}

void AppendBeginRecord(std::string& out, int entries) {
  out += "go";
  Field(out, entries);
  out += '\n';
}

void AppendChangeRecord(std::string& out, long seq, const JournalChange& c) {
  out += 'b';
  Field(out, seq);
  Field(out, kOpNames[static_cast<std::size_t>(c.Op)]);
  Field(out, c.Entry);
  Field(out, c.From);
  Field(out, c.To);
  out += '\n';
}

void AppendOutcomeRecord(std::string& out, long seq, int error, std::string_view trashedAt) {
  out += 'a';
  Field(out, seq);
  Field(out, error);
  Field(out, trashedAt);
  out += '\n';
}

void AppendEndRecord(std::string& out, int changed, int failed, int entries) {
  out += "end";
  Field(out, changed);
  Field(out, failed);
  Field(out, entries);
  out += '\n';
}

void AppendUndoneRecord(std::string& out, std::string_view by) {
  out += "undone";
  Field(out, by);
  out += '\n';
}

void AppendRecoveredRecord(std::string& out, std::string_view how) {
  out += "recovered";
  Field(out, how);
  out += '\n';
}

void AppendMadeRecord(std::string& out, long seq, const FileId& made) {
  out += 'n';
  Field(out, seq);
  Field(out, made.Device);
  Field(out, made.Inode);
  out += '\n';
}

void AppendGivenUpRecord(std::string& out) {
  out += "given-up\n";
}

std::vector<bool> ChangedEntries(const JournalRun& run) {
  std::vector<bool> changed(run.Entries.size(), false);
  for (const JournalChange& c : run.Changes)
    if (c.Entry >= 0 && c.State == ChangeState::Done)
      changed[static_cast<std::size_t>(c.Entry)] = true;
  return changed;
}

int ChangedFiles(const JournalRun& run) {
  const std::vector<bool> changed = ChangedEntries(run);
  return static_cast<int>(std::count(changed.begin(), changed.end(), true));
}

void MakePathsFull(JournalRun& run, const PathRules& rules) {
  const std::string& base = run.Header.Directory;
  auto full = [&](std::string& path) {
    if (path.empty() || base.empty()) return;
    const SplitPath parts = rules.Split(path);
    if (!rules.IsFullPath(parts.Path)) path = base + rules.Separator() + path;
  };
  for (JournalEntry& e : run.Entries) {
    full(e.OldPath);
    full(e.NewPath);
  }
  for (JournalChange& c : run.Changes) {
    full(c.From);
    full(c.To);
  }
}

std::optional<JournalGlance> GlanceAtJournal(std::string_view head, std::string_view tail) {
  std::size_t second = head.find('\n');
  if (second != std::string_view::npos) second = head.find('\n', second + 1);
  if (second == std::string_view::npos) return std::nullopt;
  JournalReading start = ReadJournal(head.substr(0, second + 1));
  if (!start.Run) return std::nullopt;
  JournalGlance glance;
  glance.Header = std::move(start.Run->Header);
  tail = tail.substr(0, tail.find('\0'));
  // The first line of the tail may be cut: only whole lines after it are looked at.
  std::size_t at = tail.find('\n');
  while (at != std::string_view::npos && at + 1 < tail.size()) {
    const std::size_t end = tail.find('\n', at + 1);
    if (end == std::string_view::npos) break;
    const auto f = Fields(tail.substr(at + 1, end - at - 1));
    at = end;
    if (!f || f->empty()) continue;
    const std::string& tag = (*f)[0];
    if (tag == "end" && f->size() == 4) {
      int failed = 0;
      glance.Complete = Parse((*f)[1], glance.Changed) && Parse((*f)[2], failed) &&
                        Parse((*f)[3], glance.Entries);
    } else if (tag == "undone" && f->size() == 2) {
      glance.UndoneBy = (*f)[1];
    } else if (tag == "recovered" && f->size() == 2) {
      glance.RecoveredAs = (*f)[1];
    } else if (tag == "given-up" && f->size() == 1) {
      glance.GivenUp = true;
    }
  }
  return glance;
}

JournalReading ReadJournal(std::string_view bytes) {
  return Reader().Read(bytes);
}

}  // namespace varnoke
