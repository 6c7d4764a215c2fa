// Names applied in the names editor are a renaming like any other: journaled and undone
// from the Files menu; a listed file overwritten there leaves the list; and a file that
// cannot go to the trash is named with the system's reason. On real files, driven through
// the menus, the choice of parts, the editor and the preview.
#include "engine/EditMessages.h"
#include "engine/JournalKeeper.h"
#include "engine/RenameMessages.h"
#include "support/TmpfsMount.h"
#include "windows/MainFormOnRealFiles.h"

namespace varnoke {
namespace {

using NamesEditorRunTest = MainFormOnRealFiles;
using Strings = std::vector<std::string>;

TEST_F(NamesEditorRunTest, NamesAppliedInTheEditorAreUndoneFromTheFilesMenu) {
  Write({"a.txt", "b.txt", "c.txt"});
  TNameListForm* list = ListOf({"a.txt", "b.txt", "c.txt"});
  EXPECT_TRUE(UndoItem().isEmpty());  // nothing renamed yet
  session.Answers = {Answer::Yes};
  EditAndStart(list, kEditNameAndExt, "x.txt\nb.txt\ny.txt");
  ASSERT_EQ(Names(), (Strings{"b.txt", "x.txt", "y.txt"}));
  EXPECT_EQ(Shown(list), (Strings{"x.txt", "b.txt", "y.txt"}));
  EXPECT_EQ(UndoItem(), "Und&o last renaming (2 files)");
  const std::vector<RunSummary> history = JournalKeeper(journals, fs, clock).History();
  ASSERT_EQ(history.size(), 1u);
  EXPECT_EQ(history[0].Header.Origin, "Varnoke names editor \"Blank list (0)\"");

  UndoLast();
  EXPECT_EQ(Names(), (Strings{"a.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(Shown(list), (Strings{"a.txt", "b.txt", "c.txt"}));
  EXPECT_TRUE(UndoItem().isEmpty());
}

TEST_F(NamesEditorRunTest, OverwritingAListedFileTakesItsEntryOffTheList) {
  Write({"IMG_0012.jpg", "IMG_0013.jpg"});
  TNameListForm* list = ListOf({"IMG_0012.jpg", "IMG_0013.jpg"});
  session.Answers = {Answer::Yes, Answer::Yes};
  EditAndStart(list, kEditNameAndExt, "IMG_0013.jpg\nIMG_0013.jpg");
  EXPECT_EQ(Asked(),
            (Strings{std::string(kReallyRenameText), OverwriteQuestion(At("IMG_0013.jpg"))}));
  ASSERT_EQ(Names(), Strings{"IMG_0013.jpg"});
  EXPECT_EQ(testing::ReadFile(At("IMG_0013.jpg")), "IMG_0012.jpg");
  EXPECT_EQ(testing::ReadFile(testing::kTrashHome / "Trash/files/IMG_0013.jpg"), "IMG_0013.jpg");
  EXPECT_EQ(Shown(list), Strings{"IMG_0013.jpg"});

  // The undo gives the renamed file its name back and brings the other from the trash.
  UndoLast();
  EXPECT_EQ(Names(), (Strings{"IMG_0012.jpg", "IMG_0013.jpg"}));
  EXPECT_EQ(testing::ReadFile(At("IMG_0013.jpg")), "IMG_0013.jpg");
  EXPECT_EQ(Shown(list), Strings{"IMG_0012.jpg"});
}

// A tmpfs has no trash: whatever was to go there stays, and the message names it and why.
TEST_F(NamesEditorRunTest, AFileThatCannotGoToTheTrashIsNamedWithTheReason) {
  const testing::TmpfsMount disk("1m");
  if (!disk.Ready()) GTEST_SKIP() << disk.Why();
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) testing::WriteFile(disk / name, name);
  const std::string reason = "Operation not supported";
  TNameListForm* list = ListOf({"a.txt"}, disk.Path());

  // The names editor: a.txt onto b.txt, Yes to overwrite it.
  session.Answers = {Answer::Yes, Answer::Yes};
  EditAndStart(list, kEditNameAndExt, "b.txt");
  ASSERT_EQ(session.Questions.size(), 3u);
  EXPECT_EQ(session.Questions[2].Text, NotTrashedMessage(disk / "b.txt", disk / "a.txt", reason));

  // "Rename now!" with conflicts settled by the trash: a.txt planned as c.txt.
  session.Questions.clear();
  TFiles& options = list->List().Options;
  options.Name = "c";
  options.Set(Enumerate, false);
  options.Set(DeleteOnConflict, true);
  RenameNow(list);
  EXPECT_EQ(Asked(),
            Strings{NeitherDeletedMessage(disk / "c.txt", reason, disk / "a.txt", reason)});
  for (const char* name : {"a.txt", "b.txt", "c.txt"})
    EXPECT_EQ(testing::ReadFile(disk / name), name);
  EXPECT_EQ(Shown(list), Strings{"a.txt"});
}

}  // namespace
}  // namespace varnoke
