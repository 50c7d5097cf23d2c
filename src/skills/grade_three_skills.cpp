// SPDX-License-Identifier: GPL-3.0-or-later
// 三年级: sums and differences of three-digit numbers, multiplying and
// dividing by one digit, two-digit products, the first fractions and decimals.
#include "skills/clock_skills.h"
#include "skills/column_arithmetic.h"
#include "skills/grade_skills.h"
#include "skills/number_line_skills.h"
#include "skills/fraction_picture_skills.h"
#include "skills/question_forms.h"

namespace tally {

namespace {

using namespace skill_rules;

const char* const kSeconds = "时、分、秒";
const char* const kTenThousandOne = "万以内的加法和减法（一）";
const char* const kTenThousandTwo = "万以内的加法和减法（二）";
const char* const kTimesOneDigit = "多位数乘一位数";
const char* const kFractions = "分数的初步认识";
const char* const kDivideOneDigit = "除数是一位数的除法";
const char* const kTwoByTwo = "两位数乘两位数";
const char* const kCalendar = "年、月、日";
const char* const kDecimals = "小数的初步认识";

Maybe twoDigitsEitherWay(Values v) {
    if (v[1] == 1 && v[0] <= v[2]) return std::nullopt;
    return wholeQuestion({v[0], v[2]}, {plusOrMinus(v[1])}, 198);
}

// 几百几十 added below 1000 or taken away: two multiples of 10 from 110 to
// 990, at most one of them 整百.
Maybe hundredsAndTens(Values v) {
    const int a = v[0] * 10;
    const int b = v[2] * 10;
    if ((a % 100 == 0 && b % 100 == 0) || (v[1] == 1 && a <= b)) return std::nullopt;
    return wholeQuestion({a, b}, {plusOrMinus(v[1])}, 990);
}

// Three-digit numbers added carrying out of the ones and the tens.
Maybe carryingTwice(Values v) {
    if (!carriesAt(v[0], v[1], 0) || !carriesAt(v[0], v[1], 1)) return std::nullopt;
    return wholeQuestion({v[0], v[1]}, {Sign::plus}, 1998);
}

// Three-digit numbers taken away borrowing for the ones and the tens.
Maybe borrowingTwice(Values v) {
    if (v[0] <= v[1] || !borrowsAt(v[0], v[1], 0) || !borrowsAt(v[0], v[1], 1)) return std::nullopt;
    return wholeQuestion({v[0], v[1]}, {Sign::minus}, 999);
}

// 几百零几 less a three-digit number, the ones borrowing across the 0.
Maybe borrowingAcrossZero(Values v) {
    const int minuend = v[0] * 100 + v[1];
    if (minuend <= v[2] || !borrowsAt(minuend, v[2], 0)) return std::nullopt;
    return wholeQuestion({minuend, v[2]}, {Sign::minus}, 999);
}

int powerOfTen(int zeros) { return zeros == 1 ? 10 : 100; }

// A number of one to three digits, none of them 0, times one digit.
Maybe timesOneDigit(Values v, bool carrying) {
    if (hasZeroDigit(v[0]) || multiplicationCarries(v[0], v[1]) != carrying) return std::nullopt;
    return wholeQuestion({v[0], v[1]}, {Sign::times}, 9999);
}

// A three-digit number with a 0 for its tens or ones (not 整百), times one digit.
Maybe timesWithZero(Values v) {
    const bool zero = digitAt(v[0], 1) == 0 || digitAt(v[0], 0) == 0;
    if (!zero || v[0] % 100 == 0) return std::nullopt;
    return wholeQuestion({v[0], v[1]}, {Sign::times}, 9999);
}

SkillNumber fractionOrOne(int numerator, int denominator) {
    return numerator == denominator ? wholeNumber(1) : fractionNumber(numerator, denominator);
}

// a/n ＋ b/n (form 0, at most 1), a/n － b/n (form 1), 1 － b/n (form 2).
Maybe sameDenominator(Values v) {
    const int n = v[0];
    const int form = v[1];
    const int a = v[2];
    const int b = v[3];
    if (a >= n || b >= n) return std::nullopt;
    if (form == 0 ? a + b > n : form == 1 ? a <= b : a != 1) return std::nullopt;
    SkillQuestion question;
    question.terms = {form == 2 ? wholeNumber(1) : fractionNumber(a, n), fractionNumber(b, n)};
    question.signs = {form == 0 ? Sign::plus : Sign::minus};
    const int numerator = form == 0 ? a + b : form == 1 ? a - b : n - b;
    question.result = fractionOrOne(numerator, n);
    return question;
}

// (divisor × quotient) ÷ divisor, the dividend of at most three digits.
Maybe exactQuotient(int divisor, int quotient) {
    if (divisor * quotient > 999) return std::nullopt;
    return wholeQuestion({divisor * quotient, divisor}, {Sign::divide}, 999);
}

// A 0 for the quotient's tens or ones, the quotient not 整百.
bool zeroInQuotient(int quotient) { return hasZeroDigit(quotient) && quotient % 100 != 0; }

Maybe longRemainder(Values v) {
    const int divisor = v[0];
    const int dividend = divisor * v[1] + v[2];
    if (v[2] >= divisor || dividend > 999) return std::nullopt;
    return divisionWithRemainder(dividend, divisor);
}

Maybe twoByTwo(Values v, bool carrying) {
    if (hasZeroDigit(v[0]) || hasZeroDigit(v[1]) || longMultiplicationCarries(v[0], v[1]) != carrying) {
        return std::nullopt;
    }
    return wholeQuestion({v[0], v[1]}, {Sign::times}, 9801);
}

// Two numbers of one decimal place (not whole), added below 10 or taken away.
Maybe tenthsSumOrDifference(Values v) {
    const int a = v[0];
    const int b = v[2];
    const auto value = applySign(a, plusOrMinus(v[1]), b);
    if (a % 10 == 0 || b % 10 == 0 || !value || *value == 0 || *value >= 100) return std::nullopt;
    SkillQuestion question;
    question.terms = {tenthsNumber(a), tenthsNumber(b)};
    question.signs = {plusOrMinus(v[1])};
    question.result = tenthsNumber(*value);
    return question;
}

std::vector<SkillRow> firstTerm() {
    return {
        skillRow("k3141", 3, up, kSeconds, "认识几时几分几秒", {{1, 12}, {0, 59}, {0, 11}}, clock_rules::readSeconds),
        skillRow("k3142", 3, up, kSeconds, "经过时间（几分）", {{1, 12}, {0, 11}, {1, 11}}, clock_rules::elapsedMinutes),
        skillRow("k3101", 3, up, kTenThousandOne, "两位数加减两位数", {{10, 99}, {0, 1}, {10, 99}},
                 twoDigitsEitherWay),
        skillRow("k3102", 3, up, kTenThousandOne, "几百几十加、减几百几十", {{10, 99}, {0, 1}, {10, 99}},
                 hundredsAndTens),
        skillRow("k3103", 3, up, kTenThousandTwo, "三位数加三位数（连续进位）", {{100, 999}, {100, 999}},
                 carryingTwice),
        skillRow("k3104", 3, up, kTenThousandTwo, "三位数减三位数（连续退位）", {{100, 999}, {100, 999}},
                 borrowingTwice),
        skillRow("k3105", 3, up, kTenThousandTwo, "被减数中间有0的退位减法", {{1, 9}, {0, 9}, {100, 999}},
                 borrowingAcrossZero),
        skillRow("k3106", 3, up, kTimesOneDigit, "整十、整百数乘一位数", {{1, 9}, {1, 2}, {2, 9}},
                 [](Values v) { return wholeQuestion({v[0] * powerOfTen(v[1]), v[2]}, {Sign::times}, 8100); }),
        skillRow("k3107", 3, up, kTimesOneDigit, "多位数乘一位数（不进位）", {{11, 999}, {2, 9}},
                 [](Values v) { return timesOneDigit(v, false); }),
        skillRow("k3108", 3, up, kTimesOneDigit, "多位数乘一位数（进位）", {{11, 999}, {2, 9}},
                 [](Values v) { return timesOneDigit(v, true); }),
        skillRow("k3109", 3, up, kTimesOneDigit, "因数中间或末尾有0的乘法", {{100, 999}, {2, 9}}, timesWithZero),
        skillRow("k3161", 3, up, kFractions, "看图写分数", {{0, 1}, {2, 10}, {1, 9}}, fraction_picture_rules::shadedPart),
        skillRow("k3162", 3, up, kFractions, "哪个图的涂色部分是这个分数", {{0, 1}, {2, 8}, {1, 7}, {0, 2}, {0, 1}},
                 fraction_picture_rules::whichPicture),
        skillRow("k3163", 3, up, kFractions, "涂一涂：涂出几分之几", {{0, 1}, {2, 10}, {1, 9}},
                 fraction_picture_rules::shadeParts),
        skillRow("k3110", 3, up, kFractions, "同分母分数加、减法", {{2, 10}, {0, 2}, {1, 9}, {1, 9}}, sameDenominator),
    };
}

std::vector<SkillRow> secondTerm() {
    return {
        skillRow("k3201", 3, down, kDivideOneDigit, "整十、整百数除以一位数", {{1, 9}, {1, 2}, {2, 9}},
                 [](Values v) { return wholeQuestion({v[2] * v[0] * powerOfTen(v[1]), v[2]}, {Sign::divide}, 900); }),
        skillRow("k3202", 3, down, kDivideOneDigit, "商是两位数的除法", {{2, 9}, {10, 99}},
                 [](Values v) { return hasZeroDigit(v[1]) ? std::nullopt : exactQuotient(v[0], v[1]); }),
        skillRow("k3203", 3, down, kDivideOneDigit, "商是三位数的除法", {{2, 9}, {100, 499}},
                 [](Values v) { return hasZeroDigit(v[1]) ? std::nullopt : exactQuotient(v[0], v[1]); }),
        skillRow("k3204", 3, down, kDivideOneDigit, "商中间或末尾有0的除法", {{2, 9}, {100, 499}},
                 [](Values v) { return zeroInQuotient(v[1]) ? exactQuotient(v[0], v[1]) : std::nullopt; }),
        skillRow("k3205", 3, down, kDivideOneDigit, "有余数的除法（商是两、三位数）", {{2, 9}, {10, 499}, {1, 8}}, longRemainder),
        skillRow("k3206", 3, down, kTwoByTwo, "整十数乘整十数", {{1, 9}, {1, 9}},
                 [](Values v) { return wholeQuestion({v[0] * 10, v[1] * 10}, {Sign::times}, 8100); }),
        skillRow("k3207", 3, down, kTwoByTwo, "两位数乘两位数（不进位）", {{11, 99}, {11, 99}},
                 [](Values v) { return twoByTwo(v, false); }),
        skillRow("k3208", 3, down, kTwoByTwo, "两位数乘两位数（进位）", {{11, 99}, {11, 99}},
                 [](Values v) { return twoByTwo(v, true); }),
        skillRow("k3241", 3, down, kCalendar, "24时计时法（读钟面）", {{6, 23}, {0, 11}}, clock_rules::readDayHours),
        skillRow("k3261", 3, down, kDecimals, "看数轴读一位小数", {{1, 29}}, number_line_rules::tenthsOnLine),
        skillRow("k3209", 3, down, kDecimals, "一位小数加、减法", {{1, 99}, {0, 1}, {1, 99}}, tenthsSumOrDifference),
    };
}

}  // namespace

std::vector<SkillRow> gradeThreeSkills() {
    auto rows = firstTerm();
    auto later = secondTerm();
    rows.insert(rows.end(), later.begin(), later.end());
    return rows;
}

}  // namespace tally
