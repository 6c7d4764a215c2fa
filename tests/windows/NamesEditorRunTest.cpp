// Names applied in the names editor are a renaming like any other: journaled and undone
// from the Files menu; a listed file overwritten there leaves the list. On real files,
// driven through the menus, the choice of parts and the editor.
#include "engine/EditMessages.h"
#include "engine/JournalKeeper.h"
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

}  // namespace
}  // namespace varnoke
