// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <vector>

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

// A choice of 0 or 1 from a skill's ranges, as a sign.
inline Sign plusOrMinus(int choice) { return choice == 0 ? Sign::plus : Sign::minus; }
inline Sign timesOrDivide(int choice) { return choice == 0 ? Sign::times : Sign::divide; }

}  // namespace tally
