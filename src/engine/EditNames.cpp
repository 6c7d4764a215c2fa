#include "engine/EditNames.h"

#include "engine/AddFile.h"
#include "engine/EditMessages.h"
#include "engine/LetterCase.h"
#include "engine/PendingSources.h"
#include "model/TFiles.h"
#include "platform/SessionScopes.h"

#include <algorithm>
#include <memory>

namespace varnoke {
namespace {

constexpr std::string_view kTitleSeparators = "\n !#%&()*+,-.:;=?\\^_";
constexpr std::size_t kEditTextPumpInterval = 10;

// UTF-8 of characters a text editor takes as the end of a line.
constexpr std::string_view kBreakingCharacters[] = {"\r", "\n", "\xE2\x80\xA9", "\xEF\xB7\x90",
                                                    "\xEF\xB7\x91"};

void ReplaceLineBreaks(std::string& line) {
  for (std::string_view mark : kBreakingCharacters) {
    for (std::size_t at = line.find(mark); at != std::string::npos; at = line.find(mark, at + 1))
      line.replace(at, mark.size(), "?");
  }
}

// The extension as a full path of the rules ends with it: "" or "." + ext.
std::string ExtSuffix(std::string_view ext, const PathRules& rules) {
  return rules.Join("", "", ext).substr(1);
}

std::string FullPathOf(const TVrnFile& entry, const PathRules& rules) {
  return rules.Join(entry.Path(), entry.Name(), entry.Ext());
}

// Whether a new path names its directory in full (a bare or relative name would move
// the file to wherever the program happens to run).
bool IsFullFilePath(std::string_view path, const PathRules& rules) {
  return path.find(rules.Separator()) != std::string_view::npos &&
         rules.IsFullPath(rules.Split(path).Path);
}

// Applying the lines: one line at a time against the entry at the same place. Places
// are the positions entries and lines had when applying began; entries and lines leave
// as it goes (files that vanished, files that went to the trash), so each is found by
// its place.
class Applier {
 public:
  Applier(FileSystem& fs, Session& session, TVrnFiles& files, std::vector<std::string>& lines,
          int mode)
      : fs_(fs),
        rules_(fs.Rules()),
        session_(session),
        files_(files),
        lines_(lines),
        mode_(mode),
        pending_(fs, files.Count()),
        journaled_(static_cast<std::size_t>(files.Count()), -1) {}

  EditApplied Run(int n, const EditJournalStart& startJournal);

 private:
  enum class Step { Next, Stop };
  Step ApplyLine(int place);
  Step Overwrite(int place, const std::string& from, const std::string& to);
  // The entry at `place` now names `to`: listed anew in its place.
  void Relist(int place, const std::string& to);
  // The entry at `place` leaves the list; with `withLine`, its line leaves the text.
  void Drop(int place, bool withLine);
  // Other entries naming `path`, whose file went to the trash, leave the list and their
  // lines the text: no two entries name one file.
  void DropOthersAt(int place, const std::string& path);
  // A later line's file standing at `path` moves to a temporary name beside it.
  bool MoveAside(const std::string& path, int self);
  // Files still waiting aside when applying ends go back to their names.
  void SettleAside();
  // Where the entry, and the line, first at `place` stand now.
  int EntryAt(int place) const { return place - CountBefore(dropped_, place); }
  int LineAt(int place) const { return place - CountBefore(linesGone_, place); }
  // The place of the entry now at `entry`.
  int PlaceOf(int entry) const;
  static int CountBefore(const std::vector<int>& places, int place) {
    return static_cast<int>(std::lower_bound(places.begin(), places.end(), place) - places.begin());
  }
  static void Insert(std::vector<int>& places, int place) {
    places.insert(std::upper_bound(places.begin(), places.end(), place), place);
  }
  void Tell(const std::string& text) {
    AskAside(session_, text, kVarnokeCaption, Buttons::Ok, Icon::Warning);
  }
  // The run journal: every line naming a new full path is recorded before the first
  // change, every change before and after it is made.
  void RecordEntries(int n);
  // The journal that records changes of the file at `place`: none for a line it does not
  // hold.
  RunJournal* JournalOf(int place) const;
  FsStatus Move(JournalOp op, int place, const std::string& from, const std::string& to) {
    return RecordedChange(JournalOf(place), fs_, op, journaled_[static_cast<std::size_t>(place)],
                          from, to, [&] { return fs_.MoveNoReplace(from, to); });
  }
  FsStatus Trash(int place, const std::string& path) {
    return RecordedTrash(JournalOf(place), fs_, JournalOp::Trash,
                         journaled_[static_cast<std::size_t>(place)], path);
  }

