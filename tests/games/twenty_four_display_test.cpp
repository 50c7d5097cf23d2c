// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "games/twenty_four_display.h"

namespace tally {
namespace {

// Hands worked by hand, with every way there is, in the order shown: the
// ways without brackets first, then by their text, whatever the order of the
// cards on the table. (That each way shown makes 24 from its cards, over
// every hand, the checker's test reads back.)
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
