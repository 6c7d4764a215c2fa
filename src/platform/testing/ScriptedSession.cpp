#include "platform/testing/ScriptedSession.h"

namespace varnoke {

void ScriptedSession::pump() {
  ++Pumps;
  if (OnPump) OnPump();
}

void ScriptedSession::start(std::string_view label, int max) {
  Events.push_back("start:" + std::string(label) + ":" + std::to_string(max));
  ProgressOpen = ProgressVisible = true;
}

void ScriptedSession::step() {
  ++Steps;
  Events.emplace_back("step");
}

void ScriptedSession::hide() {
  Events.emplace_back("hide");
  ProgressVisible = false;
}

void ScriptedSession::show() {
  Events.emplace_back("show");
  ProgressVisible = ProgressOpen;
}

void ScriptedSession::finish() {
  Events.emplace_back("finish");
  ProgressOpen = ProgressVisible = false;
}

void ScriptedSession::busyCursor(bool on) {
  Events.emplace_back(on ? "busy:1" : "busy:0");
}

Answer ScriptedSession::ask(std::string_view text, std::string_view caption, Buttons buttons,
                            Icon icon) {
  Questions.push_back({std::string(text), std::string(caption), buttons, icon});
  Events.push_back("ask:" + std::string(caption));
  if (Answers.empty()) return SafeAnswer(buttons);
  Answer answer = Answers.front();
  Answers.pop_front();
  return answer;
}

Answer ScriptedSession::askKeeping(std::string_view text, std::string_view caption, Buttons buttons,
                                   Icon icon, Answer keeping) {
  const Answer answer = ask(text, caption, buttons, icon);
  Questions.back().Keeping = keeping;
  return answer;
}

}  // namespace varnoke
