// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <compare>
#include <optional>
#include <set>
#include <string>

#include "base/ports.h"

namespace tally {

enum class Operation { Add, Subtract, Multiply, Divide };

// The operation of a family sigil "+", "-", "×" or "÷"; nothing for others.
std::optional<Operation> operationOf(const std::string& sigil);

// The two drawn numbers of one question. Addition: the sum and the first
// addend; subtraction: the minuend and the subtrahend; multiplication: the two
// factors; division: the quotient and the divisor.
struct OperandPair {
    int s = 0;
    int t = 0;
    auto operator<=>(const OperandPair&) const = default;
};

// The pairs already on a sheet; a drawn pair found here is drawn again.
using PairHistory = std::set<OperandPair>;

// Draws the operand pairs of one drill within its limit, by rejection: a pair
// that misses the limit's band, digit rule or the history is thrown away whole.
class OperandDraw {
public:
    OperandDraw(Operation operation, int limit);

    // How many distinct pairs the limit can give, counted no further than
    // `cap`: a sheet never asks for more, so a redraw always finds a new pair.
    int distinctPairs(int cap) const;

    // The next pair not yet in the history, added to it. Call only while the
    // limit has a pair the history lacks (see distinctPairs).
    OperandPair next(RandomSource& random, PairHistory& history) const;

    // Rules of a multiplication or division limit on the product s × t.
    struct ProductRule {
        int minProduct = 0;
        int lenProductMin = 1;  // bounds on Len(s) × Len(t), Len the digit count
        int lenProductMax = 1;
        int minLen = 1;         // digits of the shorter factor
    };
    // The band a sum limit draws its first sum from: Int(R × span) + base.
    struct SumBand {
        int span = 0;
        int base = 0;
    };

private:
    bool sums_;
    int limit_;
    ProductRule rule_{};
    std::optional<SumBand> band_;

    bool productFits(int s, int t) const;
    double factorSpan() const;
    int largestFactor() const;
    OperandPair drawSum(RandomSource& random) const;
    OperandPair nextSum(RandomSource& random, const PairHistory& history) const;
    OperandPair nextProduct(RandomSource& random, const PairHistory& history) const;
};

}  // namespace tally
