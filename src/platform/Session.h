#pragma once
// How a long run of the engine talks to the user: pending events, progress, the busy
// cursor and message boxes. The windows show it with Qt, the console with the
// terminal, tests with a script of answers.
#include <string_view>

#include "platform/Translation.h"

namespace varnoke {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Cancel, Yes, No };

class Session {
 public:
  virtual ~Session() = default;
  // Lets pending window events run.
  virtual void pump() = 0;
  // Progress: shown with a label and a maximum, advanced one step at a time.
  virtual void start(std::string_view label, int max) = 0;
  virtual void step() = 0;
  virtual void hide() = 0;
  virtual void show() = 0;
  virtual void finish() = 0;
  // Offers a way to stop the work whose progress is shown (after start(), until finish()).
  virtual void offerCancel() {}
  // Whether the user has asked to stop that work.
  virtual bool cancelled() { return false; }
  virtual void busyCursor(bool on) = 0;
  // A message box; returns the button chosen.
  virtual Answer ask(std::string_view text, std::string_view caption, Buttons buttons,
                     Icon icon) = 0;
  // A question one of whose answers removes or discards something: as ask(), but the
  // answer given by Enter (the default button) is `keeping`, the one that keeps it.
  virtual Answer askKeeping(std::string_view text, std::string_view caption, Buttons buttons,
                            Icon icon, Answer keeping) {
    (void)keeping;
    return ask(text, caption, buttons, icon);
  }
  // The texts of the user's language, for the messages the run composes.
  virtual const Translation& texts() const { return EnglishTexts(); }
};

// The answer a session gives when nobody can be asked: never the one that goes ahead
// (Ok for a plain note, otherwise Cancel or No).
Answer SafeAnswer(Buttons buttons);

}  // namespace varnoke
