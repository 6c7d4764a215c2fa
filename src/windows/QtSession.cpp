#include "windows/QtSession.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <vector>

#include "windows/QtText.h"
#include "windows/TPrepPrevForm.h"
#include "windows/WaitCursor.h"

namespace varnoke {

namespace {

QMessageBox::StandardButtons StandardButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return QMessageBox::Ok;
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon BoxIcon(Icon icon) {
  switch (icon) {
    case Icon::None:
      return QMessageBox::NoIcon;
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Error:
      return QMessageBox::Critical;
    case Icon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// The first button is the default one, as in every message box of the system.
Answer FirstAnswer(Buttons buttons) {
  return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
}

QMessageBox::StandardButton ButtonOf(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return QMessageBox::Ok;
    case Answer::Cancel:
      return QMessageBox::Cancel;
    case Answer::Yes:
      return QMessageBox::Yes;
    case Answer::No:
      return QMessageBox::No;
  }
  return QMessageBox::NoButton;
}

// Every cursor that stands in for the normal one is taken off while a message box is up
// and put back in the same order afterwards.
class NormalCursorAside {
 public:
  explicit NormalCursorAside(WaitCursor& cursor) : cursor_(cursor) {
    cursor_.Suspend();
    while (const QCursor* top = QGuiApplication::overrideCursor()) {
      saved_.push_back(*top);
      QGuiApplication::restoreOverrideCursor();
    }
  }
  ~NormalCursorAside() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      QGuiApplication::setOverrideCursor(*it);
    }
    cursor_.Resume();
  }
  NormalCursorAside(const NormalCursorAside&) = delete;
  NormalCursorAside& operator=(const NormalCursorAside&) = delete;

 private:
  WaitCursor& cursor_;
  std::vector<QCursor> saved_;
};

}  // namespace

QString MessageBoxText(std::string_view text) {
  QString out = Qt8(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

QtSession::QtSession(QWidget* parent, WaitCursor& cursor) : parent_(parent), cursor_(cursor) {}

QtSession::~QtSession() {
  if (progress_) progress_->Release();
}

void QtSession::pump() {
  if (sincePump_.isValid() && sincePump_.elapsed() < kPumpIntervalMs) return;
  QCoreApplication::processEvents();
  sincePump_.start();
}

void QtSession::start(std::string_view label, int max) {
  if (!progress_) progress_ = new TPrepPrevForm(parent_);
  progress_->BlinkLabel->setText(Qt8(label));
  progress_->Gauge->setRange(0, max);
  progress_->Gauge->setValue(0);
  progress_->show();
  progress_->raise();
}

void QtSession::step() {
  if (progress_) progress_->Gauge->setValue(progress_->Gauge->value() + 1);
}

void QtSession::hide() {
  if (progress_) progress_->hide();
}

void QtSession::show() {
  if (progress_) progress_->show();
}

void QtSession::finish() {
  if (!progress_) return;
  progress_->hide();
  progress_->Release();
  progress_ = nullptr;
}

void QtSession::offerCancel() {
  if (progress_) progress_->OfferCancel();
}

bool QtSession::cancelled() {
  return progress_ && progress_->CancelPressed;
}

void QtSession::busyCursor(bool on) {
  cursor_.SetOn(on);
}

Answer QtSession::ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) {
  return Show(text, caption, buttons, icon, FirstAnswer(buttons));
}

Answer QtSession::askKeeping(std::string_view text, std::string_view caption, Buttons buttons,
                             Icon icon, Answer keeping) {
  return Show(text, caption, buttons, icon, keeping);
}

Answer QtSession::Show(std::string_view text, std::string_view caption, Buttons buttons, Icon icon,
                       Answer byDefault) {
  const bool progressShown = progress_ && progress_->isVisible();
  if (progressShown) progress_->hide();
  QMessageBox::StandardButton chosen;
  {
    NormalCursorAside normal(cursor_);
    QMessageBox box(BoxIcon(icon), Qt8(caption), MessageBoxText(text), StandardButtons(buttons),
                    parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(ButtonOf(byDefault));
    box.exec();
    chosen = box.standardButton(box.clickedButton());
  }
  if (progressShown && progress_) progress_->show();

  switch (chosen) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return SafeAnswer(buttons);
  }
}

}  // namespace varnoke
