// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// The parts of "a/b ± c/d = up/down" as the page writes them.
struct FractionQuestionText {
    std::string numerator1;
    std::string denominator1;
    std::string sign;  // "+" or "-"
    std::string numerator2;
    std::string denominator2;
    std::string answerNumerator;
    std::string answerDenominator;
};

// One question laid out as the fraction sheets lay it out: fields
// answerup<question> and answerdown<question> tagged with the answer, and the
// mark's place fenshupl<question>.
std::string fractionQuestionHtml(int question, const FractionQuestionText& parts);

}  // namespace tally
