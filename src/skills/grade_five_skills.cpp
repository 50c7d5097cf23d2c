// SPDX-License-Identifier: GPL-3.0-or-later
// 五年级: multiplying and dividing decimals, approximate and recurring
// quotients, equations, and fractions in lowest terms added and taken away.
#include <numeric>

#include "skills/grade_skills.h"
#include "skills/fraction_picture_skills.h"
#include "skills/question_forms.h"

namespace tally {

namespace {

using namespace skill_rules;

const char* const kDecimalTimes = "小数乘法";
const char* const kDecimalDivide = "小数除法";
const char* const kEquations = "简易方程";
const char* const kFractionMeaning = "分数的意义和性质";
const char* const kFractionSums = "分数的加法和减法";

bool wholeIn(int scaled, int unit) { return scaled % unit == 0; }

// A number of hundredths (not whole) times a whole number up to 12.
Maybe decimalTimesWhole(Values v) {
    if (wholeIn(v[0], 100)) return std::nullopt;
    return exactQuestion({decimalNumber(v[0], 2), wholeNumber(v[1])}, {Sign::times}, asDecimal);
}

// One place (not whole) times one place (kind 0) or 0.01…0.99 (kind 1).
SkillNumber secondFactor(int kind, int value) { return decimalNumber(value, kind == 0 ? 1 : 2); }

Maybe decimalTimesDecimal(Values v) {
    if (wholeIn(v[0], 10) || wholeIn(v[2], 10)) return std::nullopt;
    return exactQuestion({decimalNumber(v[0], 1), secondFactor(v[1], v[2])}, {Sign::times}, asDecimal);
}

const char* placesPrompt(int places) { return places == 1 ? "保留一位小数：" : "保留两位小数："; }

// The question worked out exactly, then rounded as the prompt asks; only
// where rounding is needed and leaves more than 0.
Maybe roundedQuestion(std::vector<SkillNumber> terms, Sign sign, int places) {
    const auto value = exactValue(terms, {sign});
    if (!value || decimalPlaces(*value, places) || roundedTo(*value, places).numerator == 0) return std::nullopt;
    SkillQuestion question;
    question.terms = std::move(terms);
    question.signs = {sign};
    question.result = roundedTo(*value, places);
    question.prompt = placesPrompt(places);
    question.approximate = true;
    return question;
}

// One place (not whole) times 0.01…0.99, rounded to one or two places.
Maybe roundedProduct(Values v) {
    if (wholeIn(v[1], 10) || wholeIn(v[2], 10)) return std::nullopt;
    return roundedQuestion({decimalNumber(v[1], 1), decimalNumber(v[2], 2)}, Sign::times, v[0]);
}

// The quotient (hundredths, not whole) times the divisor is the dividend.
Maybe decimalByWhole(Values v) {
    if (wholeIn(v[0], 100)) return std::nullopt;
    return exactQuestion({decimalNumber(v[0] * v[1], 2), wholeNumber(v[1])}, {Sign::divide}, asDecimal);
}

// A divisor of one place (kind 0) or 0.01…0.99 (kind 1), not whole, and a
// quotient of tenths up to 30.
Maybe byDecimal(Values v) {
    if (wholeIn(v[1], 10)) return std::nullopt;
    const int places = v[0] == 0 ? 2 : 3;
    return exactQuestion({decimalNumber(v[1] * v[2], places), secondFactor(v[0], v[1])}, {Sign::divide},
                         asDecimal);
}

// 1.0…99.9 divided by 3…9, the quotient not ending within the places asked.
Maybe roundedQuotient(Values v) {
    return roundedQuestion({decimalNumber(v[1], 1), wholeNumber(v[2])}, Sign::divide, v[0]);
}

// A quotient that never ends, with at most one digit before its repeating
// part of one or two digits: 10÷3＝3.(3), 5÷6＝0.8(3), 4÷11＝0.(36).
Maybe recurringQuotient(Values v) {
    const auto value = exact(v[0], v[1]);
    if (decimalPlaces(value)) return std::nullopt;
    const SkillNumber quotient = recurringNumber(v[0], v[1]);
    const std::string written = numberText(quotient);
    const auto point = written.find('.');
    const auto opens = written.find('(');
    if (opens - point > 2 || written.size() - opens > 4) return std::nullopt;
    SkillQuestion question;
    question.terms = {wholeNumber(v[0]), wholeNumber(v[1])};
    question.signs = {Sign::divide};
    question.result = quotient;
    question.prompt = "用循环小数表示，循环节写在括号里：";
    return question;
}

// The question with its term at `index` asked for as x.
Maybe unknownAt(Maybe question, int index) {
    if (!question || question->result.numerator == 0) return std::nullopt;
    question->box = index;
    question->layout = QuestionLayout::unknown;
    return question;
}

// x＋a＝b, x－a＝b, ax＝b, x÷a＝b, in whole numbers (kind 0) or with one
// decimal place (kind 1: a not whole).
Maybe oneStepEquation(Values v) {
    const int form = v[0];
    const bool tenths = v[1] == 1;
    const int a = v[2];
    const int x = v[3];
    if (tenths ? wholeIn(a, 10) : form >= 2 && a > 12) return std::nullopt;
    const SkillNumber known = tenths ? decimalNumber(a, 1) : wholeNumber(a);
    switch (form) {
    case 0:
    case 1: {
        const SkillNumber unknown = tenths ? decimalNumber(x, 1) : wholeNumber(x);
        return unknownAt(exactQuestion({unknown, known}, {plusOrMinus(form)}, asDecimal), 0);
    }
    case 2: return unknownAt(exactQuestion({known, wholeNumber(x)}, {Sign::times}, asDecimal), 1);
    default: {
        const auto unknown = asDecimal(exactOf(known) * exact(x));
        return unknownAt(exactQuestion({*unknown, known}, {Sign::divide}, asDecimal), 0);
    }
    }
}

// ax＋b＝c, ax－b＝c, a（x＋b）＝c, a（x－b）＝c.
Maybe twoStepEquation(Values v) {
    const int form = v[0];
    const auto bracket = form >= 2 ? std::optional<int>(1) : std::nullopt;
    return unknownAt(exactQuestion({wholeNumber(v[1]), wholeNumber(v[2]), wholeNumber(v[3])},
                                   {Sign::times, plusOrMinus(form % 2)}, asWhole, bracket),
                     1);
}

bool lowestProper(int numerator, int denominator) {
    return numerator < denominator && std::gcd(numerator, denominator) == 1;
}

// (p×k)/(q×k) in lowest terms is p/q.
Maybe reduceFraction(Values v) {
    if (!lowestProper(v[0], v[1])) return std::nullopt;
    SkillQuestion question;
    question.terms = {fractionNumber(v[0] * v[2], v[1] * v[2])};
    question.result = fractionNumber(v[0], v[1]);
    question.prompt = "约分：";
    return question;
}

// a/b and c/d over their least common denominator (at most 60): the
// numerator of one whose denominator changes.
Maybe commonDenominator(Values v) {
    const int a = v[0], b = v[1], c = v[2], d = v[3];
    if (!lowestProper(a, b) || !lowestProper(c, d) || b == d) return std::nullopt;
    const int common = std::lcm(b, d);
    const int asked = v[4] == 0 ? b : d;
    if (asked == common || common > 60) return std::nullopt;
    const int numerator = v[4] == 0 ? a : c;
    const auto fraction = [](int n, int m) { return std::to_string(n) + "/" + std::to_string(m); };
    SkillQuestion question;
    question.terms = {fractionNumber(a, b), fractionNumber(c, d)};
    question.result = wholeNumber(numerator * common / asked);
    question.layout = QuestionLayout::worded;
    question.prompt = "把" + fraction(a, b) + "和" + fraction(c, d) + "通分：" + fraction(numerator, asked) + "＝□/" +
                      std::to_string(common);
    return question;
}

// a/n ± b/n whose result needs reducing (or is whole).
Maybe sameDenominatorReduced(Values v) {
    const int n = v[0], a = v[2], b = v[3];
    if (a >= n || b >= n) return std::nullopt;
    const int numerator = v[1] == 0 ? a + b : a - b;
    if (numerator <= 0 || std::gcd(numerator, n) == 1) return std::nullopt;
    return exactQuestion({fractionNumber(a, n), fractionNumber(b, n)}, {plusOrMinus(v[1])}, asFraction);
}

// a/b ± c/d, both proper and in lowest terms, b ≠ d up to 10, their least
// common denominator at most 30.
Maybe unlikeDenominators(Values v) {
    const int a = v[0], b = v[1], c = v[3], d = v[4];
    if (!lowestProper(a, b) || !lowestProper(c, d) || b == d || std::lcm(b, d) > 30) return std::nullopt;
    const auto question = exactQuestion({fractionNumber(a, b), fractionNumber(c, d)}, {plusOrMinus(v[2])}, asFraction);
    return question && question->result.numerator > 0 ? question : std::nullopt;
}

std::vector<SkillRow> firstTerm() {
    return {
        skillRow("k5101", 5, up, kDecimalTimes, "小数乘整数", {{1, 999}, {2, 12}}, decimalTimesWhole),
        skillRow("k5102", 5, up, kDecimalTimes, "小数乘小数", {{1, 99}, {0, 1}, {1, 99}}, decimalTimesDecimal),
        skillRow("k5103", 5, up, kDecimalTimes, "积的近似数", {{1, 2}, {1, 99}, {1, 99}}, roundedProduct),
        skillRow("k5104", 5, up, kDecimalDivide, "除数是整数的小数除法", {{1, 999}, {2, 12}}, decimalByWhole),
        skillRow("k5105", 5, up, kDecimalDivide, "一个数除以小数", {{0, 1}, {1, 99}, {1, 300}}, byDecimal),
        skillRow("k5106", 5, up, kDecimalDivide, "商的近似数", {{1, 2}, {10, 999}, {3, 9}}, roundedQuotient),
        skillRow("k5107", 5, up, kDecimalDivide, "循环小数", {{1, 99}, {3, 15}}, recurringQuotient),
        skillRow("k5108", 5, up, kEquations, "解简易方程", {{0, 3}, {0, 1}, {2, 99}, {1, 99}}, oneStepEquation),
        skillRow("k5109", 5, up, kEquations, "解稍复杂的方程", {{0, 3}, {2, 9}, {1, 20}, {1, 30}}, twoStepEquation),
    };
}

std::vector<SkillRow> secondTerm() {
    return {
        skillRow("k5201", 5, down, kFractionMeaning, "约分", {{1, 11}, {2, 12}, {2, 9}}, reduceFraction),
        skillRow("k5202", 5, down, kFractionMeaning, "通分", {{1, 11}, {2, 12}, {1, 11}, {2, 12}, {0, 1}},
                 commonDenominator),
        skillRow("k5261", 5, down, kFractionMeaning, "看图约分、通分", {{2, 12}, {1, 11}, {2, 12}},
                 fraction_picture_rules::equalBars),
        skillRow("k5203", 5, down, kFractionSums, "同分母分数加、减法（得数化成最简分数）",
                 {{3, 12}, {0, 1}, {1, 11}, {1, 11}}, sameDenominatorReduced),
        skillRow("k5204", 5, down, kFractionSums, "异分母分数加、减法", {{1, 9}, {2, 10}, {0, 1}, {1, 9}, {2, 10}},
                 unlikeDenominators),
    };
}

}  // namespace

std::vector<SkillRow> gradeFiveSkills() {
    auto rows = firstTerm();
    auto later = secondTerm();
    rows.insert(rows.end(), later.begin(), later.end());
    return rows;
}

}  // namespace tally
