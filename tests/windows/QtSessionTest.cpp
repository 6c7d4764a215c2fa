#include "windows/QtSession.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "engine/RenameMessages.h"
#include "windows/TPrepPrevForm.h"
#include "windows/WaitCursor.h"

namespace varnoke {
namespace {

// Answers the next message box with `button`, after letting `look` see it.
void AnswerNextBox(QMessageBox::StandardButton button, std::function<void(QMessageBox&)> look = {},
                   int triesLeft = 50) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      if (triesLeft > 0) AnswerNextBox(button, look, triesLeft - 1);
      return;
    }
    if (look) look(*box);
    box->button(button)->click();
  });
}

TEST(QtSessionTest, ProgressShowsTheWorkAndGoesAwayAtTheEnd) {
  WaitCursor cursor;
  QtSession session(nullptr, cursor);
  EXPECT_EQ(session.ProgressWindow(), nullptr);

  session.start(kRenamingLabel, 3);
  QPointer<TPrepPrevForm> form = session.ProgressWindow();
  ASSERT_FALSE(form.isNull());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->BlinkLabel->text().toStdString(), kRenamingLabel);
  EXPECT_EQ(form->Gauge->maximum(), 3);
  EXPECT_EQ(form->Gauge->value(), 0);
  session.step();
  session.step();
  EXPECT_EQ(form->Gauge->value(), 2);
  session.hide();
  EXPECT_FALSE(form->isVisible());
  session.show();
  EXPECT_TRUE(form->isVisible());

  session.finish();
  EXPECT_EQ(session.ProgressWindow(), nullptr);
  ASSERT_FALSE(form.isNull());  // released once pending events run
  EXPECT_TRUE(form->Finished);
  EXPECT_FALSE(form->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());
  session.step();  // nothing left to advance
  session.finish();
}

TEST(QtSessionTest, BusyCursorAndThrottledPump) {
  WaitCursor cursor;
  QtSession session(nullptr, cursor);
  session.busyCursor(true);
  EXPECT_TRUE(cursor.IsOn());
  session.busyCursor(false);
  EXPECT_FALSE(cursor.IsOn());

  int handled = 0;
  const auto post = [&] { QTimer::singleShot(0, qApp, [&] { ++handled; }); };
  post();
  session.pump();
  EXPECT_EQ(handled, 1);  // the first pump always lets events run
  constexpr int kCalls = 200;
  for (int i = 0; i < kCalls; ++i) {
    post();
    session.pump();
  }
  EXPECT_LT(handled, kCalls + 1);  // back-to-back pumps skip
  QCoreApplication::processEvents();
}

TEST(QtSessionTest, AskShowsTheBoxWithProgressAndBusyCursorAside) {
  WaitCursor cursor;
  QtSession session(nullptr, cursor);
  session.start(kRenamingLabel, 10);
  session.busyCursor(true);
  cursor.Tick();
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  QPointer<TPrepPrevForm> form = session.ProgressWindow();

  bool progressShown = true;
  bool cursorShown = true;
  QString text, caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  Qt::TextFormat format = Qt::AutoText;
  AnswerNextBox(QMessageBox::No, [&](QMessageBox& box) {
    progressShown = form->isVisible();
    cursorShown = QGuiApplication::overrideCursor() != nullptr;
    text = box.text();
    caption = box.windowTitle();
    icon = box.icon();
    buttons = box.standardButtons();
    format = box.textFormat();
  });
  const Answer answer = session.ask("The file:\r\n/tmp/<a>.txt\r\nis busy.", "Name conflict",
                                    Buttons::YesNo, Icon::Question);
  EXPECT_EQ(answer, Answer::No);
  EXPECT_FALSE(progressShown);
  EXPECT_FALSE(cursorShown);
  EXPECT_EQ(text, QStringLiteral("The file:\n/tmp/<a>.txt\nis busy."));
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_EQ(caption, QStringLiteral("Name conflict"));
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(form->isVisible());
  EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  session.busyCursor(false);
  session.finish();
}

TEST(QtSessionTest, EveryButtonGivesItsAnswer) {
  WaitCursor cursor;
  QtSession session(nullptr, cursor);
  const struct {
    Buttons Kind;
    QMessageBox::StandardButton Click;
    Answer Expected;
    QMessageBox::Icon Symbol;
    Icon Asked;
  } cases[] = {
      {Buttons::Ok, QMessageBox::Ok, Answer::Ok, QMessageBox::NoIcon, Icon::None},
      {Buttons::OkCancel, QMessageBox::Ok, Answer::Ok, QMessageBox::Warning, Icon::Warning},
      {Buttons::OkCancel, QMessageBox::Cancel, Answer::Cancel, QMessageBox::Critical, Icon::Error},
      {Buttons::YesNo, QMessageBox::Yes, Answer::Yes, QMessageBox::Information, Icon::Information},
      {Buttons::YesNoCancel, QMessageBox::Cancel, Answer::Cancel, QMessageBox::Question,
       Icon::Question},
  };
  for (const auto& c : cases) {
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    bool firstIsDefault = false;
    AnswerNextBox(c.Click, [&](QMessageBox& box) {
      shown = box.icon();
      const bool ok = c.Kind == Buttons::Ok || c.Kind == Buttons::OkCancel;
      firstIsDefault = box.defaultButton() == box.button(ok ? QMessageBox::Ok : QMessageBox::Yes);
    });
    EXPECT_EQ(session.ask("Question?", "Varnoke", c.Kind, c.Asked), c.Expected);
    EXPECT_EQ(shown, c.Symbol);
    EXPECT_TRUE(firstIsDefault);
  }
}

}  // namespace
}  // namespace varnoke
