// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/exact_number.h"

#include <numeric>

namespace tally {

Exact exact(long long numerator, long long denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const long long common = std::gcd(numerator, denominator);
    return common > 1 ? Exact{numerator / common, denominator / common} : Exact{numerator, denominator};
}

Exact exactOf(const SkillNumber& number) {
    if (number.form == NumberForm::relation) return exact(number.numerator);
    return exact(number.numerator, number.denominator);
}

Exact operator+(const Exact& a, const Exact& b) {
    return exact(a.numerator * b.denominator + b.numerator * a.denominator, a.denominator * b.denominator);
}

Exact operator-(const Exact& a, const Exact& b) {
    return exact(a.numerator * b.denominator - b.numerator * a.denominator, a.denominator * b.denominator);
}

Exact operator*(const Exact& a, const Exact& b) {
    return exact(a.numerator * b.numerator, a.denominator * b.denominator);
}

std::optional<Exact> dividedBy(const Exact& a, const Exact& b) {
    if (b.numerator == 0) return std::nullopt;
    return exact(a.numerator * b.denominator, a.denominator * b.numerator);
}

namespace {

bool multiplies(Sign sign) { return sign == Sign::times || sign == Sign::divide || sign == Sign::ratio; }

std::optional<Exact> applied(const Exact& a, Sign sign, const Exact& b) {
    switch (sign) {
    case Sign::plus: return a + b;
    case Sign::minus: return a - b;
    case Sign::times: return a * b;
    case Sign::divide:
    case Sign::ratio: return dividedBy(a, b);
    }
    return std::nullopt;
}

// Folds the run of × and ÷ starting at `from` into one value; `from` ends
// past it.
std::optional<Exact> product(const std::vector<Exact>& values, const std::vector<Sign>& signs, std::size_t& from) {
    std::optional<Exact> value = values[from];
    for (; value && from < signs.size() && multiplies(signs[from]); ++from) {
        value = applied(*value, signs[from], values[from + 1]);
    }
    return value;
}

}  // namespace

std::optional<Exact> exactValue(const std::vector<SkillNumber>& terms, const std::vector<Sign>& signs,
                                std::optional<int> bracketFrom) {
    std::vector<Exact> values;
    for (const auto& term : terms) values.push_back(exactOf(term));
    std::vector<Sign> between = signs;
    if (bracketFrom) {
        const auto at = static_cast<std::size_t>(*bracketFrom);
        const auto inner = applied(values[at], between[at], values[at + 1]);
        if (!inner || inner->numerator < 0) return std::nullopt;
        values[at] = *inner;
        values.erase(values.begin() + static_cast<long>(at) + 1);
        between.erase(between.begin() + static_cast<long>(at));
    }
    std::size_t next = 0;
    auto value = product(values, between, next);
    while (value && next < between.size()) {
        const Sign sign = between[next++];
        const auto operand = product(values, between, next);
        value = operand ? applied(*value, sign, *operand) : std::nullopt;
        if (value && value->numerator < 0) return std::nullopt;
    }
    return value;
}

std::optional<int> decimalPlaces(const Exact& value, int most) {
    long long scaled = value.numerator;
    for (int places = 0; places <= most; ++places, scaled *= 10) {
        if (scaled % value.denominator == 0) return places;
    }
    return std::nullopt;
}

}  // namespace tally
