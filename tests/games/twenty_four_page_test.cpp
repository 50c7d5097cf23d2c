#include <gtest/gtest.h>

#include "games/twenty_four_game.h"
#include "support/harness.h"

namespace tally {
namespace {

void scriptDeal(test::ScriptedRandom& random, const std::array<int, 4>& cards, int suit) {
    for (int value : cards) random.push((value - 1) / 10.0 + 0.05);
    random.push((suit - 1) / 4.0 + 0.05);
}

TEST(TwentyFourPageTest, PageText) {
    TwentyFourState state;
    state.cards = {10, 3, 8, 3};
    state.suit = 3;
    state.solutions = {"(8/(3-(8/3)))"};
    EXPECT_EQ(twentyFourPage(state),
              "<img src=24/10c.gif><img src=24/3c.gif><br><img src=24/8c.gif><img src=24/3c.gif><br><br>"
              "一共有1种答案！<br>"
              "1：<input class=text name=answer1 type=text size=27 tag=(8/(3-(8/3)))><br>"
              "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
              "<input class=button name=finish type=button size=7 value=提交答案 tag=十><br><br>");
}

class TwentyFourGameTest : public ::testing::Test {
protected:
    test::Harness h;
    void SetUp() override { h.start(); }
};

TEST_F(TwentyFourGameTest, ShowsOneFieldPerSolutionOfTheDealOnScreen) {
    scriptDeal(h.random, {1, 2, 3, 4}, 1);
    h.click("q61", "数学游戏");
    const auto& solutions = h.form->twentyFour.solutions;
    ASSERT_GT(solutions.size(), 1u);
    const std::string body = h.page.bodyHtml();
    EXPECT_NE(body.find("<img src=24/1a.gif><img src=24/2a.gif><br><img src=24/3a.gif><img src=24/4a.gif>"),
              std::string::npos);
    EXPECT_NE(body.find("一共有" + std::to_string(solutions.size()) + "种答案！"), std::string::npos);
    for (size_t i = 1; i <= solutions.size(); ++i) {
        EXPECT_EQ(h.page.tag("answer" + std::to_string(i)), solutions[i - 1]);
    }
    EXPECT_FALSE(h.page.has("answer" + std::to_string(solutions.size() + 1)));
    EXPECT_EQ(h.page.tag("answer1"), "(((1+2)+3)*4)");
}

TEST_F(TwentyFourGameTest, FinishRevealsEverySolutionAndTheTime) {
    scriptDeal(h.random, {8, 3, 3, 8}, 2);
    h.click("q61", "数学游戏");
    h.tick(1, 12);
    h.type("answer1", "8/(3-8/3)");
    h.finish();
    const std::string body = h.page.bodyHtml();
    EXPECT_NE(body.find("<br>正确答案:<br>(8/(3-(8/3)))<br>，用时12秒！"), std::string::npos) << body;
    // The entries are not marked.
    EXPECT_EQ(body.find("(√)"), std::string::npos);
    EXPECT_EQ(body.find("(×)"), std::string::npos);
    EXPECT_FALSE(h.form->timers.enabled(1));
}

}  // namespace
}  // namespace tally
