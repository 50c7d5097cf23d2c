// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string_view>

namespace tally {

// Whether a child's expression makes exactly 24 from the four cards: numbers,
// + - * / (also typed as x, ×, ÷ or in full width) and brackets, each card
// value used exactly once; "=24" may follow it. Computed with exact
// fractions, so 8/(3-8/3) counts and 23.999… does not; anything that is not
// such an expression is false.
bool makesTwentyFour(std::string_view typed, const std::array<int, 4>& cards);

}  // namespace tally
