// The names editor and the preferences dialog driven as a user drives them.
#include <QCheckBox>
#include <QGroupBox>
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
#include "files/Settings.h"
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
  FileListOwner list(state.Settings.Defaults, state.ListCounter, EnglishTexts());
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
    EXPECT_EQ(session.Questions.back().Text, kDiscardChangesText.Source);
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
    bool Blank, NoTips, EveryTime, Ok;
    std::uint8_t Bits;
  } cases[] = {
      {"cancel", true, false, true, false, kPrefDisableToolTips},
      {"all on", true, true, true, true, 0x07},
      {"all off", false, false, false, true, 0x00},
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
    QTest::mouseClick(c.Ok ? dialog.BitBtn2 : dialog.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(state.Settings.Preferences, c.Bits);
    EXPECT_EQ(ToolTipsOn(), (c.Bits & kPrefDisableToolTips) == 0);
  }
  SwitchToolTips(true);
}

// The explorer's true-case choice acts on Windows only: its box shows the stored choice,
// cannot be changed and says why, and accepting the dialog and saving the settings keep
// "DontPrettyPath" as it was stored, whatever it was.
TEST_F(EditAndPreferencesTest, TheExplorerChoiceIsShownAsStoredAndKept) {
  const struct {
    const char* What;
    std::optional<RegValue> Stored;
    bool Checked;
  } cases[] = {
      {"never written", std::nullopt, false},
      {"off", RegValue::Dword(0), false},
      {"on", RegValue::Dword(1), true},
      {"another number", RegValue::Dword(7), true},
      {"no number", RegValue::String("yes"), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    settings.DeleteValue(kExplorerAdvancedKey, kDontPrettyPath);
    if (c.Stored) settings.Write(kExplorerAdvancedKey, kDontPrettyPath, *c.Stored);
    ASSERT_TRUE(settings.Flush());
    {
      TPreferences dialog(state);
      dialog.show();
      EXPECT_EQ(dialog.GroupBox3->title().toStdString(), "Windows 98 Explorer optins");
      EXPECT_EQ(dialog.CheckBox3->text().toStdString(), "Make Explorer show true cases");
      EXPECT_EQ(dialog.CheckBox3->isChecked(), c.Checked);
      EXPECT_FALSE(dialog.CheckBox3->isEnabled());
      EXPECT_EQ(dialog.CheckBox3->toolTip().toStdString(),
                "Acts on Windows only; the stored choice is kept.");
      EXPECT_EQ(dialog.GroupBox3->toolTip().toStdString(),
                dialog.CheckBox3->toolTip().toStdString());
      QTest::mouseClick(dialog.CheckBox3, Qt::LeftButton);
      EXPECT_EQ(dialog.CheckBox3->isChecked(), c.Checked);
      dialog.CheckBox1->setChecked(!dialog.CheckBox1->isChecked());
      QTest::mouseClick(dialog.BitBtn2, Qt::LeftButton);
      EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    ASSERT_TRUE(WriteSettings(settings, state.Settings, WindowPlacement{}));
    EXPECT_EQ(PosixSettingsStore(dir.Path()).Read(kExplorerAdvancedKey, kDontPrettyPath), c.Stored);
  }
}

}  // namespace
}  // namespace varnoke
