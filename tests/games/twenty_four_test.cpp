// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <regex>
#include <string>
#include <vector>

#include "games/twenty_four_game.h"
#include "games/twenty_four_solver.h"
#include "support/harness.h"

namespace tally {
namespace {

std::vector<std::string> solve(const std::array<int, 4>& cards) {
    TwentyFourSolver solver;
    std::vector<std::string> solutions{"left over from the last deal"};
    solver.initnextGG(cards, solutions);
    return solutions;
}

// The random values that make the deal draw these cards and this suit.
void scriptDeal(test::ScriptedRandom& random, const std::array<int, 4>& cards, int suit) {
    for (int value : cards) random.push((value - 1) / 10.0 + 0.05);
    random.push((suit - 1) / 4.0 + 0.05);
}

// The game looks in card order for three steps, ((a b) c) d, then for cards
// 0,1 paired against cards 2,3. 1, 7, 1, 2 makes 24 only as (1+7)*(1+2): no
// three steps reach it (8 with 1 then 2 gives at most 18, and 1, 1, 2 with 7
// at most 21). In 1, 2, 3, 4 every three-step way comes before the pairs.
// Equal cards give the same texts from several orders; each is kept once.
TEST(TwentyFourSolverTest, ThreeStepsInCardOrderThenTheFirstPairAgainstTheSecond) {
    EXPECT_EQ(solve({1, 2, 3, 4}).front(), "(((1+2)+3)*4)");
    for (const auto& cards : {std::array<int, 4>{3, 3, 8, 8}, {8, 3, 8, 3}, {8, 8, 3, 3}, {3, 8, 3, 8}}) {
        EXPECT_EQ(solve(cards), std::vector<std::string>{"(8/(3-(8/3)))"});
    }
    EXPECT_EQ(solve({1, 7, 1, 2}), std::vector<std::string>{"((1+7)*(1+2))"});
    const std::vector<std::string> ways = solve({1, 2, 3, 4});
    const std::regex pairs(R"(\(\(\d+.\d+\).\(\d+.\d+\)\))");
    const auto threeSteps = [&](const std::string& way) { return !std::regex_match(way, pairs); };
    EXPECT_TRUE(std::is_partitioned(ways.begin(), ways.end(), threeSteps));
    EXPECT_NE(std::find(ways.begin(), ways.end(), "((1*2)*(3*4))"), ways.end());
    EXPECT_NE(std::find(ways.begin(), ways.end(), "(((3*4)*2)*1)"), ways.end()) << "the eleventh order";
    EXPECT_EQ(std::find(ways.begin(), ways.end(), "((1*3)*(2*4))"), ways.end()) << "the crossed pairs are not looked at";
}

// 1, 1, 2, 7 makes 24 only as (1+2)*(1+7), pairing card 0 with card 2: the
// game does not look for that shape, so the deal throws the hand away.
TEST(TwentyFourSolverTest, DealRedealsUntilTheHandCanBeSolved) {
    const std::array<int, 4> crossed{1, 1, 2, 7};
    EXPECT_TRUE(solve(crossed).empty());
    test::ScriptedRandom random;
    scriptDeal(random, crossed, 2);
    scriptDeal(random, {1, 1, 1, 1}, 1);
    scriptDeal(random, {1, 2, 3, 4}, 4);
    TwentyFourDeal state;
    dealTwentyFour(random, state);
    EXPECT_EQ(state.cards, (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(state.suit, 4);

    for (int deal = 0; deal < 300; ++deal) {
        dealTwentyFour(random, state);
        ASSERT_FALSE(state.solutions.empty());
        for (int value : state.cards) ASSERT_TRUE(value >= 1 && value <= 10);
        ASSERT_TRUE(state.suit >= 1 && state.suit <= 4);
    }
}

// Another deal, as a new click on the topic: new cards, the time from 0.
TEST(TwentyFourPageTest, AnotherDealStartsTheTimeAgain) {
    test::Harness h(test::started);
    scriptDeal(h.random, {3, 2, 7, 8}, 1);
    h.click("q61", "数学游戏");
    h.tick(1, 5);
    scriptDeal(h.random, {8, 3, 8, 3}, 3);
    h.form->pageClick("again");
    EXPECT_EQ(h.form->families().twentyFour.deal().cards, (std::array<int, 4>{8, 3, 8, 3}));
    EXPECT_EQ(h.form->thinkSeconds(), 0);
    EXPECT_TRUE(h.form->timers().enabled(1));
}

// Marked right, the deal is kept with full marks; marked wrong, as one
// missed question with a way that makes 24, and every way is shown, as for
// an empty box, which keeps nothing.
TEST(TwentyFourPageTest, AWrongOrEmptyBoxShowsEveryWay) {
    for (const std::string typed : {"8/(3-8/3)", "8*3", ""}) {
        test::Harness h(test::started);
        scriptDeal(h.random, {8, 3, 8, 3}, 3);
        h.click("q61", "数学游戏");
        h.tick(1, 12);
        h.type("answer", typed);
        h.finish();
        EXPECT_FALSE(h.form->timers().enabled(1));
        const bool right = typed.size() > 3;
        if (!right) EXPECT_NE(h.page.bodyText().find("8÷(3－8÷3)＝24用时12秒！"), std::string::npos) << h.page.bodyText();
        ASSERT_EQ(h.record.stored.size(), typed.empty() ? 0u : 1u);
        if (typed.empty()) continue;
        EXPECT_EQ(h.record.stored[0].score, right ? 100 : 0);
        if (right) continue;
        const MissedQuestion& miss = h.record.stored[0].missed.at(0);
        EXPECT_EQ(miss.question + " " + miss.correct, "用8、3、8、3算24 8÷(3－8÷3)");
    }
}

}  // namespace
}  // namespace tally
