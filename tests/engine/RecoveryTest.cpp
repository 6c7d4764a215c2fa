// Recovery that never costs a file: a journal cut at every record (what a power cut
// leaves when the disk got further than the journal), then its recovery cut too and
// recovered again in either direction, ends with every file once, all under its old names
// or all under its new ones, no temporary name, and nothing in the trash that the run did
// not send there. Copies the user changed since are never removed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "RenameWorld.h"
#include "engine/JournalKeeper.h"
#include "engine/JournalMessages.h"
#include "platform/posix/PosixJournalFiles.h"
#include "support/TmpfsMount.h"

namespace varnoke {
namespace {

using testing::RenameRun;
using testing::Strings;
using testing::World;

// The journal's text up to `records` records after its entries (all of them when there
// are fewer), without the mark a recovery leaves: what a power cut, or a kill before the
// mark, leaves of it.
std::string Cut(const std::string& text, std::size_t records) {
  std::size_t at = text.find("\ngo\t");
  at = text.find('\n', at + 1) + 1;
  for (std::size_t n = 0; n < records && at < text.size(); ++n) at = text.find('\n', at) + 1;
  std::string cut = text.substr(0, at);
  if (const std::size_t mark = cut.find("\nrecovered\t"); mark != std::string::npos)
    cut.erase(mark + 1);
  return cut;
}

std::size_t RecordsAfterEntries(const std::string& text) {
  std::size_t records = 0;
  for (std::size_t at = text.find('\n', text.find("\ngo\t") + 1) + 1; at < text.size();
       at = text.find('\n', at) + 1)
    ++records;
  return records;
}

// Rewrites a journal in place (the same file, as a power cut leaves it).
void Rewrite(const std::string& path, const std::string& text) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  ASSERT_GE(fd, 0) << path;
  ASSERT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  ::close(fd);
}

class RecoveryTest : public ::testing::Test {
 protected:
  // Swaps, a cycle, a chain, a plain rename and a file moved onto one outside the run,
  // which goes to the trash.
  static constexpr const char* kMoves[][2] = {
      {"a", "b"},     {"b", "a"},                  // a swap
      {"c", "d"},     {"d", "e"},     {"e", "c"},  // a cycle
      {"f", "g"},     {"g", "h"},     {"h", "i"},  // a chain
      {"j", "k"},     {"l", "x"},                  // plain; onto x
      {"sub/m", "n"}, {"n", "sub/m"},              // a swap across directories
  };

  // A fresh world with the run planned; the run itself with its journal when `run`.
  void Start(bool copies = false) {
    world.emplace();
    journals.emplace(state.Path());
    std::filesystem::remove_all(state.Path());
    std::filesystem::create_directories(state.Path());
    run.emplace(*world);
    run->clock.SetTick(kTicksPerSecond);
    run->options.Set(DeleteOnConflict, true);
    if (copies) {
      run->options.Transport = kTransportCopy;
      world->Write("copies/");
      for (const char* name : {"p", "q", "r"}) {
        world->Write(name, std::string("content of ") + name);
        run->Plan(name, std::string("copies/") + name);
      }
      world->Write("copies/r", "in the way of the copy of r");
      run->preview.Items(2).Conflict = true;
      return;
    }
    world->Write("sub/");
    for (const auto& move : kMoves) world->Write(move[0], std::string("content of ") + move[0]);
    world->Write("x", "in the way");
    for (const auto& move : kMoves)
      run->Plan(move[0], move[1], world->Fs().Exists(world->At(move[1])));
  }
  void Rename() {
    std::unique_ptr<RunJournal> journal =
        JournalKeeper(*journals, world->Fs(), run->clock, EnglishTexts())
            .NewRun("test", run->options);
    ASSERT_TRUE(journal->Open()) << journal->Problem();
    RenameFiles(run->files, run->preview, run->options, world->Fs(), run->session, journal.get());
  }
  std::string PathOf(const std::string& name) const { return state / name; }
  JournalOutcome Recover(const std::string& name, RecoveryWay way) {
    return JournalKeeper(*journals, world->Fs(), run->clock, EnglishTexts())
        .Recover(name, way, run->session);
  }
  // Nothing left to offer, and no temporary name in the world.
  void ExpectSettled(const std::string& where) {
    std::vector<std::string> problems;
    EXPECT_TRUE(JournalKeeper(*journals, world->Fs(), run->clock, EnglishTexts())
                    .Unfinished(problems)
                    .empty())
        << where;
    for (const std::string& file : world->Files())
      EXPECT_EQ(file.find(".varnoke-"), std::string::npos) << where << ": " << file;
  }

