#include "app/RunAutomatically.h"

#include <gtest/gtest.h>

#include "app/CommandLineMessages.h"
#include "platform/testing/ScriptedSession.h"

namespace varnoke {
namespace {

struct Outcome {
  bool Ran = false;
  bool Called = false;
  ScriptedSession Session;
};

void Decide(Outcome& o, std::vector<std::string> parameters) {
  o.Ran = RunAutomatically(parameters, o.Session, [&o] { o.Called = true; });
}

void ExpectOnlyQuestion(const Outcome& o, std::string_view text, std::string_view caption,
                        Buttons buttons, Icon icon) {
  ASSERT_EQ(o.Session.Questions.size(), 1u);
  EXPECT_EQ(o.Session.Questions[0].Text, text);
  EXPECT_EQ(o.Session.Questions[0].Caption, caption);
  EXPECT_EQ(o.Session.Questions[0].Kind, buttons);
  EXPECT_EQ(o.Session.Questions[0].Symbol, icon);
}

TEST(RunAutomaticallyTest, WithoutRunSwitchAsksNothing) {
  Outcome o;
  Decide(o, {"/O:/a.vns", "/L:/b.vls", "/root/x"});
  EXPECT_FALSE(o.Ran);
  EXPECT_FALSE(o.Called);
  EXPECT_TRUE(o.Session.Questions.empty());
}

TEST(RunAutomaticallyTest, RunAloneOrWithOptionsOnlyShowsMissingSwitches) {
  for (const auto& parameters : std::vector<std::vector<std::string>>{
           {"/R"}, {"/O:/a.vns", "/r"}, {"/L:/b.vls", "/RUN"}, {"/S:/d/*.txt", "/Run"}}) {
    Outcome o;
    Decide(o, parameters);
    EXPECT_FALSE(o.Ran);
    EXPECT_FALSE(o.Called);
    ExpectOnlyQuestion(o, kRunSwitchIncompleteMessage, "Varnoke error", Buttons::Ok, Icon::Warning);
  }
}

TEST(RunAutomaticallyTest, NoStartsNormally) {
  Outcome o;
  o.Session.Answers = {Answer::No};
  Decide(o, {"/O:/a.vns", "/SR:/d/*.jpg", "/R"});
  EXPECT_FALSE(o.Ran);
  EXPECT_FALSE(o.Called);
  ExpectOnlyQuestion(o, kAutoRunQuestion, "Varnoke", Buttons::YesNo, Icon::Question);
}

TEST(RunAutomaticallyTest, YesRuns) {
  Outcome o;
  o.Session.Answers = {Answer::Yes};
  Decide(o, {"/R", "/l:/b.vls", "/o:/a.vns"});
  EXPECT_TRUE(o.Ran);
  EXPECT_TRUE(o.Called);
}

TEST(RunAutomaticallyTest, UnansweredQuestionDoesNotRun) {
  Outcome o;  // nobody answers: the safe answer is No
  Decide(o, {"/O:/a.vns", "/L:/b.vls", "/R"});
  EXPECT_FALSE(o.Called);
}

}  // namespace
}  // namespace varnoke
