// The list windows follow their files back: after "Undo last renaming", after a renaming
// cut short was finished or rolled back at the start, and after another program's undo,
// open lists show the files where they are, and "Rename now!" renames them again. Names
// applied in the names editor are a renaming like any other: journaled and undone from the
// Files menu; a listed file overwritten there leaves the list; and a file that cannot go
// to the trash is named with the system's reason. All on real files, with real run
// journals, driven through the menus, the preview and the editor.
#include <filesystem>

#include "engine/EditMessages.h"
#include "engine/JournalKeeper.h"
#include "engine/JournalText.h"
#include "engine/Messages.h"
#include "engine/RenameMessages.h"
#include "support/TmpfsMount.h"
#include "windows/MainFormOnRealFiles.h"

namespace varnoke {
namespace {

using FollowTheFilesTest = MainFormOnRealFiles;
using Strings = std::vector<std::string>;

// The menu item and the question count the files the run changed: a file that already had
// its new name is not one of them.
TEST_F(FollowTheFilesTest, AfterUndoLastRenamingTheListsShowTheOldNamesAndRenameAgain) {
  Write({"Pic1.txt", "b.txt", "c.txt"});
  TNameListForm* list = ListOf({"Pic1.txt", "b.txt", "c.txt"});
  RenameNow(list);
  ASSERT_EQ(Names(), (Strings{"Pic1.txt", "Pic2.txt", "Pic3.txt"}));
  EXPECT_EQ(Shown(list), (Strings{"Pic1.txt", "Pic2.txt", "Pic3.txt"}));
  TNameListForm* other = ListOf({"Pic3.txt", "Pic2.txt"});  // another window, other order
  EXPECT_EQ(UndoItem(), "Und&o last renaming (2 files)");

  UndoLast();
  ASSERT_EQ(Names(), (Strings{"Pic1.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(Shown(list), (Strings{"Pic1.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(Shown(other), (Strings{"c.txt", "b.txt"}));
  ASSERT_EQ(session.Questions.size(), 2u);
  EXPECT_EQ(session.Questions[0].Text.rfind("Undo the renaming of 2 files that started ", 0), 0u)
      << session.Questions[0].Text;
  EXPECT_EQ(session.Questions[1].Text,
            "Undone: 2 file(s) where they belong, 0 left as they were.\n");

  session.Questions.clear();
  RenameNow(list);
  EXPECT_EQ(Names(), (Strings{"Pic1.txt", "Pic2.txt", "Pic3.txt"}));
  EXPECT_EQ(Shown(list), (Strings{"Pic1.txt", "Pic2.txt", "Pic3.txt"}));
  EXPECT_TRUE(session.Questions.empty()) << session.Questions[0].Text;

  // Renaming the same list again finds nothing to do, and says so.
  RenameNow(list);
  EXPECT_EQ(Asked(), Strings{kNothingToRenameText.Source});
}

// Another program undid the renaming (varnoke-cli --undo) while the list was open: the
// next renaming of the list follows the files through the journals; a file deleted since
// leaves the list with a message instead of being renamed in silence.
TEST_F(FollowTheFilesTest, AfterAnUndoElsewhereTheNextRenamingFindsTheFilesAgain) {
  Write({"a.txt", "b.txt", "c.txt"});
  TNameListForm* list = ListOf({"a.txt", "b.txt", "c.txt"});
  RenameNow(list);
  ASSERT_EQ(Names(), (Strings{"Pic1.txt", "Pic2.txt", "Pic3.txt"}));
  {
    JournalKeeper elsewhere(journals, fs, clock, EnglishTexts());
    ScriptedSession user;
    ASSERT_EQ(elsewhere.Undo(elsewhere.History().at(0).Name, user).Reached, 3);
  }
  std::filesystem::remove(At("b.txt"));
  session.Questions.clear();
  list->List().Options.Name = "Doc";
  RenameNow(list);
  EXPECT_EQ(Names(), (Strings{"Doc1.txt", "Doc2.txt"}));
  EXPECT_EQ(Shown(list), (Strings{"Doc1.txt", "Doc2.txt"}));
  EXPECT_EQ(Asked(), Strings{GoneFromListMessage(EnglishTexts(), {At("Pic2.txt")})});
}

// While a long operation works on a list (a drop being listed lets events run), its
// entries stay as they are; the moves told meanwhile are followed once it ends.
TEST_F(FollowTheFilesTest, MovesToldDuringALongOperationAreFollowedWhenItEnds) {
  Strings names;
  for (int i = 10; i < 30; ++i) names.push_back("f" + std::to_string(i) + ".txt");
  Write(names);
  TNameListForm* list = ListOf({names[0]});
  Strings dropped;
  for (std::size_t i = 1; i < names.size(); ++i) dropped.push_back(At(names[i]));
  int told = 0;
  session.OnPump = [&] {
    if (told++ > 0) return;
    std::filesystem::rename(At("f10.txt"), At("moved.txt"));
    main.FollowMoves({{At("f10.txt"), At("moved.txt")}});
    EXPECT_EQ(list->List().Files.Items(0).Name(), "f10");  // not while the drop is listed
  };
  list->AddDroppedPaths(dropped);
  session.OnPump = nullptr;
  ASSERT_GT(told, 0);
  const Strings shown = Shown(list);
  ASSERT_EQ(shown.size(), names.size());
  EXPECT_EQ(shown[0], "moved.txt");
  EXPECT_EQ(shown[1], "f11.txt");
}

// A renaming cut short, rolled back at the start: an open list follows its files back.
TEST_F(FollowTheFilesTest, ARecoveryAtTheStartIsFollowedByTheOpenLists) {
  Write({"a.txt", "c.txt"});
  files.Write("b2.txt", "b.txt");  // b.txt became b2.txt before the cut
  TNameListForm* list = ListOf({"a.txt", "b2.txt", "c.txt"});
  {
    std::unique_ptr<RunJournal> journal =
        JournalKeeper(journals, fs, clock, EnglishTexts()).NewRun("test", list->List().Options);
    const TVrnFile& b = list->List().Files.Items(1);
    const FileTimes times{b.Created, b.Accessed, b.Written};
    journal->AddEntry({At("b.txt"),
                       At("b2.txt"),
                       b.Size,
                       b.Attr,
                       b.Attr,
                       times,
                       times,
                       *fs.IdOf(At("b2.txt")),
                       {}});
    journal->Begin();
    journal->After(journal->Before(JournalOp::Move, 0, {}, {}), FsStatus());
  }                                // let go without its end, as a killed run leaves it
  session.Answers = {Answer::No};  // roll it back
  main.OfferRecoveryAtStart();
  EXPECT_EQ(Names(), (Strings{"a.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(Shown(list), (Strings{"a.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(session.Questions.at(0).Caption, kRecoveryCaption.Source);
}

// Names applied in the editor are a run like any other, journaled under the list's caption
// and undone from the Files menu; a listed file they overwrite leaves the list, and the undo
// brings it back from the trash.
TEST_F(FollowTheFilesTest, NamesAppliedInTheEditorAreUndoneFromTheFilesMenu) {
  Write({"IMG_0012.jpg", "IMG_0013.jpg"});
  TNameListForm* list = ListOf({"IMG_0012.jpg", "IMG_0013.jpg"});
  EXPECT_TRUE(UndoItem().isEmpty());  // nothing renamed yet
  session.Answers = {Answer::Yes, Answer::Yes};
  EditAndStart(list, kEditNameAndExt, "IMG_0013.jpg\nIMG_0013.jpg");
  EXPECT_EQ(Asked(), (Strings{kReallyRenameText.Source,
                              OverwriteQuestion(EnglishTexts(), At("IMG_0013.jpg"))}));
  ASSERT_EQ(Names(), Strings{"IMG_0013.jpg"});
  EXPECT_EQ(testing::ReadFile(At("IMG_0013.jpg")), "IMG_0012.jpg");
  EXPECT_EQ(testing::ReadFile(testing::kTrashHome / "Trash/files/IMG_0013.jpg"), "IMG_0013.jpg");
  EXPECT_EQ(Shown(list), Strings{"IMG_0013.jpg"});
  EXPECT_EQ(UndoItem(),
            "Und&o last renaming (1 file)");  // the file in the way only went to the trash
  const std::vector<RunSummary> history =
      JournalKeeper(journals, fs, clock, EnglishTexts()).History();
  ASSERT_EQ(history.size(), 1u);
  EXPECT_EQ(history[0].Header.Origin, "Varnoke names editor \"Blank list (0)\"");

  UndoLast();
  EXPECT_EQ(Names(), (Strings{"IMG_0012.jpg", "IMG_0013.jpg"}));
  EXPECT_EQ(testing::ReadFile(At("IMG_0013.jpg")), "IMG_0013.jpg");
  EXPECT_EQ(Shown(list), Strings{"IMG_0012.jpg"});
  EXPECT_TRUE(UndoItem().isEmpty());
}

// A tmpfs has no trash: whatever was to go there stays, and the message names it and why.
TEST_F(FollowTheFilesTest, AFileThatCannotGoToTheTrashIsNamedWithTheReason) {
  const testing::TmpfsMount disk("1m");
  if (!disk.Ready()) GTEST_SKIP() << disk.Why();
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) testing::WriteFile(disk / name, name);
  const std::string reason = "Operation not supported";
  TNameListForm* list = ListOf({"a.txt"}, disk.Path());

  // The names editor: a.txt onto b.txt, Yes to overwrite it.
  session.Answers = {Answer::Yes, Answer::Yes};
  EditAndStart(list, kEditNameAndExt, "b.txt");
  ASSERT_EQ(session.Questions.size(), 3u);
  EXPECT_EQ(session.Questions[2].Text,
            NotTrashedMessage(EnglishTexts(), disk / "b.txt", disk / "a.txt", reason));

  // "Rename now!" with conflicts settled by the trash: a.txt planned as c.txt.
  session.Questions.clear();
  TFiles& options = list->List().Options;
  options.Name = "c";
  options.Set(Enumerate, false);
  options.Set(DeleteOnConflict, true);
  RenameNow(list);
  EXPECT_EQ(Asked(), Strings{NeitherDeletedMessage(EnglishTexts(), disk / "c.txt", reason,
                                                   disk / "a.txt", reason)});
  for (const char* name : {"a.txt", "b.txt", "c.txt"})
    EXPECT_EQ(testing::ReadFile(disk / name), name);
  EXPECT_EQ(Shown(list), Strings{"a.txt"});
}

}  // namespace
}  // namespace varnoke
