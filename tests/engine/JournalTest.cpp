// The run journal: its records read back exactly, damage is told and never acted on,
// complete runs are undone to the very times and attributes they started from, a file
// changed since or a place taken since is refused, and only the newest journals stay.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "RenameWorld.h"
#include "engine/JournalKeeper.h"
#include "engine/JournalMessages.h"
#include "engine/JournalSession.h"
#include "engine/JournalText.h"
#include "model/Attributes.h"
#include "platform/posix/PosixJournalFiles.h"

namespace varnoke {
namespace {

using testing::RenameRun;
using testing::Strings;
using testing::World;

TEST(JournalRecords, ReadBackExactlyWhateverTheNames) {
  JournalHeader h;
  std::tie(h.Started, h.Transport, h.DeleteOnConflict, h.Origin, h.Directory) = std::tuple(
      134'000'000'000'000'000ULL, kTransportCopy, true, "varnoke-cli /O:a\tb.vns /R", "/home/u");
  std::string text;
  AppendHeaderRecords(text, h);
  // clang-format off
  const JournalEntry e{std::string("d/tab\there\0nul", 15), "/d/new\nline\\back\r", 5, 0x21, 0x01,
                       {1, 2, 3}, {4, 5, 6}, {2049, 77}, {2049, 78}};
  // clang-format on
  AppendEntryRecord(text, 0, e);
  AppendBeginRecord(text, 1);
  AppendChangeRecord(text, 0, {JournalOp::Trash, 0, "d/in the way", "", {}, 0, {}, {}});
  AppendOutcomeRecord(text, 0, 0, "/home/u/.local/share/Trash/files/in the way");
  AppendChangeRecord(text, 1, {JournalOp::Copy, 0, e.OldPath, e.NewPath, {}, 0, {}, {}});
  AppendMadeRecord(text, 1, {2049, 99});
  AppendEndRecord(text, 1, 0, 1);
  AppendUndoneRecord(text, "run-x.vnj");
  const JournalReading reading = ReadJournal(text);
  ASSERT_TRUE(reading.Run) << reading.Problem;
  const JournalRun& run = *reading.Run;
  const auto header = [](const JournalHeader& x) {
    return std::tie(x.Started, x.Transport, x.DeleteOnConflict, x.Origin, x.Directory);
  };
  EXPECT_EQ(header(run.Header), header(h));
  const auto entry = [](const JournalEntry& x) {
    return std::tie(x.OldPath, x.NewPath, x.Size, x.OldAttr, x.NewAttr, x.OldTimes, x.NewTimes,
                    x.Id, x.InTheWay);
  };
  ASSERT_EQ(run.Entries.size(), 1u);
  EXPECT_EQ(entry(run.Entries[0]), entry(e));
  ASSERT_EQ(run.Changes.size(), 2u);
  EXPECT_EQ(std::tie(run.Changes[0].State, run.Changes[0].TrashedAt),
            std::tuple(ChangeState::Done, "/home/u/.local/share/Trash/files/in the way"));
  // The copy's outcome never came, but the copy it made is known.
  EXPECT_EQ(std::tie(run.Changes[1].State, run.Changes[1].Made),
            std::tuple(ChangeState::Unknown, FileId{2049, 99}));
  EXPECT_EQ(std::tie(run.Complete, run.UndoneBy), std::tuple(true, "run-x.vnj"));
  // A list that named its files relative to the working directory.
  JournalRun full = run;
  MakePathsFull(full, PosixPathRules());
  EXPECT_EQ(full.Entries[0].OldPath, std::string("/home/u/d/tab\there\0nul", 23));
  EXPECT_EQ(full.Entries[0].NewPath, e.NewPath);
  EXPECT_EQ(full.Changes[0].From, "/home/u/d/in the way");
}

TEST(JournalRecords, DamageIsToldAndACutLastLineIsNoRecord) {
  const std::string head = "varnoke-journal\t1\nrun\trun\t1\t1\t0\tcli\t\t\n";
  const std::string entry = "e\t0\t/a\t/b\t1\t32\t1\t1\t1\t32\t1\t1\t1\t\n";
  // Problem: empty where readable.
  const struct {
    std::string Text, Problem;
  } cases[] = {
      {head + entry + "go\t1\nb\t0\tmove\t0\t/a\t/b\na\t0\t0\t\nb\t1\tmo", ""},
      {head + entry + "go\t1\nb\t0\tmo" + std::string(100, '\0'), ""},  // a killed run's end
      {"", "not a journal of this program (it is empty)"},
      {"REGEDIT4\n", "not a journal of this program"},
      {"varnoke-journal\t3\n", "written in journal version 3, which this program does not read"},
      {"varnoke-journal\t1\nrun\trun\t1\t-1\t0\tcli\t\t\n", "damaged at line 2"},
      {head + "e\t1\t/a\t/b\t1\t32\t1\t1\t1\t32\t1\t1\t1\t\n", "damaged at line 3"},
      {head + entry + "b\t0\tmove\t0\t/a\t/b\n", "damaged at line 4"},  // a change before "go"
      {head + entry + "go\t1\na\t0\t0\t\n", "damaged at line 5"},       // an outcome of nothing
      {head + entry + "go\t1\nb\t0\tmove\t1\t/a\t/b\n", "damaged at line 5"},  // no entry 1
      {head + entry + "go\t1\nb\t0\tmove\t0\t/a\\q\t/b\n", "damaged at line 5"},
      {head + entry + "go\t1\nend\t0\t0\t1\nb\t0\tmove\t0\t/a\t/b\n", "damaged at line 6"},
      {head + entry + "go\t1\ngiven-up\n", ""},  // never offered, but readable
      {head + entry + "go\t1\ngiven-up\nb\t0\tmove\t0\t/a\t/b\n", "damaged at line 6"},
      {head + entry + "go\t1\nb\t0\tcopy\t0\t/a\t/b\nn\t1\t1\t2\n", "damaged at line 6"},
  };
  for (const auto& c : cases) {
    const JournalReading reading = ReadJournal(c.Text);
    EXPECT_EQ(reading.Problem.substr(0, c.Problem.size()), c.Problem) << c.Text;
    EXPECT_EQ(reading.Run.has_value(), c.Problem.empty()) << c.Text;
    if (reading.Run) {
      EXPECT_EQ(reading.Run->GivenUp, c.Text.find("given-up") != std::string::npos);
    }
  }
}

// The status of every file under a directory that undo must give back: name, content,
// permissions, last-write time in nanoseconds.
std::map<std::string, std::string> Status(const std::string& dir) {
  std::map<std::string, std::string> out;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir)) {
    if (e.is_directory()) continue;
    struct stat st {};
    ::lstat(e.path().c_str(), &st);
    out[e.path().lexically_relative(dir)] =
        testing::ReadFile(e.path()) + " mode " + std::to_string(st.st_mode) + " written " +
        std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
  }
  return out;
}

// A file's last-write time in the program's unit.
FileTime WrittenTime(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return kUnixEpoch + static_cast<FileTime>(st.st_mtim.tv_sec) * kTicksPerSecond +
         static_cast<FileTime>(st.st_mtim.tv_nsec / 100);
}

class JournalOnRealFiles : public ::testing::Test {
 protected:
  JournalOnRealFiles() : journals(state.Path()), run(world) {}
  std::unique_ptr<RunJournal> Journal() {
    return JournalKeeper(journals, world.Fs(), run.clock, EnglishTexts())
        .NewRun("test", run.options);
  }
  RenameReport Rename() {
    std::unique_ptr<RunJournal> journal = Journal();
    EXPECT_TRUE(journal->Open()) << journal->Problem();
    return RenameFiles(run.files, run.preview, run.options, world.Fs(), run.session, journal.get());
  }
  JournalOutcome UndoLast() {
    JournalKeeper keeper(journals, world.Fs(), run.clock, EnglishTexts());
    const std::vector<RunSummary> history = keeper.History();
    EXPECT_FALSE(history.empty());
    return history.empty() ? JournalOutcome{} : keeper.Undo(history[0].Name, run.session);
  }
  std::string Dir() const { return world.At(""); }

