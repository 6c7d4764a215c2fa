// The names editor and the preferences dialog driven as a user drives them.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>

#include "engine/AddFile.h"
#include "engine/EditMessages.h"
#include "engine/FileListOwner.h"
#include "engine/PreferenceChoices.h"
#include "windows/DesktopFixture.h"
#include "windows/TEditForm.h"
#include "windows/TPreferences.h"
#include "windows/ToolTipSwitch.h"

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
    EXPECT_EQ(QApplication::focusWidget(), memo);  // typing goes to the names at once

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
    EXPECT_EQ(session.Questions.back().Keeping, Answer::Cancel);  // Enter keeps the edits

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

TEST_F(EditAndPreferencesTest, PreferencesRebuildTheBitsOnOk) {
  const struct {
    const char* What;
    bool Blank, NoTips, EveryTime, TrueCases, Ok;
    std::uint8_t Bits;
    std::optional<std::uint32_t> DontPrettyPath;
  } cases[] = {
      {"cancel", true, false, true, true, false, kPrefDisableToolTips, std::nullopt},
      {"all on", true, true, true, true, true, 0x07, 1},
      {"all off", false, false, false, false, true, 0x00, 0},
  };
  state.Settings.Preferences = kPrefDisableToolTips;
  SwitchToolTips(false);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    const std::uint8_t before = state.Settings.Preferences;
    TPreferences dialog(state);
    EXPECT_EQ(dialog.CheckBox2->isChecked(), (before & kPrefDisableToolTips) != 0);
    EXPECT_EQ(dialog.RadioGroup1Items[1]->isChecked(), (before & kPrefSaveEveryTime) != 0);
    dialog.CheckBox1->setChecked(c.Blank);
    dialog.CheckBox2->setChecked(c.NoTips);
    dialog.RadioGroup1Items[c.EveryTime ? 1 : 0]->setChecked(true);
    dialog.CheckBox3->setChecked(c.TrueCases);
    QTest::mouseClick(c.Ok ? dialog.BitBtn2 : dialog.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(state.Settings.Preferences, c.Bits);
    EXPECT_EQ(ToolTipsOn(), (c.Bits & kPrefDisableToolTips) == 0);
    // Written at once: a fresh store over the same file sees it.
    const std::optional<RegValue> stored =
        PosixSettingsStore(dir.Path()).Read(kExplorerAdvancedKey, kDontPrettyPath);
    EXPECT_EQ(stored ? stored->AsDword() : std::nullopt, c.DontPrettyPath);
    if (c.DontPrettyPath) {
      EXPECT_EQ(TPreferences(state).CheckBox3->isChecked(), *c.DontPrettyPath != 0);
    }
  }
  SwitchToolTips(true);
}

}  // namespace
}  // namespace varnoke
