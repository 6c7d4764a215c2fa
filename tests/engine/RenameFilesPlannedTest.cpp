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
  EXPECT_EQ(report.Renamed, 3);
  EXPECT_EQ(world->Names(), (std::vector<std::string>{"Pic001.txt", "Pic002.txt", "Pic003.jpg"}));
  EXPECT_EQ(world->Read("Pic001.txt"), "b.txt");
  EXPECT_EQ(world->Read("Pic003.jpg"), "c.jpg");
  EXPECT_EQ(setup->EntryPath(1), world->At("Pic002.txt"));
}

TEST_P(RenameCases, PlannedShiftWithSuffixesOverwritesNothing) {
  for (int n = 1; n <= 3; ++n)
    world->Write("Pic00" + std::to_string(n) + ".txt", "#" + std::to_string(n));
  NumberAsPic(setup->options, 2);
  setup->ListAndPlan({"Pic001.txt", "Pic002.txt", "Pic003.txt"});
  ASSERT_TRUE(setup->preview.Items(0).Conflict);  // Pic002.txt is still there on disk
  setup->Run();
  EXPECT_EQ(world->Names(),
            (std::vector<std::string>{"Pic002#1.txt", "Pic003#1.txt", "Pic004.txt"}));
  EXPECT_EQ(world->Read("Pic002#1.txt"), "#1");
  EXPECT_EQ(world->Read("Pic003#1.txt"), "#2");
  EXPECT_EQ(world->Read("Pic004.txt"), "#3");
  EXPECT_TRUE(setup->session.Questions.empty());
}

TEST_P(RenameCases, PlannedShiftWithDeletionShiftsAndTrashesNothing) {
  for (int n = 1; n <= 3; ++n)
    world->Write("Pic00" + std::to_string(n) + ".txt", "#" + std::to_string(n));
  NumberAsPic(setup->options, 2);
  setup->options.Set(DeleteOnConflict, true);
  setup->ListAndPlan({"Pic001.txt", "Pic002.txt", "Pic003.txt"});
  ASSERT_TRUE(setup->preview.Items(0).Conflict);
  setup->Run();
  EXPECT_EQ(world->Names(), (std::vector<std::string>{"Pic002.txt", "Pic003.txt", "Pic004.txt"}));
  EXPECT_EQ(world->Read("Pic002.txt"), "#1");
  EXPECT_EQ(world->Read("Pic003.txt"), "#2");
  EXPECT_EQ(world->Read("Pic004.txt"), "#3");
  if (FakeFileSystem* fake = world->Fake()) {
    EXPECT_TRUE(fake->Trash().empty());
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
