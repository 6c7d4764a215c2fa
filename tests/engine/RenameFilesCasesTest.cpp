// Renaming cases that hold in every world: the in-memory file system here, a real
// temporary directory in RenameFilesPosixTest.cpp.
#include <map>

#include "engine/RenameMessages.h"
#include "engine/RenameWorld.h"

namespace varnoke::testing {

// Writes `contents` (name -> content), plans every move of `moves` in order (conflicts
// marked where the target is taken on disk, as planning would), runs, and checks that
// every moved content arrived, nothing was asked and nothing is left over.
void ExpectRotation(World& world, bool deleteOnConflict,
                    const std::map<std::string, std::string>& contents,
                    const std::vector<std::pair<std::string, std::string>>& moves) {
  SCOPED_TRACE(deleteOnConflict ? "delete on conflict" : "add suffix");
  RenameSetup setup(world);
  setup.options.Set(DeleteOnConflict, deleteOnConflict);
  for (const auto& [name, content] : contents) world.Write(name, content);
  std::map<std::string, std::string> expected = contents;
  for (const auto& [from, to] : moves) expected.erase(from);
  for (const auto& [from, to] : moves) {
    setup.Plan(from, to, deleteOnConflict && contents.count(to));
    expected[to] = contents.at(from);
  }
  const RenameReport report = setup.Run();
  EXPECT_EQ(report.Done(), static_cast<int>(moves.size()));
  EXPECT_FALSE(report.Stopped);
  EXPECT_TRUE(setup.session.Questions.empty());
  std::vector<std::string> names;
  for (const auto& [name, content] : expected) {
    names.push_back(name);
    EXPECT_EQ(world.Read(name), content) << name;
  }
  EXPECT_EQ(world.Names(), names);  // nothing under a temporary name, nothing lost
  for (std::size_t i = 0; i < moves.size(); ++i)
    EXPECT_EQ(setup.EntryPath(static_cast<int>(i)), world.At(moves[i].second));
  if (FakeFileSystem* fake = world.Fake()) {
    EXPECT_TRUE(fake->Trash().empty());
  }
}

TEST_P(RenameCases, SimpleRenameUpdatesTheFileEntry) {
  world->Write("a.txt", "A");
  setup->Plan("a.txt", "b.txt");
  const RenameReport report = setup->Run();
  EXPECT_EQ(report.Done(), 1);
  EXPECT_EQ(world->Read("b.txt"), "A");
  EXPECT_EQ(world->Names(), std::vector<std::string>{"b.txt"});
  EXPECT_EQ(setup->files.Items(0).Name(), "b");
  EXPECT_EQ(setup->files.Items(0).Path(), world->At(""));
  EXPECT_EQ(setup->session.Events,
            (std::vector<std::string>{"start:" + std::string(kRenamingLabel) + ":1", "busy:1",
                                      "step", "busy:0", "finish"}));
}

// A swap swaps, a chain shifts, a cycle rotates, a long shift arrives whole, in both
// conflict modes.
TEST_P(RenameCases, RotationsArriveWholeInBothConflictModes) {
  using Contents = std::map<std::string, std::string>;
  using Moves = std::vector<std::pair<std::string, std::string>>;
  Contents thousand;
  Moves shift;
  for (int n = 1; n <= 1000; ++n) {
    thousand[Numbered(n)] = "content " + std::to_string(n);
    shift.emplace_back(Numbered(n), Numbered(n + 1));
  }
  const std::pair<Contents, Moves> cases[] = {
      {{{"a.txt", "A"}, {"b.txt", "B"}}, {{"a.txt", "b.txt"}, {"b.txt", "a.txt"}}},
      {{{"a", "A"}, {"b", "B"}, {"c", "C"}}, {{"a", "b"}, {"b", "c"}, {"c", "d"}}},
      {{{"a.txt", "A"}, {"b.txt", "B"}, {"c.txt", "C"}},
       {{"a.txt", "b.txt"}, {"b.txt", "c.txt"}, {"c.txt", "a.txt"}}},
      {thousand, shift},
  };
  for (const auto& [contents, moves] : cases) {
    SCOPED_TRACE(moves.size());
    for (bool del : {false, true}) ExpectRotation(*GetParam()(), del, contents, moves);
  }
}

TEST_P(RenameCases, CancelStopsWithEarlierFilesRenamedAndLaterUntouched) {
  world->Write("a.txt", "A");
  world->Write("b.txt", "B");
  world->Write("c.txt", "in the way");
  world->Write("d.txt", "D");
  setup->Plan("a.txt", "x.txt");
  setup->Plan("b.txt", "c.txt");  // not planned as a conflict: the file came later
  setup->Plan("d.txt", "e.txt");
  setup->session.Answers = {Answer::Cancel};
  const RenameReport report = setup->Run();
  EXPECT_TRUE(report.Stopped);
  EXPECT_EQ(report.Done(), 1);
  EXPECT_EQ(world->Names(), (std::vector<std::string>{"b.txt", "c.txt", "d.txt", "x.txt"}));
  EXPECT_EQ(world->Read("c.txt"), "in the way");
  EXPECT_EQ(world->Read("b.txt"), "B");
  // The cancelled file kept its name, so its entry names it where it is.
  EXPECT_EQ(setup->EntryPath(1), world->At("b.txt"));
  EXPECT_EQ(setup->preview.Items(1).Name, "b");
  EXPECT_EQ(setup->EntryPath(2), world->At("d.txt"));
  ASSERT_EQ(setup->session.Questions.size(), 1u);
  const AskedQuestion& q = setup->session.Questions[0];
  EXPECT_EQ(q.Text, kNameConflictText);
  EXPECT_EQ(q.Caption, kNameConflictCaption);
  EXPECT_EQ(q.Kind, Buttons::OkCancel);
  EXPECT_EQ(q.Symbol, Icon::Warning);
  EXPECT_EQ(setup->session.Steps, 1);  // the cancelled entry is not counted
  EXPECT_FALSE(setup->session.ProgressOpen);
}

TEST_P(RenameCases, CancelLeavesNoFileUnderATemporaryName) {
  for (const char* n : {"a", "b", "c"}) world->Write(n, std::string(1, n[0] - 32));
  world->Write("d", "outside");
  setup->Plan("a", "b");
  setup->Plan("b", "c");
  setup->Plan("c", "d");  // taken by a file outside the run: the question comes
  setup->session.Answers = {Answer::Cancel};
  EXPECT_TRUE(setup->Run().Stopped);
  // c could go neither back (b took it) nor on (d is taken): it waits beside its name.
  EXPECT_EQ(world->Names(), (std::vector<std::string>{"b", "c", "c#1", "d"}));
  EXPECT_EQ(world->Read("b"), "A");
  EXPECT_EQ(world->Read("c"), "B");
  EXPECT_EQ(world->Read("c#1"), "C");
  EXPECT_EQ(world->Read("d"), "outside");
  EXPECT_EQ(setup->EntryPath(0), world->At("b"));
  EXPECT_EQ(setup->EntryPath(1), world->At("c"));
  EXPECT_EQ(setup->EntryPath(2), world->At("c#1"));
}

TEST_P(RenameCases, CancelSendsAWaitingLaterFileOnToItsPlannedName) {
  world->Write("a", "A");
  world->Write("b", "B");
  world->Write("c", "C");
  world->Write("d", "outside");
  setup->Plan("a", "b");  // moves "b" aside and takes its name
  setup->Plan("c", "d");  // unexpected conflict: the user stops here
  setup->Plan("b", "a");  // still waiting aside when the run stops
  setup->session.Answers = {Answer::Cancel};
  EXPECT_TRUE(setup->Run().Stopped);
  EXPECT_EQ(world->Names(), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(world->Read("a"), "B");  // its old name was taken, so it went on
  EXPECT_EQ(world->Read("b"), "A");
  EXPECT_EQ(world->Read("c"), "C");
  EXPECT_EQ(setup->EntryPath(2), world->At("a"));
  EXPECT_EQ(setup->EntryPath(1), world->At("c"));
}

TEST_P(RenameCases, CaseOnlyRenameIsCarriedOut) {
  world->Write("report.TXT", "R");
  setup->Plan("report.TXT", "report.txt");
  EXPECT_EQ(setup->Run().Done(), 1);
  EXPECT_EQ(world->Names(), std::vector<std::string>{"report.txt"});
  EXPECT_EQ(world->Read("report.txt"), "R");
  EXPECT_EQ(setup->files.Items(0).Ext(), "txt");
}

TEST_P(RenameCases, CopyLeavesTheSourceAndTheEntryNamesTheCopy) {
  world->Write("a.txt", "A");
  world->MakeDirectory("out");
  setup->options.Transport = kTransportCopy;
  TVrnPrevFile& p = setup->Plan("a.txt", "out/a2.txt");
  p.Written = setup->files.Items(0).Written + 10'000'000 * 3600ULL;
  const FileTime planned = p.Written;
  EXPECT_EQ(setup->Run().Done(), 1);
  EXPECT_EQ(world->Read("a.txt"), "A");
  EXPECT_EQ(world->Read("out/a2.txt"), "A");
  EXPECT_EQ(setup->EntryPath(0), world->At("out/a2.txt"));
  auto copy = world->Fs().OpenExclusive(world->At("out/a2.txt"), Access::Read);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->Query()->Times.Written, planned);  // times go to the copy
  auto source = world->Fs().OpenExclusive(world->At("a.txt"), Access::Read);
  EXPECT_NE(source->Query()->Times.Written, planned);
}

TEST_P(RenameCases, MoveIntoATargetDirectory) {
  world->Write("a.txt", "A");
  world->MakeDirectory("target");
  setup->options.Transport = kTransportMove;
  setup->Plan("a.txt", "target/a.txt");
  EXPECT_EQ(setup->Run().Done(), 1);
  EXPECT_EQ(world->Names("target"), std::vector<std::string>{"a.txt"});
  EXPECT_TRUE(world->Names().empty());
  EXPECT_EQ(setup->files.Items(0).Path(), world->At("target"));
}

TEST_P(RenameCases, EmptyFileListDoesNothing) {
  TVrnPrevFile stray;
  setup->preview.AddCopy(stray);
  setup->Run();
  EXPECT_TRUE(setup->session.Events.empty());
}

TEST_P(RenameCases, PreviewWithEveryRowDeletedStillRuns) {
  world->Write("a", "A");
  setup->Plan("a", "b");
  setup->preview.Delete(0);
  setup->Run();
  EXPECT_EQ(world->Names(), std::vector<std::string>{"a"});
  EXPECT_EQ(setup->session.Events.front(), "start:" + std::string(kRenamingLabel) + ":0");
  EXPECT_EQ(setup->session.Events.back(), "finish");
}

}  // namespace varnoke::testing
