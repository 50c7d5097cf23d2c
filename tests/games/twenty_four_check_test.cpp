// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "games/twenty_four_check.h"
#include "games/twenty_four_display.h"
#include "games/twenty_four_solver.h"

namespace tally {
namespace {

TEST(TwentyFourCheckTest, WhatCountsAndWhatDoesNot) {
    struct Case { const char* typed; std::array<int, 4> cards; bool right; };
    const Case cases[] = {
        {"(1+2+3)*4", {1, 2, 3, 4}, true},
        {"4*(3+2+1)", {1, 2, 3, 4}, true},            // another order
        {" (1+2+3) x 4 ", {1, 2, 3, 4}, true},         // x for times, blanks
        {"（１＋２＋３）×４", {1, 2, 3, 4}, true},       // full width and ×
        {"8÷(3－8÷3)", {3, 3, 8, 8}, true},            // only through a fraction
        {"(10-4)*(5-1)", {1, 4, 5, 10}, true},
        {"(1+2+3)*4*1", {1, 2, 3, 4}, false},          // a card used twice
        {"(2+2)*6", {2, 2, 6, 1}, false},              // a card left out
        {"6*4*1*1", {6, 3, 1, 1}, false},              // a value not on the cards
        {"23.999", {1, 2, 3, 4}, false},
        {"(1+2+3)*4.0", {1, 2, 3, 4}, false},
        {"8/(3-3)*8", {3, 3, 8, 8}, false},            // division by zero
        {"(1+2+3)*4=24", {1, 2, 3, 4}, true},         // the result written after it
        {"(1＋2＋3)×4＝２４", {1, 2, 3, 4}, true},
        {"(1+2+3)*4=25", {1, 2, 3, 4}, false},
        {"24=(1+2+3)*4", {1, 2, 3, 4}, false},
        {"=24", {1, 2, 3, 4}, false},
        {"abc", {1, 2, 3, 4}, false},
        {"", {1, 2, 3, 4}, false},
        {"((1+2+3)*4", {1, 2, 3, 4}, false},
        {"-1+25", {1, 25, 3, 4}, false},               // no signs of its own
        {"1+2+3+4", {1, 2, 3, 4}, false},              // 10, not 24
        {"12+12", {1, 2, 1, 2}, false},                // digits run together
        {"0001*2*3*4", {1, 2, 3, 4}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(makesTwentyFour(c.typed, c.cards), c.right) << c.typed;
    }
}

std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// Typed answers no child writes, but a keyboard can: they are wrong answers,
// never a crash or an overflow.
TEST(TwentyFourCheckTest, HostileAnswersAreSimplyWrong) {
    const std::array<int, 4> cards{1, 2, 3, 4};
    const std::string right = "(1+2+3)*4";
    const std::string deep = repeated("(", 31000) + right + repeated(")", 31000);
    const std::string fullWidthDeep = repeated("（", 31000) + right + repeated("）", 31000);
    const std::string nested = repeated("(", 40) + right + repeated(")", 40);
    const std::string cases[] = {
        deep,
        fullWidthDeep,
        repeated("(", 31000),
        repeated("999*", 40) + "999",                 // 999^41: far past 64 bits
        "999*999*999*999*999*999*999/" + repeated("999*", 6) + "999",
        repeated("999-", 30) + "999*999*999*999*999*999*999",
        "1/999/999/999/999/999/999/999*24",          // a denominator past 64 bits
        "0-" + repeated("999*", 6) + "999" + repeated("*999", 1) + "-999*999*999*999*999*999*999",
    };
    for (const std::string& typed : cases) {
        EXPECT_FALSE(makesTwentyFour(typed, cards)) << typed.substr(0, 60);
    }
    // Brackets a person writes still count.
    EXPECT_TRUE(makesTwentyFour(nested, cards));
}

// The solver finds its solutions with floating point and a tolerance; the
// checker computes exactly. Over every deal both must agree on every solution,
// and every way the page shows is accepted as it is written.
TEST(TwentyFourCheckTest, EverySolutionOfEveryDealIsAccepted) {
    TwentyFourSolver solver;
    std::vector<std::string> solutions;
    int checked = 0;
    for (int a = 1; a <= 10; ++a) {
        for (int b = a; b <= 10; ++b) {
            for (int c = b; c <= 10; ++c) {
                for (int d = c; d <= 10; ++d) {
                    const std::array<int, 4> cards{a, b, c, d};
                    solver.initnextGG(cards, solutions);
                    for (const std::string& solution : solutions) {
                        ASSERT_TRUE(makesTwentyFour(solution, cards)) << solution;
                        ++checked;
                    }
                    // A way as the page shows it, copied into the box; a hand
                    // the game deals has at least one.
                    const auto ways = distinctTwentyFours(cards);
                    ASSERT_TRUE(solutions.empty() || !ways.empty()) << a << b << c << d;
                    for (const std::string& way : ways) {
                        ASSERT_TRUE(makesTwentyFour(way + "＝24", cards)) << way;
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

// Hands worked by hand, with every way there is, in the order shown: the
// ways without brackets first, then by their text, whatever the order of the
// cards on the table. (That each way shown makes 24 from its cards, over
// every hand, the test above reads back.)
TEST(TwentyFourDisplayTest, HandsWithKnownWays) {
    const struct {
        std::array<int, 4> hand;
        std::vector<std::string> ways;
    } cases[] = {
        {{3, 3, 8, 8}, {"8÷(3－8÷3)"}},
        {{1, 1, 1, 8}, {"(1＋1＋1)×8"}},
        {{5, 5, 5, 1}, {"(5－1÷5)×5"}},
        // Found although card 0 is paired with card 2.
        {{1, 1, 2, 7}, {"(7＋1)×(2＋1)"}},
        {{1, 1, 1, 1}, {}},
        // A product over the cards, then the same with a sum in it.
        {{2, 2, 2, 3}, {"3×2×2×2", "(2＋2)×3×2"}},
        // Both without brackets: by their text.
        {{6, 6, 6, 6}, {"6×6－6－6", "6＋6＋6＋6"}},
        // What is taken away after what is added, what is divided by last.
        {{4, 4, 10, 10}, {"(10×10－4)÷4"}},
    };
    for (const auto& c : cases) {
        std::array<int, 4> order = c.hand;
        std::sort(order.begin(), order.end());
        do {
            EXPECT_EQ(distinctTwentyFours(order), c.ways) << order[0] << order[1] << order[2] << order[3];
        } while (std::next_permutation(order.begin(), order.end()));
    }
}

}  // namespace
}  // namespace tally
