#pragma once
// The main window over real files, driven as a user drives it: list windows opened on
// files of the test, "&Start renaming" with "Rename now!" in the preview, "&Edit manually"
// with the editor's Start, and "Undo last renaming".
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "engine/AddFile.h"
#include "windows/DesktopFixture.h"
#include "windows/ListGrid.h"
#include "windows/TEditChoiceForm.h"
#include "windows/TEditForm.h"
#include "windows/TMainForm.h"
#include "windows/TNameListForm.h"
#include "windows/TPreviewForm.h"

namespace varnoke {

class MainFormOnRealFiles : public DesktopOnRealFiles {
 protected:
  using Strings = std::vector<std::string>;

  QAction* Item(const char* name) { return main.findChild<QAction*>(name); }
  // A list window of the files named (in `where`, the test's own directory unless told),
  // with options that name them Pic1, Pic2 ...
  TNameListForm* ListOf(const Strings& names, const std::string& where = {}) {
    FileListOwner list(state.Settings.Defaults, state.ListCounter, EnglishTexts());
    for (const std::string& name : names) {
      const std::string path = where.empty() ? At(name) : where + "/" + name;
      EXPECT_TRUE(AddFile(fs, list.Files, path)) << path;
    }
    list.Options.Set(ChangeName, true);
    list.Options.Set(Enumerate, true);
    list.Options.Name = "Pic";
    return main.OpenList(std::move(list));
  }
  // The names and extensions the window's grid shows, row by row.
  static Strings Shown(TNameListForm* list) {
    const QAbstractItemModel* grid = list->Grid()->model();
    Strings names;
    for (int row = 0; row < grid->rowCount(); ++row) {
      const QString name = grid->index(row, 2).data().toString();
      if (!name.isEmpty())
        names.push_back((name + "." + grid->index(row, 3).data().toString()).toStdString());
    }
    return names;
  }
  // Once a modal window of type T shows, `act` runs on it, once.
  template <typename T>
  void WhenShown(std::function<void(T*)> act) {
    auto* timer = new QTimer(&main);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
      auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
      if (!window) return;
      timer->stop();
      timer->deleteLater();
      act(window);
    });
    timer->start();
  }
  // `list` becomes the active window, to which the menus send their commands.
  void Activate(TNameListForm* list) {
    main.Workspace()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(list->parentWidget()));
  }
  // "&Start renaming" on the list, then a double click on "Rename now!" in its preview.
  void RenameNow(TNameListForm* list) {
    Activate(list);
    bool previewed = false;
    WhenShown<TPreviewForm>([&](TPreviewForm* preview) {
      previewed = true;
      QTest::mouseDClick(preview->findChild<QLabel*>("Panel1"), Qt::LeftButton);
    });
    Item("Startrenaming1")->trigger();
    EXPECT_TRUE(previewed);
  }
  // "&Edit manually" on the list: the parts of item `mode` chosen, the editor's text
  // replaced by `text`, then Start.
  void EditAndStart(TNameListForm* list, int mode, const QString& text) {
    Activate(list);
    bool edited = false;
    WhenShown<TEditChoiceForm>([&](TEditChoiceForm* choice) {
      WhenShown<TEditForm>([&](TEditForm* editor) {
        edited = true;
        editor->Memo1->selectAll();
        const QStringList lines = text.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
          if (i > 0) QTest::keyClick(editor->Memo1, Qt::Key_Return);
          QTest::keyClicks(editor->Memo1, lines[i]);
        }
        QTest::mouseClick(editor->SpeedButton1, Qt::LeftButton);
      });
      choice->RadioGroup1Items[mode]->setChecked(true);
      QTest::mouseClick(choice->BitBtn2, Qt::LeftButton);
    });
    Item("Editmanually1")->trigger();
    EXPECT_TRUE(edited);
  }
  // "Undo last renaming", as the Files menu shows it, answered Yes.
  void UndoLast() {
    ASSERT_FALSE(UndoItem().isEmpty());
    session.Answers = {Answer::Yes};
    Item("Undolastrenaming1")->trigger();
  }
  // The caption of "Undo last renaming" as the Files menu shows it; empty when greyed.
  QString UndoItem() {
    emit main.findChild<QMenu*>("Files1")->aboutToShow();
    return Item("Undolastrenaming1")->isEnabled() ? Item("Undolastrenaming1")->text() : QString();
  }
  Strings Asked() const {
    Strings texts;
    for (const AskedQuestion& q : session.Questions) texts.push_back(q.Text);
    return texts;
  }

  TMainForm main{state};
};

}  // namespace varnoke
