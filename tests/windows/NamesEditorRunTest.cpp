// Names applied in the names editor are a renaming like any other: journaled and undone
// from the Files menu. On real files, driven through the menus, the choice of parts and
// the editor.
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

}  // namespace
}  // namespace varnoke
