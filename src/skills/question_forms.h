// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <vector>

#include "skills/exact_number.h"
#include "skills/skill_question.h"

namespace tally {

// a sign b in whole numbers: nothing when the result is below 0 or the
// division is not exact.
std::optional<int> applySign(int a, Sign sign, int b);

// A question in whole numbers, worked out in the order of operations (×÷
// before ＋－, the bracket first): nothing when any step falls outside
// 0…limit or a division is not exact. Two or three terms.
std::optional<SkillQuestion> wholeQuestion(const std::vector<int>& terms, const std::vector<Sign>& signs, int limit,
                                           std::optional<int> bracketFrom = {});

// The question with the term at `index` asked for as □.
SkillQuestion boxed(SkillQuestion question, int index);

// dividend ÷ divisor ＝ quotient……remainder.
SkillQuestion divisionWithRemainder(int dividend, int divisor);

// dividend ÷ divisor ＝ quotient, with the remainder only when there is one.
SkillQuestion divisionMaybeRemainder(int dividend, int divisor);

// How an exact result is written, or nothing when the skill cannot write it.
using ResultWriter = std::optional<SkillNumber> (*)(const Exact&);
std::optional<SkillNumber> asWhole(const Exact& value);
// A decimal ending within four places.
std::optional<SkillNumber> asDecimal(const Exact& value);
// A fraction in lowest terms, a whole number when the denominator is 1.
std::optional<SkillNumber> asFraction(const Exact& value);
// Rounded half up to `places`, every place written.
SkillNumber roundedTo(const Exact& value, int places);

// A question of any numbers, worked out exactly in the order of operations
// (exactValue) and its result written by `written`: nothing when a step
// falls below 0, a division is by 0 or the result cannot be written so.
std::optional<SkillQuestion> exactQuestion(std::vector<SkillNumber> terms, std::vector<Sign> signs,
                                           ResultWriter written, std::optional<int> bracketFrom = {});

// A choice of 0 or 1 from a skill's ranges, as a sign.
inline Sign plusOrMinus(int choice) { return choice == 0 ? Sign::plus : Sign::minus; }
inline Sign timesOrDivide(int choice) { return choice == 0 ? Sign::times : Sign::divide; }

}  // namespace tally
