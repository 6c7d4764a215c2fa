#pragma once
// The run session of the desktop program: progress in the progress window, the animated
// busy cursor, message boxes, and pending events let through now and then while a long
// loop works.
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <string_view>

#include "platform/Session.h"
#include "windows/TPrepPrevForm.h"
#include "windows/Tr.h"

namespace varnoke {

class WaitCursor;

class QtSession final : public Session {
 public:
  // Pending events are let through at most this often, so that a loop over a million
  // files spends its time on the files.
  static constexpr int kPumpIntervalMs = 20;

  // `parent` owns the message boxes and the progress window (may be null).
  QtSession(QWidget* parent, WaitCursor& cursor);
  ~QtSession() override;
  QtSession(const QtSession&) = delete;
  QtSession& operator=(const QtSession&) = delete;

  void pump() override;
  void start(std::string_view label, int max) override;
  void step() override;
  void hide() override;
  void show() override;
  void finish() override;
  void offerCancel() override;
  bool cancelled() override;
  void busyCursor(bool on) override;
  // A message box with the text, caption, buttons and icon; the progress window and the
  // busy cursor are out of the way while it is up.
  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override;
  Answer askKeeping(std::string_view text, std::string_view caption, Buttons buttons, Icon icon,
                    Answer keeping) override;
  // The texts of the language the program was started in.
  const Translation& texts() const override { return translation_; }

  // The progress window while a run shows one, else null.
  TPrepPrevForm* ProgressWindow() const { return progress_; }

 private:
  // The message box, Enter giving `byDefault`.
  Answer Show(std::string_view text, std::string_view caption, Buttons buttons, Icon icon,
              Answer byDefault);

  QPointer<QWidget> parent_;
  WaitCursor& cursor_;
  QPointer<TPrepPrevForm> progress_;
  QElapsedTimer sincePump_;
  QtTranslation translation_;
};

// A message text as a message box shows it: CR LF, CR and LF each break the line.
QString MessageBoxText(std::string_view text);

}  // namespace varnoke
