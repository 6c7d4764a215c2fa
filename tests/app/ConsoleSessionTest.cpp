#include "app/ConsoleSession.h"

#include <gtest/gtest.h>

#include <sstream>

namespace varnoke {
namespace {

TEST(TerminalTextTest, MessageLineBreaksBecomeLineFeeds) {
  EXPECT_EQ(TerminalText("a\r\nb"), "a\nb");
  EXPECT_EQ(TerminalText("formated\n\rFull path"), "formated\nFull path");
  EXPECT_EQ(TerminalText("a\r\n\r\nb"), "a\n\nb");
  EXPECT_EQ(TerminalText("a\rb\nc"), "a\nb\nc");
  EXPECT_EQ(TerminalText("a\n\nb"), "a\n\nb");
}

struct ParseCase {
  std::string Line;
  Buttons Kind;
  std::optional<Answer> Result;
};

class ParseAnswerTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseAnswerTest, NamesOnlyOfferedButtons) {
  const ParseCase& c = GetParam();
  EXPECT_EQ(ParseAnswer(c.Line, c.Kind), c.Result) << "'" << c.Line << "'";
}

INSTANTIATE_TEST_SUITE_P(Lines, ParseAnswerTest,
                         ::testing::Values(ParseCase{"y", Buttons::YesNo, Answer::Yes},
                                           ParseCase{"YES", Buttons::YesNo, Answer::Yes},
                                           ParseCase{" no \r", Buttons::YesNo, Answer::No},
                                           ParseCase{"", Buttons::YesNo, std::nullopt},
                                           ParseCase{"yep", Buttons::YesNo, std::nullopt},
                                           ParseCase{"ok", Buttons::YesNo, std::nullopt},
                                           ParseCase{"c", Buttons::YesNo, std::nullopt},
                                           ParseCase{"", Buttons::Ok, Answer::Ok},
                                           ParseCase{"o", Buttons::Ok, Answer::Ok},
                                           ParseCase{"y", Buttons::Ok, std::nullopt},
                                           ParseCase{"O", Buttons::OkCancel, Answer::Ok},
                                           ParseCase{"cancel", Buttons::OkCancel, Answer::Cancel},
                                           ParseCase{"", Buttons::OkCancel, std::nullopt},
                                           ParseCase{"n", Buttons::OkCancel, std::nullopt},
                                           ParseCase{"C", Buttons::YesNoCancel, Answer::Cancel},
                                           ParseCase{"n", Buttons::YesNoCancel, Answer::No}));

TEST(ConsoleSessionTest, AskShowsCaptionTextButtonsAndReadsAnswer) {
  std::istringstream in("maybe\nn\n");
  std::ostringstream out;
  ConsoleSession session(in, out, AnswerMode::Ask, false);
  EXPECT_EQ(session.ask("Is it OK?\r\nReally?", "Varnoke", Buttons::YesNo, Icon::Question),
            Answer::No);
  const std::string shown = out.str();
  EXPECT_NE(shown.find("== Varnoke (?) =="), std::string::npos) << shown;
  EXPECT_NE(shown.find("Is it OK?\nReally?\n"), std::string::npos) << shown;
  // Asked again after the line that named no button.
  EXPECT_EQ(shown.find("[Y]es/[N]o? "), shown.rfind("[Y]es/[N]o? ") - 12) << shown;
}

TEST(ConsoleSessionTest, EndOfInputGivesSafeAnswer) {
  std::istringstream in("");
  std::ostringstream out;
  ConsoleSession session(in, out, AnswerMode::Ask, false);
  EXPECT_EQ(session.ask("q", "c", Buttons::YesNo, Icon::Question), Answer::No);
  EXPECT_EQ(session.ask("q", "c", Buttons::OkCancel, Icon::Warning), Answer::Cancel);
  EXPECT_EQ(session.ask("q", "c", Buttons::Ok, Icon::None), Answer::Ok);
}

TEST(ConsoleSessionTest, YesModeGoesAheadWithoutReading) {
  std::istringstream in("n\nn\nn\n");
  std::ostringstream out;
  ConsoleSession session(in, out, AnswerMode::Yes, false);
  EXPECT_EQ(session.ask("q", "c", Buttons::YesNo, Icon::Question), Answer::Yes);
  EXPECT_EQ(session.ask("q", "c", Buttons::OkCancel, Icon::Warning), Answer::Ok);
  EXPECT_EQ(session.ask("q", "c", Buttons::YesNoCancel, Icon::Warning), Answer::Yes);
  EXPECT_EQ(session.ask("q", "c", Buttons::Ok, Icon::None), Answer::Ok);
  std::string unread;
  EXPECT_TRUE(std::getline(in, unread));
  EXPECT_EQ(unread, "n");
}

TEST(ConsoleSessionTest, SafeModeNeverGoesAheadWhateverTheInput) {
  std::istringstream in("y\ny\ny\n");
  std::ostringstream out;
  ConsoleSession session(in, out, AnswerMode::Safe, false);
  EXPECT_EQ(session.ask("q", "c", Buttons::YesNo, Icon::Question), Answer::No);
  EXPECT_EQ(session.ask("q", "c", Buttons::OkCancel, Icon::Warning), Answer::Cancel);
  EXPECT_EQ(session.ask("q", "c", Buttons::YesNoCancel, Icon::Warning), Answer::Cancel);
  EXPECT_EQ(session.ask("q", "c", Buttons::Ok, Icon::None), Answer::Ok);
  EXPECT_NE(out.str().find("[Y]es/[N]o No"), std::string::npos) << out.str();
}

TEST(ConsoleSessionTest, ProgressBarOnlyWhenWanted) {
  std::istringstream in;
  std::ostringstream quiet;
  ConsoleSession off(in, quiet, AnswerMode::Safe, false);
  off.start("Varnoke is renaming files", 3);
  off.step();
  off.finish();
  EXPECT_EQ(quiet.str(), "");

  std::ostringstream bar;
  ConsoleSession on(in, bar, AnswerMode::Safe, true);
  on.start("Varnoke is renaming files", 4);
  on.step();
  on.step();
  const std::string half = bar.str();
  EXPECT_NE(half.find("Varnoke is renaming files [###############...............] 2/4"),
            std::string::npos)
      << half;
  on.step();
  on.step();
  on.finish();
  const std::string done = bar.str();
  EXPECT_NE(done.find("[##############################] 4/4\x1b[K\n"), std::string::npos) << done;
}

TEST(ConsoleSessionTest, BarIsRedrawnAFewHundredTimesAtMost) {
  std::istringstream in;
  std::ostringstream bar;
  ConsoleSession on(in, bar, AnswerMode::Safe, true);
  on.start("x", 100000);
  for (int i = 0; i < 100000; ++i) on.step();
  on.finish();
  const std::string out = bar.str();
  std::size_t draws = 0;
  for (std::size_t p = out.find('\r'); p != std::string::npos; p = out.find('\r', p + 1)) ++draws;
  EXPECT_LE(draws, 1002u);
  EXPECT_GE(draws, 30u);
}

TEST(ConsoleSessionTest, QuestionClearsAndRestoresBar) {
  std::istringstream in;
  std::ostringstream bar;
  ConsoleSession on(in, bar, AnswerMode::Safe, true);
  on.start("Plan", 2);
  on.step();
  on.hide();
  const std::size_t hiddenAt = bar.str().size();
  on.ask("The file:\r\n/x\r\nis still busy.", "Varnoke", Buttons::Ok, Icon::None);
  const std::string afterAsk = bar.str().substr(hiddenAt);
  EXPECT_EQ(afterAsk.find("Plan ["), std::string::npos) << afterAsk;  // hidden: not redrawn
  on.show();
  EXPECT_NE(bar.str().find("Plan [", hiddenAt), std::string::npos);
}

}  // namespace
}  // namespace varnoke
