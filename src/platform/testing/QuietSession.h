#pragma once
// A session that shows nothing and refuses every question: what benchmarks run with,
// so that only the work is measured.
#include "platform/Session.h"

namespace varnoke {

class QuietSession final : public Session {
 public:
  void pump() override {}
  void start(std::string_view, int) override {}
  void step() override {}
  void hide() override {}
  void show() override {}
  void finish() override {}
  void busyCursor(bool) override {}
  Answer ask(std::string_view, std::string_view, Buttons b, Icon) override { return SafeAnswer(b); }
};

}  // namespace varnoke
