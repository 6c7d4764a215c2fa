#pragma once
// A run session for tests: records every progress call and question, and answers
// questions from a script (the safe answer once the script runs out).
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Session.h"

namespace varnoke {

struct AskedQuestion {
  std::string Text;
  std::string Caption;
  Buttons Kind = Buttons::Ok;
  Icon Symbol = Icon::None;
  std::optional<Answer> Keeping = std::nullopt;  // the default answer of a question that removes
};

class ScriptedSession final : public Session {
 public:
  // Answers played back in order; when none is left, Ok for a plain note and the
  // refusing answer (Cancel or No) otherwise.
  std::deque<Answer> Answers;
  // Called on every pump(), for example to press Stop in the middle of a run.
  std::function<void()> OnPump;

  std::vector<AskedQuestion> Questions;
  // Every call in order, as "start:<label>:<max>", "step", "hide", "show", "finish",
  // "busy:1", "busy:0", "ask:<caption>"; pump() is only counted.
  std::vector<std::string> Events;
  int Pumps = 0;
  int Steps = 0;
  bool ProgressOpen = false;
  bool ProgressVisible = false;
  // Set true (from OnPump, say) to press Cancel; CancelOffered tells whether there was one.
  bool CancelPressed = false;
  bool CancelOffered = false;

  void pump() override;
  void start(std::string_view label, int max) override;
  void step() override;
  void hide() override;
  void show() override;
  void finish() override;
  void offerCancel() override { CancelOffered = true; }
  bool cancelled() override { return CancelOffered && CancelPressed; }
  void busyCursor(bool on) override;
  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override;
  Answer askKeeping(std::string_view text, std::string_view caption, Buttons buttons, Icon icon,
                    Answer keeping) override;
};

}  // namespace varnoke
