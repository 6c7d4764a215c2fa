// Runs of previews that planning made, in every world.
#include "engine/RenameWorld.h"

namespace varnoke::testing {

namespace {

void NumberAsPic(TFiles& options, int start) {
  options.Set(ChangeName, true);
  options.Set(Enumerate, true);
  options.Name = "Pic";
  options.Digits = 3;
  options.Start = start;
}

}  // namespace

TEST_P(RenameCases, PlannedNumberingRenamesEveryFile) {
  for (const char* n : {"b.txt", "a.txt", "c.jpg"}) world->Write(n, n);
  NumberAsPic(setup->options, 1);
  setup->ListAndPlan({"b.txt", "a.txt", "c.jpg"});
  const RenameReport report = setup->Run();
  EXPECT_EQ(report.Done(), 3);
  EXPECT_EQ(world->Names(), (std::vector<std::string>{"Pic001.txt", "Pic002.txt", "Pic003.jpg"}));
  EXPECT_EQ(world->Read("Pic001.txt"), "b.txt");
  EXPECT_EQ(world->Read("Pic003.jpg"), "c.jpg");
  EXPECT_EQ(setup->EntryPath(1), world->At("Pic002.txt"));
}

// Pic001..003 numbered from 2: Pic002.txt is still there on disk when planned. With
// suffixes nothing is overwritten; with deletion the files shift and nothing is trashed.
TEST_P(RenameCases, PlannedShiftOverwritesAndTrashesNothing) {
  for (bool del : {false, true}) {
    SCOPED_TRACE(del ? "delete on conflict" : "add suffix");
    auto w = GetParam()();
    RenameSetup s(*w);
    for (int n = 1; n <= 3; ++n)
      w->Write("Pic00" + std::to_string(n) + ".txt", "#" + std::to_string(n));
    NumberAsPic(s.options, 2);
    s.options.Set(DeleteOnConflict, del);
    s.ListAndPlan({"Pic001.txt", "Pic002.txt", "Pic003.txt"});
    ASSERT_TRUE(s.preview.Items(0).Conflict);
    s.Run();
    const std::vector<std::string> names =
        del ? std::vector<std::string>{"Pic002.txt", "Pic003.txt", "Pic004.txt"}
            : std::vector<std::string>{"Pic002#1.txt", "Pic003#1.txt", "Pic004.txt"};
    EXPECT_EQ(w->Names(), names);
    for (int n = 0; n < 3; ++n) EXPECT_EQ(w->Read(names[n]), "#" + std::to_string(n + 1));
    EXPECT_TRUE(s.session.Questions.empty());
    if (FakeFileSystem* fake = w->Fake()) {
      EXPECT_TRUE(fake->Trash().empty());
    }
  }
}

TEST_P(RenameCases, PlannedUpperCaseRenamesCaseOnly) {
  world->Write("report.txt", "R");
  setup->options.CaseMode = kCaseUpper;
  setup->ListAndPlan({"report.txt"});
  ASSERT_FALSE(setup->preview.Items(0).Conflict);
  setup->Run();
  EXPECT_EQ(world->Names(), std::vector<std::string>{"REPORT.TXT"});
  EXPECT_EQ(setup->files.Items(0).Name(), "REPORT");
}

TEST_P(RenameCases, PlannedMoveIntoTheOptionsDirectory) {
  world->Write("a.txt", "A");
  world->MakeDirectory("dest");
  setup->options.Transport = kTransportMove;
  setup->options.Path = world->At("dest") + world->Fs().Rules().Separator();
  setup->ListAndPlan({"a.txt"});
  setup->Run();
  EXPECT_EQ(world->Names("dest"), std::vector<std::string>{"a.txt"});
  EXPECT_EQ(setup->files.Items(0).Path(), world->At("dest"));
}

}  // namespace varnoke::testing