  FileSystem& fs_;
  const PathRules& rules_;
  Session& session_;
  TVrnFiles& files_;
  std::vector<std::string>& lines_;
  int mode_;
  bool removed_ = false;
  // Where the file of every entry whose line names a change lies until its turn, by place.
  PendingSources pending_;
  std::vector<int> dropped_;    // places of entries that left the list, ascending
  std::vector<int> linesGone_;  // places of lines that left the text, ascending
  std::vector<int> aside_;      // places of files moved out of an earlier line's way
  int tempCounter_ = 0;
  std::unique_ptr<RunJournal> journal_;
  std::vector<int> journaled_;  // the journal's entry of each place; -1: none
  int changed_ = 0;             // files renamed by their own line
};

int Applier::PlaceOf(int entry) const {
  int place = entry;
  for (const int gone : dropped_)
    if (gone <= place) ++place;
  return place;
}

EditApplied Applier::Run(int n, const EditJournalStart& startJournal) {
  bool changes = false;
  for (int i = 0; i < n; ++i) {
    const TVrnFile& entry = files_.Items(i);
    if (lines_[static_cast<std::size_t>(i)] == EditLine(entry, mode_, rules_)) continue;
    pending_.Add(i, FullPathOf(entry, rules_));
    changes = true;
  }
  // A journal only for files to rename: lines that name no change leave none.
  if (startJournal && changes) {
    JournalForRun journal = startJournal();
    if (!journal.Go) return {};
    journal_ = std::move(journal.Journal);
    if (journal_ && !journal_->Open()) journal_.reset();
    RecordEntries(n);
  }
  BusyScope busy(session_);
  ListingScope listing(fs_);  // the files listed anew share one look
  PumpEvery pump(session_, 10);
  EditOutcome outcome = EditOutcome::Done;
  for (int place = 0; place < n; ++place) {
    pump(place + 1);  // events at lines 9, 19 ... counted from 1
    if (std::binary_search(dropped_.begin(), dropped_.end(), place)) continue;
    if (ApplyLine(place) == Step::Stop) {
      outcome = EditOutcome::Stopped;
      break;
    }
  }
  SettleAside();
  if (journal_) {
    journal_->End(changed_, static_cast<int>(std::count_if(journaled_.begin(), journaled_.end(),
                                                           [](int k) { return k >= 0; })) -
                                changed_);
    if (!journal_->Problem().empty()) Tell(journal_->Problem());
    journal_.reset();
  }
  return {outcome, removed_};
}

void Applier::RecordEntries(int n) {
  if (!journal_) return;
  int index = 0;
  for (int place = 0; place < n; ++place) {
    if (pending_.Source(place).empty()) continue;
    const TVrnFile& f = files_.Items(place);
    JournalEntry e;
    e.OldPath = FullPathOf(f, rules_);
    e.NewPath = EditedPath(f, lines_[static_cast<std::size_t>(place)], mode_, rules_);
    if (!IsFullFilePath(e.NewPath, rules_)) continue;  // told and skipped in its turn
    e.Size = f.Size;
    e.OldAttr = e.NewAttr = f.Attr;
    e.OldTimes = e.NewTimes = {f.Created, f.Accessed, f.Written};
    e.Id = fs_.IdOf(e.OldPath).value_or(FileId());
    // A file at the new name that no line renames may go to the trash: recovery knows it
    // there by this.
    if (const std::optional<FileId> there = fs_.IdOf(e.NewPath);
        there && !(*there == e.Id) && pending_.Find(e.NewPath) < 0)
      e.InTheWay = *there;
    journal_->AddEntry(e);
    journaled_[static_cast<std::size_t>(place)] = index++;
  }
  journal_->Begin();
  if (!journal_->Problem().empty()) {
    Tell(journal_->Problem());
    journal_.reset();
  }
}

RunJournal* Applier::JournalOf(int place) const {
  return journaled_[static_cast<std::size_t>(place)] >= 0 ? journal_.get() : nullptr;
}

void Applier::Drop(int place, bool withLine) {
  files_.Delete(EntryAt(place));
  Insert(dropped_, place);
  if (!withLine) return;
  const int line = LineAt(place);
  if (line < static_cast<int>(lines_.size()))
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
  Insert(linesGone_, place);
  removed_ = true;
}

void Applier::DropOthersAt(int place, const std::string& path) {
  for (int k = files_.Count() - 1; k >= 0; --k) {
    const int other = PlaceOf(k);
    if (other == place || !rules_.SameName(FullPathOf(files_.Items(k), rules_), path)) continue;
    // A file still waiting aside under a temporary name was not the one in the way.
    if (std::find(aside_.begin(), aside_.end(), other) != aside_.end() &&
        fs_.Exists(pending_.Source(other)))
      continue;
    pending_.Remove(other);
    Drop(other, true);
  }
}

bool Applier::MoveAside(const std::string& path, int self) {
  const int waiting = pending_.Find(path);
  if (waiting < 0 || waiting == self) return false;
  const std::string source = pending_.Source(waiting);
  const SplitPath where = rules_.Split(source);
  for (int tries = 0; tries < 10'000; ++tries) {
    std::string temp = rules_.Join(where.Path, ".varnoke-" + std::to_string(++tempCounter_), "tmp");
    if (Move(JournalOp::Aside, waiting, source, temp)) {
      pending_.MoveTo(waiting, std::move(temp));
      aside_.push_back(waiting);
      return true;
    }
    if (!fs_.Exists(temp)) return false;  // not a taken name: the move itself fails
  }
  return false;
}

void Applier::SettleAside() {
  for (const int place : aside_) {
    const std::string temp = pending_.Source(place);
    if (!fs_.Exists(temp) || std::binary_search(dropped_.begin(), dropped_.end(), place)) continue;
    const int at = EntryAt(place);
    const TVrnFile& entry = files_.Items(at);
    const std::string original = FullPathOf(entry, rules_);
    if (Move(JournalOp::Settle, place, temp, original)) continue;
    // Its old name is taken by now (an earlier line gave it to another file): the file
    // goes beside it with a "#n" suffix, and the entry names it there.
    std::string settled = temp;
    for (int n = 1; n <= 10'000; ++n) {
      const std::string beside = rules_.Join(
          entry.Path(), std::string(entry.Name()) + "#" + std::to_string(n), entry.Ext());
      if (Move(JournalOp::Settle, place, temp, beside)) {
        settled = beside;
        break;
      }
      if (!fs_.Exists(beside)) break;
    }
    TVrnFiles fresh;
    if (AddFile(fs_, fresh, settled)) files_.Items(at) = std::move(fresh.Items(0));
    Tell(KeptBesideMessage(session_.texts(), original, settled));
  }
}

Applier::Step Applier::ApplyLine(int place) {
  const TVrnFile& entry = files_.Items(EntryAt(place));
  const std::string& text = lines_[static_cast<std::size_t>(LineAt(place))];
  if (text == EditLine(entry, mode_, rules_)) return Step::Next;
  // A file moved out of an earlier line's way is taken from where it waits.
  const std::string& waiting = pending_.Source(place);
  const std::string from = waiting.empty() ? FullPathOf(entry, rules_) : waiting;
  pending_.Remove(place);
  const std::string to = EditedPath(entry, text, mode_, rules_);
  if (!IsFullFilePath(to, rules_)) {
    Tell(NotRenamedMessage(session_.texts(), from, to, session_.texts().Text(kNotFullPathReason)));
    return Step::Next;
  }
  if (Move(JournalOp::Move, place, from, to)) {
    Relist(place, to);
    return Step::Next;
  }
  if (!fs_.Exists(from)) {
    Drop(place, true);
    return Step::Next;
  }
  // The file in the way is one a later line renames (a swap, a chain, a cycle of
  // names): it steps aside and takes its own turn from there; nothing is asked.
  if (MoveAside(to, place) && Move(JournalOp::Move, place, from, to)) {
    Relist(place, to);
    return Step::Next;
  }
  return Overwrite(place, from, to);
}

Applier::Step Applier::Overwrite(int place, const std::string& from, const std::string& to) {
  const Answer answer = AskAside(session_, OverwriteQuestion(session_.texts(), to),
                                 session_.texts().Text(kEditFileExistsCaption),
                                 Buttons::YesNoCancel, Icon::None, Answer::No);
  if (answer == Answer::Cancel) return Step::Stop;
  if (answer != Answer::Yes) return Step::Next;
  // Only a real other file in the way goes, and only to the trash.
  if (fs_.Exists(to) && !fs_.SameFile(from, to)) {
    const FsStatus trashed = Trash(place, to);
    if (!trashed) {
      Tell(NotTrashedMessage(session_.texts(), to, from, trashed.Reason()));
      return Step::Next;
    }
    DropOthersAt(place, to);
  }
  const FsStatus moved = Move(JournalOp::Move, place, from, to);
  if (moved) {
    Relist(place, to);
    return Step::Next;
  }
  if (!fs_.Exists(from)) {
    Drop(place, true);
    return Step::Next;
  }
  Tell(NotRenamedMessage(session_.texts(), from, to, moved.Reason()));
  return Step::Next;
}

void Applier::Relist(int place, const std::string& to) {
  ++changed_;
  // Listed on its own and put in the old entry's place: removing and inserting would
  // move every later entry, once per edited line.
  TVrnFiles fresh;
  if (AddFile(fs_, fresh, to)) {
    files_.Items(EntryAt(place)) = std::move(fresh.Items(0));
    return;
  }
  // A file that cannot be listed under its new name has no entry any more: the next
  // line keeps the entry that followed it.
  Drop(place, false);
}

// The code point of the valid UTF-8 sequence at text[i] and its length; 0 when the
// bytes there are no valid sequence (overlong, a surrogate, beyond U+10FFFF, cut).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& code) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  if (b0 < 0x80) {
    code = b0;
    return 1;
  }
  std::size_t length = 0;
  char32_t least = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, code = b0 & 0x1F, least = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, code = b0 & 0x0F, least = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, code = b0 & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    code = (code << 6) | (b & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

int EditModeOf(std::uint8_t editParts) {
  return editParts < kEditModeCount ? editParts : kEditNameOnly;
}

std::string EditLine(const TVrnFile& entry, int mode, const PathRules& rules) {
  std::string line;
  switch (mode) {
    case kEditNameAndExt:
      line = rules.Join("", entry.Name(), entry.Ext()).substr(1);
      break;
    case kEditNameAndPath:
      line.append(entry.Path()).append(1, rules.Separator()).append(entry.Name());
      break;
    case kEditNameExtAndPath:
      line = FullPathOf(entry, rules);
      break;
    default:
      line = entry.Name();
      break;
  }
  ReplaceLineBreaks(line);
  return line;
}

std::string EditedPath(const TVrnFile& entry, std::string_view line, int mode,
                       const PathRules& rules) {
  switch (mode) {
    case kEditNameAndExt:
      return std::string(entry.Path()).append(1, rules.Separator()).append(line);
    case kEditNameAndPath:
      return std::string(line).append(ExtSuffix(entry.Ext(), rules));
    case kEditNameExtAndPath:
      return std::string(line);
    default:
      return rules.Join(entry.Path(), line, entry.Ext());
  }
}

std::string EditText(const TVrnFiles& files, int mode, const PathRules& rules, Session& session) {
  BusyScope busy(session);
  std::string text;
  for (int i = 0; i < files.Count(); ++i) {
    if (i > 0) text.push_back('\n');
    text += EditLine(files.Items(i), mode, rules);
    if (static_cast<std::size_t>(i) % kEditTextPumpInterval == kEditTextPumpInterval - 1)
      session.pump();
  }
  return text;
}

std::vector<std::string> EditLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string EditTextOf(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text.push_back('\n');
    text += lines[i];
  }
  return text;
}

void ChangeCase(std::string& text, CaseChange change) {
  std::string none;
  switch (change) {
    case CaseChange::Upper:
      ApplyCaseMode(kCaseUpper, text, none);
      break;
    case CaseChange::Lower:
      ApplyCaseMode(kCaseLower, text, none);
      break;
    case CaseChange::Title:
      ApplyCaseMode(kCaseTitle, text, none);  // lower case, the first character upper
      for (std::size_t k = 0; k + 1 < text.size(); ++k)
        if (kTitleSeparators.find(text[k]) != std::string_view::npos)
          text[k + 1] = AsciiUpper(text[k + 1]);
      break;
  }
}

EditApplied ApplyEditedNames(FileSystem& fs, Session& session, TVrnFiles& files,
                             std::vector<std::string>& lines, int mode,
                             const EditJournalStart& startJournal) {
  const Translation& tr = session.texts();
  if (session.ask(tr.Text(kReallyRenameText), tr.Text(kEditConfirmationCaption), Buttons::YesNo,
                  Icon::Question) != Answer::Yes)
    return {};
  const int lineCount = static_cast<int>(lines.size());
  int n = files.Count();
  if (lineCount > n && session.ask(tr.Text(kMoreLinesText), tr.Text(kEditWarningCaption),
                                   Buttons::OkCancel, Icon::Warning) != Answer::Ok)
    return {};
  if (lineCount < n) {
    if (session.ask(tr.Text(kFewerLinesText), tr.Text(kEditWarningCaption), Buttons::OkCancel,
                    Icon::Warning) != Answer::Ok)
      return {};
    n = lineCount;
  }
  return Applier(fs, session, files, lines, mode).Run(n, startJournal);
}

JournalForRun StartEditJournal(Services& services, std::string_view caption) {
  // The names editor moves files, and only to the trash when the user says so.
  TFiles options;
  options.Transport = kTransportMove;
  options.Set(DeleteOnConflict, false);
  return StartJournal(services, "Varnoke names editor \"" + std::string(caption) + "\"", options);
}

std::u16string NameTextToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t code = 0;
    const std::size_t length = DecodeUtf8(bytes, i, code);
    if (length == 0) {
      out.push_back(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[i])));
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
    i += length;
  }
  return out;
}

std::string Utf16ToNameText(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      AppendUtf8(out,
                 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (c >= 0xDC80 && c <= 0xDCFF) {
      out.push_back(static_cast<char>(c - 0xDC00));  // a byte that was no valid UTF-8
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      AppendUtf8(out, 0xFFFD);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

}  // namespace varnoke
