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

TEST(QtSessionTest, PumpLetsEventsRunAtFirstAndThenOnlyNowAndThen) {
  WaitCursor cursor;
  QtSession session(nullptr, cursor);
  int handled = 0;
  const auto post = [&] { QTimer::singleShot(0, qApp, [&] { ++handled; }); };
  post();
  session.pump();
  EXPECT_EQ(handled, 1);
  constexpr int kCalls = 200;
  for (int i = 0; i < kCalls; ++i) {
    post();
    session.pump();
  }
  EXPECT_LT(handled, kCalls + 1);  // back-to-back pumps skip
  QCoreApplication::processEvents();
}

// The progress window shows the work; a question hides it and the busy cursor while the
// box shows, as plain text; at the end the window goes away.
TEST(QtSessionTest, ProgressShowsTheWorkStepsAsideForAQuestionAndGoesAtTheEnd) {
  WaitCursor cursor;
  QtSession session(nullptr, cursor);
  EXPECT_EQ(session.ProgressWindow(), nullptr);
  session.start(kRenamingLabel.Source, 3);
  QPointer<TPrepPrevForm> form = session.ProgressWindow();
  ASSERT_FALSE(form.isNull());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->BlinkLabel->text().toStdString(), kRenamingLabel.Source);
  EXPECT_EQ(form->Gauge->maximum(), 3);
  session.step();
  session.step();
  EXPECT_EQ(form->Gauge->value(), 2);
  session.hide();
  EXPECT_FALSE(form->isVisible());
  session.show();
  session.busyCursor(true);
  EXPECT_TRUE(cursor.IsOn());
  cursor.Tick();

  bool seen = false;
  AnswerNextBox(QMessageBox::No, [&](QMessageBox& box) {
    seen = true;
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(box.text(), QStringLiteral("The file:\n/tmp/<a>.txt\nis busy."));
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Name conflict"));
  });
  EXPECT_EQ(session.ask("The file:\r\n/tmp/<a>.txt\r\nis busy.", "Name conflict", Buttons::YesNo,
                        Icon::Question),
            Answer::No);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(form->isVisible());
  EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  session.busyCursor(false);
  EXPECT_FALSE(cursor.IsOn());

  session.finish();
  EXPECT_EQ(session.ProgressWindow(), nullptr);
  ASSERT_FALSE(form.isNull());  // released once pending events run
  EXPECT_FALSE(form->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());
}

// Work that may stop half-way shows Cancel; the button or Esc, wherever the focus is,
// stops it; the next work starts uncancelled, and work that cannot stop shows no button.
TEST(QtSessionTest, CancelIsOfferedOnlyWhereWorkMayStopAndEscPressesIt) {
  WaitCursor cursor;
  QtSession session(nullptr, cursor);
  QWidget elsewhere;
  elsewhere.show();
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
  for (const bool byKey : {false, true}) {
    session.start(kRenamingLabel.Source, 5);
    TPrepPrevForm* form = session.ProgressWindow();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->CancelButton->isVisible());
    EXPECT_FALSE(session.cancelled());
    session.offerCancel();
    EXPECT_TRUE(form->CancelButton->isVisible());
    EXPECT_EQ(form->CancelButton->text(), QStringLiteral("&Cancel"));
    EXPECT_LE(form->Gauge->geometry().right(), form->CancelButton->geometry().left());
    EXPECT_FALSE(session.cancelled());
    if (byKey) {
      QTest::keyClick(&elsewhere, Qt::Key_Escape);
    } else {
      QTest::mouseClick(form->CancelButton, Qt::LeftButton);
    }
    EXPECT_TRUE(session.cancelled()) << (byKey ? "Esc" : "click");
    session.finish();
    EXPECT_FALSE(session.cancelled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
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
  // A question one of whose answers removes something has the keeping answer as default.
  const struct {
    Buttons Kind;
    Answer Keeping;
    QMessageBox::StandardButton Button;
  } keeping[] = {{Buttons::OkCancel, Answer::Cancel, QMessageBox::Cancel},
                 {Buttons::YesNoCancel, Answer::No, QMessageBox::No}};
  for (const auto& c : keeping) {
    QMessageBox::StandardButton byDefault = QMessageBox::NoButton;
    AnswerNextBox(c.Button,
                  [&](QMessageBox& box) { byDefault = box.standardButton(box.defaultButton()); });
    EXPECT_EQ(session.askKeeping("Discard?", "Varnoke", c.Kind, Icon::Warning, c.Keeping),
              c.Keeping);
    EXPECT_EQ(byDefault, c.Button);
  }
}

}  // namespace
}  // namespace varnoke
