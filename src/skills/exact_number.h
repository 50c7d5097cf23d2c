// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <vector>

#include "skills/skill_question.h"

namespace tally {

// A rational number in lowest terms, the denominator above 0, for working a
// question out exactly whatever forms its numbers are written in.
struct Exact {
    long long numerator = 0;
    long long denominator = 1;
    bool operator==(const Exact&) const = default;
    auto operator<=>(const Exact& other) const { return numerator * other.denominator <=> other.numerator * denominator; }
};

Exact exact(long long numerator, long long denominator = 1);
Exact exactOf(const SkillNumber& number);
Exact operator+(const Exact& a, const Exact& b);
Exact operator-(const Exact& a, const Exact& b);
Exact operator*(const Exact& a, const Exact& b);
// Nothing when b is 0.
std::optional<Exact> dividedBy(const Exact& a, const Exact& b);

// The terms with their signs in the order of operations: the bracket first,
// then × and ÷, then ＋ and －, each from left to right. Nothing when a
// division is by 0 or a step of ＋ and － falls below 0.
std::optional<Exact> exactValue(const std::vector<SkillNumber>& terms, const std::vector<Sign>& signs,
                                std::optional<int> bracketFrom = {});

// The places a value needs as a decimal, or nothing when it does not end
// within `most` places.
std::optional<int> decimalPlaces(const Exact& value, int most = 6);

}  // namespace tally
