#pragma once
// The few ways every long run uses its session: the busy cursor for a stretch of work,
// progress with the busy cursor for a whole run, a message box with both out of the
// way, and events let through every n items. On and off always pair, however a run
// ends.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Session.h"

namespace varnoke {

// The busy cursor, on for the scope's length.
class BusyScope {
 public:
  explicit BusyScope(Session& session) : session_(session) { session_.busyCursor(true); }
  ~BusyScope() { session_.busyCursor(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Session& session_;
};

// Progress with a label and a maximum, and the busy cursor, for the scope's length.
class ProgressScope {
 public:
  ProgressScope(Session& session, std::string_view label, int max);
  ~ProgressScope();
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

 private:
  Session& session_;
};

// A message box asked in the middle of a run: progress and busy cursor step aside and
// come back afterwards, whatever the answer (a run that stops ends its scopes itself).
// With `keeping`, Enter gives that answer (see Session::askKeeping).
Answer AskAside(Session& session, std::string_view text, std::string_view caption, Buttons buttons,
                Icon icon, std::optional<Answer> keeping = std::nullopt);

// A plain note (OK only, no icon) asked aside the same way.
void Note(Session& session, std::string_view text, std::string_view caption);

// Lets pending events run after every n-th item (indexes n-1, 2n-1, ...).
class PumpEvery {
 public:
  PumpEvery(Session& session, std::int64_t n) : session_(session), n_(n) {}
  void operator()(std::int64_t index) {
    if (index % n_ == n_ - 1) session_.pump();
  }

 private:
  Session& session_;
  std::int64_t n_;
};

}  // namespace varnoke
