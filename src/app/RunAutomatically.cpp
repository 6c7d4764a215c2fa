#include "app/RunAutomatically.h"

#include "app/CommandLine.h"
#include "app/CommandLineMessages.h"

namespace varnoke {

bool RunAutomatically(std::span<const std::string> parameters, Session& session,
                      const std::function<void()>& run) {
  const RunMarks marks = CollectRunMarks(parameters);
  if (!marks.R) return false;
  if (!marks.O || !marks.L) {
    session.ask(session.texts().Text(kRunSwitchIncompleteMessage),
                session.texts().Text(kCommandLineErrorCaption), Buttons::Ok, Icon::Warning);
    return false;
  }
  if (session.ask(session.texts().Text(kAutoRunQuestion), kAutoRunCaption, Buttons::YesNo,
                  Icon::Question) != Answer::Yes) {
    return false;
  }
  run();
  return true;
}

}  // namespace varnoke
