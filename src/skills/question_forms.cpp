// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/question_forms.h"

namespace tally {

std::optional<int> applySign(int a, Sign sign, int b) {
    switch (sign) {
    case Sign::plus: return a + b;
    case Sign::minus: return a >= b ? std::optional<int>(a - b) : std::nullopt;
    case Sign::times: return a * b;
    case Sign::divide: return b != 0 && a % b == 0 ? std::optional<int>(a / b) : std::nullopt;
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

}  // namespace tally
