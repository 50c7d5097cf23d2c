// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "skills/skill_steps.h"

namespace tally {

// The families of steps, each from the question's own numbers; questionSteps
// chooses among them.

// a＋b, both one digit, past ten.
QuestionSteps makeTenSteps(int a, int b);
// a－b, a ten-something, b one digit, the ones too few.
QuestionSteps breakTenSteps(int a, int b);
// a＋b, a－b (a ≥ b) and a×b in columns.
QuestionSteps additionColumn(long long a, long long b);
QuestionSteps subtractionColumn(long long a, long long b);
QuestionSteps multiplicationColumn(long long a, long long b);
// dividend÷divisor, the divisor of two digits.
QuestionSteps trialQuotientSteps(long long dividend, long long divisor);
// A question of whole numbers a step at a time; nothing when a step does not
// come out whole.
std::optional<QuestionSteps> orderOfOperationsSteps(const SkillQuestion& question);
// numerator/denominator reduced; `sum` the line that made it, when a sum of
// like fractions did.
QuestionSteps reduceSteps(long long numerator, long long denominator, const std::optional<StepLine>& sum);

// "个位", "十位"… of a place (0 the ones).
std::string placeName(int place);
// "a＋b＝c" with the textbook's signs.
std::string equationText(long long a, const char* sign, long long b, long long result);
// The closing line "所以9＋4＝13": {a, b, result}.
StepLine soLine(long long a, const char* sign, long long b, long long result);

}  // namespace tally
