// The windows in the pseudo language, where every text is 40 % longer than in English
// and bracketed: no caption is cut (each gets at least the room its size hint asks for),
// and every caption of a button, group, tab or menu bar comes from the translation.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <functional>
#include <memory>

#include "engine/AddFile.h"
#include "windows/DesktopFixture.h"
#include "windows/IconCache.h"
#include "windows/TAddFiles.h"
#include "windows/TEditForm.h"
#include "windows/TFileSearchForm.h"
#include "windows/TMainForm.h"
#include "windows/TNameListForm.h"
#include "windows/TOptionsForm.h"
#include "windows/TPreferences.h"
#include "windows/TPreviewForm.h"

namespace varnoke {
namespace {

// A control as a failure names it.
QString Named(const QWidget* w, const QString& text) {
  return QStringLiteral("%1 %2 \"%3\"")
      .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text);
}

// What one look at a window found.
struct Look {
  QStringList Cut;           // captions with less room than they need
  QStringList Untranslated;  // captions that do not come from the pseudo language
  int Translated = 0;
};

bool Pseudo(const QString& text) {
  return text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'));
}

void Caption(Look& look, const QWidget* w, const QString& text, bool mustBeTranslated) {
  if (Pseudo(text))
    ++look.Translated;
  else if (mustBeTranslated)
    look.Untranslated << Named(w, text);
}

void LookAtLabel(Look& look, const QLabel* label) {
  if (label->text().isEmpty() || !label->pixmap().isNull()) return;
  Caption(look, label, label->text(), false);
  const QSize need = label->wordWrap() ? QSize(label->minimumSizeHint().width(),
                                               label->heightForWidth(label->width()))
                                       : label->sizeHint();
  if (label->width() < need.width() || label->height() < need.height())
    look.Cut << Named(label, label->text());
}

void LookAtTabs(Look& look, const QTabBar* tabs) {
  for (int i = 0; i < tabs->count(); ++i) {
    Caption(look, tabs, tabs->tabText(i), true);
    // A tab that does not fit is scrolled away or elided.
    const QRect shown = tabs->tabRect(i);
    const int text = tabs->fontMetrics().horizontalAdvance(QString(tabs->tabText(i)).remove('&'));
    if (shown.width() < text || !tabs->rect().contains(shown))
      look.Cut << Named(tabs, tabs->tabText(i));
  }
}

void LookAtMenuBar(Look& look, const QMenuBar* bar) {
  for (const QAction* action : bar->actions()) {
    if (!action->isVisible() || action->text().isEmpty()) continue;
    Caption(look, bar, action->text(), true);
    const QRect shown = bar->actionGeometry(const_cast<QAction*>(action));
    if (shown.isEmpty() || !bar->rect().contains(shown)) look.Cut << Named(bar, action->text());
  }
}

// Every shown caption of the window; a menu's items are its own, and a menu only has to fit
// on the screen.
Look LookAt(QWidget& window) {
  QApplication::processEvents();
  Look look;
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window)) continue;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      LookAtLabel(look, label);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      const QString text = button->text();
      // The case buttons of the names editor show the case itself, in any language.
      if (text.isEmpty() || text.compare(QLatin1String("ab"), Qt::CaseInsensitive) == 0) continue;
      Caption(look, button, text, true);
      if (button->width() < button->sizeHint().width() ||
          button->height() < button->sizeHint().height())
        look.Cut << Named(button, text);
    } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
      if (group->title().isEmpty()) continue;
      Caption(look, group, group->title(), true);
      if (group->width() < group->minimumSizeHint().width())
        look.Cut << Named(group, group->title());
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
      LookAtTabs(look, tabs);
    } else if (const auto* bar = qobject_cast<const QMenuBar*>(w)) {
      LookAtMenuBar(look, bar);
    }
  }
  const QRect screen = window.screen()->availableGeometry();
  for (QMenu* menu : window.findChildren<QMenu*>()) {
    // The system menu of a list window is Qt's own.
    if (qobject_cast<QMdiSubWindow*>(menu->parentWidget())) continue;
    for (const QAction* action : menu->actions())
      if (!action->isSeparator() && !action->text().isEmpty())
        Caption(look, menu, action->text(),
                !action->text().startsWith(QLatin1Char('&')) || !action->text().at(1).isDigit());
    if (menu->sizeHint().width() > screen.width()) look.Cut << Named(menu, menu->title());
  }
  return look;
}

