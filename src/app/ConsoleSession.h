#pragma once
// The run session of varnoke-cli: every message box becomes a prompt on the terminal
// (caption, text, buttons) answered from standard input, and progress is a bar on
// standard error while that is a terminal.
#include <iosfwd>
#include <optional>
#include <string>

#include "platform/Session.h"

namespace varnoke {

enum class AnswerMode {
  Ask,   // read every answer from the input (a terminal)
  Yes,   // --yes: Yes or OK to every question
  Safe,  // nobody to ask: the safe answer (No, Cancel, OK for a plain note)
};

class ConsoleSession final : public Session {
 public:
  // `prompts` receives the questions and, when `progressBar` is set, the bar.
  ConsoleSession(std::istream& answers, std::ostream& prompts, AnswerMode mode, bool progressBar);

  void pump() override {}
  void start(std::string_view label, int max) override;
  void step() override;
  void hide() override;
  void show() override;
  void finish() override;
  void busyCursor(bool) override {}
  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override;

 private:
  void drawBar();
  void clearBar();
  Answer readAnswer(Buttons buttons);

  std::istream& answers_;
  std::ostream& prompts_;
  AnswerMode mode_;
  bool progressBar_;

  std::string label_;
  int max_ = 0;
  int done_ = 0;
  int drawnPermille_ = -1;  // the share last drawn
  bool open_ = false;
  bool visible_ = false;
  bool drawn_ = false;  // the bar stands on the current line
};

// A message box text for the terminal: the line breaks of the messages (CR LF, LF CR,
// a lone CR) become plain line feeds.
std::string TerminalText(std::string_view text);

// How the buttons are offered, for example "[Y]es/[N]o".
std::string_view ButtonsPrompt(Buttons buttons);

// The answer a typed line gives, nullopt when it names none of the buttons.
// Letters compare in any case; the first letter of a button is enough.
std::optional<Answer> ParseAnswer(std::string_view line, Buttons buttons);

}  // namespace varnoke
