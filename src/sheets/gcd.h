// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace tally {

// The main window's Euclid function: while b is not 0, (a, b) becomes
// (b, a mod b). The result is never negative; gcd(0, 0) is 0.
std::int64_t gcd(std::int64_t a, std::int64_t b);

// a mod b written as text, as the word problems show remainders. A divisor
// of 0 has no remainder and gives the empty text.
std::string remainderText(std::int64_t a, std::int64_t b);

}  // namespace tally
