// The console's message boxes and progress bar, on strings instead of a terminal: what
// the end-to-end runs do not reach.
#include "app/ConsoleSession.h"

#include <gtest/gtest.h>

#include <sstream>

namespace varnoke {
namespace {

// A lone CR is a line break, two line feeds are two; an answer names an offered button.
TEST(ConsoleSessionTest, LineBreaksAndAnswers) {
  EXPECT_EQ(TerminalText("a\rb\n\nc"), "a\nb\n\nc");
  using B = Buttons;
  for (const auto& [line, buttons, answer] :
       std::vector<std::tuple<std::string, Buttons, std::optional<Answer>>>{
           {" YES \r", B::YesNo, Answer::Yes},  // any letter case, blanks around
           {"", B::YesNo, std::nullopt},
           {"yep", B::YesNo, std::nullopt},
           {"c", B::YesNo, std::nullopt},
           {"", B::Ok, Answer::Ok},  // Enter confirms a note only
           {"", B::OkCancel, std::nullopt},
           {"O", B::OkCancel, Answer::Ok},
           {"cancel", B::OkCancel, Answer::Cancel},
           {"C", B::YesNoCancel, Answer::Cancel},
           {"n", B::YesNoCancel, Answer::No}})
    EXPECT_EQ(ParseAnswer(line, buttons), answer) << "'" << line << "'";
}

// Every mode against every set of buttons; only asking reads the input, and at its end
// takes the safe answer.
TEST(ConsoleSessionTest, EachModeAnswersFromInputOrWithoutIt) {
  const Buttons all[] = {Buttons::YesNo, Buttons::OkCancel, Buttons::YesNoCancel, Buttons::Ok};
  using A = Answer;
  for (const auto& [mode, answers] : std::vector<std::pair<AnswerMode, std::vector<Answer>>>{
           {AnswerMode::Ask, {A::No, A::Cancel, A::Cancel, A::Ok}},
           {AnswerMode::Yes, {A::Yes, A::Ok, A::Yes, A::Ok}},
           {AnswerMode::Safe, {A::No, A::Cancel, A::Cancel, A::Ok}}}) {
    std::istringstream in(mode == AnswerMode::Ask ? "" : "n\ny\n");
    std::ostringstream out;
    ConsoleSession session(in, out, mode, false);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(session.ask("Is it OK?", "Varnoke", all[i], Icon::Question), answers[i])
          << out.str();
    EXPECT_EQ(in.tellg() == 0, mode != AnswerMode::Ask);
  }
}

TEST(ConsoleSessionTest, BarRedrawnAtMostEveryThousandthAndHiddenForQuestions) {
  std::istringstream in;
  std::ostringstream bar;
  ConsoleSession on(in, bar, AnswerMode::Safe, true);
  on.start("Varnoke is renaming files", 100000);
  for (int i = 0; i < 50000; ++i) on.step();
  EXPECT_NE(bar.str().find("files [###############...............] 50000/"), std::string::npos);
  on.hide();
  const std::size_t hiddenAt = bar.str().size();
  on.ask("The file:\r\n/x\r\nis still busy.", "Varnoke", Buttons::Ok, Icon::None);
  EXPECT_EQ(bar.str().find("files [", hiddenAt), std::string::npos);  // hidden: not redrawn
  on.show();
  for (int i = 0; i < 50000; ++i) on.step();
  on.finish();
  const std::string out = bar.str();
  EXPECT_NE(out.find("[##############################] 100000/100000\x1b[K\n"), std::string::npos);
  EXPECT_LE(std::count(out.begin(), out.end(), '\r'), 1010);
}

}  // namespace
}  // namespace varnoke
