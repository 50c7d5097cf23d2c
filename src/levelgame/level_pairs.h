// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "base/ports.h"

namespace tally {

struct LevelPair {
    int a = 0;
    int b = 0;
};

// The entry of a pair in an operation's list of used pairs: "|73|" for 7 and 3.
std::string pairEntry(const LevelPair& pair);

// Draws the operands of the next question and appends the pair's entry to
// `used`. Addition and subtraction: 2 <= a <= limit-1, 1 <= b <= a-1, drawn
// again while already used. Multiplication and division: 1..9 each, drawn
// again while already used, and from the start while a*b > limit; a pair
// over the limit stays in the list.
LevelPair drawLevelPair(RandomSource& random, int operation, int limit, std::string& used);

}  // namespace tally
