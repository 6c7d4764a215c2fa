// Renaming on the in-memory file system: the cases of every world, and what needs a
// staged fault or a count of calls.
#include "engine/RenameMessages.h"
#include "engine/RenameWorld.h"
#include "model/Attributes.h"

namespace varnoke::testing {

// The cases of every world under the Windows rules (names without case, the dot always
// written); RenameFilesPosixTest.cpp runs them under the Linux rules on real files.
INSTANTIATE_TEST_SUITE_P(InMemoryWindows, RenameCases, ::testing::Values(WorldFactory([] {
                           return std::unique_ptr<World>(
                               new FakeWorld(false, FakeFileSystem::Style::Windows));
                         })),
                         [](const auto&) { return std::string("FakeWindows"); });

class RenameOnFake : public ::testing::Test {
 protected:
  FakeWorld world;
  FakeFileSystem& fs = *world.Fake();
  RenameSetup setup{world};

  // "a" planned onto "b", a file outside the run, the conflict to be settled by the trash.
  TVrnPrevFile& PlanOntoOutsider() {
    world.Write("a", "A");
    world.Write("b", "outside");
    setup.options.Set(DeleteOnConflict, true);
    return setup.Plan("a", "b", true);
  }
  // "a" was not renamed: both files as they were, the entries name it where it is, it is
  // marked busy (no times), and `message` was the one message.
  void ExpectKeptAndBusy(std::string_view message) {
    EXPECT_EQ(world.Read("a"), "A");
    EXPECT_EQ(setup.EntryPath(0), "/w/a");  // the list does not claim the rename
    EXPECT_EQ(setup.preview.Items(0).Name, "a");
    EXPECT_TRUE(setup.preview.Items(0).Busy);
    EXPECT_EQ(fs.Calls(FakeOp::SetTimes), 0);
    ASSERT_EQ(setup.session.Questions.size(), 1u);
    EXPECT_EQ(setup.session.Questions[0].Text, message);
  }
};

// An unchanged entry makes no call at all; a rename alone is one move.
TEST_F(RenameOnFake, EachEntryMakesOnlyTheCallsItNeeds) {
  for (int n = 1; n <= 3; ++n) {
    world.Write(Numbered(n), "x");
    setup.Plan(Numbered(n), Numbered(n));
  }
  world.Write("a", "A");
  setup.Plan("a", "b");
  fs.ResetCalls();
  EXPECT_EQ(setup.Run().Done(), 4);
  EXPECT_EQ(fs.TotalCalls(), 1);
  EXPECT_EQ(fs.Calls(FakeOp::MoveNoReplace), 1);
}

TEST_F(RenameOnFake, TimesAndAttributesOnlyWhenTheyDiffer) {
  world.Write("t", "x");
  world.Write("a", "x");
  TVrnPrevFile& times = setup.Plan("t", "t");
  times.Accessed += 1;
  TVrnPrevFile& attr = setup.Plan("a", "a");
  attr.Attr = kAttrHidden;
  fs.ResetCalls();
  setup.Run();
  EXPECT_EQ(fs.Calls(FakeOp::OpenExclusive), 1);
  EXPECT_EQ(fs.Calls(FakeOp::SetTimes), 1);
  EXPECT_EQ(fs.Calls(FakeOp::SetAttributes), 1);
  EXPECT_EQ(fs.TotalCalls(), 3);
  EXPECT_EQ(fs.File("/w/t")->Times, (FileTimes{1000, 2001, 3000}));  // all three written
  EXPECT_EQ(fs.File("/w/a")->Attr, kAttrHidden);
}

TEST_F(RenameOnFake, ReadOnlyFileGetsNoNewTimesButItsAttributes) {
  fs.AddFile("/w/r", "x", {1, 2, 3}, kAttrReadOnly);
  TVrnPrevFile& p = setup.Plan("r", "s");
  p.Written = 99;
  p.Attr = kAttrArchive;
  setup.Run();
  EXPECT_EQ(fs.File("/w/s")->Times.Written, 3u);
  EXPECT_EQ(fs.File("/w/s")->Attr, kAttrArchive);
}

TEST_F(RenameOnFake, RunsInFileListOrderWhateverThePreviewOrder) {
  world.Write("a", "A");
  world.Write("b", "B");
  setup.Plan("a", "z");
  setup.Plan("b", "k");
  setup.preview.Sort(2);  // by name: "k" first
  fs.KeepLog = true;
  setup.Run();
  EXPECT_EQ(fs.Log, (std::vector<std::string>{"move /w/a /w/z", "move /w/b /w/k"}));
  EXPECT_EQ(setup.preview.Items(0).FileIndex, 0);
}

TEST_F(RenameOnFake, ProgressPumpsEveryTenEntriesAndCountsEach) {
  for (int n = 1; n <= 25; ++n) {
    world.Write(Numbered(n), "x");
    setup.Plan(Numbered(n), Numbered(n));
  }
  setup.Run();
  EXPECT_EQ(setup.session.Pumps, 2);
  EXPECT_EQ(setup.session.Steps, 25);
  EXPECT_EQ(setup.session.Events.front(), "start:" + std::string(kRenamingLabel) + ":25");
}

TEST_F(RenameOnFake, BusyFileIsNotTriedAndTheProgressHidesForItsMessage) {
  world.Write("busy.txt", "B");
  world.Write("free.txt", "F");
  fs.SetBusy("/w/busy.txt", true);
  setup.Plan("busy.txt", "new.txt");
  setup.Plan("free.txt", "free2.txt");
  ASSERT_TRUE(setup.preview.Items(0).Busy);
  setup.Run();
  // Linux would rename a held file; a file planned busy is tried only once it can be opened.
  // Names and the message as on real files (RenameFilesPosixTest.cpp); here the calls
  // and the progress hidden while asking.
  EXPECT_EQ(fs.Calls(FakeOp::MoveNoReplace), 1);
  EXPECT_EQ(world.Names(), (std::vector<std::string>{"busy.txt", "free2.txt"}));
  ASSERT_EQ(setup.session.Questions.size(), 1u);
  EXPECT_EQ(setup.session.Questions[0].Kind, Buttons::Ok);
  EXPECT_EQ(setup.session.Events,
            (std::vector<std::string>{"start:" + std::string(kRenamingLabel) + ":2", "busy:1",
                                      "hide", "busy:0", "ask:" + std::string(kVarnokeCaption),
                                      "show", "busy:1", "step", "step", "busy:0", "finish"}));
}

TEST_F(RenameOnFake, BusyFileFreedSinceIsMovedWithoutTimes) {
  world.Write("busy.txt", "B");
  fs.SetBusy("/w/busy.txt", true);
  TVrnPrevFile& p = setup.Plan("busy.txt", "new.txt");
  p.Written = 77;
  fs.SetBusy("/w/busy.txt", false);
  setup.Run();
  EXPECT_EQ(world.Read("new.txt"), "B");
  EXPECT_EQ(fs.Calls(FakeOp::SetTimes), 0);
  EXPECT_TRUE(setup.session.Questions.empty());
}

TEST_F(RenameOnFake, BusyFileInTheWayOfAnEarlierOneStaysAndBothReport) {
  world.Write("a", "A");
  world.Write("b", "B");
  fs.SetBusy("/w/b", true);
  setup.Plan("a", "b");
  setup.Plan("b", "c");
  setup.Run();
  EXPECT_EQ(world.Names(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(setup.session.Questions.size(), 2u);
  EXPECT_TRUE(setup.preview.Items(0).Busy);  // no times, no attributes for it
  EXPECT_EQ(setup.EntryPath(0), "/w/a");
  EXPECT_EQ(setup.EntryPath(1), "/w/b");
}

TEST_F(RenameOnFake, OkOnUnexpectedConflictTrashesTheFileInTheWay) {
  world.Write("a", "A");
  world.Write("b", "outside");
  setup.Plan("a", "b");
  setup.session.Answers = {Answer::Ok};
  EXPECT_EQ(setup.Run().Done(), 1);
  EXPECT_EQ(world.Read("b"), "A");
  ASSERT_EQ(fs.Trash().size(), 1u);
  EXPECT_EQ(fs.Trash()[0].File.Content, "outside");
  EXPECT_EQ(setup.session.Events[3], "busy:0");  // the cursor is off while asking
  EXPECT_EQ(setup.session.Events[4], "ask:" + std::string(kNameConflictCaption));
}

TEST_F(RenameOnFake, PlannedConflictOutsideTheRunGoesToTheTrashWithoutAQuestion) {
  PlanOntoOutsider();
  setup.Run();
  EXPECT_EQ(world.Read("b"), "A");
  EXPECT_EQ(fs.Trash().size(), 1u);
  EXPECT_TRUE(setup.session.Questions.empty());
}

TEST_F(RenameOnFake, LaterFileThatKeepsItsNameWinsItAndGetsItsOwnTimes) {
  world.Write("a", "A");
  world.Write("x", "X");
  setup.options.Set(DeleteOnConflict, true);
  setup.Plan("a", "x", true);
  setup.Plan("x", "x", true).Written = 42;  // planning marks the second file a conflict
  setup.Run();
  EXPECT_EQ(world.Names(), std::vector<std::string>{"x"});
  EXPECT_EQ(world.Read("x"), "X");
  EXPECT_EQ(fs.File("/w/x")->Times.Written, 42u);
  ASSERT_EQ(fs.Trash().size(), 1u);  // the earlier file lost, as each later one wins
  EXPECT_EQ(fs.Trash()[0].File.Content, "A");
  EXPECT_TRUE(setup.session.Questions.empty());
}

TEST_F(RenameOnFake, CopyOntoALaterSourceKeepsThatSourceBesideItsName) {
  world.Write("a", "A");
  world.Write("b", "B");
  setup.options.Transport = kTransportCopy;
  setup.options.Set(DeleteOnConflict, true);
  setup.Plan("a", "b", true);
  setup.Plan("b", "c");
  setup.Run();
  // "b" was copied from where it waited; its own place now holds the copy of "a".
  EXPECT_EQ(world.Names(), (std::vector<std::string>{"a", "b", "b#1", "c"}));
  EXPECT_EQ(world.Read("b"), "A");
  EXPECT_EQ(world.Read("c"), "B");
  EXPECT_EQ(world.Read("b#1"), "B");
  EXPECT_TRUE(fs.Trash().empty());
  EXPECT_EQ(setup.EntryPath(1), "/w/c");
}

TEST_F(RenameOnFake, NeitherFileDeletableRestoresAndMarksBusy) {
  PlanOntoOutsider().Written = 5;
  fs.TrashAvailable = false;
  setup.Run();
  EXPECT_EQ(world.Read("b"), "outside");
  ExpectKeptAndBusy(kNeitherDeletedText);
}

TEST_F(RenameOnFake, FailedMoveAfterTheDeletionIsDetected) {
  PlanOntoOutsider().Written = 5;
  fs.Fail(FakeOp::MoveNoReplace, "/w/a", EIO);
  setup.session.Answers = {Answer::Ok};
  EXPECT_EQ(setup.Run().Failed, 1);
  EXPECT_EQ(fs.Trash().size(), 1u);
  EXPECT_EQ(world.Read("a"), "A");
  EXPECT_EQ(setup.EntryPath(0), "/w/a");
  EXPECT_EQ(fs.Calls(FakeOp::SetTimes), 0);
  ASSERT_EQ(setup.session.Questions.size(), 1u);
  EXPECT_EQ(setup.session.Questions[0].Text,
            RenameFailedMessage(false, "/w/a", "/w/b", "Input/output error"));
}

TEST_F(RenameOnFake, SourceTrashedWhenTheTargetCannotBe) {
  PlanOntoOutsider().Attr = kAttrHidden;
  fs.Fail(FakeOp::DeleteToTrash, "/w/b");
  setup.Run();
  EXPECT_EQ(world.Names(), std::vector<std::string>{"b"});
  EXPECT_EQ(world.Read("b"), "outside");
  ASSERT_EQ(fs.Trash().size(), 1u);
  EXPECT_EQ(fs.Trash()[0].File.Content, "A");
  // The file that stayed is no file of the run: it gets neither times nor attributes.
  EXPECT_EQ(fs.Calls(FakeOp::SetAttributes), 0);
}

TEST_F(RenameOnFake, DiskFullCopyIsDetectedAfterTheDeletion) {
  world.Write("a", "12345");
  world.Write("out/a", "old copy");
  setup.options.Transport = kTransportCopy;
  setup.options.Set(DeleteOnConflict, true);
  setup.Plan("a", "out/a", true);
  fs.FreeSpace = 3;
  setup.Run();
  EXPECT_EQ(setup.EntryPath(0), "/w/a");
  EXPECT_EQ(world.Read("a"), "12345");
  EXPECT_EQ(fs.Trash().size(), 1u);  // the old copy went to the trash, not lost
  ASSERT_EQ(setup.session.Questions.size(), 1u);
  EXPECT_EQ(setup.session.Questions[0].Text,
            RenameFailedMessage(true, "/w/a", "/w/out/a", "No space left on device"));
}

TEST_F(RenameOnFake, FailureOfAWaitingFileSendsItBesideItsName) {
  world.Write("a", "A");
  world.Write("b", "B");
  world.Write("c", "outside");
  setup.options.Set(DeleteOnConflict, true);
  setup.Plan("a", "b", true);
  setup.Plan("b", "c", true);
  fs.TrashAvailable = false;  // "b" can neither trash "c" nor itself
  setup.Run();
  EXPECT_EQ(world.Names(), (std::vector<std::string>{"b", "b#1", "c"}));
  EXPECT_EQ(world.Read("b"), "A");
  EXPECT_EQ(world.Read("b#1"), "B");
  EXPECT_EQ(setup.EntryPath(1), "/w/b#1");
  EXPECT_TRUE(setup.preview.Items(1).Busy);
}

TEST_F(RenameOnFake, SwapOnAStoreThatIgnoresCase) {
  FakeWorld folding(true);
  RenameSetup s(folding);
  folding.Write("a.txt", "A");
  folding.Write("b.txt", "B");
  s.Plan("a.txt", "B.TXT");  // names the later file under another spelling
  s.Plan("b.txt", "a.txt");
  s.Run();
  EXPECT_EQ(folding.Read("b.txt"), "A");
  EXPECT_EQ(folding.Read("a.txt"), "B");
  EXPECT_EQ(folding.Names(), (std::vector<std::string>{"B.TXT", "a.txt"}));
  EXPECT_TRUE(s.session.Questions.empty());
}

TEST_F(RenameOnFake, CaseOnlyRenameOnAStoreThatIgnoresCase) {
  FakeWorld folding(true);
  RenameSetup s(folding);
  folding.Write("report.TXT", "R");
  s.Plan("report.TXT", "report.txt");
  s.Run();
  EXPECT_EQ(folding.Names(), std::vector<std::string>{"report.txt"});
  EXPECT_TRUE(s.session.Questions.empty());
}

TEST_F(RenameOnFake, MoveToAnotherVolume) {
  fs.AddVolume("/mnt");
  world.Write("a", "A");
  setup.options.Transport = kTransportMove;
  setup.Plan("a", "/mnt/a");
  setup.Run();
  ASSERT_TRUE(fs.HasFile("/mnt/a"));
  EXPECT_EQ(fs.File("/mnt/a")->Content, "A");
  EXPECT_TRUE(world.Names().empty());
}

}  // namespace varnoke::testing