// The look finds each kind of cut caption: a label, a button, a group's title, a tab and a
// menu bar's title with less room than they need.
TEST(PseudoLanguageLook, FindsEveryKindOfCutCaption) {
  QWidget window;
  auto* label = new QLabel(QStringLiteral("[a long caption]"), &window);
  auto* button = new QPushButton(QStringLiteral("[a long button]"), &window);
  auto* group = new QGroupBox(QStringLiteral("[a long group title]"), &window);
  auto* tabs = new QTabWidget(&window);
  tabs->addTab(new QWidget, QStringLiteral("[a first long tab]"));
  tabs->addTab(new QWidget, QStringLiteral("[a second long tab]"));
  auto* bar = new QMenuBar(&window);
  bar->addMenu(QStringLiteral("[&A first long menu]"));
  bar->addMenu(QStringLiteral("[&Another long menu]"));
  label->setGeometry(0, 0, 20, 30);
  button->setGeometry(0, 40, 20, 30);
  group->setGeometry(0, 80, 20, 30);
  tabs->setGeometry(0, 120, 60, 60);
  bar->setGeometry(0, 200, 60, 30);
  window.resize(300, 300);
  window.show();
  const Look look = LookAt(window);
  EXPECT_EQ(look.Cut.size(), 7) << look.Cut.join('\n').toStdString();
  for (QWidget* w : std::initializer_list<QWidget*>{label, button, group, tabs, bar})
    w->resize(900, 60);
  const Look whole = LookAt(window);
  EXPECT_TRUE(whole.Cut.isEmpty()) << whole.Cut.join('\n').toStdString();
  EXPECT_TRUE(whole.Untranslated.isEmpty());
}

class PseudoLanguage : public DesktopFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pseudo.load(QStringLiteral(VARNOKE_PSEUDO_QM)));
    QCoreApplication::installTranslator(&pseudo);
    MakeFiles(3);
    for (int i = 1; i <= 3; ++i) AddFile(fs, list.Files, "/d/f" + std::to_string(i) + ".txt");
  }
  void TearDown() override { QCoreApplication::removeTranslator(&pseudo); }

  // Shows the window and looks at it, once for each page it has.
  void Check(const char* name, QWidget& window) {
    SCOPED_TRACE(name);
    window.show();
    std::vector<QTabWidget*> notebooks;
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) notebooks.push_back(tabs);
    const int pages = notebooks.empty() ? 1 : notebooks.front()->count();
    for (int page = 0; page < pages; ++page) {
      if (!notebooks.empty()) notebooks.front()->setCurrentIndex(page);
      const Look look = LookAt(window);
      EXPECT_GT(look.Translated, 0) << "the pseudo language is not in use";
      EXPECT_TRUE(look.Cut.isEmpty())
          << "page " << page << ": " << look.Cut.join('\n').toStdString();
      EXPECT_TRUE(look.Untranslated.isEmpty())
          << "page " << page << ": " << look.Untranslated.join('\n').toStdString();
    }
    window.hide();
  }

  QTranslator pseudo;
  FileListOwner list{state.Settings.Defaults, state.ListCounter, EnglishTexts()};
};

TEST_F(PseudoLanguage, NoCaptionOfTheMainWindowAndItsListIsCut) {
  TMainForm main(state);
  main.show();
  main.FitFirstList();
  main.NewfilelistClick();
  Check("main window", main);
}

TEST_F(PseudoLanguage, NoCaptionOfTheOptionsOnEitherPageIsCut) {
  TOptionsForm options(list, state, {}, nullptr);
  Check("options", options);
}

TEST_F(PseudoLanguage, NoCaptionOfThePreviewIsCut) {
  IconCache icons;
  TPreviewForm preview(list, icons, services, nullptr);
  Check("preview", preview);
}

TEST_F(PseudoLanguage, NoCaptionOfTheNamesEditorIsCut) {
  TEditForm editor(list, services, kEditNameAndExt);
  Check("names editor", editor);
}

TEST_F(PseudoLanguage, NoCaptionOfTheSearchAddFilesAndPreferencesDialogsIsCut) {
  TNameListForm owner(state);
  {
    TFileSearchForm search(owner, state);
    Check("search", search);
  }
  {
    TAddFiles add(owner, state);
    Check("add files", add);
  }
  TPreferences preferences(state);
  Check("preferences", preferences);
}

}  // namespace
}  // namespace varnoke
