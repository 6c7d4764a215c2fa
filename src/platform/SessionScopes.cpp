#include "platform/SessionScopes.h"

namespace varnoke {

ProgressScope::ProgressScope(Session& session, std::string_view label, int max)
    : session_(session) {
  session_.start(label, max);
  session_.busyCursor(true);
}

ProgressScope::~ProgressScope() {
  session_.busyCursor(false);
  session_.finish();
}

Answer AskAside(Session& session, std::string_view text, std::string_view caption, Buttons buttons,
                Icon icon, std::optional<Answer> keeping) {
  session.hide();
  session.busyCursor(false);
  const Answer answer = keeping ? session.askKeeping(text, caption, buttons, icon, *keeping)
                                : session.ask(text, caption, buttons, icon);
  session.show();
  session.busyCursor(true);
  return answer;
}

void Note(Session& session, std::string_view text, std::string_view caption) {
  AskAside(session, text, caption, Buttons::Ok, Icon::None);
}

}  // namespace varnoke
