// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/arithmetic_draw.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tally {
namespace {

constexpr int kAny = std::numeric_limits<int>::max();

// The first draw of a sum for these limits is replaced by one from a band of
// larger sums, so a sheet is not full of small numbers.
struct BandRow {
    int limit;
    OperandDraw::SumBand band;
};
constexpr std::array<BandRow, 6> kSumBands = {{
    {20, {10, 10}},
    {50, {30, 20}},
    {100, {50, 50}},
    {500, {400, 100}},
    {1000, {500, 500}},
    {5000, {4000, 1000}},
}};

struct RuleRow {
    int limit;
    OperandDraw::ProductRule rule;
};
constexpr std::array<RuleRow, 9> kMultiplicationRules = {{
    {81, {0, 1, 1, 1}},          // two one-digit factors
    {100, {0, 2, 2, 1}},         // one-digit times two-digit
    {250, {100, 2, 2, 1}},
    {251, {100, 4, 4, 1}},       // two two-digit factors
    {500, {250, 2, 2, 1}},
    {501, {250, 4, 4, 1}},
    {1000, {500, 4, kAny, 1}},
    {5000, {1000, 1, kAny, 2}},  // both factors of two digits or more
    {10000, {5000, 1, kAny, 2}},
}};
constexpr std::array<RuleRow, 6> kDivisionRules = {{
    {81, {0, 1, 1, 1}},
    {100, {50, 1, kAny, 1}},
    {500, {100, 1, kAny, 1}},
    {1000, {500, 1, kAny, 1}},
    {5000, {1000, 1, kAny, 1}},
    {10000, {5000, 1, kAny, 1}},
}};

int digits(int value) {
    int count = 1;
    for (value = std::abs(value); value >= 10; value /= 10) ++count;
    return count;
}

template <size_t N>
OperandDraw::ProductRule ruleFor(const std::array<RuleRow, N>& rules, int limit) {
    for (const RuleRow& row : rules) {
        if (row.limit == limit) return row.rule;
    }
    return {0, 1, kAny, 1};
}

}  // namespace

std::optional<Operation> operationOf(const std::string& sigil) {
    if (sigil == "+") return Operation::Add;
    if (sigil == "-") return Operation::Subtract;
    if (sigil == "×") return Operation::Multiply;
    if (sigil == "÷") return Operation::Divide;
    return std::nullopt;
}

OperandDraw::OperandDraw(Operation operation, int limit)
    : sums_(operation == Operation::Add || operation == Operation::Subtract), limit_(limit) {
    if (sums_) {
        for (const BandRow& row : kSumBands) {
            if (row.limit == limit) band_ = row.band;
        }
        return;
    }
    rule_ = operation == Operation::Multiply ? ruleFor(kMultiplicationRules, limit)
                                             : ruleFor(kDivisionRules, limit);
}

// Factors are drawn as Int(R × (N / 2 − 2)) + 2, N / 2 a real division.
double OperandDraw::factorSpan() const { return limit_ / 2.0 - 2; }

// The largest factor that draw can give; below 2 when the limit gives none.
int OperandDraw::largestFactor() const {
    const double span = factorSpan();
    return span > 0 ? 1 + static_cast<int>(std::ceil(span)) : 1;
}

bool OperandDraw::productFits(int s, int t) const {
    const long long product = static_cast<long long>(s) * t;
    if (product > limit_ || product < rule_.minProduct) return false;
    const int lenProduct = digits(s) * digits(t);
    return lenProduct >= rule_.lenProductMin && lenProduct <= rule_.lenProductMax &&
           std::min(digits(s), digits(t)) >= rule_.minLen;
}

int OperandDraw::distinctPairs(int cap) const {
    if (cap <= 0) return 0;
    if (sums_) {
        // s from 2 to N − 1, t from 1 to s − 1; the bands lie inside that.
        if (limit_ < 3) return 0;
        const long long pairs = static_cast<long long>(limit_ - 1) * (limit_ - 2) / 2;
        return static_cast<int>(std::min<long long>(pairs, cap));
    }
    const int largest = largestFactor();
    int count = 0;
    for (int s = 2; s <= largest; ++s) {
        const int lowest = std::max(2, (rule_.minProduct + s - 1) / s);
        const int highest = std::min(largest, limit_ / s);
        for (int t = lowest; t <= highest; ++t) {
            if (productFits(s, t) && ++count == cap) return cap;
        }
    }
    return count;
}

OperandPair OperandDraw::next(RandomSource& random, PairHistory& history) const {
    const OperandPair pair = sums_ ? nextSum(random, history) : nextProduct(random, history);
    history.insert(pair);
    return pair;
}

OperandPair OperandDraw::drawSum(RandomSource& random) const {
    OperandPair pair;
    pair.s = drawInt(random, limit_ - 2, 2);
    pair.t = drawInt(random, pair.s - 1, 1);
    return pair;
}

// The banded draw replaces the first one; a repeat is drawn again without the band.
OperandPair OperandDraw::nextSum(RandomSource& random, const PairHistory& history) const {
    OperandPair pair = drawSum(random);
    if (band_) {
        pair.s = drawInt(random, band_->span, band_->base);
        pair.t = drawInt(random, pair.s - 1, 1);
    }
    while (history.count(pair)) pair = drawSum(random);
    return pair;
}

OperandPair OperandDraw::nextProduct(RandomSource& random, const PairHistory& history) const {
    const double span = factorSpan();
    OperandPair pair;
    // Int(R × span) + 2; R × span is never negative here, so truncation is the
    // floor, and this loop runs a thousand times per question on narrow bands.
    const auto factor = [&random, span] { return static_cast<int>(random.next() * span) + 2; };
    do {
        pair.s = factor();
        pair.t = factor();
    } while (!productFits(pair.s, pair.t) || history.count(pair));
    return pair;
}

}  // namespace tally
