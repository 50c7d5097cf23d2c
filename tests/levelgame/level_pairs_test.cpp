// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "base/seeded_random.h"
#include "levelgame/level_page.h"
#include "levelgame/level_run.h"
#include "support/harness.h"
#include "support/text_helpers.h"

namespace tally {
namespace {

// Many runs of ten questions in each range: the question shown is answered
// by its own operands, which lie in the range, and no pair comes twice in a run.
TEST(LevelPairs, QuestionsOfARunAreRightInRangeAndNeverRepeat) {
    const std::pair<int, int> ranges[] = {{kLevelAddition, 10},       {kLevelAddition, 200}, {kLevelSubtraction, 10},
                                          {kLevelSubtraction, 50},    {kLevelMultiplication, 31},
                                          {kLevelMultiplication, 20}, {kLevelDivision, 81}};
    SeededRandom random(11);
    for (const auto& [op, limit] : ranges) {
        for (int run = 0; run < 20; ++run) {
            std::string used;
            std::set<std::pair<int, int>> asked;
            for (int number = 0; number < 10; ++number) {
                const LevelQuestion q = levelQuestion(op, drawLevelPair(random, op, limit, used));
                const int x = q.first, y = q.second, a = op == 1 ? x - y : op == 3 ? q.answer : x;
                const bool right = op == 0 ? q.sign == "+" && q.answer == x + y
                                 : op == 1 ? q.sign == "-" && q.answer == x - y
                                 : op == 2 ? q.sign == "×" && q.answer == x * y
                                           : q.sign == "÷" && q.answer * y == x;
                const bool inRange = op >= kLevelMultiplication ? 1 <= a && a <= 9 && 1 <= y && y <= 9 && a * y <= limit
                                                                : 1 <= y && y < a && a < limit;
                EXPECT_TRUE(right && inRange && asked.insert({a, y}).second) << limit << ": " << q.text();
            }
        }
    }
}

// Scripted draws at the ends of a range: a pair asked before, or a product
// past the range, is drawn again (the product stays in the list); a pair at
// the range's end is asked.
TEST(LevelPairs, UsedPairsAndProductsPastTheRangeAreDrawnAgain) {
    const struct {
        int op, limit;
        const char* usedBefore;
        std::vector<std::pair<int, int>> draws;
        std::pair<int, int> asked;
        const char* usedAfter;
    } cases[] = {
        {kLevelMultiplication, 20, "", {{5, 5}, {4, 5}}, {4, 5}, "|55||45|"},
        {kLevelDivision, 81, "", {{9, 9}}, {9, 9}, "|99|"},
        {kLevelMultiplication, 50, "|23|", {{2, 3}, {9, 1}}, {9, 1}, "|23||91|"},
        {kLevelAddition, 10, "|98|", {{9, 8}, {9, 1}, {2, 1}}, {9, 1}, "|98||91|"},
        {kLevelSubtraction, 10, "", {{2, 1}}, {2, 1}, "|21|"},
    };
    for (const auto& c : cases) {
        test::ScriptedRandom random;
        const bool product = c.op >= kLevelMultiplication;
        for (const auto& [a, b] : c.draws) {
            random.push(product ? test::pick(a, 9, 1) : test::pick(a, c.limit - 2, 2));
            random.push(product ? test::pick(b, 9, 1) : test::pick(b, a - 1, 1));
        }
        std::string used = c.usedBefore;
        const LevelPair pair = drawLevelPair(random, c.op, c.limit, used);
        EXPECT_EQ(std::make_pair(pair.a, pair.b), c.asked) << c.usedAfter;
        EXPECT_EQ(used, c.usedAfter);
    }
}

}  // namespace
}  // namespace tally
