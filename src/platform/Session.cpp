#include "platform/Session.h"

namespace varnoke {

Answer SafeAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
      return Answer::Cancel;
    case Buttons::YesNo:
      return Answer::No;
  }
  return Answer::Cancel;
}

}  // namespace varnoke
