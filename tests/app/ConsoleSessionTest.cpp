// The console's message boxes and progress bar, on strings instead of a terminal.
#include "app/ConsoleSession.h"

#include <gtest/gtest.h>

#include <sstream>

namespace varnoke {
namespace {

TEST(TerminalTextTest, MessageLineBreaksBecomeLineFeeds) {
  for (const auto& [text, shown] :
       std::vector<std::pair<std::string, std::string>>{{"a\r\nb", "a\nb"},
                                                        {"formated\n\rFull", "formated\nFull"},
                                                        {"a\r\n\r\nb", "a\n\nb"},
                                                        {"a\rb\nc", "a\nb\nc"},
                                                        {"a\n\nb", "a\n\nb"}})
    EXPECT_EQ(TerminalText(text), shown);
}

TEST(ParseAnswerTest, NamesOnlyOfferedButtons) {
  for (const auto& [line, buttons, answer] :
       std::vector<std::tuple<std::string, Buttons, std::optional<Answer>>>{
           {"y", Buttons::YesNo, Answer::Yes},
           {"YES", Buttons::YesNo, Answer::Yes},
           {" no \r", Buttons::YesNo, Answer::No},
           {"", Buttons::YesNo, std::nullopt},
           {"yep", Buttons::YesNo, std::nullopt},
           {"ok", Buttons::YesNo, std::nullopt},
           {"c", Buttons::YesNo, std::nullopt},
           {"", Buttons::Ok, Answer::Ok},
           {"o", Buttons::Ok, Answer::Ok},
           {"y", Buttons::Ok, std::nullopt},
           {"O", Buttons::OkCancel, Answer::Ok},
           {"cancel", Buttons::OkCancel, Answer::Cancel},
           {"", Buttons::OkCancel, std::nullopt},
           {"n", Buttons::OkCancel, std::nullopt},
           {"C", Buttons::YesNoCancel, Answer::Cancel},
           {"n", Buttons::YesNoCancel, Answer::No}})
    EXPECT_EQ(ParseAnswer(line, buttons), answer) << "'" << line << "'";
}

// Every mode against every set of buttons, with answers that would go ahead on the input.
TEST(ConsoleSessionTest, EachModeAnswersFromInputOrWithoutIt) {
  const Buttons all[] = {Buttons::YesNo, Buttons::OkCancel, Buttons::YesNoCancel, Buttons::Ok};
  for (const auto& [mode, input, answers] :
       std::vector<std::tuple<AnswerMode, std::string, std::vector<Answer>>>{
           {AnswerMode::Ask, "maybe\ny\no\nn\n", {Answer::Yes, Answer::Ok, Answer::No, Answer::Ok}},
           // At the end of the input, the safe answer.
           {AnswerMode::Ask, "", {Answer::No, Answer::Cancel, Answer::Cancel, Answer::Ok}},
           {AnswerMode::Yes, "n\nn\nn\n", {Answer::Yes, Answer::Ok, Answer::Yes, Answer::Ok}},
           {AnswerMode::Safe,
            "y\ny\ny\n",
            {Answer::No, Answer::Cancel, Answer::Cancel, Answer::Ok}}}) {
    std::istringstream in(input);
    std::ostringstream out;
    ConsoleSession session(in, out, mode, false);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(session.ask("Is it OK?\r\nReally?", "Varnoke", all[i], Icon::Question), answers[i])
          << out.str();
    EXPECT_EQ(out.str().rfind("\n== Varnoke (?) ==\nIs it OK?\nReally?\n", 0), 0u) << out.str();
    // Asked again after the line that named no button; without asking, nothing is read.
    EXPECT_EQ(out.str().find("[Y]es/[N]o? [Y]es/[N]o? ") != std::string::npos,
              mode == AnswerMode::Ask && !input.empty());
    EXPECT_EQ(in.tellg() == 0, mode != AnswerMode::Ask);
  }
}

TEST(ConsoleSessionTest, BarOnlyWhenWantedRedrawnAtMostEveryThousandthAndHiddenForQuestions) {
  std::istringstream in;
  std::ostringstream quiet, bar;
  ConsoleSession off(in, quiet, AnswerMode::Safe, false), on(in, bar, AnswerMode::Safe, true);
  for (ConsoleSession* s : {&off, &on}) {
    s->start("Varnoke is renaming files", 100000);
    for (int i = 0; i < 50000; ++i) s->step();
  }
  EXPECT_EQ(quiet.str(), "");
  EXPECT_NE(bar.str().find("Varnoke is renaming files [###############...............] 50000/"),
            std::string::npos);
  on.hide();
  const std::size_t hiddenAt = bar.str().size();
  on.ask("The file:\r\n/x\r\nis still busy.", "Varnoke", Buttons::Ok, Icon::None);
  EXPECT_EQ(bar.str().find("files [", hiddenAt), std::string::npos);  // hidden: not redrawn
  on.show();
  for (int i = 0; i < 50000; ++i) on.step();
  on.finish();
  const std::string out = bar.str();
  EXPECT_NE(out.find("files [", hiddenAt), std::string::npos);
  EXPECT_NE(out.find("[##############################] 100000/100000\x1b[K\n"), std::string::npos);
  EXPECT_LE(std::count(out.begin(), out.end(), '\r'), 1010);
}

}  // namespace
}  // namespace varnoke
