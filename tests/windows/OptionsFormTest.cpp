// The options dialog driven through its widgets: the sample follows what is typed while
// the list and its options stay as they were until "&OK".
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "DesktopFixture.h"
#include "engine/Messages.h"
#include "engine/TakenMessages.h"
#include "platform/testing/FakeCaptureTimes.h"
#include "windows/DirectoryControls.h"
#include "windows/QtText.h"
#include "windows/TOptionsForm.h"

namespace varnoke {
namespace {

class OptionsForm : public DesktopFixture {
 protected:
  OptionsForm() {
    MakeFiles(3);
    for (int i = 1; i <= 3; ++i)
      list.Files.AddEntry(false, "/d", "f" + std::to_string(i), "txt", 0, 0x20, 0, 0, 0);
    list.Options.Flags = ChangeName | Enumerate;
  }
  void Open() {
    form = std::make_unique<TOptionsForm>(
        list, state, [this](int topic) { topics.push_back(topic); }, nullptr);
    form->show();
  }
  QString Sample(int row, int column = 1) {
    QTreeWidgetItem* item = form->SampleList->topLevelItem(row);
    return item ? item->text(column) : QString();
  }
  void Type(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
  }

  FileListOwner list{state.Settings.Defaults, state.ListCounter, EnglishTexts()};
  std::unique_ptr<TOptionsForm> form;
  std::vector<int> topics;
};

TEST_F(OptionsForm, TheSampleFollowsTheNameWhileNothingIsTakenOverUntilOk) {
  Open();
  EXPECT_EQ(Sample(0, 0), "f1.txt");
  EXPECT_EQ(Sample(2), "3.txt");
  const TFiles before = list.Options;
  fs.ResetCalls();

  Type(form->Edit1, "Pic");
  EXPECT_TRUE(form->SampleTimer->isActive());
  EXPECT_TRUE(QTest::qWaitFor([&] { return Sample(0) == "Pic1.txt"; }));
  EXPECT_EQ(Sample(2), "Pic3.txt");
  Type(form->Edit1, "a/b");
  EXPECT_TRUE(QTest::qWaitFor([&] { return Sample(0, 0) == Qt8(kFilenameFieldIllegal.Source); }));
  EXPECT_EQ(list.Options, before);
  EXPECT_EQ(list.Files.Items(0).Name(), "f1");
  EXPECT_EQ(fs.ChangingCalls(), 0);
  EXPECT_TRUE(session.Questions.empty());

  QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text, kFilenameFieldIllegal.Source);
  EXPECT_TRUE(form->isVisible());
  Type(form->Edit1, "Pic");
  QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(list.Options.Name, "Pic");
  EXPECT_EQ(state.Settings.Defaults.Name, "");
}

TEST_F(OptionsForm, YearLettersHelpMenuAndSaveEveryTime) {
  state.Settings.Preferences = kPrefSaveEveryTime;
  list.Options.AttrMask = list.Options.AttrValues = 0x01;
  list.Options.ModifiedDate = Calendar(2010, 5, 6);
  Open();
  EXPECT_TRUE(form->ACheckBox[0]->isChecked() && form->ACheckBox[1]->isChecked());
  form->Resetattributes1->trigger();
  EXPECT_FALSE(form->ACheckBox[0]->isChecked() || form->ACheckBox[1]->isChecked());

  QTest::mouseClick(form->BitBtn3, Qt::LeftButton);
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  form->Edit3->setFocus();
  QTest::keyClick(form->Edit3, Qt::Key_F1);
  EXPECT_EQ(topics, (std::vector<int>{2, 3}));

  form->DCheckBox[1]->setChecked(true);  // "Modified:"
  form->DSpinEdit[6]->selectAll();
  QTest::keyClicks(form->DSpinEdit[6], "abc");  // the year of "Modified:"
  Type(form->Edit1, "Pic");
  QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(FileTimeToSystemTime(list.Options.ModifiedDate)->Year, 1980);
  EXPECT_EQ(form->DSpinEdit[6]->text(), "1980");
  EXPECT_EQ(list.Options.AttrMask, 0);
  EXPECT_EQ(state.Settings.Defaults.Name, "Pic");
  EXPECT_EQ(state.Settings.Defaults.DateFlags, kDateModified);
}

// "Time taken" as the date source dates the sample from the photo's own time, marking a
// file without one; "Set from time taken" stands in for its block's date row. Both are
// kept through "&OK" and shown again.
TEST_F(OptionsForm, TimeTakenDatesTheSampleAndSetsNewTimes) {
  FakeCaptureTimes taken;
  services.Taken = &taken;
  taken.Set("/d/f1.txt", TakenStamp{Calendar(2019, 5, 6), {}});
  list.Options.Flags = ChangeName;
  list.Options.Name = "|";
  list.Options.DateString = "yyyymmdd";
  Open();
  EXPECT_EQ(Sample(0), "16010101.txt");  // the listed entries carry no file times
  auto* third = form->findChild<QAbstractButton*>("RadioGroup5Item2");
  QTest::mouseClick(third, Qt::LeftButton, {}, QPoint(5, third->height() / 2));  // its circle
  EXPECT_TRUE(QTest::qWaitFor([&] { return Sample(0) == "20190506.txt"; }));
  EXPECT_TRUE(Sample(1).startsWith("16010101")) << Sample(1).toStdString();
  EXPECT_EQ(form->SampleList->topLevelItem(0)->toolTip(1), "");
  EXPECT_EQ(form->SampleList->topLevelItem(1)->toolTip(1).toStdString(), kNoTimeTakenTip.Source);

  form->DCheckBox[1]->setChecked(true);  // "Modified:"
  EXPECT_TRUE(form->DSpinEdit[5]->isEnabled());
  QTest::mouseClick(form->TCheckBox[1], Qt::LeftButton);
  EXPECT_FALSE(form->DSpinEdit[5]->isEnabled());
  EXPECT_TRUE(form->DCheckBox[0]->isEnabled());
  QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
  ASSERT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(list.Options.Flags & (DateFromTaken | DateFromClock | kFromTakenMask),
            DateFromTaken | ModifiedFromTaken);

  Open();
  EXPECT_TRUE(form->findChild<QAbstractButton*>("RadioGroup5Item2")->isChecked());
  EXPECT_TRUE(form->TCheckBox[1]->isChecked());
  EXPECT_FALSE(form->TCheckBox[0]->isChecked() || form->TCheckBox[2]->isChecked());
  EXPECT_EQ(form->TCheckBox[1]->accessibleName(), "Modified Set from time taken");
}

// A screen reader checks a box or chooses an item through its accessible action (no click):
// the controls that hang on it follow as they follow a click.
TEST_F(OptionsForm, EnablingFollowsBoxesChangedThroughTheirAccessibleAction) {
  Open();
  // clang-format off
  const struct { const char* Acted; std::function<QWidget*()> Follows; bool Enabled; } cases[] = {
      {"CheckBox2", [&] { return form->Edit1; }, false},           // "Change file name" off
      {"CheckBox3", [&] { return form->Edit2; }, true},            // "Change extension" on
      {"CheckBox6", [&] { return form->CheckBox3; }, false},       // extension disregarded
      {"CheckBox4", [&] { return form->SpinEdit1; }, false},       // numbering off
      {"CheckBox1", [&] { return form->RadioGroup4; }, true},      // letter case on
      {"RadioGroup1Item0", [&] { return form->DirectoryListBox1; }, true},  // move files
      {"RadioGroup2Item1", [&] { return form->CheckBox5; }, false},          // advanced system
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Acted);
    auto* acted = form->findChild<QAbstractButton*>(c.Acted);
    ASSERT_NE(acted, nullptr);
    EXPECT_EQ(c.Follows()->isEnabled(), !c.Enabled);
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(acted);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(QAccessible::Name), acted->text());
    ASSERT_TRUE(button->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::toggleAction()));
    button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(c.Follows()->isEnabled(), c.Enabled);
  }
}

}  // namespace
}  // namespace varnoke
