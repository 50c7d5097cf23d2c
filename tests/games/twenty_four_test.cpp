#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "games/twenty_four_game.h"
#include "games/twenty_four_solver.h"
#include "support/harness.h"

namespace tally {
namespace {

// An exact fraction with its text, so the expected lists never depend on a tolerance.
struct Term { long long num; long long den; std::string text; };

Term card(int value) { return {value, 1, std::to_string(value)}; }

// The six ways to combine two terms, in the game's slot order; a division by
// zero gives none, and so does any value but 24 when only those are wanted.
std::vector<Term> combine(const Term& x, const Term& y, bool onlyTwentyFour = false) {
    const long long n = x.num * y.den, m = y.num * x.den, d = x.den * y.den;
    const long long values[6][2] = {{n + m, d}, {n - m, d}, {m - n, d}, {x.num * y.num, d}, {n, m}, {m, n}};
    const char ops[] = "+--*//";
    std::vector<Term> r;
    for (int k = 0; k < 6; ++k) {
        const auto [num, den] = values[k];
        if (den == 0 || (onlyTwentyFour && num != 24 * den)) continue;
        const bool swapped = k == 2 || k == 5;
        r.push_back({num, den, "(" + (swapped ? y : x).text + ops[k] + (swapped ? x : y).text + ")"});
    }
    return r;
}

// The solutions the game must list, in its order of search: three steps over
// the twelve card orders, then cards 0,1 paired against cards 2,3.
std::vector<std::string> expectedSolutions(const std::array<int, 4>& c) {
    static const int orders[12][4] = {{0, 1, 2, 3}, {0, 1, 3, 2}, {0, 2, 1, 3}, {0, 2, 3, 1},
                                      {0, 3, 1, 2}, {0, 3, 2, 1}, {1, 2, 3, 0}, {1, 2, 0, 3},
                                      {1, 3, 0, 2}, {1, 3, 2, 0}, {2, 3, 1, 0}, {2, 3, 0, 1}};
    std::vector<std::string> found;
    auto keep = [&found](const Term& t) {
        if (std::find(found.begin(), found.end(), t.text) == found.end()) found.push_back(t.text);
    };
    for (const auto& o : orders) {
        for (const Term& t1 : combine(card(c[o[0]]), card(c[o[1]]))) {
            for (const Term& t2 : combine(t1, card(c[o[2]]))) {
                for (const Term& t3 : combine(t2, card(c[o[3]]), true)) keep(t3);
            }
        }
    }
    for (const Term& left : combine(card(c[0]), card(c[1]))) {
        for (const Term& right : combine(card(c[2]), card(c[3]))) {
            for (const Term& t : combine(left, right, true)) keep(t);
        }
    }
    return found;
}

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

TEST(TwentyFourSolverTest, ListsTheSolutionsOfEveryOrderedDealInTheOrderOfSearch) {
    int solvable = 0;
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b)
            for (int c = 1; c <= 10; ++c)
                for (int d = 1; d <= 10; ++d) {
                    const auto expected = expectedSolutions({a, b, c, d});
                    ASSERT_EQ(solve({a, b, c, d}), expected) << a << " " << b << " " << c << " " << d;
                    solvable += !expected.empty();
                }
    EXPECT_GT(solvable, 5000);
}

// 1, 1, 2, 7 makes 24 only as (1+2)*(1+7), pairing card 0 with card 2: the
// game does not look for that shape, so the deal throws the hand away.
TEST(TwentyFourSolverTest, DealRedealsUntilTheHandCanBeSolved) {
    const std::array<int, 4> crossed{1, 1, 2, 7};
    EXPECT_EQ((crossed[0] + crossed[2]) * (crossed[1] + crossed[3]), 24);
    EXPECT_TRUE(expectedSolutions(crossed).empty());
    test::ScriptedRandom random;
    scriptDeal(random, crossed, 2);
    scriptDeal(random, {1, 1, 1, 1}, 1);
    scriptDeal(random, {1, 2, 3, 4}, 4);
    TwentyFourDeal state;
    dealTwentyFour(random, state);
    EXPECT_EQ(state.cards, (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(state.suit, 4);
    EXPECT_EQ(state.solutions, expectedSolutions({1, 2, 3, 4}));

    for (int deal = 0; deal < 300; ++deal) {
        dealTwentyFour(random, state);
        ASSERT_FALSE(state.solutions.empty());
        for (int value : state.cards) ASSERT_TRUE(value >= 1 && value <= 10);
        ASSERT_TRUE(state.suit >= 1 && state.suit <= 4);
    }
}

// Any spelling that makes 24 from the cards is right; the solutions are shown after the marks.
TEST(TwentyFourPageTest, AnySpellingIsRightAndTheSolutionsFollowTheMarks) {
    test::Harness h(test::started);
    h.click("q6", "数学游戏");
    scriptDeal(h.random, {8, 3, 8, 3}, 3);
    h.click("q61");
    h.tick(1, 12);
    h.type("answer1", "8/(3-8/3)");
    h.finish();
    const std::string body = h.page.bodyHtml();
    EXPECT_NE(body.find("value=8/(3-8/3)>(√)<br>"), std::string::npos) << body;
    EXPECT_NE(body.find("<br>正确答案:<br>(8/(3-(8/3)))，用时12秒！"), std::string::npos) << body;
    EXPECT_FALSE(h.form->timers.enabled(1));
}

}  // namespace
}  // namespace tally