  testing::TempDir state;
  std::optional<World> world;
  std::optional<PosixJournalDirectory> journals;
  std::optional<RenameRun> run;
};

TEST_F(RecoveryTest, AJournalCutAtAnyRecordAndItsRecoveryCutTooEndWholeEitherWay) {
  Start();
  const Strings original = world->Files();
  Rename();
  const Strings renamed = world->Files();
  const Strings trashedByTheRun = world->Trashed();
  ASSERT_EQ(trashedByTheRun, Strings{"in the way"});
  const std::string name = journals->Names().at(0);
  const std::size_t records = RecordsAfterEntries(testing::ReadFile(PathOf(name)));
  ASSERT_GT(records, 20u);

  const RecoveryWay ways[] = {RecoveryWay::Finish, RecoveryWay::Rollback};
  auto expectWhole = [&](RecoveryWay way, const std::string& where) {
    if (way == RecoveryWay::Finish) {
      EXPECT_EQ(world->Files(), renamed) << where;
      EXPECT_EQ(world->Trashed(), trashedByTheRun) << where;
    } else {
      EXPECT_EQ(world->Files(), original) << where;
      EXPECT_TRUE(world->Trashed().empty()) << where;
    }
    ExpectSettled(where);
  };
  // Every cut is recovered either way. Cut recoveries are recovered again in every way
  // with VARNOKE_RECOVERY_ALL=1; the suite takes one part and way by turns, as each
  // recovery's flushes to disk make it slow.
  const bool all = std::getenv("VARNOKE_RECOVERY_ALL") != nullptr;
  int recovered = 0;
  for (std::size_t cut = 0; cut < records; ++cut)
    for (const RecoveryWay first : ways)
      for (const int part : {-1, 0, 1, 2})  // -1: the first recovery is not cut
        for (const RecoveryWay second : ways) {
          if (part < 0 && second != first) continue;
          const bool byTurn = static_cast<std::size_t>(part) == cut % 3 &&
                              (second == RecoveryWay::Finish) == (cut / 3 % 2 == 0);
          if (part >= 0 && !all && !byTurn) continue;
          const std::string where =
              "journal cut after " + std::to_string(cut) + " records, " +
              (first == RecoveryWay::Finish ? "finished" : "rolled back") +
              (part < 0 ? std::string()
                        : ", that cut at part " + std::to_string(part) + " and then " +
                              (second == RecoveryWay::Finish ? "finished" : "rolled back"));
          SCOPED_TRACE(where);
          Start();
          Rename();
          Rewrite(PathOf(name), Cut(testing::ReadFile(PathOf(name)), cut));
          Recover(name, first);
          if (part >= 0) {
            // The recovery's own journal loses its tail and the run its mark: the
            // recovery was cut short, with the disk further on than its journal.
            Rewrite(PathOf(name), Cut(testing::ReadFile(PathOf(name)), cut));
            // A recovery with nothing to move keeps no journal of its own.
            const std::vector<std::string> names = journals->Names();
            if (names.size() == 2) {
              const std::string text = testing::ReadFile(PathOf(names[1]));
              Rewrite(PathOf(names[1]), Cut(text, RecordsAfterEntries(text) * part / 2));
            }
            Recover(name, second);
          }
          expectWhole(part < 0 ? first : second, where);
          ++recovered;
        }
  std::printf("[ cut      ] %zu records, %d recoveries, each whole\n", records, recovered);
}

TEST_F(RecoveryTest, ACopyRunIsRolledBackToTheTrashButACopyTheUserChangedStays) {
  Start(true);
  const Strings original = world->Files();
  Rename();
  ASSERT_EQ(world->Read("copies/p"), "content of p");
  ASSERT_EQ(world->Read("copies/r"), "content of r");
  const std::string name = journals->Names().at(0);
  const std::string text = testing::ReadFile(PathOf(name));
  for (std::size_t cut = 0; cut < RecordsAfterEntries(text); ++cut) {
    SCOPED_TRACE("journal cut after " + std::to_string(cut) + " records");
    Start(true);
    Rename();
    world->Write("copies/q", "the copy of q, changed by its user");
    Rewrite(PathOf(name), Cut(testing::ReadFile(PathOf(name)), cut));
    const JournalOutcome outcome = Recover(name, RecoveryWay::Rollback);
    // Sources stay; the run's copies go to the trash, the changed one stays where it is;
    // the file the copy of r displaced comes back.
    Strings expected = original;
    expected.push_back("copies/q=the copy of q, changed by its user");
    std::erase(expected, "copies/r=in the way of the copy of r");
    expected.push_back("copies/r=in the way of the copy of r");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(world->Files(), expected);
    EXPECT_EQ(world->Trashed(), (Strings{"content of p", "content of r"}));
    // Where the journal still knows the copy, the user learns why it stays.
    if (cut > 6) {
      EXPECT_NE(std::find(outcome.Messages.begin(), outcome.Messages.end(),
                          ChangedSinceRunMessage(EnglishTexts(), world->At("copies/q"))),
                outcome.Messages.end());
    }
    ExpectSettled("copy run");
  }
}

// A journal on a disk that fills up during the run is marked as given up: the run goes on
// and says so, and no later start offers it as a run cut short. A run with nothing to do
// leaves no journal at all.
TEST(JournalSpace, AJournalThatRanOutOfSpaceIsNeverOfferedAndAnEmptyRunLeavesNone) {
  const testing::TmpfsMount disk("1m");
  if (!disk.Ready()) GTEST_SKIP() << disk.Why();
  PosixJournalDirectory journals(disk / "journal");
  World world;
  RenameRun run(world);
  JournalKeeper keeper(journals, world.Fs(), run.clock, EnglishTexts());

  std::unique_ptr<RunJournal> nothing = keeper.NewRun("test", run.options);
  RenameFiles(run.files, run.preview, run.options, world.Fs(), run.session, nothing.get());
  nothing.reset();
  EXPECT_TRUE(journals.Names().empty());

  // A cycle of long names: the entries fit, the records of the files stepping aside
  // for each other do not.
  const int files = 1600;
  const std::string stem(200, 'n');
  for (int k = 0; k < files; ++k) world.Write(stem + std::to_string(k), "x");
  for (int k = 0; k < files; ++k)
    run.Plan(stem + std::to_string(k), stem + std::to_string((k + 1) % files));
  std::unique_ptr<RunJournal> journal = keeper.NewRun("test", run.options);
  const RenameReport report =
      RenameFiles(run.files, run.preview, run.options, world.Fs(), run.session, journal.get());
  journal.reset();
  EXPECT_EQ(report.Changed, files);
  ASSERT_NE(testing::ReadFile(journals.Where() + "/" + journals.Names().at(0)).find("\ngo\t"),
            std::string::npos);
  ASSERT_FALSE(run.session.Questions.empty());
  EXPECT_NE(run.session.Questions.back().Text.find("could not be written; the renaming went on "
                                                   "without it"),
            std::string::npos);
  std::vector<std::string> problems;
  EXPECT_TRUE(keeper.Unfinished(problems).empty());
  EXPECT_TRUE(problems.empty()) << problems[0];
  EXPECT_TRUE(keeper.History().empty());
  ASSERT_EQ(journals.Names().size(), 1u);
  const std::string text = journals.Read(journals.Names()[0]).Bytes;
  EXPECT_NE(text.find("\ngiven-up\n"), std::string::npos);
}

}  // namespace
}  // namespace varnoke
