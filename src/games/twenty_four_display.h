// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <vector>

namespace tally {

// The ways to make 24 from four cards as a child is shown them: each really
// different way once, written with ＋ － × ÷ and only the brackets it needs,
// and with no step below zero when worked from left to right.
//
// Two ways are the same when they differ only in the order or grouping of
// additions and subtractions, or of multiplications and divisions: 3×8 and
// 8×3, (1＋2＋3)×4 and 4×(3＋(2＋1)), 10－(4－2) and 10＋2－4 are one way each.
// A way that needs a value below zero (1－5 in (1－5)×(1－7)) is left out: its
// twin with the signs turned round, (5－1)×(7－1), is there. Every tree of
// operations over the four cards is tried, whichever cards are paired.
std::vector<std::string> distinctTwentyFours(const std::array<int, 4>& cards);

}  // namespace tally
