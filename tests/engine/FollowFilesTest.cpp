// A list follows its files when something else moved them: the moves an undo or a
// recovery of this program reports, or those the journals of another program's runs tell
// of; an entry whose file is found nowhere leaves the list and is named.
#include "engine/FollowFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "RenameWorld.h"
#include "engine/JournalKeeper.h"
#include "engine/JournalTrail.h"
#include "engine/Messages.h"
#include "platform/posix/PosixJournalFiles.h"

namespace varnoke {
namespace {

using testing::RenameRun;
using testing::Strings;
using testing::World;

Strings Paths(const TVrnFiles& files, const PathRules& rules) {
  Strings out;
  for (const TVrnFile& f : files) out.push_back(rules.Join(f.Path(), f.Name(), f.Ext()));
  return out;
}

TEST(FollowMoves, EntriesNameTheirFilesWhereTheyWent) {
  const PosixPathRules posix;
  const WindowsPathRules windows;
  // clang-format off
  const struct { const char* What; const PathRules& Rules; Strings Listed; FileMoves Moves;
                 Strings After; int Followed; } cases[] = {
      {"a rename", posix, {"/d/a.txt", "/d/x.txt"}, {{"/d/a.txt", "/d/b.txt"}},
       {"/d/b.txt", "/d/x.txt"}, 1},
      {"a swap, all at once", posix, {"/d/a", "/d/b"}, {{"/d/b", "/d/a"}, {"/d/a", "/d/b"}},
       {"/d/b", "/d/a"}, 2},
      {"to another directory with another extension", posix, {"/d/a.txt"},
       {{"/d/a.txt", "/e/sub/a.jpg"}}, {"/e/sub/a.jpg"}, 1},
      {"a path spelled otherwise", posix,
       {"/d/./a", "/d//b"},
       {{"/d/a", "/d/a2"}, {"/d/b", "/d/b2"}},
       {"/d/a2", "/d/b2"},
       2},
      {"moves of other files", posix, {"/d/a"}, {{"/d/b", "/d/a"}, {"/e/a", "/d/c"}}, {"/d/a"}, 0},
      {"names compare exactly", posix, {"/d/A"}, {{"/d/a", "/d/b"}}, {"/d/A"}, 0},
      {"letter case aside under the Windows rules", windows, {"c:\\d\\A.TXT"},
       {{"c:\\d\\a.txt", "c:\\d\\b.txt"}}, {"c:\\d\\b.txt"}, 1},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    TVrnFiles files;
    for (const std::string& path : c.Listed) {
      const SplitPath p = c.Rules.Split(path);
      files.AddEntry(false, p.Path, p.Name, p.Ext, 7, 0x21, 1, 2, 3);
    }
    EXPECT_EQ(FollowMoves(files, c.Moves, c.Rules), c.Followed);
    EXPECT_EQ(Paths(files, c.Rules), c.After);
    for (const TVrnFile& f : files) {  // what was listed of the file stays
      EXPECT_EQ(
          std::tuple(f.Size, f.Attr, f.Created, f.Accessed, f.Written),
          std::tuple(std::uint64_t{7}, std::uint32_t{0x21}, FileTime{1}, FileTime{2}, FileTime{3}));
    }
  }
}

// A directory of many entries is read once; a name read under another spelling is asked
// about, since the mount may ignore case.
TEST(EntriesNotThere, AreFoundByOneReadOfABigDirectoryAndOneLookAtASmallOne) {
  for (const bool folding : {false, true}) {
    SCOPED_TRACE(folding ? "store ignores case" : "store minds case");
    FakeFileSystem fs(FakeFileSystem::Style::Posix, folding);
    TVrnFiles files;
    for (int i = 0; i < 70; ++i) {
      const std::string name = "/big/f" + std::to_string(i) + ".txt";
      fs.AddFile(name);
      ASSERT_TRUE(AddFile(fs, files, name));
    }
    fs.AddFile("/small/a");
    fs.AddFile("/small/b");
    ASSERT_TRUE(AddFile(fs, files, "/small/a"));
    ASSERT_TRUE(AddFile(fs, files, "/small/b"));
    fs.Delete("/big/f3.txt");
    fs.Delete("/big/f69.txt");
    fs.Delete("/small/b");
    if (folding) files.Items(5).SetName("F5");  // listed under another spelling
    fs.ResetCalls();
    EXPECT_EQ(EntriesNotThere(files, fs), (std::vector<int>{3, 69, 71}));
    // The big directory was read, not asked about file by file.
    EXPECT_EQ(fs.Calls(FakeOp::Exists), 2 + 2 + (folding ? 1 : 0));
  }
}

TEST(JournalTrail, MovesOfARunAreWhereItsRecordsLeaveEachFile) {
  JournalRun run;
  for (const char* name : {"/d/a", "/d/b", "/d/c", "/d/d", "/d/e"})
    run.Entries.push_back({name, std::string(name) + "2", 1, 32, 32, {}, {}, {}, {}});
  const auto change = [&](JournalOp op, int entry, std::string from, std::string to,
                          ChangeState state = ChangeState::Done) {
    JournalChange c;
    std::tie(c.Op, c.Entry, c.From, c.To, c.State) = std::tuple(op, entry, from, to, state);
    run.Changes.push_back(c);
  };
  change(JournalOp::Move, 0, "/d/a", "/d/a2");                        // renamed
  change(JournalOp::Move, 1, "/d/b", "/d/b2", ChangeState::Failed);   // not renamed
  change(JournalOp::Aside, 2, "/d/c", "/d/.varnoke-1.tmp");           // stepped aside
  change(JournalOp::Settle, 2, "/d/.varnoke-1.tmp", "/d/c");          // and came back
  change(JournalOp::Trash, 3, "/d/d2", "");                           // the file in the way
  change(JournalOp::Move, 3, "/d/d", "/d/d2");                        // and the rename
  change(JournalOp::TrashSource, 4, "/d/e", "");                      // its own file trashed
  change(JournalOp::Move, 2, "/d/c", "/d/c2", ChangeState::Unknown);  // never told
  const std::unordered_map<std::string, std::string> moves = MovesOfRun(run);
  EXPECT_EQ(moves, (std::unordered_map<std::string, std::string>{
                       {"/d/a", "/d/a2"}, {"/d/d2", ""}, {"/d/d", "/d/d2"}, {"/d/e", ""}}));
}

// A file is followed from the newest run that moved a file away from where it was last
// seen, through every later run.
TEST(JournalTrail, FollowsAFileFromTheNewestRunThatMovedItThroughTheLaterOnes) {
  testing::TempDir state;
  PosixJournalDirectory journals(state.Path());
  // Each run as "from>to" moves that were made; "from>" sent the file to the trash.
  const Strings runs[] = {
      {"/d/x>/d/old"}, {"/d/old>/d/x", "/d/x>/d/y"}, {"/d/y>/d/z"}, {"/d/q>/d/y"}, {"/d/gone>"}};
  int number = 0;
  for (const Strings& moves : runs) {
    std::string text;
    AppendHeaderRecords(text, JournalHeader{});
    for (std::size_t k = 0; k < moves.size(); ++k) {
      const std::size_t gt = moves[k].find('>');
      AppendEntryRecord(
          text, static_cast<int>(k),
          {moves[k].substr(0, gt), moves[k].substr(gt + 1), 1, 32, 32, {}, {}, {}, {}});
    }
    AppendBeginRecord(text, static_cast<int>(moves.size()));
    for (std::size_t k = 0; k < moves.size(); ++k) {
      JournalChange change;
      change.Op = moves[k].back() == '>' ? JournalOp::TrashSource : JournalOp::Move;
      std::tie(change.Entry, change.From) =
          std::tuple(static_cast<int>(k), moves[k].substr(0, moves[k].find('>')));
      AppendChangeRecord(text, static_cast<long>(k), change);
      AppendOutcomeRecord(text, static_cast<long>(k), 0, "");
    }
    AppendEndRecord(text, static_cast<int>(moves.size()), 0, static_cast<int>(moves.size()));
    testing::WriteFile(state / ("run-" + std::to_string(++number) + ".vnj"), text);
  }
  const JournalTrail trail(journals, PosixPathRules());
  // clang-format off
  const struct { const char* Path; std::optional<std::string> Now; } cases[] = {
      {"/d/x", "/d/z"},           // the newest run that moved it away is the second
      {"/d/y", "/d/z"},           // the third; the fourth brought another file there
      {"/d/q", "/d/y"},           // no later run moved it on
      {"/d/old", "/d/x"},         // to x, while the file that was at x went on to y
      {"/d/gone", std::nullopt},  // went to the trash
      {"/d/never", std::nullopt},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(trail.WhereNow(c.Path), c.Now) << c.Path;
}

// Renames a.txt, b.txt and c.txt to a2.txt, b2.txt and c2.txt with a journal; another
// program (varnoke-cli --undo) undoes the run.
TEST(FindListedFiles, AnUndoElsewhereIsFollowedAndFilesFoundNowhereLeaveTheList) {
  World world;
  testing::TempDir state;
  PosixJournalDirectory journals(state.Path());
  RenameRun run(world);
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) world.Write(name, name);
  for (const char* name : {"a", "b", "c"})
    run.Plan(std::string(name) + ".txt", std::string(name) + "2.txt");
  std::unique_ptr<RunJournal> journal =
      JournalKeeper(journals, world.Fs(), run.clock, EnglishTexts()).NewRun("test", run.options);
  ASSERT_EQ(RenameFiles(run.files, run.preview, run.options, world.Fs(), run.session, journal.get())
                .Changed,
            3);
  journal.reset();
  ASSERT_TRUE(AddFile(world.Fs(), run.files, world.At("d.txt")));
  run.clock.Set(run.clock.NowUtc() + kTicksPerSecond);
  JournalKeeper keeper(journals, world.Fs(), run.clock, EnglishTexts());
  ScriptedSession elsewhere;
  ASSERT_EQ(keeper.Undo(keeper.History().at(0).Name, elsewhere).Reached, 3);
  std::filesystem::remove(world.At("c.txt"));  // deleted since
  world.Write("b.txt", "another size");        // changed since: not the file listed
  std::filesystem::remove(world.At("d.txt"));

  const ListedFilesCheck check = FindListedFiles(run.files, world.Fs(), &journals);
  EXPECT_EQ(check.FoundAgain, 1);
  EXPECT_EQ(check.Gone, (Strings{world.At("b2.txt"), world.At("c2.txt"), world.At("d.txt")}));
  EXPECT_EQ(Paths(run.files, world.Fs().Rules()), Strings{world.At("a.txt")});
  // Listed anew where it is.
  EXPECT_EQ(run.files.Items(0).Size, 5u);

  // Nothing to find, nothing done; without journals, entries not there just leave.
  EXPECT_EQ(FindListedFiles(run.files, world.Fs(), &journals).Gone, Strings{});
  ASSERT_TRUE(AddFile(world.Fs(), run.files, world.At("b.txt")));
  std::filesystem::remove(world.At("b.txt"));
  EXPECT_EQ(FindListedFiles(run.files, world.Fs(), nullptr).Gone, Strings{world.At("b.txt")});
  EXPECT_EQ(run.files.Count(), 1);
}

TEST(GoneFromListMessage, NamesTwentyPathsAtMostThenHowManyMore) {
  Strings paths;
  for (int i = 0; i < 23; ++i) paths.push_back("/d/f" + std::to_string(i));
  const std::string text = GoneFromListMessage(EnglishTexts(), paths);
  EXPECT_NE(text.find("\r\n/d/f19\r\n... and 3 more"), std::string::npos) << text;
  EXPECT_EQ(text.find("/d/f20"), std::string::npos);
  EXPECT_EQ(GoneFromListMessage(EnglishTexts(), {"/d/x"})
                .substr(GoneFromListMessage(EnglishTexts(), {"/d/x"}).size() - 6),
            "\r\n/d/x");
}

}  // namespace
}  // namespace varnoke
