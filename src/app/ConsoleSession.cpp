#include "app/ConsoleSession.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>

#include "model/PathRules.h"

namespace varnoke {

namespace {

constexpr std::size_t kBarCells = 30;

std::string_view IconMark(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return " (i)";
    case Icon::Warning:
    case Icon::Error:
      return " (!)";
    case Icon::Question:
      return " (?)";
    case Icon::None:
      break;
  }
  return "";
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view AnswerWord(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return "OK";
    case Answer::Cancel:
      return "Cancel";
    case Answer::Yes:
      return "Yes";
    case Answer::No:
      return "No";
  }
  return "";
}

Answer GoAhead(Buttons buttons) {
  return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
}

}  // namespace

std::string TerminalText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out += c;
      continue;
    }
    const bool pair =
        i + 1 < text.size() && text[i + 1] != c && (text[i + 1] == '\r' || text[i + 1] == '\n');
    if (pair) ++i;
    out += '\n';
  }
  return out;
}

std::string_view ButtonsPrompt(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return "[O]K";
    case Buttons::OkCancel:
      return "[O]K/[C]ancel";
    case Buttons::YesNo:
      return "[Y]es/[N]o";
    case Buttons::YesNoCancel:
      return "[Y]es/[N]o/[C]ancel";
  }
  return "";
}

std::optional<Answer> ParseAnswer(std::string_view line, Buttons buttons) {
  const std::string word = AsciiLowerCopy(Trim(line));
  const auto names = [&word](std::string_view full) {
    return !word.empty() && full.substr(0, word.size()) == word;
  };
  const bool okButtons = buttons == Buttons::Ok || buttons == Buttons::OkCancel;
  const bool cancelButton = buttons == Buttons::OkCancel || buttons == Buttons::YesNoCancel;
  if (buttons == Buttons::Ok && word.empty()) return Answer::Ok;  // Enter confirms a note
  if (okButtons && names("ok")) return Answer::Ok;
  if (cancelButton && names("cancel")) return Answer::Cancel;
  if (!okButtons && names("yes")) return Answer::Yes;
  if (!okButtons && names("no")) return Answer::No;
  return std::nullopt;
}

ConsoleSession::ConsoleSession(std::istream& answers, std::ostream& prompts, AnswerMode mode,
                               bool progressBar)
    : answers_(answers), prompts_(prompts), mode_(mode), progressBar_(progressBar) {}

void ConsoleSession::start(std::string_view label, int max) {
  label_ = label;
  max_ = std::max(max, 0);
  done_ = 0;
  drawn_ = false;
  open_ = visible_ = true;
  drawBar();
}

void ConsoleSession::step() {
  if (done_ < max_) ++done_;
  if (visible_) drawBar();
}

void ConsoleSession::hide() {
  clearBar();
  visible_ = false;
}

void ConsoleSession::show() {
  visible_ = open_;
  if (visible_) drawBar();
}

void ConsoleSession::finish() {
  if (open_ && progressBar_ && drawn_) {
    drawn_ = false;
    drawBar();
    prompts_ << '\n' << std::flush;
  }
  drawn_ = false;
  open_ = visible_ = false;
}

void ConsoleSession::drawBar() {
  if (!progressBar_ || !open_) return;
  // Redraw only when the shown thousandth changes: 100,000 steps cost 1,000 writes.
  const int permille =
      max_ > 0 ? static_cast<int>(static_cast<long long>(done_) * 1000 / max_) : 1000;
  if (drawn_ && permille == drawnPermille_) return;
  drawnPermille_ = permille;
  const auto cells = static_cast<std::size_t>(permille * kBarCells / 1000);
  prompts_ << '\r' << label_ << " [" << std::string(cells, '#')
           << std::string(kBarCells - cells, '.') << "] " << done_ << '/' << max_ << "\x1b[K"
           << std::flush;
  drawn_ = true;
}

void ConsoleSession::clearBar() {
  if (progressBar_ && drawn_) prompts_ << "\r\x1b[K" << std::flush;
  drawn_ = false;
}

Answer ConsoleSession::ask(std::string_view text, std::string_view caption, Buttons buttons,
                           Icon icon) {
  clearBar();
  prompts_ << "\n== " << caption << IconMark(icon) << " ==\n" << TerminalText(text) << '\n';
  Answer answer = Answer::Ok;
  switch (mode_) {
    case AnswerMode::Ask:
      answer = readAnswer(buttons);
      break;
    case AnswerMode::Yes:
      answer = GoAhead(buttons);
      prompts_ << ButtonsPrompt(buttons) << " " << AnswerWord(answer) << " (--yes)\n";
      break;
    case AnswerMode::Safe:
      answer = SafeAnswer(buttons);
      prompts_ << ButtonsPrompt(buttons) << " " << AnswerWord(answer);
      if (buttons != Buttons::Ok) prompts_ << " (no terminal to ask; --yes answers Yes)";
      prompts_ << '\n';
      break;
  }
  prompts_ << std::flush;
  if (visible_) drawBar();
  return answer;
}

Answer ConsoleSession::readAnswer(Buttons buttons) {
  std::string line;
  for (;;) {
    prompts_ << ButtonsPrompt(buttons) << "? " << std::flush;
    if (!std::getline(answers_, line)) {
      const Answer safe = SafeAnswer(buttons);
      prompts_ << AnswerWord(safe) << " (end of input)\n";
      return safe;
    }
    if (const std::optional<Answer> answer = ParseAnswer(line, buttons)) return *answer;
  }
}

}  // namespace varnoke
