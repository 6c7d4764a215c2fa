// The names editor driven as a user drives it.
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>

#include "engine/AddFile.h"
#include "engine/EditMessages.h"
#include "engine/FileListOwner.h"
#include "windows/DesktopFixture.h"
#include "windows/TEditForm.h"

namespace varnoke {
namespace {

class EditAndPreferencesTest : public DesktopFixture {};

// Selects line `line` (0-based) of the memo.
void SelectLine(QPlainTextEdit* memo, int line) {
  QTextCursor cursor(memo->document()->findBlockByNumber(line));
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  memo->setTextCursor(cursor);
}

TEST_F(EditAndPreferencesTest, TheEditorAppliesTheEditedText) {
  MakeFiles(3);
  FileListOwner list(state.Settings.Defaults, state.ListCounter);
  for (int i = 1; i <= 3; ++i) AddFile(fs, list.Files, "/d/f" + std::to_string(i) + ".txt");
  {
    TEditForm editor(list, services, kEditNameAndExt);
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    QPlainTextEdit* memo = editor.Memo1;
    EXPECT_EQ(memo->toPlainText(), "f1.txt\nf2.txt\nf3.txt");

    QTest::keyClick(editor.SpeedButton8, Qt::Key_Space);  // nothing selected: no change
    EXPECT_FALSE(memo->document()->isModified());
    SelectLine(memo, 1);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_T, Qt::ControlModifier);
    SelectLine(memo, 2);
    QTest::keyClicks(memo, "new.txt");
    EXPECT_EQ(memo->toPlainText(), "f1.txt\nF2.Txt\nnew.txt");

    session.Answers = {Answer::Cancel};  // closing asks before dropping the edits
    editor.close();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(session.Questions.back().Text, kDiscardChangesText);

    session.Answers = {Answer::Yes};
    QTest::mouseClick(editor.SpeedButton1, Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Accepted);
  }
  EXPECT_EQ(fs.FilePaths(), std::vector<std::string>({"/d/F2.Txt", "/d/f1.txt", "/d/new.txt"}));
  EXPECT_EQ(list.Files.Items(1).Name(), "F2");
  EXPECT_EQ(list.Files.Items(2).Name(), "new");
  EXPECT_TRUE(ReadPlacement(settings, kEditWinPos).has_value());
}

}  // namespace
}  // namespace varnoke
