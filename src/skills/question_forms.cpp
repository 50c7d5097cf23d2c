// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/question_forms.h"

namespace tally {

std::optional<int> applySign(int a, Sign sign, int b) {
    switch (sign) {
    case Sign::plus: return a + b;
    case Sign::minus: return a >= b ? std::optional<int>(a - b) : std::nullopt;
    case Sign::times: return a * b;
    case Sign::divide: return b != 0 && a % b == 0 ? std::optional<int>(a / b) : std::nullopt;
    case Sign::ratio: return std::nullopt;
    }
    return std::nullopt;
}

namespace {

bool multiplies(Sign sign) { return sign == Sign::times || sign == Sign::divide; }

std::optional<int> withinLimit(std::optional<int> value, int limit) {
    return value && *value <= limit ? value : std::nullopt;
}

// Three terms: the later pair first when it is bracketed or binds tighter.
std::optional<int> threeTermValue(const std::vector<int>& terms, const std::vector<Sign>& signs, int limit,
                                  std::optional<int> bracketFrom) {
    const bool laterFirst = bracketFrom ? *bracketFrom == 1 : multiplies(signs[1]) && !multiplies(signs[0]);
    if (laterFirst) {
        const auto later = withinLimit(applySign(terms[1], signs[1], terms[2]), limit);
        return later ? withinLimit(applySign(terms[0], signs[0], *later), limit) : std::nullopt;
    }
    const auto earlier = withinLimit(applySign(terms[0], signs[0], terms[1]), limit);
    return earlier ? withinLimit(applySign(*earlier, signs[1], terms[2]), limit) : std::nullopt;
}

}  // namespace

std::optional<SkillQuestion> wholeQuestion(const std::vector<int>& terms, const std::vector<Sign>& signs, int limit,
                                           std::optional<int> bracketFrom) {
    const auto value = terms.size() == 2 ? withinLimit(applySign(terms[0], signs[0], terms[1]), limit)
                                         : threeTermValue(terms, signs, limit, bracketFrom);
    if (!value) return std::nullopt;
    SkillQuestion question;
    for (const int term : terms) question.terms.push_back(wholeNumber(term));
    question.signs = signs;
    question.bracketFrom = bracketFrom;
    question.result = wholeNumber(*value);
    return question;
}

SkillQuestion boxed(SkillQuestion question, int index) {
    question.box = index;
    return question;
}

SkillQuestion divisionWithRemainder(int dividend, int divisor) {
    SkillQuestion question;
    question.terms = {wholeNumber(dividend), wholeNumber(divisor)};
    question.signs = {Sign::divide};
    question.result = wholeNumber(dividend / divisor);
    question.remainder = dividend % divisor;
    return question;
}

SkillQuestion divisionMaybeRemainder(int dividend, int divisor) {
    SkillQuestion question = divisionWithRemainder(dividend, divisor);
    if (question.remainder == 0) question.remainder.reset();
    return question;
}

std::optional<SkillNumber> asWhole(const Exact& value) {
    if (value.denominator != 1) return std::nullopt;
    return wholeNumber(static_cast<int>(value.numerator));
}

std::optional<SkillNumber> asDecimal(const Exact& value) {
    const auto places = decimalPlaces(value, 4);
    if (!places) return std::nullopt;
    long long scaled = value.numerator;
    for (int i = 0; i < *places; ++i) scaled *= 10;
    return decimalNumber(static_cast<int>(scaled / value.denominator), *places);
}

std::optional<SkillNumber> asFraction(const Exact& value) {
    if (value.denominator == 1) return wholeNumber(static_cast<int>(value.numerator));
    return fractionNumber(static_cast<int>(value.numerator), static_cast<int>(value.denominator));
}

SkillNumber roundedTo(const Exact& value, int places) {
    long long scale = 1;
    for (int i = 0; i < places; ++i) scale *= 10;
    const long long twice = 2 * value.numerator * scale / value.denominator;
    return roundedNumber(static_cast<int>((twice + 1) / 2), places);
}

std::optional<SkillQuestion> exactQuestion(std::vector<SkillNumber> terms, std::vector<Sign> signs,
                                           ResultWriter written, std::optional<int> bracketFrom) {
    const auto value = exactValue(terms, signs, bracketFrom);
    const auto result = value ? written(*value) : std::nullopt;
    if (!result) return std::nullopt;
    SkillQuestion question;
    question.terms = std::move(terms);
    question.signs = std::move(signs);
    question.bracketFrom = bracketFrom;
    question.result = *result;
    return question;
}

}  // namespace tally