  World world;
  testing::TempDir state;
  PosixJournalDirectory journals;
  RenameRun run;
};

TEST_F(JournalOnRealFiles, UndoGivesBackNamesTimesAndAttributesExactly) {
  for (const char* name : {"a.txt", "b.txt", "c.txt", "keep.txt", "in-the-way.txt"})
    world.Write(name, std::string("content of ") + name);
  world.Write("fixed.txt", "unchanged");
  // Times are kept in the program's own unit of 100 ns: the files start on such a time.
  for (const auto& e : std::filesystem::directory_iterator(Dir())) {
    const timespec times[2] = {{1'700'000'000, 123'456'700}, {1'700'000'000, 987'654'300}};
    ASSERT_EQ(::utimensat(AT_FDCWD, e.path().c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
  }
  const auto before = Status(Dir());
  run.options.Set(DeleteOnConflict, true);
  // A swap, a file moved onto a name held by a file outside the run (trashed), a file
  // that only gets new times and the read-only attribute.
  run.Plan("a.txt", "b.txt", true);
  run.Plan("b.txt", "a.txt", true);
  run.Plan("c.txt", "in-the-way.txt", true);
  TVrnPrevFile& stamped = run.Plan("keep.txt", "keep.txt");
  stamped.Written = stamped.Written - 10'000'000ULL * 3600;
  stamped.Attr |= kAttrReadOnly;
  const RenameReport report = Rename();
  ASSERT_EQ(report.Changed, 4);
  ASSERT_EQ(world.Read("b.txt"), "content of a.txt");
  ASSERT_NE(Status(Dir()), before);

  const JournalOutcome outcome = UndoLast();
  EXPECT_TRUE(outcome.Messages.empty()) << outcome.Messages[0];
  EXPECT_EQ(outcome.LeftAsTheyWere, 0);
  // Lists that show the files learn where each went.
  using Move = std::pair<std::string, std::string>;
  const std::vector<Move> moved(outcome.Moved.begin(), outcome.Moved.end());
  for (const Move& m :
       {Move{world.At("b.txt"), world.At("a.txt")}, Move{world.At("a.txt"), world.At("b.txt")},
        Move{world.At("in-the-way.txt"), world.At("c.txt")}})
    EXPECT_NE(std::find(moved.begin(), moved.end(), m), moved.end()) << m.first;
  EXPECT_EQ(Status(Dir()), before);
  EXPECT_TRUE(world.Trashed().empty());
  // An undone run is no longer offered.
  EXPECT_TRUE(JournalKeeper(journals, world.Fs(), run.clock, EnglishTexts()).History().empty());
}

// A run is counted by the files it changed, not by its entries nor by its change records
// (a file stepping aside for another, then new times and attributes, is one file): the
// undo question, the menu item and the history line say so. A file that had vanished
// before its turn got no name from the run, and its undo names none.
TEST_F(JournalOnRealFiles, RunsAreCountedByTheFilesTheyChanged) {
  for (const char* name : {"a.txt", "b.txt", "same.txt", "gone.txt"}) world.Write(name, name);
  run.Plan("a.txt", "b.txt", true);  // a swap: one file waits aside for the other
  run.Plan("b.txt", "a.txt", true);
  run.Plan("same.txt", "same.txt");  // planned to stay as it is
  run.Plan("gone.txt", "renamed.txt");
  run.preview.Items(0).Written += 10'000'000;  // the first file also gets a new time
  run.preview.Items(0).Attr |= kAttrReadOnly;  // and the read-only attribute
  std::filesystem::remove(world.At("gone.txt"));
  const RenameReport report = Rename();
  ASSERT_EQ(std::tuple(report.Changed, report.Failed), std::tuple(2, 1));

  JournalKeeper keeper(journals, world.Fs(), run.clock, EnglishTexts());
  const std::vector<RunSummary> history = keeper.History();
  ASSERT_EQ(history.size(), 1u);
  EXPECT_EQ(std::tuple(history[0].Files, history[0].Changed), std::tuple(4, 2));
  EXPECT_EQ(UndoQuestion(EnglishTexts(), history[0], run.clock)
                .rfind("Undo the renaming of 2 files that ", 0),
            0u)
      << UndoQuestion(EnglishTexts(), history[0], run.clock);
  EXPECT_NE(RunLine(history[0], run.clock).find("  4 files (2 changed)  test"), std::string::npos);

  const JournalOutcome outcome = keeper.Undo(history[0].Name, run.session);
  EXPECT_TRUE(outcome.Messages.empty()) << outcome.Messages[0];
  EXPECT_EQ(std::tuple(outcome.Reached, outcome.LeftAsTheyWere), std::tuple(2, 0));
  EXPECT_EQ(world.Files(), (Strings{"a.txt=a.txt", "b.txt=b.txt", "same.txt=same.txt"}));

  // A run cut short after one file was moved, re-timed and re-attributed (three changes)
  // and another file's move failed.
  std::unique_ptr<RunJournal> journal = Journal();
  const std::string a = world.At("a.txt"), b = world.At("b.txt");
  journal->AddEntry({a, world.At("a2.txt"), 1, 32, 32, {}, {}, {}, {}});
  journal->AddEntry({b, world.At("b2.txt"), 1, 32, 32, {}, {}, {}, {}});
  journal->Begin();
  journal->After(journal->Before(JournalOp::Move, 0, {}, {}), FsStatus());
  journal->After(journal->Before(JournalOp::Times, 0, world.At("a2.txt"), {}), FsStatus());
  journal->After(journal->Before(JournalOp::Attributes, 0, world.At("a2.txt"), {}), FsStatus());
  journal->After(journal->Before(JournalOp::Move, 1, {}, {}),
                 FsStatus::Failure(std::errc::permission_denied));
  journal.reset();  // let go without its end, as a killed run leaves it
  std::vector<std::string> problems;
  const std::vector<RunSummary> cut = keeper.Unfinished(problems);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(std::tuple(cut[0].Files, cut[0].Changed), std::tuple(2, 1));
  const std::string question = RecoveryQuestion(EnglishTexts(), cut[0], run.clock);
  EXPECT_NE(question.find(") was cut short after 1 file had changed."), std::string::npos)
      << question;
}

TEST_F(JournalOnRealFiles, UndoOfACopyRemovesTheCopiesOnly) {
  world.Write("a.txt", "a");
  world.Write("sub/");
  const auto before = Status(Dir());
  run.options.Transport = kTransportCopy;
  run.Plan("a.txt", "sub/a.txt");
  ASSERT_EQ(Rename().Changed, 1);
  ASSERT_EQ(world.Read("sub/a.txt"), "a");
  EXPECT_EQ(UndoLast().Reached, 1);
  EXPECT_EQ(Status(Dir()), before);
  EXPECT_FALSE(world.Read("sub/a.txt"));
}

TEST_F(JournalOnRealFiles, UndoRefusesAFileChangedSinceAndAPlaceTakenSinceAndOverwritesNothing) {
  for (const char* name : {"a.txt", "b.txt"}) world.Write(name, name);
  run.Plan("a.txt", "a2.txt");
  run.Plan("b.txt", "b2.txt");
  ASSERT_EQ(Rename().Changed, 2);
  world.Write("a2.txt", "changed after the run");
  world.Write("b.txt", "a new file under the old name");
  const JournalOutcome outcome = UndoLast();
  EXPECT_EQ(outcome.LeftAsTheyWere, 2);
  EXPECT_EQ(outcome.Messages,
            (Strings{ChangedSinceRunMessage(EnglishTexts(), world.At("a2.txt")),
                     PlaceTakenMessage(EnglishTexts(), world.At("b2.txt"), world.At("b.txt"))}));
  EXPECT_EQ(world.Files(), (Strings{"a2.txt=changed after the run",
                                    "b.txt=a new file under the old name", "b2.txt=b.txt"}));
}

TEST_F(JournalOnRealFiles, DamagedJournalsAreSetAsideLiveOnesLeftAndOnlyTheNewestKept) {
  world.Write("a.txt", "a");
  run.Plan("a.txt", "b.txt");
  std::unique_ptr<RunJournal> live = Journal();  // a run still going holds its journal
  live->AddEntry({world.At("a.txt"), world.At("b.txt"), 1, 32, 32, {}, {}, {}, {}});
  live->Begin();
  testing::WriteFile(state / "run-00000000-000000-000.vnj", "varnoke-journal\t1\ngarbage\n");
  JournalKeeper keeper(journals, world.Fs(), run.clock, EnglishTexts());
  std::vector<std::string> problems;
  EXPECT_TRUE(keeper.Unfinished(problems).empty());
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("damaged at line 2"), std::string::npos) << problems[0];
  EXPECT_TRUE(testing::FileExists(state / "run-00000000-000000-000.vnj.bad"));
  live.reset();  // the run died: its journal is offered now
  ASSERT_EQ(keeper.Unfinished(problems).size(), 1u);

  for (int i = 0; i < kJournalsKept + 3; ++i) {
    testing::WriteFile(state / ("run-3000" + std::to_string(1000 + i) + ".vnj"),
                       "varnoke-journal\t1\nrun\trun\t1\t1\t0\tt\t\t\ngo\t0\nend\t0\t0\t0\n");
  }
  keeper.Prune();
  // The newest twenty and the run cut short stay; the damaged one stays aside.
  EXPECT_EQ(journals.Names().size(), static_cast<std::size_t>(kJournalsKept) + 1);
  EXPECT_EQ(keeper.Unfinished(problems).size(), 1u);
}

// What the user did between the cut and its recovery is never undone and costs no file: a
// file deleted since is named, a planned place taken since is left to its new file (the
// file that waited aside for it goes beside its old name, a file only named like one
// keeps its name), and a journal cut before its first change is simply dropped.
TEST_F(JournalOnRealFiles, ARecoveryAfterTheUserChangedThingsKeepsEveryFileAndSaysWhy) {
  // A run cut short: its entries (old and planned names), then the changes it made on disk
  // and journaled before the cut.
  struct Change {
    JournalOp Op;
    int Entry;
    const char *From, *To;
  };
  const auto cutShort = [&](std::vector<std::pair<const char*, const char*>> names,
                            std::vector<Change> changes) {
    std::unique_ptr<RunJournal> journal = Journal();
    for (const auto& [from, to] : names) {
      const FileTimes times{0, 0, WrittenTime(world.At(from))};
      const std::uint64_t size = std::filesystem::file_size(world.At(from));
      journal->AddEntry({world.At(from), world.At(to), size, 32, 32, times, times, {}, {}});
    }
    journal->Begin();
    for (const Change& c : changes) {
      std::filesystem::rename(world.At(c.From), world.At(c.To));
      journal->After(journal->Before(c.Op, c.Entry, world.At(c.From), world.At(c.To)), FsStatus());
    }
  };
  const auto recover = [&](RecoveryWay way) {
    JournalKeeper keeper(journals, world.Fs(), run.clock, EnglishTexts());
    std::vector<std::string> problems;
    const std::vector<RunSummary> cut = keeper.Unfinished(problems);
    EXPECT_EQ(cut.size(), 1u);
    JournalOutcome outcome =
        cut.empty() ? JournalOutcome{} : keeper.Recover(cut[0].Name, way, run.session);
    EXPECT_TRUE(keeper.Unfinished(problems).empty());
    return outcome;
  };

  // A swap cut once b.txt stepped aside; then the user makes a new b.txt. Finishing can
  // neither take a.txt there nor b's file to a.txt: a.txt stays, b's file goes beside.
  world.Write("a.txt", "A");
  world.Write("b.txt", "B");
  cutShort({{"a.txt", "b.txt"}, {"b.txt", "a.txt"}},
           {{JournalOp::Aside, 1, "b.txt", ".varnoke-1.tmp"}});
  world.Write("b.txt", "made since");
  JournalOutcome outcome = recover(RecoveryWay::Finish);
  EXPECT_EQ(world.Files(), (Strings{"a.txt=A", "b#1.txt=B", "b.txt=made since"}));
  EXPECT_NE(std::find(outcome.Messages.begin(), outcome.Messages.end(),
                      PlaceTakenMessage(EnglishTexts(), world.At("a.txt"), world.At("b.txt"))),
            outcome.Messages.end());
  EXPECT_GE(outcome.LeftAsTheyWere, 1);
  std::filesystem::remove_all(state.Path());

  // Two renames done, then the user deletes one of the new files: the other goes back.
  for (const char* name : {"a.txt", "b#1.txt", "b.txt"}) std::filesystem::remove(world.At(name));
  world.Write("c.txt", "C");
  world.Write("d.txt", "D");
  cutShort({{"c.txt", "c2.txt"}, {"d.txt", "d2.txt"}},
           {{JournalOp::Move, 0, "c.txt", "c2.txt"}, {JournalOp::Move, 1, "d.txt", "d2.txt"}});
  std::filesystem::remove(world.At("d2.txt"));
  outcome = recover(RecoveryWay::Rollback);
  EXPECT_EQ(world.Files(), (Strings{"c.txt=C"}));
  EXPECT_EQ(outcome.Messages, Strings{NotFoundMessage(EnglishTexts(), world.At("d2.txt"))});
  EXPECT_EQ(outcome.LeftAsTheyWere, 1);

  // A file of the user's own that only looks like one waiting aside keeps its name when
  // its planned place was taken since.
  world.Write(".varnoke-1.tmp", "the user's own");
  cutShort({{".varnoke-1.tmp", "e.txt"}}, {});
  world.Write("e.txt", "made since");
  recover(RecoveryWay::Finish);
  EXPECT_EQ(world.Files(),
            (Strings{".varnoke-1.tmp=the user's own", "c.txt=C", "e.txt=made since"}));
  for (const char* name : {".varnoke-1.tmp", "e.txt"}) std::filesystem::remove(world.At(name));

  // Cut before its first change: nothing to offer, and its journal goes.
  const std::vector<std::string> settled = journals.Names();
  Journal()->AddEntry({world.At("c.txt"), world.At("e.txt"), 1, 32, 32, {}, {}, {}, {}});
  ASSERT_EQ(journals.Names().size(), settled.size() + 1);
  std::vector<std::string> problems;
  EXPECT_TRUE(
      JournalKeeper(journals, world.Fs(), run.clock, EnglishTexts()).Unfinished(problems).empty());
  EXPECT_EQ(journals.Names(), settled);
}

// A run cut short after its first move: Yes at the start finishes it, No rolls it back,
// Cancel leaves it for the next start. Its records claim a second move that never
// reached the disk (a power cut): the disk is believed.
TEST_F(JournalOnRealFiles, ARunCutShortIsFinishedRolledBackOrLeftAsTheUserSays) {
  const std::string a = world.At("a.txt"), b = world.At("b.txt");
  const std::string c = world.At("c.txt"), d = world.At("d.txt");
  auto cutShort = [&] {
    world.Write("b.txt", "a");  // a.txt became b.txt before the cut
    world.Write("c.txt", "c");  // c.txt never became d.txt
    std::unique_ptr<RunJournal> journal = Journal();
    // The entries say what the files were: rollback checks that they still are.
    const FileTimes ofA{0, 0, WrittenTime(b)}, ofC{0, 0, WrittenTime(c)};
    journal->AddEntry({a, b, 1, 32, 32, ofA, ofA, {}, {}});
    journal->AddEntry({c, d, 1, 32, 32, ofC, ofC, {}, {}});
    journal->Begin();
    journal->After(journal->Before(JournalOp::Move, 0, a, b), FsStatus());
    journal->After(journal->Before(JournalOp::Move, 1, c, d), FsStatus());
    journal->Before(JournalOp::Times, 1, d, "");
  };  // the journal is let go without its end, as a killed run leaves it
  Services services = run.Planning();
  services.Journals = &journals;
  std::vector<std::string> told;
  auto tell = [&](const std::string& text) { told.push_back(text); };

  cutShort();
  run.session.Answers = {Answer::Cancel};
  OfferRecovery(services, tell);
  EXPECT_EQ(told, Strings{kRecoveryLaterText.Source});
  EXPECT_EQ(run.session.Questions.at(0).Caption, kRecoveryCaption.Source);

  run.session.Answers = {Answer::Yes};
  told.clear();
  OfferRecovery(services, tell);
  EXPECT_EQ(world.Files(), (Strings{"b.txt=a", "d.txt=c"}));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0], "Finished: 1 file(s) where they belong, 0 left as they were.\n");
  told.clear();
  OfferRecovery(services, tell);  // settled: not offered again
  EXPECT_TRUE(told.empty());

  std::filesystem::remove(world.At("b.txt"));
  std::filesystem::remove(world.At("d.txt"));
  cutShort();
  run.session.Answers = {Answer::No};
  FileMoves followed;  // what the lists showing the files are to follow, before the text
  OfferRecovery(services, tell, [&](const FileMoves& moves) {
    EXPECT_TRUE(told.empty());
    followed.insert(followed.end(), moves.begin(), moves.end());
  });
  EXPECT_EQ(world.Files(), (Strings{"a.txt=a", "c.txt=c"}));
  EXPECT_EQ(told.at(0), "Rolled back: 2 file(s) where they belong, 0 left as they were.\n");
  EXPECT_EQ(followed, (FileMoves{{b, a}}));
}

}  // namespace
}  // namespace varnoke
